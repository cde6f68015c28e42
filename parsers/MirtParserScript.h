// Common ground of the script syntaxes: the base scanner followed by two filters that
// drop program identifiers handed to object factories and character entities.
#pragma once

#include "parsers/MirtParser.h"

class CMirtParserScript : public CMirtParser {
public:
    CMirtParserScript();

    void ParseLine(std::string strLine, CWordList& words) override;
    int CheckCommentWord(const std::string& strWord,
                         std::vector<std::string>& suggestions) override;
    int CheckCodeWord(const std::string& strWord, std::vector<std::string>& suggestions) override;
};
