// The script parser family.
#include "parsers/MirtParserScript.h"

#include <string_view>

#include "parsers/KeywordList.h"
#include "parsers/WordCategory.h"

namespace {
constexpr const char* kStringDelimiter = "\"";
constexpr const char* kBlockCommentStart = "/*";
constexpr const char* kBlockCommentEnd = "*/";
constexpr const char* kLineComment = "//";
constexpr char kEscape = '\\';
// CreateObject("Scripting.FileSystemObject") and new ActiveXObject("...") leave this
// code part right before a literal that names a program, not text to check.
constexpr std::string_view kObjectPart = "Object";
constexpr char kEntityStart = '&';
constexpr char kEntityEnd = ';';
} // namespace

CMirtParserScript::CMirtParserScript() {
    m_strStringStart = kStringDelimiter;
    m_strStringEnd = kStringDelimiter;
    m_strBlockCommentStart = kBlockCommentStart;
    m_strBlockCommentEnd = kBlockCommentEnd;
    m_strLineComment = kLineComment;
    m_chEscape = kEscape;
}

void CMirtParserScript::ParseLine(std::string strLine, CWordList& words) {
    CMirtParser::ParseLine(std::move(strLine), words);
    for (size_t k = 0; k < words.size(); ++k) {
        if (words[k].nCategory != CATEGORY_CODE || words[k].strWord != kObjectPart)
            continue;
        size_t nEnd = k + 1;
        while (nEnd < words.size() && words[nEnd].nCategory == CATEGORY_LANGUAGE)
            ++nEnd;
        words.erase(words.begin() + static_cast<ptrdiff_t>(k) + 1,
                    words.begin() + static_cast<ptrdiff_t>(nEnd));
    }
    for (size_t k = words.size(); k-- > 0;) {
        const SWord& w = words[k];
        if (w.nCategory == CATEGORY_LANGUAGE && w.chBefore == kEntityStart &&
            w.chAfter == kEntityEnd)
            words.erase(words.begin() + static_cast<ptrdiff_t>(k));
    }
}

int CMirtParserScript::CheckCommentWord(const std::string& strWord,
                                        std::vector<std::string>& suggestions) {
    if (GetKeywordList(KEYWORDS_LIBRARY).Find(strWord))
        return 1;
    return CMirtParser::CheckCommentWord(strWord, suggestions);
}

int CMirtParserScript::CheckCodeWord(const std::string& strWord,
                                     std::vector<std::string>& suggestions) {
    if (GetKeywordList(KEYWORDS_ABBREVIATIONS).Find(strWord))
        return 1;
    return CMirtParser::CheckCodeWord(strWord, suggestions);
}
