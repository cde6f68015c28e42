// The JavaScript parser.
#include "parsers/MirtParserJavaScript.h"

namespace {
constexpr SSyntaxTable kSyntax = {.nId = 5,
                                  .pszName = "JavaScript",
                                  .pszExtensions = "js",
                                  .tokens = kCStyleTokensWithApostrophes,
                                  .commentLists = kScriptCommentLists,
                                  .codeLists = kScriptCodeLists};
} // namespace

CMirtParserJavaScript::CMirtParserJavaScript() : CMirtParserScript(kSyntax) {}
