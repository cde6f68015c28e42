// Visual Basic modules, classes, forms and controls: the base scanner with apostrophe
// comments, and menu accelerators kept inside string words.
#pragma once

#include "parsers/MirtParser.h"

class CMirtParserVb : public CMirtParser {
public:
    CMirtParserVb();

    int32_t GetId() const override;
    std::string GetName() const override;
    std::string GetDefaultExtensions() const override;
    int CheckLanguageWord(const std::string& strWord,
                          std::vector<std::string>& suggestions) override;
    int CheckCommentWord(const std::string& strWord,
                         std::vector<std::string>& suggestions) override;
    int CheckCodeWord(const std::string& strWord, std::vector<std::string>& suggestions) override;
};
