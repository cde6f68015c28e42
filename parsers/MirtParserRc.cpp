// The resource-script parser.
#include "parsers/MirtParserRc.h"

#include "parsers/KeywordList.h"

namespace {
// C's lists and menu accelerators, under a name of its own.
constexpr SSyntaxTable kSyntax = {.nId = 6,
                                  .pszName = "Resource",
                                  .pszExtensions = "rc rc2",
                                  .tokens = kCStyleTokens,
                                  .commentLists = {KEYWORDS_LIBRARY},
                                  .codeLists = {KEYWORDS_ABBREVIATIONS, KEYWORDS_CRUNTIME},
                                  .bAcceleratorWords = true};
} // namespace

CMirtParserRc::CMirtParserRc() : CMirtParserCpp(kSyntax) {}
