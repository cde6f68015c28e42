// Start-up and exit of the program.
#include "app/MirtApp.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "app/ConsoleView.h"
#include "app/MirtCommandLineInfo.h"
#include "app/Usage.h"
#include "engines/MirtSpellEngines.h"
#include "parsers/MirtParserCpp.h"
#include "parsers/MirtParserHtml.h"
#include "parsers/MirtParserJava.h"
#include "parsers/MirtParserJavaScript.h"
#include "parsers/MirtParserPerl.h"
#include "parsers/MirtParserPhp.h"
#include "parsers/MirtParserRc.h"
#include "parsers/MirtParserUser.h"
#include "parsers/MirtParserVb.h"
#include "parsers/MirtParserVbScript.h"
#include "platform/ConsoleOutput.h"
#include "platform/FileStatus.h"
#include "platform/SettingsStore.h"
#include "platform/TextList.h"
#include "project/FolderScan.h"
#include "project/MirtDoc.h"
#include "ui/MainWindow.h"

CMirtApp::CMirtApp(CSettingsStore& settings, CMessageDisplay& display, std::string strProgramFolder)
    : CMirtAppContext(settings, display, std::move(strProgramFolder)) {}

CMirtApp::~CMirtApp() = default;

CMirtSpellEngine* CMirtApp::GetCurrentEngine() {
    CMirtSpellEngines& engines = CMirtSpellEngines::Instance();
    int32_t nCurrent = engines.m_nCurrent;
    return nCurrent >= 0 && nCurrent < engines.GetSize() ? engines.GetAt(nCurrent) : nullptr;
}

bool CMirtApp::Fail(int nExitCode) {
    m_nExitCode = nExitCode;
    return false;
}

bool CMirtApp::InitInstance(int argc, const char* const* argv) {
    // Common controls, COM and control hosting have no counterpart here.
    m_recentFiles.Load(GetSettings());
    LoadLastFolderSettings();
    CMirtSpellEngines::Instance().LoadEngines(GetSettings(), GetProgramFolder());
    RegisterBuiltinParsers();
    AddUserSyntaxes(m_parsers, GetProgramFolder());
    m_parsers.LoadAssociations(GetSettings());

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

bool CMirtApp::ProcessShellCommand(const CMirtCommandLineInfo& cmdInfo) {
    m_pDoc = std::make_unique<CMirtDoc>(*this);
    if (!OpenOrCreateProject(cmdInfo) || !AddFolders(cmdInfo))
        return Fail(EXIT_CODE_FAILED);
    return true;
}

// Opens the project; with folders to add, a project file that does not exist yet is
// created. The window without a project starts with a new one.
bool CMirtApp::OpenOrCreateProject(const CMirtCommandLineInfo& cmdInfo) {
    SFileStatus status;
    if (cmdInfo.m_strFileName.empty())
        return m_pDoc->OnNewDocument();
    if (!cmdInfo.m_addFolders.empty() && !GetFileStatus(cmdInfo.m_strFileName, status)) {
        m_pDoc->OnNewDocument();
        m_pDoc->SetPathName(cmdInfo.m_strFileName);
        return true;
    }
    if (!m_pDoc->OnOpenDocument(cmdInfo.m_strFileName))
        return false;
    m_recentFiles.Add(std::filesystem::absolute(cmdInfo.m_strFileName).string());
    return true;
}

bool CMirtApp::AddFolders(const CMirtCommandLineInfo& cmdInfo) {
    std::string strMask = cmdInfo.m_strMask.empty() ? RegisteredMasks() : cmdInfo.m_strMask;
    if (strMask.empty())
        strMask = "*.*";
    for (const std::string& folder : cmdInfo.m_addFolders) {
        char resolved[PATH_MAX];
        SFileStatus status;
        if (realpath(folder.c_str(), resolved) == nullptr || !GetFileStatus(resolved, status) ||
            !status.bDirectory) {
            MessageBox("Unable to add folder " + folder + ": no such folder\n");
            return false;
        }
        std::vector<std::string> files;
        std::vector<SScanProblem> problems;
        ScanFolderMasks(files, resolved, SplitList(strMask), true, &problems);
        ReportUnreadFolders(problems);
        m_pDoc->AddFolder(resolved, strMask, 1, files);
    }
    return true;
}

// "*.cpp;*.c;..." for the extensions of every registered syntax.
std::string CMirtApp::RegisteredMasks() const {
    std::string masks;
    for (size_t i = 0; i < m_parsers.GetSize(); ++i)
        for (const std::string& ext : m_parsers.GetAt(i)->m_extensions)
            masks += (masks.empty() ? "*." : ";*.") + ext;
    return masks;
}

int CMirtApp::Run() {
    if (!m_pDoc)
        return m_nExitCode;
    if (!m_bConsole)
        return RunMainWindow(*m_pDoc, *this, m_recentFiles);
    CConsoleView view(*m_pDoc, *this);
    view.RunToEnd();
    return HasErrored() ? EXIT_CODE_FAILED : m_nExitCode;
}

int CMirtApp::ExitInstance() {
    m_pDoc.reset();
    ConsoleFlush();
    m_parsers.SaveAssociations(GetSettings());
    SaveLastFolderSettings();
    m_recentFiles.Save(GetSettings());
    return m_nExitCode;
}

void CMirtApp::RegisterBuiltinParsers() {
    m_parsers.Add(std::make_unique<CMirtParserCpp>());
    m_parsers.Add(std::make_unique<CMirtParserRc>());
    m_parsers.Add(std::make_unique<CMirtParserVb>());
    m_parsers.Add(std::make_unique<CMirtParserJava>());
    m_parsers.Add(std::make_unique<CMirtParserHtml>());
    m_parsers.Add(std::make_unique<CMirtParserVbScript>());
    m_parsers.Add(std::make_unique<CMirtParserJavaScript>());
    m_parsers.Add(std::make_unique<CMirtParserPerl>());
    m_parsers.Add(std::make_unique<CMirtParserPhp>());
}

void CMirtApp::LoadLastFolderSettings() {
    m_strLastFolderPath = GetSettings().GetString("", "LastFolderPath", "");
    m_bLastIncludeSubfolders = GetSettings().GetInt("", "LastIncludeSubfolders", 0);
    m_strLastFileMask =
        GetSettings().GetString("", "LastFileMask", "*.cpp;*.c;*.cs;*.h;*.rc;*.rc2");
}

void CMirtApp::SaveLastFolderSettings() {
    GetSettings().WriteString("", "LastFolderPath", m_strLastFolderPath);
    GetSettings().WriteInt("", "LastIncludeSubfolders", m_bLastIncludeSubfolders);
    GetSettings().WriteString("", "LastFileMask", m_strLastFileMask);
}
