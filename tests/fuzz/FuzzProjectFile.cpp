// The project file loader on any bytes: it fails or loads, and what it stores loads
// again and stores to the same bytes. (The first store may still lose files: the
// oldest format keeps records of files that are gone, which the stored form drops.)
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Archive.h"
#include "project/MirtDoc.h"
#include "project/ProjectFile.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {
CFuzzApp& App() {
    static CFuzzApp app;
    return app;
}

// Loads the bytes and stores what was loaded; false when they do not load.
bool LoadAndStore(const std::string& text, std::string& stored) {
    CMirtDoc doc(App());
    CArchiveReader reader(text);
    if (!LoadProject(doc, reader))
        return false;
    CArchiveWriter writer;
    StoreProject(doc, writer);
    stored = writer.GetData();
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    std::string first, second, third;
    if (!LoadAndStore(std::string(reinterpret_cast<const char*>(pData), nSize), first))
        return 0;
    if (!LoadAndStore(first, second) || !LoadAndStore(second, third))
        std::abort(); // what was stored must load
    if (third != second)
        std::abort(); // and come back the same
    return 0;
}
