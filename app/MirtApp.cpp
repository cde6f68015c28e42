// Start-up and exit of the program.
#include "app/MirtApp.h"

#include <algorithm>

#include "app/MirtCommandLineInfo.h"
#include "app/Usage.h"
#include "engines/MirtSpellEngines.h"
#include "parsers/MirtParserCpp.h"
#include "parsers/MirtParserRc.h"
#include "platform/ConsoleOutput.h"
#include "platform/SettingsStore.h"

namespace {
constexpr const char* kRecentSection = "Recent File List";
constexpr size_t kRecentFileCount = 4;
} // namespace

CMirtApp::CMirtApp(CSettingsStore& settings, CMessageDisplay& display, std::string strProgramFolder)
    : m_settings(settings), m_display(display), m_strProgramFolder(std::move(strProgramFolder)) {}

CMirtApp::~CMirtApp() = default;

int CMirtApp::MessageBox(const std::string& strText, unsigned nType, unsigned nHelpId) {
    return m_display.ShowMessage(strText, nType, nHelpId);
}

bool CMirtApp::Fail(int nExitCode) {
    m_nExitCode = nExitCode;
    return false;
}

bool CMirtApp::InitInstance(int argc, const char* const* argv) {
    // Common controls, COM and control hosting have no counterpart here.
    LoadRecentFileList();
    LoadLastFolderSettings();
    CMirtSpellEngines::Instance().LoadEngines(m_settings, m_strProgramFolder);
    RegisterBuiltinParsers();
    m_parsers.LoadAssociations(m_settings);

    CMirtCommandLineInfo cmdInfo;
    cmdInfo.ParseCommandLine(argc, argv);
    if (!ApplyCommandLine(cmdInfo))
        return false;
    return ProcessShellCommand(cmdInfo);
}

bool CMirtApp::ApplyCommandLine(const CMirtCommandLineInfo& cmdInfo) {
    if (cmdInfo.m_bHelp || (cmdInfo.m_bConsole && cmdInfo.m_strFileName.empty())) {
        ConsoleWrite(g_pszUsageText);
        ConsoleFlush();
        return Fail(cmdInfo.m_bHelp ? EXIT_CODE_OK : EXIT_CODE_USAGE);
    }
    if (cmdInfo.m_bConsole) {
        m_bConsole = 1;
        m_strOutputPath = cmdInfo.m_strOutputPath;
        m_bUpdate = cmdInfo.m_bUpdate;
        m_bReset = cmdInfo.m_bReset;
        m_bReportOnlyErrors = cmdInfo.m_bReportOnlyErrors;
    }
    return true;
}

bool CMirtApp::ProcessShellCommand(const CMirtCommandLineInfo&) {
    if (!m_bConsole) {
        ConsoleWrite("mirt: the window is not available in this build; "
                     "use mirt -console <project_file_path>\n");
        ConsoleFlush();
        return Fail(EXIT_CODE_USAGE);
    }
    return true;
}

int CMirtApp::Run() {
    return m_nExitCode;
}

int CMirtApp::ExitInstance() {
    ConsoleFlush();
    m_parsers.SaveAssociations(m_settings);
    SaveLastFolderSettings();
    SaveRecentFileList();
    return m_nExitCode;
}

void CMirtApp::RegisterBuiltinParsers() {
    m_parsers.Add(std::make_unique<CMirtParserCpp>());
    m_parsers.Add(std::make_unique<CMirtParserRc>());
}

void CMirtApp::LoadLastFolderSettings() {
    m_strLastFolderPath = m_settings.GetString("", "LastFolderPath", "");
    m_bLastIncludeSubfolders = m_settings.GetInt("", "LastIncludeSubfolders", 0);
    m_strLastFileMask = m_settings.GetString("", "LastFileMask", "*.cpp;*.c;*.cs;*.h;*.rc;*.rc2");
}

void CMirtApp::SaveLastFolderSettings() {
    m_settings.WriteString("", "LastFolderPath", m_strLastFolderPath);
    m_settings.WriteInt("", "LastIncludeSubfolders", m_bLastIncludeSubfolders);
    m_settings.WriteString("", "LastFileMask", m_strLastFileMask);
}

void CMirtApp::LoadRecentFileList() {
    m_recentFiles.clear();
    for (size_t i = 1; i <= kRecentFileCount; ++i) {
        std::string path = m_settings.GetString(kRecentSection, "File" + std::to_string(i), "");
        if (!path.empty())
            m_recentFiles.push_back(path);
    }
}

void CMirtApp::SaveRecentFileList() {
    for (size_t i = 0; i < kRecentFileCount; ++i) {
        std::string name = "File" + std::to_string(i + 1);
        m_settings.WriteString(kRecentSection, name,
                               i < m_recentFiles.size() ? m_recentFiles[i] : "");
    }
}

void CMirtApp::AddToRecentFileList(const std::string& strPath) {
    m_recentFiles.erase(std::remove(m_recentFiles.begin(), m_recentFiles.end(), strPath),
                        m_recentFiles.end());
    m_recentFiles.insert(m_recentFiles.begin(), strPath);
    if (m_recentFiles.size() > kRecentFileCount)
        m_recentFiles.resize(kRecentFileCount);
}
