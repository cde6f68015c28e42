// The Visual Basic parser.
#include "parsers/MirtParserVb.h"

#include "parsers/KeywordList.h"

namespace {
// Only the apostrophe starts a comment: a line beginning with Rem is read as code.
constexpr SSyntaxTable kSyntax = {
    .nId = 1,
    .pszName = "VB",
    .pszExtensions = "vb frm ctl pag dsr bas cls res",
    .tokens = {.pszStringStart = "\"", .pszStringEnd = "\"", .pszLineComment = "'"},
    .commentLists = {KEYWORDS_VB},
    .codeLists = {KEYWORDS_ABBREVIATIONS, KEYWORDS_VB},
    .bAcceleratorWords = true};
} // namespace

CMirtParserVb::CMirtParserVb() : CMirtParser(kSyntax) {}
