// Visual Basic modules, classes, forms and controls: the base scanner with apostrophe
// comments, and menu accelerators kept inside string words.
#pragma once

#include "parsers/MirtParser.h"

class CMirtParserVb : public CMirtParser {
public:
    CMirtParserVb();
};
