// Resource scripts: the C/C++ parser with the resource-script extensions.
#pragma once

#include "parsers/MirtParserCpp.h"

class CMirtParserRc : public CMirtParserCpp {
public:
    CMirtParserRc();
};
