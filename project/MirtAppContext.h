// What the project needs of the application object: the console-mode switches, the
// settings, the parser registry, the one message function and the current engine.
// The application derives from it; tests build one of their own.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "parsers/MirtParsers.h"
#include "platform/MessageDisplay.h"
#include "project/FolderScan.h"

class CMirtSpellEngine;
class CSettingsStore;

class CMirtAppContext {
public:
    CMirtAppContext(CSettingsStore& settings, CMessageDisplay& display,
                    std::string strProgramFolder);
    virtual ~CMirtAppContext();
    CMirtAppContext(const CMirtAppContext&) = delete;
    CMirtAppContext& operator=(const CMirtAppContext&) = delete;

    // Every message box of the program goes through here.
    int MessageBox(const std::string& strText, unsigned nType = MB_OK, unsigned nHelpId = 0);

    // The engine a check run starts; null when there is none.
    virtual CMirtSpellEngine* GetCurrentEngine() = 0;
    // A registry like m_parsers for a helper thread of a check run; null when the
    // application makes none, and the run then reads ahead on no other thread.
    virtual std::unique_ptr<CMirtParsers> MakeParsers() const { return nullptr; }

    CSettingsStore& GetSettings() const { return m_settings; }
    const std::string& GetProgramFolder() const { return m_strProgramFolder; }

    // Folders a scan could not read: batch mode names each on standard error and the run
    // counts as incomplete; the window says nothing, as its folder scans never do.
    void ReportUnreadFolders(const std::vector<SScanProblem>& problems);

    // Marks that the batch run could not be done; the process then exits non-zero.
    void SetErrored() { m_bErrored = true; }
    bool HasErrored() const { return m_bErrored; }

    // Keeps what the user last chose in the Select Folder dialog; stored at exit.
    void SetLastFolderChoice(const std::string& strPath, int32_t bIncludeSubfolders,
                             const std::string& strMask);

    std::string m_strLastFolderPath;
    int32_t m_bLastIncludeSubfolders = 1;
    std::string m_strLastFileMask = "*.cpp;*.c;*.cs;*.h;*.rc;*.rc2";
    CMirtParsers m_parsers;
    std::string m_strOutputPath;
    int32_t m_bUpdate = 1;
    int32_t m_bReset = 0;
    int32_t m_bReportOnlyErrors = 0;
    int32_t m_bConsole = 0;
    // Threads a check run may use, its own included; 0 = one per core.
    unsigned m_nThreads = 0;

private:
    CSettingsStore& m_settings;
    CMessageDisplay& m_display;
    std::string m_strProgramFolder;
    std::atomic<bool> m_bErrored{false};
};
