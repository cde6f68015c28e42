// The Java parser.
#include "parsers/MirtParserJava.h"

#include "parsers/KeywordList.h"

namespace {
constexpr int32_t kId = 2;
constexpr const char* kName = "JAVA";
constexpr const char* kExtensions = "java";
constexpr const char* kStringDelimiter = "\"";
constexpr const char* kBlockCommentStart = "/*";
constexpr const char* kBlockCommentEnd = "*/";
constexpr const char* kLineComment = "//";
constexpr char kEscape = '\\';
constexpr int kOwnKeywords = KEYWORDS_JAVA;
} // namespace

CMirtParserJava::CMirtParserJava() {
    m_strStringStart = kStringDelimiter;
    m_strStringEnd = kStringDelimiter;
    m_strBlockCommentStart = kBlockCommentStart;
    m_strBlockCommentEnd = kBlockCommentEnd;
    m_strLineComment = kLineComment;
    m_chEscape = kEscape;
    SetExtensions(kExtensions);
}

int32_t CMirtParserJava::GetId() const {
    return kId;
}

std::string CMirtParserJava::GetName() const {
    return kName;
}

std::string CMirtParserJava::GetDefaultExtensions() const {
    return kExtensions;
}

int CMirtParserJava::CheckCommentWord(const std::string& strWord,
                                      std::vector<std::string>& suggestions) {
    if (GetKeywordList(kOwnKeywords).Find(strWord))
        return 1;
    return CMirtParser::CheckCommentWord(strWord, suggestions);
}

int CMirtParserJava::CheckCodeWord(const std::string& strWord,
                                   std::vector<std::string>& suggestions) {
    if (GetKeywordList(KEYWORDS_ABBREVIATIONS).Find(strWord) ||
        GetKeywordList(kOwnKeywords).Find(strWord))
        return 1;
    return CMirtParser::CheckCodeWord(strWord, suggestions);
}
