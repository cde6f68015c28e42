// HTML pages: the words of the page text outside tags, read by a scan of its own, and
// the lines of script blocks handed to an embedded JavaScript parser.
#pragma once

#include "parsers/MirtParserJavaScript.h"

class CMirtParserHtml : public CMirtParser {
public:
    CMirtParserHtml();

    void SetContext(CMirtDoc* pDoc, CMirtSpellEngine* pEngine) override;
    int BeginFile(const std::string& strFileName) override;
    void EndFile() override;
    void ParseLine(std::string strLine, CWordList& words) override;
    // While a script block is open, the words are checked by its parser.
    int CheckLanguageWord(const std::string& strWord,
                          std::vector<std::string>& suggestions) override;
    int CheckCommentWord(const std::string& strWord,
                         std::vector<std::string>& suggestions) override;
    int CheckCodeWord(const std::string& strWord, std::vector<std::string>& suggestions) override;

    int32_t m_bScriptStarted = 0;
    int32_t m_bInTag = 0;
    CMirtParser* m_pActiveParser = nullptr; // null while reading page text
    CMirtParserJavaScript m_javaScript;

private:
    void ScanPageText(std::string strLine, CWordList& words);
};
