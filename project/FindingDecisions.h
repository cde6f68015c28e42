// The decisions on findings: one finding's choice, the rules that apply to every file
// (the project dictionary and the ignored calls), the undo stack that takes them back,
// dictionary import and word list export. Each takes the document lock, so that it may
// run while a check run goes on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "project/MirtUndoAction.h"

class CMirtDoc;
class CSpellError;
class CSpellFile;

class CFindingDecisions {
public:
    explicit CFindingDecisions(CMirtDoc& doc);
    CFindingDecisions(const CFindingDecisions&) = delete;
    CFindingDecisions& operator=(const CFindingDecisions&) = delete;

    // Pushes the undo action for one finding before the caller ignores it (index -1)
    // or chooses suggestion nIndex for it. False for an index it does not have.
    [[nodiscard]] bool RecordFindingChange(CSpellError* pError, int32_t nIndex);
    // Records the change and chooses suggestion nIndex (-1 clears the choice) under one
    // lock. False for an index the finding does not have.
    [[nodiscard]] bool ChooseSuggestion(CSpellError* pError, int32_t nIndex);
    // Puts the text in front of the suggestions (a former choice moves up with its
    // text), records the change and chooses the new suggestion.
    [[nodiscard]] bool AddSuggestion(CSpellError* pError, const std::string& strText);

    void IgnoreAllWord(const std::string& strWord, int32_t nCategory);
    void ReplaceAllWord(const std::string& strWord, int32_t nCategory,
                        const std::string& strReplacement);
    void IgnoreCallsTo(const std::string& strName);
    void RemoveIgnoredCall(const std::string& strName);
    void RemoveDictionaryWord(const std::string& strWord, int32_t nCategory);
    void RemoveIgnoredWord(const std::string& strWord, int32_t nCategory);

    // Replaces both rule sets by those of another project file.
    [[nodiscard]] bool ImportDictionary(const std::string& strPath);
    // Writes every word that counts, sorted and unique with letter case ignored.
    [[nodiscard]] bool ExportWordList(const std::string& strPath);

    void UndoLast();
    bool CanUndo() const;
    size_t GetUndoCount() const;
    // Oldest first. The reference lasts until the next command that changes the stack.
    const CMirtUndoAction& GetUndoAction(size_t nIndex) const;
    // "&Undo\tCtrl+Z", or with the newest action's description.
    std::string GetUndoText() const;
    // Drops the undo records of a file that leaves the project, and the actions that
    // are left with none.
    void DropUndoRecords(const CSpellFile* pFile);
    // The project's contents went: nothing is left to take back.
    void ClearUndo();

    CMirtDoc& GetDoc() const { return m_doc; }

private:
    void PushAction(std::unique_ptr<CMirtUndoAction> pAction);

    CMirtDoc& m_doc;
    std::vector<std::unique_ptr<CMirtUndoAction>> m_undoActions; // oldest first
};
