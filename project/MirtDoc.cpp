// Project document: contents, files, folders and the run control.
#include "project/MirtDoc.h"

#include <algorithm>
#include <strings.h>

#include "platform/Archive.h"
#include "platform/AtomicFile.h"
#include "platform/ConsoleOutput.h"
#include "platform/FileStatus.h"
#include "platform/SettingsStore.h"
#include "project/FileOrder.h"
#include "project/MirtAppContext.h"
#include "project/ParsingThread.h"
#include "project/ProjectFile.h"
#include "project/RunMessage.h"

CMirtDoc::CMirtDoc(CMirtAppContext& app) : m_app(app) {}

CMirtDoc::~CMirtDoc() {
    m_refresh.DropWatcher();
    StopCheckingThread();
    DeleteContents();
}

const CMirtParsers* CMirtDoc::GetParsers() const {
    return &m_app.m_parsers;
}

// The old checking thread ends before the contents go, so that nothing of a run that
// was still ending can touch the new project.
bool CMirtDoc::OnNewDocument() {
    StopCheckingThread();
    ++m_nGeneration;
    DeleteContents();
    m_strPathName.clear();
    m_bModified = false;
    StartCheckingThread();
    m_options.m_nCheckOptions =
        m_app.GetSettings().GetInt("", "CheckOptions", DEFAULT_CHECK_OPTIONS);
    RebuildWatcher();
    return true;
}

bool CMirtDoc::OnOpenDocument(const std::string& strPath) {
    StopCheckingThread();
    ++m_nGeneration;
    DeleteContents();
    std::string strMessage;
    if (!ReadProjectFile(*this, strPath, strMessage))
        return FailOpen(strMessage);
    m_strPathName = strPath;
    m_bModified = false;
    StartCheckingThread();
    RefreshFiles(true);
    if (m_app.m_bConsole && m_app.m_bReset) {
        ResetResults();
        m_app.m_bReset = 0;
    }
    return true;
}

// Nothing of a project that failed to open stays loaded, and the document forgets the
// path, so a later save cannot write an empty project over the file.
bool CMirtDoc::FailOpen(const std::string& strMessage) {
    DeleteContents();
    m_strPathName.clear();
    m_bModified = false;
    StartCheckingThread();
    m_app.MessageBox(strMessage, MB_OK | MB_ICONSTOP);
    return false;
}

bool CMirtDoc::OnSaveDocument(const std::string& strPath) {
    CArchiveWriter ar;
    {
        std::lock_guard<std::recursive_mutex> lock(m_lock);
        StoreProject(*this, ar);
    }
    std::string strError;
    if (!WriteFileAtomically(strPath, ar.GetData(), strError)) {
        m_app.MessageBox("Unable to save project file " + strPath + ": " + strError + "\n",
                         MB_OK | MB_ICONSTOP);
        return false;
    }
    m_strPathName = strPath;
    m_bModified = false;
    return true;
}

void CMirtDoc::DeleteContents() {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    CSpellFiles files;
    files.swap(m_files);
    for (CSpellFile* pFile : files) {
        pFile->m_bRemoved = true;
        pFile->Release();
    }
    m_folders.clear();
    m_decisions.ClearUndo();
    m_dictionary.RemoveAll();
    m_ignoreCalls.RemoveAll();
    m_declinedFiles.clear();
}

void CMirtDoc::AddView(CMirtDocView* pView) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_views.push_back(pView);
}

void CMirtDoc::RemoveView(CMirtDocView* pView) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
}

void CMirtDoc::NotifyViews(int nCode, int nArgument, CSpellFile* pFile,
                           std::unique_ptr<SCheckStats> pStats) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    for (CMirtDocView* pView : m_views) {
        SViewNotification notification;
        notification.nCode = nCode;
        notification.nArgument = nArgument;
        notification.nGeneration = m_nGeneration.load();
        notification.pFile = CRefPtr<CSpellFile>(pFile);
        // Each view gets a block of its own to free.
        if (pStats)
            notification.pStats = std::make_unique<SCheckStats>(*pStats);
        pView->PostNotification(std::move(notification));
    }
}

void CMirtDoc::ReportToViews(const std::function<void(CMirtDocView&)>& report) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    for (CMirtDocView* pView : m_views)
        report(*pView);
}

int CMirtDoc::ShowRunMessage(const std::string& strText, unsigned nType) {
    auto pMessage = std::make_shared<CRunMessage>(strText, nType);
    bool bTaken = false;
    {
        std::lock_guard<std::recursive_mutex> lock(m_lock);
        for (CMirtDocView* pView : m_views)
            if (!bTaken)
                bTaken = pView->PostRunMessage(pMessage);
    }
    if (!bTaken)
        return m_app.MessageBox(strText, nType);
    return m_runMessages.WaitForAnswer(pMessage);
}

CSpellFile* CMirtDoc::FindFile(const std::string& strPath) const {
    for (CSpellFile* pFile : m_files)
        if (pFile->m_strPath == strPath)
            return pFile;
    return nullptr;
}

