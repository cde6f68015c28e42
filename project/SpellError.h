// One finding: a misspelt or indecent word at a line and position, its suggestions
// and the user's decision about it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "project/RefCounter.h"
#include "project/Suggestions.h"

class CArchiveReader;
class CArchiveWriter;
class CSpellFile;

constexpr int32_t KIND_SPELLING = 0;
constexpr int32_t KIND_PROFANITY = 1;

class CSpellError : public CRefCounter<CSpellError> {
public:
    // The empty form, filled by Load.
    explicit CSpellError(CSpellFile* pFile);
    CSpellError(CSpellFile* pFile, int32_t nKind, int32_t nLine, int32_t nPos,
                const std::string& strWord, int32_t nCategory, const std::string& strLine);
    // The findings of one line share its text.
    CSpellError(CSpellFile* pFile, int32_t nKind, int32_t nLine, int32_t nPos,
                const std::string& strWord, int32_t nCategory,
                std::shared_ptr<const std::string> pLine);

    void Store(CArchiveWriter& ar) const;
    [[nodiscard]] bool Load(CArchiveReader& ar);

    bool HasCall(const std::string& strName) const;
    // Case-insensitive search in the word, then in each suggestion.
    bool MatchesText(const std::string& strText) const;

    const std::string& GetLine() const { return *m_pLine; }
    void SetLine(std::string strLine);
    // Takes the other finding's line text when it is the same text, so that a loaded
    // project keeps one copy of a line however many findings it holds.
    void ShareLineWith(const CSpellError& other);

    bool IsCounting() const { return m_bIgnored == 0; }
    bool IsPendingChange() const { return m_bIgnored == 0 && m_nChosen >= 0; }

    CSpellFile* m_pFile;
    int32_t m_nLine;
    int32_t m_nPos;
    std::string m_strWord;
    CSharedStrings m_calls; // shared with the other findings inside the same calls
    CSuggestions m_suggestions;
    int32_t m_nChosen = -1;
    int32_t m_bIgnored = 0;
    int32_t m_nKind;
    int32_t m_nCategory;
    int32_t m_bVisible = 1;

private:
    std::shared_ptr<const std::string> m_pLine;
};

using CSpellErrors = std::vector<CSpellError*>;
