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

namespace {
std::string Folded(const std::string& s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}
} // namespace

::testing::AssertionResult IsSortedCrLfList(const std::string& text) {
    if (text.empty() || !text.ends_with("\r\n"))
        return ::testing::AssertionFailure() << "empty, or the last entry has no CR LF";
    std::string prevFolded, prev;
    for (size_t nStart = 0, nEntry = 0; nStart < text.size(); ++nEntry) {
        size_t nCr = text.find('\r', nStart);
        if (nCr == std::string::npos || text[nCr + 1] != '\n')
            return ::testing::AssertionFailure() << "CR without LF after entry " << nEntry;
        std::string entry = text.substr(nStart, nCr - nStart);
        if (entry.empty() || entry.find('\n') != std::string::npos)
            return ::testing::AssertionFailure() << "empty entry or bare LF after " << prev;
        std::string folded = Folded(entry);
        if (folded < prevFolded || entry == prev)
            return ::testing::AssertionFailure() << prev << " before " << entry;
        prevFolded = folded;
        prev = entry;
        nStart = nCr + 2;
    }
    return ::testing::AssertionSuccess();
}
