// One finding touched by an undoable decision, with the state it had before.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "project/RefCounter.h"
#include "project/SpellError.h"
#include "project/SpellFile.h"

class CMirtUndoActionError {
public:
    // Takes a reference to the finding and one to its file, and saves its state.
    explicit CMirtUndoActionError(CSpellError* pError);

    // Puts the saved state back into the finding.
    void Restore() const;

    CSpellError* GetError() const { return m_pError.get(); }
    CSpellFile* GetFile() const { return m_pFile.get(); }

private:
    CRefPtr<CSpellError> m_pError;
    CRefPtr<CSpellFile> m_pFile;
    int32_t m_nSavedChosen;
    int32_t m_bSavedIgnored;
    // Replace all may take a suggestion out of the list when it is undone, which would
    // leave the saved index pointing at another word; the list comes back with it.
    CSuggestions m_savedSuggestions;
};
