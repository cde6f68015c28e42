// JavaScript files, and the script blocks of HTML pages.
#pragma once

#include "parsers/MirtParserScript.h"

class CMirtParserJavaScript : public CMirtParserScript {
public:
    CMirtParserJavaScript();

    int32_t GetId() const override;
    std::string GetName() const override;
    std::string GetDefaultExtensions() const override;
};