bool CMirtDoc::AddFile(const std::string& strPath) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    if (FindFile(strPath) == nullptr) {
        auto* pFile = new CSpellFile(strPath, STATUS_NOT_CHECKED, GetParsers());
        pFile->AddRef();
        AppendFile(pFile);
    }
    return true;
}

void CMirtDoc::AppendFile(CSpellFile* pFile) {
    SFileStatus status;
    pFile->m_tModified = GetFileStatus(pFile->m_strPath, status) ? status.tModified : 0;
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_files.push_back(pFile);
}

void CMirtDoc::RemoveFile(const std::string& strPath) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    auto it = std::find_if(m_files.begin(), m_files.end(),
                           [&](const CSpellFile* p) { return p->m_strPath == strPath; });
    if (it == m_files.end())
        return;
    CSpellFile* pFile = *it;
    m_decisions.DropUndoRecords(pFile);
    m_files.erase(it);
    // The path may be the file's own, which goes with its last reference.
    m_declinedFiles.push_back(pFile->m_strPath);
    pFile->m_bRemoved = true;
    pFile->Release();
    SetModifiedFlag();
}

void CMirtDoc::ResetResults() {
    {
        std::lock_guard<std::recursive_mutex> lock(m_lock);
        for (CSpellFile* pFile : m_files) {
            pFile->ClearErrors();
            pFile->m_nStatus = STATUS_NOT_CHECKED;
            pFile->m_nCheckOptions = 0;
            pFile->m_tChecked = 0;
            pFile->m_bExpanded = 0;
        }
    }
    NotifyViews(NOTIFY_REBUILD, 0);
    SetModifiedFlag();
}

void CMirtDoc::OnResetResults() {
    if (m_app.MessageBox(
            "All spell-checking results would be cleared.\nWould you like to continue?",
            MB_YESNO | MB_ICONQUESTION) == IDYES)
        ResetResults();
}

bool CMirtDoc::HasPendingChanges() const {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    return std::any_of(m_files.begin(), m_files.end(),
                       [](const CSpellFile* p) { return p->HasPendingChanges(); });
}

void CMirtDoc::AddFolder(const std::string& strPath, const std::string& strMask,
                         int32_t bIncludeSubfolders, const std::vector<std::string>& files) {
    {
        std::lock_guard<std::recursive_mutex> lock(m_lock);
        for (const std::string& file : files)
            AddFile(file);
        auto it = std::find_if(m_folders.begin(), m_folders.end(), [&](const auto& pFolder) {
            return strcasecmp(pFolder->m_strPath.c_str(), strPath.c_str()) == 0;
        });
        if (it == m_folders.end())
            m_folders.push_back(
                std::make_unique<CSpellFolder>(strPath, strMask, bIncludeSubfolders));
        else if (bIncludeSubfolders)
            (*it)->m_bIncludeSubfolders = 1;
    }
    NotifyViews(NOTIFY_REBUILD, 0);
    SetModifiedFlag();
    RebuildWatcher();
}

void CMirtDoc::ToggleRun() {
    bool bEmpty;
    {
        std::lock_guard<std::recursive_mutex> lock(m_lock);
        bEmpty = m_files.empty();
    }
    if (bEmpty) {
        if (m_app.m_bConsole)
            ConsoleWrite("No files to check\n");
        else
            m_app.MessageBox("Please select the files using \"Add files...\" or \"Add folder...\" "
                             "menu command");
        NotifyViews(NOTIFY_RUN_ENDED, 0);
        return;
    }
    if (m_bRunning.load()) {
        m_bRunning = 0;
        m_runMessages.CancelAll(true);
        return;
    }
    StartRun();
}

void CMirtDoc::CancelRun() {
    if (m_bRunning.exchange(0) != 0)
        m_runMessages.CancelAll(true);
}

void CMirtDoc::StartRun() {
    m_runMessages.CancelAll(false);
    m_bRunning = 1;
    if (m_pCheckThread) {
        ++m_nRunsQueued;
        m_pCheckThread->PostRun();
    }
}

void CMirtDoc::FinishRun() {
    m_bRunning = 0;
    m_bStarting = 0;
    // A run called directly (as the tests do) was never counted.
    int32_t nQueued = m_nRunsQueued.load();
    while (nQueued > 0 && !m_nRunsQueued.compare_exchange_weak(nQueued, nQueued - 1)) {
    }
}

void CMirtDoc::StartCheckingThread() {
    m_runMessages.CancelAll(false);
    m_pCheckThread = std::make_unique<CParsingThread>(this);
}

// A message the run is waiting on is answered first: the run then reaches its next
// word, sees the flag cleared and ends, so the join is short.
void CMirtDoc::StopCheckingThread() {
    m_bRunning = 0;
    m_runMessages.CancelAll(true);
    if (!m_pCheckThread)
        return;
    m_pCheckThread->PostQuit();
    m_pCheckThread->Join();
    m_pCheckThread.reset();
    // Runs still queued behind the quit never happen.
    m_nRunsQueued = 0;
}

bool CMirtDoc::SortFiles(int32_t nOrder) {
    if (IsRunActive())
        return false;
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    return ::SortFiles(m_files, nOrder);
}
