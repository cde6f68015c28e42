// The VBScript parser.
#include "parsers/MirtParserVbScript.h"

namespace {
// No block comments, and a backslash is an ordinary character in a literal.
constexpr SSyntaxTable kSyntax = {
    .nId = 4,
    .pszName = "VBScript",
    .pszExtensions = "vbs",
    .tokens = {.pszStringStart = "\"", .pszStringEnd = "\"", .pszLineComment = "'", .chEscape = 0},
    .commentLists = kScriptCommentLists,
    .codeLists = kScriptCodeLists};
} // namespace

CMirtParserVbScript::CMirtParserVbScript() : CMirtParserScript(kSyntax) {}
