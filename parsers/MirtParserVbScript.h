// VBScript files: a script parser with apostrophe comments and no escape character.
#pragma once

#include "parsers/MirtParserScript.h"

class CMirtParserVbScript : public CMirtParserScript {
public:
    CMirtParserVbScript();
};
