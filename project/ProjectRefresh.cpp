// The refresh passes, adding files, and the folder watcher.
#include "project/ProjectRefresh.h"

#include <algorithm>
#include <set>

#include "platform/FileStatus.h"
#include "platform/TextList.h"
#include "project/FolderScan.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "project/PathListing.h"
#include "watch/DirChangesWatcher.h"

namespace {
using CLock = std::lock_guard<std::recursive_mutex>;

const char* const kModifiedHeader = "The following files has been modified outside MIRT:\n";
const char* const kAddedHeader = "The following files has been added to the project's folder(s):\n";
const char* const kReassociatedHeader = "The following files are affected by syntax change:\n";
const char* const kCheckQuestion = "Would you like to check spelling for those files?";
const char* const kAddQuestion = "Would you like to add those files to the project?";

std::string BuildFileListMessage(const std::string& strHeader,
                                 const std::vector<std::string>& items,
                                 const std::string& strQuestion) {
    return strHeader + ListPathsForMessage(items) + strQuestion;
}

bool AskYesNo(CMirtDoc& doc, const std::string& strText) {
    return doc.GetApp().MessageBox(strText, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// Drops the files that are gone, takes over the read-only mark and raises the stored
// modification times. Returns the checked files that changed since they were last seen;
// a file never checked has nothing to check again, so it is not listed.
std::vector<std::string> CompareFilesWithDisk(CMirtDoc& doc, bool& bMissing) {
    CLock lock(doc.GetLock());
    // Removing a file changes the list, so the walk goes over a copy that keeps each
    // file alive until it has been looked at.
    std::vector<CRefPtr<CSpellFile>> files(doc.m_files.begin(), doc.m_files.end());
    std::vector<std::string> modified;
    bMissing = false;
    for (const CRefPtr<CSpellFile>& pFile : files) {
        SFileStatus status;
        if (!GetFileStatus(pFile->m_strPath, status)) {
            doc.RemoveFile(pFile->m_strPath);
            bMissing = true;
            continue;
        }
        pFile->m_bReadOnly = status.bReadOnly ? 1 : 0;
        if (pFile->m_tModified < status.tModified) {
            pFile->m_tModified = status.tModified;
            if (pFile->m_tChecked != 0)
                modified.push_back(pFile->m_strPath);
        }
    }
    return modified;
}

// Files in the project's folders that are neither in the project nor declined, in
// scan order; a file matched by several masks or folders is listed once.
std::vector<std::string> CollectAddedFiles(const CMirtDoc& doc) {
    CLock lock(doc.GetLock());
    std::vector<std::string> found;
    std::vector<SScanProblem> problems;
    for (const auto& pFolder : doc.m_folders)
        ScanFolderMasks(found, pFolder->m_strPath, SplitList(pFolder->m_strMask),
                        pFolder->m_bIncludeSubfolders != 0, &problems);
    doc.GetApp().ReportUnreadFolders(problems);
    std::set<std::string> known(doc.m_declinedFiles.begin(), doc.m_declinedFiles.end());
    for (const CSpellFile* pFile : doc.m_files)
        known.insert(pFile->m_strPath);
    std::vector<std::string> added;
    for (std::string& strPath : found)
        if (known.insert(strPath).second)
            added.push_back(std::move(strPath));
    return added;
}

void OfferAddedFiles(CMirtDoc& doc, const std::vector<std::string>& added) {
    CMirtAppContext& app = doc.GetApp();
    if (added.empty() || !app.m_bUpdate)
        return;
    if (!app.m_bConsole &&
        !AskYesNo(doc, BuildFileListMessage(kAddedHeader, added, kAddQuestion))) {
        CLock lock(doc.GetLock());
        doc.m_declinedFiles.insert(doc.m_declinedFiles.end(), added.begin(), added.end());
        // The declined paths are stored with the project.
        doc.SetModifiedFlag();
        return;
    }
    for (const std::string& strPath : added)
        doc.AddFile(strPath);
    doc.NotifyViews(NOTIFY_REBUILD, 0);
    doc.SetModifiedFlag();
}

// The folder part of a full path without its trailing separator; the root stays "/".
std::string FolderOf(const std::string& strPath) {
    size_t nSlash = strPath.rfind('/');
    if (nSlash == std::string::npos)
        return "";
    return nSlash == 0 ? "/" : strPath.substr(0, nSlash);
}
} // namespace

CProjectRefresh::CProjectRefresh(CMirtDoc& doc) : m_doc(doc) {}

CProjectRefresh::~CProjectRefresh() = default;

void CProjectRefresh::RefreshFiles(bool bForce) {
    if (m_doc.IsRunning())
        return;
    if (!bForce && m_pWatcher && !m_pWatcher->HasChanged())
        return;
    bool bMissing = false;
    std::vector<std::string> modified = CompareFilesWithDisk(m_doc, bMissing);
    if (bMissing) {
        m_doc.NotifyViews(NOTIFY_REBUILD, 0);
        m_doc.SetModifiedFlag();
    }
    // In console mode nobody could be asked, and the run checks changed files anyway.
    if (!modified.empty() && !m_doc.GetApp().m_bConsole &&
        AskYesNo(m_doc, BuildFileListMessage(kModifiedHeader, modified, kCheckQuestion))) {
        // The forced refresh at the end of this run looks for new files and rebuilds
        // the watcher.
        m_doc.StartRun();
        return;
    }
    OfferAddedFiles(m_doc, CollectAddedFiles(m_doc));
    RebuildWatcher();
}

void CProjectRefresh::ReassociateFiles() {
    std::vector<std::string> names;
    {
        CLock lock(m_doc.GetLock());
        for (CSpellFile* pFile : m_doc.m_files)
            if (pFile->ReassociateSyntax(m_doc.GetParsers()))
                names.push_back(pFile->GetDisplayName());
    }
    if (names.empty())
        return;
    // The list is rebuilt before the question so that the user sees the files reset.
    m_doc.NotifyViews(NOTIFY_REBUILD, 0);
    m_doc.SetModifiedFlag();
    if (!m_doc.IsRunning() &&
        AskYesNo(m_doc, BuildFileListMessage(kReassociatedHeader, names, kCheckQuestion)))
        m_doc.ToggleRun();
}

void CProjectRefresh::AddFiles(const std::vector<std::string>& paths) {
    for (const std::string& strPath : paths)
        m_doc.AddFile(strPath);
    m_doc.NotifyViews(NOTIFY_REBUILD, 0);
    m_doc.SetModifiedFlag();
    RebuildWatcher();
}

CWatchDirList CProjectRefresh::BuildWatchDirList() const {
    CLock lock(m_doc.GetLock());
    CWatchDirList dirs;
    for (const auto& pFolder : m_doc.m_folders)
        dirs.AddDir(pFolder->m_strPath, pFolder->m_bIncludeSubfolders);
    for (const CSpellFile* pFile : m_doc.m_files) {
        std::string strFolder = FolderOf(pFile->m_strPath);
        if (!strFolder.empty())
            dirs.AddDir(strFolder, 0);
    }
    return dirs;
}

bool CProjectRefresh::WatcherSawChange() const {
    return m_pWatcher && m_pWatcher->HasChanged();
}

void CProjectRefresh::WaitForWatcherSetUp() {
    if (m_pWatcher)
        m_pWatcher->WaitForSetUp();
}

void CProjectRefresh::DropWatcher() {
    m_pWatcher.reset();
}

void CProjectRefresh::RebuildWatcher() {
    m_pWatcher.reset();
    // Only the window asks the watcher (when it becomes active again); a batch run
    // would only pay for watching the whole tree.
    if (m_doc.GetApp().m_bConsole)
        return;
    CWatchDirList dirs = BuildWatchDirList();
    m_pWatcher = std::make_unique<CDirChangesWatcher>(dirs);
}
