// One decision about findings that Undo can take back: its kind, word, replacement and
// category, and the state before the decision of every finding it touched.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "project/MirtUndoActionError.h"
#include "project/SpellFile.h"

class CFindingDecisions;

enum EUndoType : int32_t {
    UNDO_IGNORE = 0,      // one finding ignored
    UNDO_REPLACE = 1,     // one finding given a replacement
    UNDO_IGNORE_ALL = 2,  // a word of one category ignored everywhere
    UNDO_REPLACE_ALL = 3, // a word of one category replaced everywhere
    UNDO_IGNORE_CALLS = 4 // everything inside calls of a function ignored
};

class CMirtUndoAction : public CSpellErrorRecorder {
public:
    CMirtUndoAction(int32_t nType, const std::string& strWord, int32_t nCategory,
                    const std::string& strReplacement);

    // Records the finding as it is now, before the decision changes it.
    void AddRecord(CSpellError* pError) override;
    // Drops every record of a finding of this file; true when some were dropped and
    // none remain, so that the action has nothing left to take back.
    bool DropRecordsOfFile(const CSpellFile* pFile);
    // The text the Undo menu entry shows for this action.
    std::string Describe() const;
    // Takes the decision back: its rule leaves the project, the findings their state.
    void Revert(CFindingDecisions& decisions) const;

    int32_t GetType() const { return m_nType; }
    const std::string& GetWord() const { return m_strWord; }
    const std::vector<std::unique_ptr<CMirtUndoActionError>>& GetRecords() const {
        return m_records;
    }

private:
    int32_t m_nType;
    std::string m_strWord;
    std::string m_strReplacement;
    int32_t m_nCategory;
    std::vector<std::unique_ptr<CMirtUndoActionError>> m_records;
};
