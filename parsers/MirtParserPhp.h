// PHP pages: HTML outside "<?php" blocks, read by an embedded HTML parser, and PHP code
// inside them, whose string literals are read again as HTML text.
#pragma once

#include "parsers/MirtParserHtml.h"

class CMirtParserPhp : public CMirtParser {
public:
    CMirtParserPhp();

    void SetContext(CMirtDoc* pDoc, CMirtSpellEngine* pEngine) override;
    int BeginFile(const std::string& strFileName) override;
    void EndFile() override;
    void ParseLine(std::string strLine, CWordList& words) override;

    int32_t m_bInPhp = 0;
    CMirtParserHtml m_html;

private:
    bool LeavesPhp(const std::string& strLine) const;
    void RescanLiterals(CWordList& words);
};
