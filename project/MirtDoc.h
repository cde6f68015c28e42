// The project: its files with their findings, its folders, the declined paths, the
// check options, the project dictionary and ignored calls, and the checking thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engines/MirtIgnoreCallsMap.h"
#include "engines/MirtUserDictionary.h"
#include "project/CheckOptions.h"
#include "project/FindingDecisions.h"
#include "project/MirtDocView.h"
#include "project/ProjectRefresh.h"
#include "project/RunMessages.h"
#include "project/SpellFile.h"
#include "project/SpellFolder.h"

class CMirtAppContext;
class CParsingThread;

struct SMirtDocOptions {
    int32_t m_nSyntaxChoice = 0;
    int32_t m_nCheckOptions = DEFAULT_CHECK_OPTIONS;
};

class CMirtDoc {
public:
    explicit CMirtDoc(CMirtAppContext& app);
    ~CMirtDoc();
    CMirtDoc(const CMirtDoc&) = delete;
    CMirtDoc& operator=(const CMirtDoc&) = delete;

    // The document commands New, Open and Save.
    bool OnNewDocument();
    [[nodiscard]] bool OnOpenDocument(const std::string& strPath);
    [[nodiscard]] bool OnSaveDocument(const std::string& strPath);
    void DeleteContents();

    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& strPath) { m_strPathName = strPath; }
    void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }
    bool IsModified() const { return m_bModified; }

    void AddView(CMirtDocView* pView);
    void RemoveView(CMirtDocView* pView);
    void NotifyViews(int nCode, int nArgument = 0, CSpellFile* pFile = nullptr,
                     std::unique_ptr<SCheckStats> pStats = nullptr);
    // Hands one report of the check run to every view, in the order they were added.
    void ReportToViews(const std::function<void(CMirtDocView&)>& report);
    // Shows a message raised on the checking thread and returns the answer. A view that
    // shows messages answers it on its own thread while this waits; without one (console
    // mode) the message function shows it here. Stopping or cancelling the run answers
    // IDCANCEL in the user's place.
    int ShowRunMessage(const std::string& strText, unsigned nType);

    // Held for short moments by the check run and around every command that reads or
    // changes files and findings while a run may be going on.
    std::recursive_mutex& GetLock() const { return m_lock; }

    bool AddFile(const std::string& strPath);
    void AppendFile(CSpellFile* pFile);
    void RemoveFile(const std::string& strPath);
    void ResetResults();
    // The "Reset results" command: asks first.
    void OnResetResults();
    bool HasPendingChanges() const;
    // The document side of adding a folder: its files, and its folder record merged
    // with an existing record of the same path (letter case ignored).
    void AddFolder(const std::string& strPath, const std::string& strMask,
                   int32_t bIncludeSubfolders, const std::vector<std::string>& files);

    void ToggleRun();
    // Sets the running flag and asks the checking thread for a run, for a caller that
    // knows the project has files and no run is going on.
    void StartRun();
    // One check run; called on the checking thread.
    void RunCheck();
    void StopCheckingThread();
    bool HasCheckingThread() const { return m_pCheckThread != nullptr; }
    // Cancels a run that is going on, as "Run" does then; nothing otherwise.
    void CancelRun();
    // A run was asked for and has not yet finished its work. After a cancel the running
    // flag is clear at once, while the run still ends its current file; the commands
    // that reset or replace the project wait for this instead.
    bool IsRunActive() const { return m_bRunning.load() != 0 || m_nRunsQueued.load() > 0; }
    // The run's own end, before it tells the views: the running and starting flags
    // drop, and the queued run it was no longer counts.
    void FinishRun();
    bool IsRunning() const { return m_bRunning.load() != 0; }
    // The running flag alone, without StartRun's queueing: the run clears it when its
    // engine fails, and a caller that calls RunCheck itself, not through the checking
    // thread, sets it first.
    void SetRunning(bool bRunning) { m_bRunning = bRunning ? 1 : 0; }
    // Set while the run has its work list and is starting the engine.
    bool IsStarting() const { return m_bStarting.load() != 0; }
    void SetRunStarting(bool bStarting) { m_bStarting = bStarting ? 1 : 0; }
    // Grows whenever the project is replaced (New, Open).
    uint64_t GetGeneration() const { return m_nGeneration.load(); }
    // Reorders m_files by a sort order (the view keeps which one is current); refused
    // while a run is active.
    [[nodiscard]] bool SortFiles(int32_t nOrder);

    // Writes the HTML error report; false when it could not be written.
    [[nodiscard]] bool WriteReport(const std::string& strPath, int32_t bReportOnlyErrors);

    CMirtAppContext& GetApp() const { return m_app; }
    const CMirtParsers* GetParsers() const;

    // --- Decisions on findings: rules, undo, word list export and writing back ---
    // Each takes the lock, so that it may run while a check run goes on.
    CFindingDecisions& GetDecisions() { return m_decisions; }
    const CFindingDecisions& GetDecisions() const { return m_decisions; }
    [[nodiscard]] bool ChooseSuggestion(CSpellError* pError, int32_t nIndex) {
        return m_decisions.ChooseSuggestion(pError, nIndex);
    }
    [[nodiscard]] bool AddSuggestion(CSpellError* pError, const std::string& strText) {
        return m_decisions.AddSuggestion(pError, strText);
    }
    void IgnoreAllWord(const std::string& strWord, int32_t nCategory) {
        m_decisions.IgnoreAllWord(strWord, nCategory);
    }
    void ReplaceAllWord(const std::string& strWord, int32_t nCategory,
                        const std::string& strReplacement) {
        m_decisions.ReplaceAllWord(strWord, nCategory, strReplacement);
    }
    void IgnoreCallsTo(const std::string& strName) { m_decisions.IgnoreCallsTo(strName); }
    void RemoveIgnoredCall(const std::string& strName) { m_decisions.RemoveIgnoredCall(strName); }
    void RemoveDictionaryWord(const std::string& strWord, int32_t nCategory) {
        m_decisions.RemoveDictionaryWord(strWord, nCategory);
    }
    [[nodiscard]] bool ImportDictionary(const std::string& strPath) {
        return m_decisions.ImportDictionary(strPath);
    }
    [[nodiscard]] bool ExportWordList(const std::string& strPath) {
        return m_decisions.ExportWordList(strPath);
    }
    void UndoLast() { m_decisions.UndoLast(); }
    bool CanUndo() const { return m_decisions.CanUndo(); }
    std::string GetUndoText() const { return m_decisions.GetUndoText(); }
    // Writes the chosen replacements into the source files, asking first.
    [[nodiscard]] bool SaveChanges();

    // --- Keeping the project in step with the disk ---
    CProjectRefresh& GetRefresh() { return m_refresh; }
    const CProjectRefresh& GetRefresh() const { return m_refresh; }
    void RefreshFiles(bool bForce) { m_refresh.RefreshFiles(bForce); }
    void ReassociateFiles() { m_refresh.ReassociateFiles(); }
    void AddFiles(const std::vector<std::string>& paths) { m_refresh.AddFiles(paths); }
    void RebuildWatcher() { m_refresh.RebuildWatcher(); }

    CSpellFiles m_files;
    CSpellFolders m_folders;
    std::vector<std::string> m_declinedFiles;
    SMirtDocOptions m_options;
    CMirtUserDictionary m_dictionary;
    CMirtIgnoreCallsMap m_ignoreCalls;

private:
    void StartCheckingThread();
    [[nodiscard]] bool FailOpen(const std::string& strMessage);
    CSpellFile* FindFile(const std::string& strPath) const;

    CMirtAppContext& m_app;
    std::string m_strPathName;
    std::atomic<bool> m_bModified{false};
    std::vector<CMirtDocView*> m_views;
    mutable std::recursive_mutex m_lock;
    CFindingDecisions m_decisions{*this};
    std::unique_ptr<CParsingThread> m_pCheckThread;
    CProjectRefresh m_refresh{*this};
    CRunMessages m_runMessages;
    std::atomic<uint64_t> m_nGeneration{0};
    // Read and written by both the window's thread and the checking thread without the
    // lock, as is m_bModified.
    std::atomic<int32_t> m_bRunning{0};
    std::atomic<int32_t> m_bStarting{0};
    std::atomic<int32_t> m_nRunsQueued{0};
};
