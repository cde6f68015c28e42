// The project dictionary and ignored calls applied to every file, the undo stack,
// dictionary import and word list export.
#include "project/FindingDecisions.h"

#include <algorithm>

#include "platform/AtomicFile.h"
#include "platform/FileStatus.h"
#include "platform/TextFold.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "project/ProjectFile.h"

namespace {
using CLock = std::lock_guard<std::recursive_mutex>;

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return CompareIgnoringCase(a, b) < 0;
}
} // namespace

CFindingDecisions::CFindingDecisions(CMirtDoc& doc) : m_doc(doc) {}

void CFindingDecisions::PushAction(std::unique_ptr<CMirtUndoAction> pAction) {
    m_undoActions.push_back(std::move(pAction));
    m_doc.SetModifiedFlag();
}

bool CFindingDecisions::RecordFindingChange(CSpellError* pError, int32_t nIndex) {
    CLock lock(m_doc.GetLock());
    if (pError == nullptr || nIndex < -1 ||
        (nIndex >= 0 && static_cast<size_t>(nIndex) >= pError->m_suggestions.size()))
        return false;
    auto pAction = nIndex < 0 ? std::make_unique<CMirtUndoAction>(UNDO_IGNORE, pError->m_strWord,
                                                                  pError->m_nCategory, "")
                              : std::make_unique<CMirtUndoAction>(
                                    UNDO_REPLACE, pError->m_strWord, pError->m_nCategory,
                                    pError->m_suggestions[static_cast<size_t>(nIndex)]);
    pAction->AddRecord(pError);
    PushAction(std::move(pAction));
    return true;
}

bool CFindingDecisions::ChooseSuggestion(CSpellError* pError, int32_t nIndex) {
    CLock lock(m_doc.GetLock());
    if (!RecordFindingChange(pError, nIndex))
        return false;
    pError->m_nChosen = nIndex;
    return true;
}

bool CFindingDecisions::AddSuggestion(CSpellError* pError, const std::string& strText) {
    CLock lock(m_doc.GetLock());
    if (pError == nullptr)
        return false;
    pError->m_suggestions.Insert(0, strText);
    if (pError->m_nChosen >= 0)
        ++pError->m_nChosen;
    return ChooseSuggestion(pError, 0);
}

void CFindingDecisions::IgnoreAllWord(const std::string& strWord, int32_t nCategory) {
    CLock lock(m_doc.GetLock());
    auto pAction = std::make_unique<CMirtUndoAction>(UNDO_IGNORE_ALL, strWord, nCategory, "");
    m_doc.m_dictionary.SetReplacement(strWord, nCategory, IGNORE_RULE);
    for (CSpellFile* pFile : m_doc.m_files)
        pFile->IgnoreWord(strWord, nCategory, pAction.get());
    PushAction(std::move(pAction));
}

void CFindingDecisions::ReplaceAllWord(const std::string& strWord, int32_t nCategory,
                                       const std::string& strReplacement) {
    if (strReplacement == IGNORE_RULE) {
        IgnoreAllWord(strWord, nCategory);
        return;
    }
    CLock lock(m_doc.GetLock());
    auto pAction =
        std::make_unique<CMirtUndoAction>(UNDO_REPLACE_ALL, strWord, nCategory, strReplacement);
    m_doc.m_dictionary.SetReplacement(strWord, nCategory, strReplacement);
    for (CSpellFile* pFile : m_doc.m_files)
        pFile->ReplaceWord(strWord, nCategory, strReplacement, pAction.get());
    PushAction(std::move(pAction));
}

void CFindingDecisions::IgnoreCallsTo(const std::string& strName) {
    CLock lock(m_doc.GetLock());
    auto pAction = std::make_unique<CMirtUndoAction>(UNDO_IGNORE_CALLS, strName, -1, "");
    m_doc.m_ignoreCalls.SetAt(strName, "");
    for (CSpellFile* pFile : m_doc.m_files)
        pFile->IgnoreCalls(strName, pAction.get());
    PushAction(std::move(pAction));
}

void CFindingDecisions::RemoveIgnoredCall(const std::string& strName) {
    CLock lock(m_doc.GetLock());
    m_doc.m_ignoreCalls.RemoveKey(strName);
    for (CSpellFile* pFile : m_doc.m_files)
        pFile->UnignoreCalls(strName);
    m_doc.SetModifiedFlag();
}

void CFindingDecisions::RemoveIgnoredWord(const std::string& strWord, int32_t nCategory) {
    CLock lock(m_doc.GetLock());
    m_doc.m_dictionary.RemoveReplacement(strWord, nCategory);
    for (CSpellFile* pFile : m_doc.m_files)
        pFile->UnignoreWord(strWord, nCategory);
    m_doc.SetModifiedFlag();
}

