// Keyword list entries for tests.
#include "tests/support/KeywordEntries.h"

#include "parsers/KeywordList.h"

std::vector<std::string> KeywordEntries(int nId) {
    const CKeywordList& list = GetKeywordList(nId);
    std::vector<std::string> entries;
    std::string entry;
    for (uint32_t i = 0; i < list.GetSize(); ++i) {
        char c = list.GetData()[i];
        if (c == '\n') {
            entries.push_back(entry);
            entry.clear();
        } else if (c != '\r') {
            entry += c;
        }
    }
    return entries;
}
