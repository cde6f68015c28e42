// The keyword list's search on any list text and any word: it answers without reading
// outside the list, sorted or not.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "parsers/KeywordList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    std::string text(reinterpret_cast<const char*>(pData), nSize);
    // The last line is the word; the rest is the list.
    size_t nLast = text.rfind('\n');
    std::string strWord = nLast == std::string::npos ? text : text.substr(nLast + 1);
    CKeywordList list;
    list.LoadFromText(nLast == std::string::npos ? ""
                                                 : std::string_view(text).substr(0, nLast + 1));
    (void)list.Find(strWord);
    (void)list.FindPrefix(strWord);
    return 0;
}
