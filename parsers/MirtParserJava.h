// Java sources: the base scanner with Java's delimiters and vocabulary.
#pragma once

#include "parsers/MirtParser.h"

class CMirtParserJava : public CMirtParser {
public:
    CMirtParserJava();

    int32_t GetId() const override;
    std::string GetName() const override;
    std::string GetDefaultExtensions() const override;
    int CheckCommentWord(const std::string& strWord,
                         std::vector<std::string>& suggestions) override;
    int CheckCodeWord(const std::string& strWord, std::vector<std::string>& suggestions) override;
};
