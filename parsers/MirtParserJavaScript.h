// JavaScript files, and the script blocks of HTML pages.
#pragma once

#include "parsers/MirtParserScript.h"

class CMirtParserJavaScript : public CMirtParserScript {
public:
    CMirtParserJavaScript();
};
