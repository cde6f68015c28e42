// The VBScript parser.
#include "parsers/MirtParserVbScript.h"

namespace {
constexpr int32_t kId = 4;
constexpr const char* kName = "VBScript";
constexpr const char* kExtensions = "vbs";
// No block comments, and a backslash is an ordinary character in a literal.
constexpr SSyntaxTokens kTokens = {
    .pszStringStart = "\"", .pszStringEnd = "\"", .pszLineComment = "'", .chEscape = 0};
} // namespace

CMirtParserVbScript::CMirtParserVbScript() {
    SetTokens(kTokens);
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