void CFindingDecisions::RemoveDictionaryWord(const std::string& strWord, int32_t nCategory) {
    CLock lock(m_doc.GetLock());
    std::string strValue;
    if (!m_doc.m_dictionary.LookupReplacement(strWord, nCategory, strValue))
        return;
    if (strValue == IGNORE_RULE) {
        RemoveIgnoredWord(strWord, nCategory);
        return;
    }
    m_doc.m_dictionary.RemoveReplacement(strWord, nCategory);
    for (CSpellFile* pFile : m_doc.m_files)
        pFile->UndoReplaceWord(strWord, nCategory, strValue);
    m_doc.SetModifiedFlag();
}

bool CFindingDecisions::ImportDictionary(const std::string& strPath) {
    CMirtDoc other(m_doc.GetApp());
    std::string strMessage;
    if (!ReadProjectFile(other, strPath, strMessage)) {
        m_doc.GetApp().MessageBox(strMessage, MB_OK | MB_ICONSTOP);
        return false;
    }
    CLock lock(m_doc.GetLock());
    for (CSpellFile* pFile : m_doc.m_files)
        pFile->ClearIgnored();
    m_doc.m_dictionary.RemoveAll();
    m_doc.m_ignoreCalls.RemoveAll();
    static constexpr int32_t contexts[3] = {1, 2, 4};
    for (const auto& [strWord, strValue] : other.m_dictionary.GetEntries()) {
        std::string texts[3];
        CMirtUserDictionary::SplitValue(strValue, texts[0], texts[1], texts[2]);
        for (int i = 0; i < 3; ++i)
            if (!texts[i].empty())
                ReplaceAllWord(strWord, contexts[i], texts[i]);
    }
    for (const auto& entry : other.m_ignoreCalls.GetEntries())
        IgnoreCallsTo(entry.first);
    m_doc.SetModifiedFlag();
    return true;
}

bool CFindingDecisions::ExportWordList(const std::string& strPath) {
    std::vector<std::string> words;
    {
        CLock lock(m_doc.GetLock());
        for (const CSpellFile* pFile : m_doc.m_files) {
            for (const CSpellError* pError : pFile->m_errors) {
                if (!pError->IsCounting())
                    continue;
                auto it = std::lower_bound(words.begin(), words.end(), pError->m_strWord,
                                           LessIgnoringCase);
                // The spelling seen first stays.
                if (it == words.end() || LessIgnoringCase(pError->m_strWord, *it))
                    words.insert(it, pError->m_strWord);
            }
        }
    }
    std::string text;
    for (const std::string& word : words)
        text += word + "\n";
    // A file the user may not write is refused, as opening it would be, rather than
    // replaced.
    SFileStatus status;
    CAtomicFileWriter writer;
    if ((GetFileStatus(strPath, status) && (status.bReadOnly || status.bDirectory)) ||
        !writer.Open(strPath)) {
        m_doc.GetApp().MessageBox("Cannot open file " + strPath);
        return false;
    }
    if (!writer.Write(text) || !writer.Commit()) {
        m_doc.GetApp().MessageBox("Cannot write file " + strPath + ": " + writer.GetError());
        return false;
    }
    return true;
}

void CFindingDecisions::UndoLast() {
    {
        CLock lock(m_doc.GetLock());
        if (m_undoActions.empty())
            return;
        std::unique_ptr<CMirtUndoAction> pAction = std::move(m_undoActions.back());
        m_undoActions.pop_back();
        pAction->Revert(*this);
    }
    m_doc.NotifyViews(NOTIFY_REBUILD, 0);
    m_doc.SetModifiedFlag();
}

bool CFindingDecisions::CanUndo() const {
    CLock lock(m_doc.GetLock());
    return !m_undoActions.empty();
}

size_t CFindingDecisions::GetUndoCount() const {
    CLock lock(m_doc.GetLock());
    return m_undoActions.size();
}

const CMirtUndoAction& CFindingDecisions::GetUndoAction(size_t nIndex) const {
    CLock lock(m_doc.GetLock());
    return *m_undoActions.at(nIndex);
}

std::string CFindingDecisions::GetUndoText() const {
    CLock lock(m_doc.GetLock());
    if (m_undoActions.empty())
        return "&Undo\tCtrl+Z";
    return "&Undo " + m_undoActions.back()->Describe() + "\tCtrl+Z";
}

void CFindingDecisions::DropUndoRecords(const CSpellFile* pFile) {
    CLock lock(m_doc.GetLock());
    for (size_t i = m_undoActions.size(); i-- > 0;)
        if (m_undoActions[i]->DropRecordsOfFile(pFile))
            m_undoActions.erase(m_undoActions.begin() + static_cast<std::ptrdiff_t>(i));
}

void CFindingDecisions::ClearUndo() {
    CLock lock(m_doc.GetLock());
    m_undoActions.clear();
}
