// Undo record of one finding.
#include "project/MirtUndoActionError.h"

CMirtUndoActionError::CMirtUndoActionError(CSpellError* pError)
    : m_pError(pError), m_pFile(pError->m_pFile), m_nSavedChosen(pError->m_nChosen),
      m_bSavedIgnored(pError->m_bIgnored), m_savedSuggestions(pError->m_suggestions) {}

void CMirtUndoActionError::Restore() const {
    m_pError->m_suggestions = m_savedSuggestions;
    m_pError->m_nChosen = m_nSavedChosen;
    m_pError->m_bIgnored = m_bSavedIgnored;
}
