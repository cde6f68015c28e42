// Undo actions: recording, description and reverting.
#include "project/MirtUndoAction.h"

#include <algorithm>

#include "project/FindingDecisions.h"
#include "project/MirtDoc.h"

CMirtUndoAction::CMirtUndoAction(int32_t nType, const std::string& strWord, int32_t nCategory,
                                 const std::string& strReplacement)
    : m_nType(nType), m_strWord(strWord), m_strReplacement(strReplacement), m_nCategory(nCategory) {
}

void CMirtUndoAction::AddRecord(CSpellError* pError) {
    m_records.push_back(std::make_unique<CMirtUndoActionError>(pError));
}

bool CMirtUndoAction::DropRecordsOfFile(const CSpellFile* pFile) {
    size_t nBefore = m_records.size();
    std::erase_if(m_records, [&](const auto& pRecord) { return pRecord->GetFile() == pFile; });
    return m_records.size() < nBefore && m_records.empty();
}

std::string CMirtUndoAction::Describe() const {
    std::string strFile = m_records.empty() ? "" : m_records.front()->GetFile()->GetDisplayName();
    switch (m_nType) {
    case UNDO_IGNORE:
        return "Ignore '" + m_strWord + "' in '" + strFile + "'";
    case UNDO_REPLACE:
        return "Replace '" + m_strWord + "' with '" + m_strReplacement + "' in '" + strFile + "'";
    case UNDO_IGNORE_ALL:
        return "Ignore all '" + m_strWord + "'";
    case UNDO_REPLACE_ALL:
        return "Replace all '" + m_strWord + "' with '" + m_strReplacement + "'";
    case UNDO_IGNORE_CALLS:
        return "Ignore calls to '" + m_strWord + "'";
    default:
        return "";
    }
}

void CMirtUndoAction::Revert(CFindingDecisions& decisions) const {
    std::lock_guard<std::recursive_mutex> lock(decisions.GetDoc().GetLock());
    if (m_nType == UNDO_IGNORE_ALL)
        decisions.RemoveIgnoredWord(m_strWord, m_nCategory);
    else if (m_nType == UNDO_REPLACE_ALL)
        decisions.RemoveDictionaryWord(m_strWord, m_nCategory);
    else if (m_nType == UNDO_IGNORE_CALLS)
        decisions.RemoveIgnoredCall(m_strWord);
    for (const auto& pRecord : m_records)
        pRecord->Restore();
}
