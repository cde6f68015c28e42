// The Java parser.
#include "parsers/MirtParserJava.h"

#include "parsers/KeywordList.h"

namespace {
constexpr int32_t kId = 2;
constexpr const char* kName = "JAVA";
constexpr const char* kExtensions = "java";
constexpr SSyntaxTokens kTokens = {.pszStringStart = "\"",
                                   .pszStringEnd = "\"",
                                   .pszBlockCommentStart = "/*",
                                   .pszBlockCommentEnd = "*/",
                                   .pszLineComment = "//"};
constexpr int kOwnKeywords = KEYWORDS_JAVA;
} // namespace

CMirtParserJava::CMirtParserJava() {
    SetTokens(kTokens);
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
