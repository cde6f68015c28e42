// The JavaScript parser.
#include "parsers/MirtParserJavaScript.h"

namespace {
constexpr int32_t kId = 5;
constexpr const char* kName = "JavaScript";
constexpr const char* kExtensions = "js";
constexpr const char* kStringDelimiter = "\"";
constexpr const char* kStringDelimiter1 = "'";
constexpr const char* kBlockCommentStart = "/*";
constexpr const char* kBlockCommentEnd = "*/";
constexpr const char* kLineComment = "//";
constexpr char kEscape = '\\';
} // namespace

CMirtParserJavaScript::CMirtParserJavaScript() {
    m_strStringStart = kStringDelimiter;
    m_strStringEnd = kStringDelimiter;
    m_strStringStart1 = kStringDelimiter1;
    m_strStringEnd1 = kStringDelimiter1;
    m_strBlockCommentStart = kBlockCommentStart;
    m_strBlockCommentEnd = kBlockCommentEnd;
    m_strLineComment = kLineComment;
    m_chEscape = kEscape;
    SetExtensions(kExtensions);
}

int32_t CMirtParserJavaScript::GetId() const {
    return kId;
}

std::string CMirtParserJavaScript::GetName() const {
    return kName;
}

std::string CMirtParserJavaScript::GetDefaultExtensions() const {
    return kExtensions;
}
