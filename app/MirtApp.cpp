// Start-up and exit of the program.
#include "app/MirtApp.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "app/ConsoleView.h"
#include "app/FindingsFormat.h"
#include "app/InterruptWatch.h"
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
    RegisterBuiltinParsers(m_parsers);
    AddUserSyntaxes(m_parsers, GetProgramFolder());
    m_parsers.LoadAssociations(GetSettings());

    CMirtCommandLineInfo cmdInfo;
    cmdInfo.ParseCommandLine(argc, argv);
    if (!ApplyCommandLine(cmdInfo))
        return false;
    return ProcessShellCommand(cmdInfo);
}

bool CMirtApp::ApplyCommandLine(const CMirtCommandLineInfo& cmdInfo) {
    for (const std::string& strSwitch : cmdInfo.m_unknownSwitches)
        ConsoleWriteError("mirt: unknown switch " + strSwitch + " (ignored)\n");
    if (cmdInfo.m_bHelp ||
        (cmdInfo.m_bConsole && cmdInfo.m_strFileName.empty() && !cmdInfo.m_bVersion)) {
        ConsoleWrite(g_pszUsageText);
        ConsoleFlush();
        return Fail(cmdInfo.m_bHelp ? EXIT_CODE_OK : EXIT_CODE_USAGE);
    }
    if (cmdInfo.m_bVersion) {
        ConsoleWrite("mirt 3.10\n");
        ConsoleFlush();
        return Fail(EXIT_CODE_OK);
    }
    if (cmdInfo.m_bConsole) {
        std::string strError;
        if (!ReadBatchOptions(cmdInfo, m_batch, strError)) {
            ConsoleWriteError(strError);
            return Fail(EXIT_CODE_USAGE);
        }
        SetConsoleTextToStandardError(m_batch.eFormat != EOutputFormat::Classic);
        m_bConsole = 1;
        m_strOutputPath = cmdInfo.m_strOutputPath;
        m_bUpdate = cmdInfo.m_bUpdate;
        m_bReset = cmdInfo.m_bReset;
        m_bReportOnlyErrors = cmdInfo.m_bReportOnlyErrors;
        m_nThreads = m_batch.nThreads;
    }
    return true;
}

bool CMirtApp::ProcessShellCommand(const CMirtCommandLineInfo& cmdInfo) {
    m_pDoc = std::make_unique<CMirtDoc>(*this);
    if (!OpenOrCreateProject(cmdInfo) || !AddFolders(cmdInfo) || !ApplyBatchOptions())
        return Fail(m_batch.bExitCode ? EXIT_CODE_NOT_DONE : EXIT_CODE_FAILED);
    return true;
}

// The categories for this run, stored in the project: a file checked with other
// options is checked again by the run. Listed words are ignored in every category.
bool CMirtApp::ApplyBatchOptions() {
    if (!m_bConsole)
        return true;
    int32_t nOptions = ApplyCategories(m_pDoc->m_options.m_nCheckOptions, m_batch);
    if (nOptions != m_pDoc->m_options.m_nCheckOptions) {
        m_pDoc->m_options.m_nCheckOptions = nOptions;
        m_pDoc->SetModifiedFlag();
    }
    return m_batch.strWordsFile.empty() || IgnoreListedWords(m_batch.strWordsFile);
}

