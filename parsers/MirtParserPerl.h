// Perl sources: the base scanner, with POD documentation read as comments, variables
// in literals read as code, and literal words that are not prose left unchecked.
#pragma once

#include "parsers/MirtParser.h"

class CMirtParserPerl : public CMirtParser {
public:
    CMirtParserPerl();

    int BeginFile(const std::string& strFileName) override;
    void EndFile() override;
    void ParseLine(std::string strLine, CWordList& words) override;

    int32_t m_bInPod = 0;

private:
    void UpdatePod(const std::string& strLine);
    void Recategorise(CWordList& words) const;
};
