// Common ground of the script syntaxes: the base scanner followed by two filters that
// drop program identifiers handed to object factories and character entities.
#pragma once

#include "parsers/KeywordList.h"
#include "parsers/MirtParser.h"

// The lists every script syntax accepts words from.
inline constexpr CKeywordListIds kScriptCommentLists = {KEYWORDS_LIBRARY};
inline constexpr CKeywordListIds kScriptCodeLists = {KEYWORDS_ABBREVIATIONS};

class CMirtParserScript : public CMirtParser {
public:
    // A script syntax's table names kScriptCommentLists and kScriptCodeLists.
    explicit CMirtParserScript(const SSyntaxTable& syntax);

    void ParseLine(std::string strLine, CWordList& words) override;
};
