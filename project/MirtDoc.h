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
#include "project/MirtDocView.h"
#include "project/MirtUndoAction.h"
#include "project/SpellFile.h"
#include "project/SpellFolder.h"
#include "watch/WatchDirList.h"

class CDirChangesWatcher;
class CMirtAppContext;
class CParsingThread;
class CRunMessage;

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
    // Called by the run when its work on the document is done, before it tells the views.
    void OnRunFinishing();
    // The run's own end: the running and starting flags drop, then OnRunFinishing.
    void FinishRun();
    bool IsRunning() const { return m_bRunning.load() != 0; }
    // Set while the run has its work list and is starting the engine.
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
    // (MirtDocRules.cpp and WriteBack.cpp). Each takes the lock, so that it may run
    // while a check run goes on.

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
    // Writes the chosen replacements into the source files, asking first.
    [[nodiscard]] bool SaveChanges();
    // --- end of decisions on findings ---

    // ---- Keeping the project in step with the disk (MirtDocRefresh.cpp) ----
    // Drops files gone from the disk, asks about files changed since their check and
    // about new files in the project's folders, then rebuilds the watcher. Forced when a
    // project is opened and after a run in the window; unforced on activation, when it
    // runs only if the watcher saw a change (or there is no watcher).
    void RefreshFiles(bool bForce);
    // After the syntax associations changed: files whose syntax changed lose their
    // check, and the user is offered to check them again.
    void ReassociateFiles();
    // The document side of "Add Files...": the files in the given order.
    void AddFiles(const std::vector<std::string>& paths);
    // The folders to watch: the project's folders, then the folder of each file.
    CWatchDirList BuildWatchDirList() const;
    // Replaces the watcher by a new one over BuildWatchDirList(); the old one goes first.
    void RebuildWatcher();
    bool HasWatcher() const { return m_pWatcher != nullptr; }
    // False without a watcher.
    bool WatcherSawChange() const;
    // Blocks until the watcher sees every later change; nothing without a watcher.
    void WaitForWatcherSetUp();
    // The next unforced refresh then runs whatever the disk did.
    void DropWatcher();
    // ---- end of the refresh block ----

    CSpellFiles m_files;
    CSpellFolders m_folders;
    std::vector<std::string> m_declinedFiles;
    SMirtDocOptions m_options;
    CMirtUserDictionary m_dictionary;
    CMirtIgnoreCallsMap m_ignoreCalls;
    std::atomic<int32_t> m_bRunning{0};
    std::atomic<int32_t> m_bStarting{0};
    std::atomic<int32_t> m_nRunsQueued{0};

private:
    void StartCheckingThread();
    // Sets the running flag and asks the checking thread for a run.
    void StartRun();
    // Answers every open run message for the user; with bRefuse, new ones are answered
    // at once until the next run starts.
    void CancelRunMessages(bool bRefuse);
    [[nodiscard]] bool FailOpen(const std::string& strMessage);
    CSpellFile* FindFile(const std::string& strPath) const;

    CMirtAppContext& m_app;
    std::string m_strPathName;
    std::atomic<bool> m_bModified{false};
    std::vector<CMirtDocView*> m_views;
    mutable std::recursive_mutex m_lock;
    std::vector<std::unique_ptr<CMirtUndoAction>> m_undoActions; // oldest first
    std::unique_ptr<CParsingThread> m_pCheckThread;
    std::unique_ptr<CDirChangesWatcher> m_pWatcher; // none until the first rebuild
    // Guards the run's open messages; never held while a message is shown or waited on.
    std::mutex m_messageMutex;
    std::vector<std::shared_ptr<CRunMessage>> m_runMessages;
    bool m_bRefuseRunMessages = false;
    std::atomic<uint64_t> m_nGeneration{0};
};
