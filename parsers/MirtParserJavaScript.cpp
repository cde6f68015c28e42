// The JavaScript parser.
#include "parsers/MirtParserJavaScript.h"

namespace {
constexpr int32_t kId = 5;
constexpr const char* kName = "JavaScript";
constexpr const char* kExtensions = "js";
constexpr SSyntaxTokens kTokens = {.pszStringStart = "\"",
                                   .pszStringEnd = "\"",
                                   .pszStringStart1 = "'",
                                   .pszStringEnd1 = "'",
                                   .pszBlockCommentStart = "/*",
                                   .pszBlockCommentEnd = "*/",
                                   .pszLineComment = "//"};
} // namespace

CMirtParserJavaScript::CMirtParserJavaScript() {
    SetTokens(kTokens);
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
