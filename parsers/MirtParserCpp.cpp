// The C/C++/C# parser.
#include "parsers/MirtParserCpp.h"

#include <array>
#include <string_view>

#include "parsers/KeywordList.h"
#include "parsers/WordCategory.h"

namespace {
constexpr int32_t kId = 0;
constexpr const char* kName = "C/C++/C#";
// The classic list, then the C++ extensions common on Linux.
constexpr const char* kExtensions = "cpp c cs h odl idl hpp hh hxx h++ cc cxx c++ ipp tpp tcc inl";
constexpr SSyntaxTokens kTokens = {.pszStringStart = "\"",
                                   .pszStringEnd = "\"",
                                   .pszBlockCommentStart = "/*",
                                   .pszBlockCommentEnd = "*/",
                                   .pszLineComment = "//"};
// Not a separator inside string literals, so a menu text such as "&File" stays whole.
constexpr char kAccelerator = '&';
// Lines naming another file to read hold no text to check. The preprocessor allows
// blanks between "#" and the directive ("# include <vector>").
constexpr std::array<std::string_view, 2> kSkippedDirectives = {"include", "import"};
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::string_view kBlanks = " \t";

bool IsSkippedDirective(std::string_view line) {
    size_t nHash = line.find_first_not_of(kWhiteSpace);
    if (nHash == std::string_view::npos || line[nHash] != '#')
        return false;
    size_t nName = line.find_first_not_of(kBlanks, nHash + 1);
    if (nName == std::string_view::npos)
        return false;
    for (std::string_view directive : kSkippedDirectives)
        if (line.substr(nName).starts_with(directive))
            return true;
    return false;
}
} // namespace

CMirtParserCpp::CMirtParserCpp() {
    SetTokens(kTokens);
    m_stringSeparators[static_cast<unsigned char>(kAccelerator)] = false;
    SetExtensions(kExtensions);
}

int32_t CMirtParserCpp::GetId() const {
    return kId;
}

std::string CMirtParserCpp::GetName() const {
    return kName;
}

std::string CMirtParserCpp::GetDefaultExtensions() const {
    return kExtensions;
}

void CMirtParserCpp::ParseLine(std::string strLine, CWordList& words) {
    if (IsSkippedDirective(strLine))
        return; // the scanner state is left as it is
    CMirtParser::ParseLine(std::move(strLine), words);
    // A "%" before a string word marks a printf format (%s, %d); a "." before a comment
    // word joins it to the word before into a dotted name (CMainFrame.OnCreate).
    std::vector<bool> remove(words.size());
    for (size_t k = words.size(); k-- > 0;) {
        const SWord& w = words[k];
        if (w.nCategory == CATEGORY_LANGUAGE && w.chBefore == '%') {
            remove[k] = true;
        } else if (w.nCategory == CATEGORY_COMMENT && w.chBefore == '.') {
            remove[k] = true;
            if (k > 0)
                remove[--k] = true;
        }
    }
    EraseMarked(words, remove);
}

int CMirtParserCpp::CheckLanguageWord(const std::string& strWord,
                                      std::vector<std::string>& suggestions) {
    if (CheckAcceleratorWord(strWord, suggestions) != 0)
        return suggestions.empty() ? 1 : 0;
    return CMirtParser::CheckLanguageWord(strWord, suggestions);
}

int CMirtParserCpp::CheckCommentWord(const std::string& strWord,
                                     std::vector<std::string>& suggestions) {
    if (GetKeywordList(KEYWORDS_LIBRARY).Find(strWord))
        return 1;
    return CMirtParser::CheckCommentWord(strWord, suggestions);
}

int CMirtParserCpp::CheckCodeWord(const std::string& strWord,
                                  std::vector<std::string>& suggestions) {
    if (GetKeywordList(KEYWORDS_ABBREVIATIONS).Find(strWord) ||
        GetKeywordList(KEYWORDS_CRUNTIME).Find(strWord))
        return 1;
    return CMirtParser::CheckCodeWord(strWord, suggestions);
}
