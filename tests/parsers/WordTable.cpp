// Golden table helpers.
#include "tests/parsers/WordTable.h"

#include "tests/support/Golden.h"

namespace {
std::string ShowChar(char c) {
    switch (c) {
    case 0:
        return "NUL";
    case ' ':
        return "SP";
    case '\t':
        return "TAB";
    default:
        return std::string(1, c);
    }
}

// Spelled out here rather than taken from the parser, so a wrong category shows.
std::string ShowCategory(int32_t nCategory) {
    switch (nCategory) {
    case L:
        return "Language";
    case C:
        return "Comment";
    case K:
        return "Code";
    default:
        return std::to_string(nCategory);
    }
}
} // namespace

std::string DescribeWord(const std::string& strWord, int32_t nCategory, int32_t nPos, char chBefore,
                         char chAfter, const std::vector<std::string>& calls) {
    std::string text = strWord + " " + ShowCategory(nCategory) + " " + std::to_string(nPos) + " " +
                       ShowChar(chBefore) + " " + ShowChar(chAfter);
    std::string callText;
    for (const std::string& call : calls)
        callText += (callText.empty() ? "" : ",") + call;
    return text + " " + (callText.empty() ? "-" : callText) + "\n";
}

std::string DescribeWords(const CWordList& words) {
    std::string text;
    for (const SWord& w : words)
        text += DescribeWord(w.strWord, w.nCategory, w.nPos, w.chBefore, w.chAfter, w.calls);
    return text;
}

std::string DescribeWords(const std::vector<SExpectedWord>& words) {
    std::string text;
    for (const SExpectedWord& w : words)
        text += DescribeWord(w.strWord, w.nCategory, w.nPos, w.chBefore, w.chAfter, w.calls);
    return text;
}

void ExpectLine(CMirtParser& parser, const std::string& strLine,
                const std::vector<SExpectedWord>& expected) {
    CWordList words;
    parser.ParseLine(strLine, words);
    EXPECT_TEXT_EQ(DescribeWords(expected), DescribeWords(words)) << "line: " << strLine;
}
