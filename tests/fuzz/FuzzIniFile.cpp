// The reader of user syntax files on any text: every value it gives is at most 255
// characters long.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    std::string text(reinterpret_cast<const char*>(pData), nSize);
    CIniFile ini;
    ini.SetText(text);
    for (const char* pszKey : {"Name", "FileExtensions", "StringStart", "StringEnd",
                               "BlockCommentStart", "LineComment", "Separators", "KeywordsFile"})
        if (ini.GetString("syntax", pszKey).size() > 255)
            std::abort();
    // The keys of the text itself, as a user would name them.
    size_t nEqual = text.find('=');
    if (nEqual != std::string::npos)
        (void)ini.GetString("syntax", text.substr(0, nEqual));
    return 0;
}
