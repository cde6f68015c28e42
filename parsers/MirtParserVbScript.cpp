// The VBScript parser.
#include "parsers/MirtParserVbScript.h"

namespace {
constexpr int32_t kId = 4;
constexpr const char* kName = "VBScript";
constexpr const char* kExtensions = "vbs";
constexpr const char* kStringDelimiter = "\"";
constexpr const char* kLineComment = "'";
// A backslash is an ordinary character in a VBScript literal.
constexpr char kNoEscape = 0;
} // namespace

CMirtParserVbScript::CMirtParserVbScript() {
    m_strStringStart = kStringDelimiter;
    m_strStringEnd = kStringDelimiter;
    m_strBlockCommentStart.clear();
    m_strBlockCommentEnd.clear();
    m_strLineComment = kLineComment;
    m_chEscape = kNoEscape;
    SetExtensions(kExtensions);
}

int32_t CMirtParserVbScript::GetId() const {
    return kId;
}

std::string CMirtParserVbScript::GetName() const {
    return kName;
}

std::string CMirtParserVbScript::GetDefaultExtensions() const {
    return kExtensions;
}
