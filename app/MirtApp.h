// The application object: start-up, settings, command line and console mode.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/BatchOptions.h"
#include "platform/RecentFileList.h"
#include "project/MirtAppContext.h"

class CMirtCommandLineInfo;
class CMirtDoc;

// Process exit codes: findings alone never make a run fail, unless --exit-code asks
// for 1 when findings remain and 2 when the run failed or had nothing to check.
constexpr int EXIT_CODE_OK = 0;
constexpr int EXIT_CODE_FAILED = 1;
constexpr int EXIT_CODE_USAGE = 2;
constexpr int EXIT_CODE_FINDINGS = 1;
constexpr int EXIT_CODE_NOT_DONE = 2;

class CMirtApp : public CMirtAppContext {
public:
    CMirtApp(CSettingsStore& settings, CMessageDisplay& display, std::string strProgramFolder);
    ~CMirtApp() override;

    // Start-up; false ends the program at once with GetExitCode().
    bool InitInstance(int argc, const char* const* argv);
    // Runs until the program ends; returns the exit code.
    int Run();
    // Stores what the program keeps between runs.
    int ExitInstance();

    CMirtSpellEngine* GetCurrentEngine() override;
    std::unique_ptr<CMirtParsers> MakeParsers() const override;
    // Batch mode then takes Ctrl-C and SIGTERM: the caller has blocked them for every
    // thread (CInterruptWatch::BlockSignals).
    void WatchInterrupts() { m_bWatchInterrupts = true; }

    int GetExitCode() const { return m_nExitCode; }
    CRecentFileList& GetRecentFiles() { return m_recentFiles; }
    // The project of the command line once start-up succeeded.
    CMirtDoc* GetDocument() const { return m_pDoc.get(); }

private:
    // The built-in parsers in their fixed order; the order decides which parser a file
    // gets when two list the same extension.
    static void RegisterBuiltinParsers(CMirtParsers& parsers);
    void LoadLastFolderSettings();
    void SaveLastFolderSettings();
    bool ApplyCommandLine(const CMirtCommandLineInfo& cmdInfo);
    bool ProcessShellCommand(const CMirtCommandLineInfo& cmdInfo);
    bool OpenOrCreateProject(const CMirtCommandLineInfo& cmdInfo);
    bool AddFolders(const CMirtCommandLineInfo& cmdInfo);
    bool ApplyBatchOptions();
    bool IgnoreListedWords(const std::string& strPath);
    // After the run: the word list, the findings in their format, the exit status.
    int FinishBatch();
    int BatchExitCode() const;
    std::string RegisteredMasks() const;
    bool Fail(int nExitCode);

    std::unique_ptr<CMirtDoc> m_pDoc;
    CRecentFileList m_recentFiles;
    int m_nExitCode = EXIT_CODE_OK;
    SBatchOptions m_batch;
    bool m_bWatchInterrupts = false;
    // The signal that cancelled the run, or 0.
    std::atomic<int> m_nInterruptSignal{0};
};
