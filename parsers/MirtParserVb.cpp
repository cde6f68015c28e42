// The Visual Basic parser.
#include "parsers/MirtParserVb.h"

#include "parsers/KeywordList.h"

namespace {
// Only the apostrophe starts a comment: a line beginning with Rem is read as code.
constexpr SSyntaxTable kSyntax = WithOwnKeywords(
    {.nId = 1,
     .pszName = "VB",
     .pszExtensions = "vb frm ctl pag dsr bas cls res",
     .tokens = {.pszStringStart = "\"", .pszStringEnd = "\"", .pszLineComment = "'"},
     .bAcceleratorWords = true},
    KEYWORDS_VB);
} // namespace

CMirtParserVb::CMirtParserVb() : CMirtParser(kSyntax) {}
