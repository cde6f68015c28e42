// The application object: start-up, settings, command line and console mode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "parsers/MirtParsers.h"
#include "platform/MessageDisplay.h"

class CSettingsStore;
class CMirtCommandLineInfo;

// Process exit codes: findings alone never make a run fail.
constexpr int EXIT_CODE_OK = 0;
constexpr int EXIT_CODE_FAILED = 1;
constexpr int EXIT_CODE_USAGE = 2;

class CMirtApp {
public:
    CMirtApp(CSettingsStore& settings, CMessageDisplay& display, std::string strProgramFolder);
    ~CMirtApp();

    // Start-up; false ends the program at once with GetExitCode().
    bool InitInstance(int argc, const char* const* argv);
    // Runs until the program ends; returns the exit code.
    int Run();
    // Stores what the program keeps between runs.
    int ExitInstance();

    // The one message function of the program.
    int MessageBox(const std::string& strText, unsigned nType = MB_OK, unsigned nHelpId = 0);

    const std::string& GetProgramFolder() const { return m_strProgramFolder; }
    int GetExitCode() const { return m_nExitCode; }
    void AddToRecentFileList(const std::string& strPath);
    const std::vector<std::string>& GetRecentFiles() const { return m_recentFiles; }

    std::string m_strLastFolderPath;
    int32_t m_bLastIncludeSubfolders = 1;
    std::string m_strLastFileMask = "*.cpp;*.c;*.cs;*.h;*.rc;*.rc2";
    CMirtParsers m_parsers;
    std::string m_strOutputPath;
    int32_t m_bUpdate = 1;
    int32_t m_bReset = 0;
    int32_t m_bReportOnlyErrors = 0;
    int32_t m_bConsole = 0;

private:
    // The built-in parsers in their fixed order; the order decides which parser a file
    // gets when two list the same extension.
    void RegisterBuiltinParsers();
    void LoadRecentFileList();
    void SaveRecentFileList();
    void LoadLastFolderSettings();
    void SaveLastFolderSettings();
    bool ApplyCommandLine(const CMirtCommandLineInfo& cmdInfo);
    bool ProcessShellCommand(const CMirtCommandLineInfo& cmdInfo);
    bool Fail(int nExitCode);

    CSettingsStore& m_settings;
    CMessageDisplay& m_display;
    std::string m_strProgramFolder;
    std::vector<std::string> m_recentFiles;
    int m_nExitCode = EXIT_CODE_OK;
};
