// Java sources: the base scanner with Java's delimiters and vocabulary.
#pragma once

#include "parsers/MirtParser.h"

class CMirtParserJava : public CMirtParser {
public:
    CMirtParserJava();
};
