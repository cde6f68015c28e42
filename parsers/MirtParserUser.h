// Syntaxes defined by the user: each "*.ini" file in the program's folder configures
// the base scanner with its delimiters, extensions, code separators and keyword list.
#pragma once

#include "parsers/KeywordList.h"
#include "parsers/MirtParser.h"

class CMirtParsers;

class CMirtParserUser : public CMirtParser {
public:
    // Reads the section "syntax" of the file. False when it names no syntax or its
    // keyword file, relative to the program folder (which ends with "/"), cannot be read.
    [[nodiscard]] bool Load(const std::string& strPath, const std::string& strProgramFolder);
    void SetId(int32_t nId) { m_nId = nId; }

    int32_t GetId() const override;
    std::string GetName() const override;
    std::string GetDefaultExtensions() const override;
    int CheckCommentWord(const std::string& strWord,
                         std::vector<std::string>& suggestions) override;
    int CheckCodeWord(const std::string& strWord, std::vector<std::string>& suggestions) override;

    std::string m_strName;
    std::string m_strExtensionsText;
    int32_t m_nId = -1;
    CKeywordList m_keywords;
};

// The first id of a user syntax; the built-in syntaxes stay below it.
constexpr int32_t FIRST_USER_SYNTAX_ID = 1000;

// Registers a syntax for every "*.ini" file directly in the program folder, in name
// order; ids count up from FIRST_USER_SYNTAX_ID over the files that load, and a file
// that does not load is skipped silently. Returns the number registered.
int AddUserSyntaxes(CMirtParsers& parsers, const std::string& strProgramFolder);
