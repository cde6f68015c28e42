// The Java parser.
#include "parsers/MirtParserJava.h"

#include "parsers/KeywordList.h"

namespace {
constexpr SSyntaxTable kSyntax = WithOwnKeywords(
    {.nId = 2, .pszName = "JAVA", .pszExtensions = "java", .tokens = kCStyleTokens}, KEYWORDS_JAVA);
} // namespace

CMirtParserJava::CMirtParserJava() : CMirtParser(kSyntax) {}
