// C, C++, C# and interface definition files: the base scanner with include lines
// skipped, format specifiers and dotted names dropped, and menu accelerators handled.
#pragma once

#include "parsers/MirtParser.h"

class CMirtParserCpp : public CMirtParser {
public:
    CMirtParserCpp();

    int32_t GetId() const override;
    std::string GetName() const override;
    std::string GetDefaultExtensions() const override;
    void ParseLine(std::string strLine, CWordList& words) override;
    int CheckLanguageWord(const std::string& strWord,
                          std::vector<std::string>& suggestions) override;
    int CheckCommentWord(const std::string& strWord,
                         std::vector<std::string>& suggestions) override;
    int CheckCodeWord(const std::string& strWord, std::vector<std::string>& suggestions) override;
};