// One word a line; "#" starts a comment, blanks around a word do not count.
bool CMirtApp::IgnoreListedWords(const std::string& strPath) {
    std::ifstream in(strPath);
    if (!in) {
        ConsoleWriteError("mirt: cannot read word list " + strPath + ": " + std::strerror(errno) +
                          "\n");
        return false;
    }
    std::string strLine;
    while (std::getline(in, strLine)) {
        strLine = strLine.substr(0, strLine.find('#'));
        size_t nStart = strLine.find_first_not_of(" \t\r");
        if (nStart == std::string::npos)
            continue;
        std::string strWord =
            strLine.substr(nStart, strLine.find_last_not_of(" \t\r") + 1 - nStart);
        for (int32_t nCategory : {1, 2, 4}) {
            std::string strValue;
            if (!m_pDoc->m_dictionary.LookupReplacement(strWord, nCategory, strValue) ||
                strValue != "<ignore>")
                m_pDoc->IgnoreAllWord(strWord, nCategory);
        }
    }
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
    SConsoleOutput output;
    output.bListFiles = m_batch.eFormat == EOutputFormat::Classic;
    // Where the file lines already show on the terminal, a counter would only mix in.
    output.bProgress = isatty(2) != 0 && (!output.bListFiles || isatty(1) == 0);
    CConsoleView view(*m_pDoc, *this, output);
    {
        std::unique_ptr<CInterruptWatch> pWatch;
        if (m_bWatchInterrupts)
            pWatch = std::make_unique<CInterruptWatch>([this, &view](int nSignal) {
                m_nInterruptSignal = nSignal;
                view.Interrupt();
            });
        view.RunToEnd();
    }
    int nExitCode = FinishBatch();
    // A cancelled run still wrote what it had; the status says how it ended.
    return m_nInterruptSignal != 0 ? 128 + m_nInterruptSignal : nExitCode;
}

int CMirtApp::FinishBatch() {
    if (!m_batch.strExportWordsFile.empty() && !m_pDoc->ExportWordList(m_batch.strExportWordsFile))
        SetErrored();
    if (m_batch.eFormat != EOutputFormat::Classic) {
        std::string strBase = std::filesystem::current_path().string();
        if (!strBase.ends_with('/'))
            strBase += "/";
        ConsoleWriteResult(FormatFindings(*m_pDoc, m_batch.eFormat, strBase));
    }
    ConsoleFlush();
    if (m_batch.bExitCode)
        return BatchExitCode();
    return HasErrored() ? EXIT_CODE_FAILED : m_nExitCode;
}

// 2 when the run failed or no file had a parser, else 1 when counting findings remain.
int CMirtApp::BatchExitCode() const {
    if (HasErrored())
        return EXIT_CODE_NOT_DONE;
    std::lock_guard<std::recursive_mutex> lock(m_pDoc->GetLock());
    bool bCheckable = false, bFindings = false;
    for (const CSpellFile* pFile : m_pDoc->m_files) {
        bCheckable = bCheckable || pFile->m_nSyntax != -1;
        for (const CSpellError* pError : pFile->m_errors)
            bFindings = bFindings || pError->IsCounting();
    }
    if (!bCheckable)
        return EXIT_CODE_NOT_DONE;
    return bFindings ? EXIT_CODE_FINDINGS : EXIT_CODE_OK;
}

int CMirtApp::ExitInstance() {
    m_pDoc.reset();
    ConsoleFlush();
    m_parsers.SaveAssociations(GetSettings());
    SaveLastFolderSettings();
    m_recentFiles.Save(GetSettings());
    return m_nExitCode;
}

void CMirtApp::RegisterBuiltinParsers(CMirtParsers& parsers) {
    parsers.Add(std::make_unique<CMirtParserCpp>());
    parsers.Add(std::make_unique<CMirtParserRc>());
    parsers.Add(std::make_unique<CMirtParserVb>());
    parsers.Add(std::make_unique<CMirtParserJava>());
    parsers.Add(std::make_unique<CMirtParserHtml>());
    parsers.Add(std::make_unique<CMirtParserVbScript>());
    parsers.Add(std::make_unique<CMirtParserJavaScript>());
    parsers.Add(std::make_unique<CMirtParserPerl>());
    parsers.Add(std::make_unique<CMirtParserPhp>());
}

// The same parsers under the same ids; a helper finds a file's parser by its id, so
// the extensions do not matter.
std::unique_ptr<CMirtParsers> CMirtApp::MakeParsers() const {
    auto pParsers = std::make_unique<CMirtParsers>();
    RegisterBuiltinParsers(*pParsers);
    AddUserSyntaxes(*pParsers, GetProgramFolder());
    return pParsers;
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
