// The Java parser.
#include "parsers/MirtParserJava.h"

#include "parsers/KeywordList.h"

namespace {
constexpr SSyntaxTable kSyntax = {.nId = 2,
                                  .pszName = "JAVA",
                                  .pszExtensions = "java",
                                  .tokens = kCStyleTokens,
                                  .commentLists = {KEYWORDS_JAVA},
                                  .codeLists = {KEYWORDS_ABBREVIATIONS, KEYWORDS_JAVA}};
} // namespace

CMirtParserJava::CMirtParserJava() : CMirtParser(kSyntax) {}
