// C, C++, C# and interface definition files: the base scanner with include lines
// skipped, format specifiers and dotted names dropped, and menu accelerators handled.
#pragma once

#include "parsers/MirtParser.h"

class CMirtParserCpp : public CMirtParser {
public:
    CMirtParserCpp();

    void ParseLine(std::string strLine, CWordList& words) override;

protected:
    // For the syntaxes read as C (resource scripts).
    explicit CMirtParserCpp(const SSyntaxTable& syntax);
};
