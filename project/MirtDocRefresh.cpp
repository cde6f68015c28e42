// Keeping the project in step with the disk: adding files and the folder watcher.
#include "project/MirtDoc.h"
#include "watch/DirChangesWatcher.h"

namespace {
using CLock = std::lock_guard<std::recursive_mutex>;

// The folder part of a full path without its trailing separator; the root stays "/".
std::string FolderOf(const std::string& strPath) {
    size_t nSlash = strPath.rfind('/');
    if (nSlash == std::string::npos)
        return "";
    return nSlash == 0 ? "/" : strPath.substr(0, nSlash);
}
} // namespace

void CMirtDoc::AddFiles(const std::vector<std::string>& paths) {
    for (const std::string& strPath : paths)
        AddFile(strPath);
    NotifyViews(NOTIFY_REBUILD, 0);
    SetModifiedFlag();
    RebuildWatcher();
}

CWatchDirList CMirtDoc::BuildWatchDirList() const {
    CLock lock(m_lock);
    CWatchDirList dirs;
    for (const auto& pFolder : m_folders)
        dirs.AddDir(pFolder->m_strPath, pFolder->m_bIncludeSubfolders);
    for (const CSpellFile* pFile : m_files) {
        std::string strFolder = FolderOf(pFile->m_strPath);
        if (!strFolder.empty())
            dirs.AddDir(strFolder, 0);
    }
    return dirs;
}

void CMirtDoc::RebuildWatcher() {
    CWatchDirList dirs = BuildWatchDirList();
    m_pWatcher.reset();
    m_pWatcher = std::make_unique<CDirChangesWatcher>(dirs);
}
