// The resource-script parser.
#include "parsers/MirtParserRc.h"

#include "parsers/KeywordList.h"

namespace {
constexpr SSyntaxTable kSyntax = ReadAsC(6, "Resource", "rc rc2");
} // namespace

CMirtParserRc::CMirtParserRc() : CMirtParserCpp(kSyntax) {}
