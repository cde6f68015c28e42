// Watches on folders through inotify.
#include "watch/InotifyWatches.h"

#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
// File names created, deleted or renamed, file contents written, and last-write times
// changed. The last arrive as attribute changes, as do new modes and owners, which do
// not count; HandleFileEvent tells them apart. Events on folders are handled apart.
constexpr uint32_t kWatchMask =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ATTRIB | IN_ONLYDIR;
constexpr uint32_t kFileChangeMask =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ATTRIB;

// The file's last-write time, or a zero time when it cannot be read.
timespec LastWriteTime(const std::string& strPath) {
    struct stat st {};
    if (lstat(strPath.c_str(), &st) != 0)
        return timespec{};
    return st.st_mtim;
}

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Links are not followed below a watched folder, so a link back up cannot loop.
bool IsRealDirectory(const std::string& strFolder, const struct dirent* pEntry) {
    if (pEntry->d_type != DT_UNKNOWN)
        return pEntry->d_type == DT_DIR;
    struct stat st {};
    std::string path = strFolder + "/" + pEntry->d_name;
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace

CInotifyWatches::CInotifyWatches() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

CInotifyWatches::~CInotifyWatches() {
    if (m_fd >= 0)
        close(m_fd);
}

bool CInotifyWatches::WatchDir(const SWatchDir& dir) {
    if (!dir.bSubtree)
        return AddWatch(dir.strPath, false, true) >= 0;
    return AddTree(dir.strPath, true) >= 0;
}

int CInotifyWatches::AddWatch(const std::string& strPath, bool bSubtree, bool bFollowLink) {
    if (m_fd < 0)
        return -1;
    const uint32_t mask = kWatchMask | (bFollowLink ? 0 : IN_DONT_FOLLOW);
    const int wd = inotify_add_watch(m_fd, strPath.c_str(), mask);
    if (wd < 0)
        return -1;
    // A folder met again (through another record or after a rename) keeps one watch;
    // its path is brought up to date and a subtree watch is never narrowed.
    SWatched& watched = m_watches[wd];
    watched.strPath = strPath;
    watched.bSubtree = watched.bSubtree || bSubtree;
    if (!bSubtree) {
        int nFiles = 0;
        ListFolder(wd, strPath, nFiles);
    }
    return wd;
}

std::vector<std::string> CInotifyWatches::ListFolder(int wd, const std::string& strFolder,
                                                     int& nFiles) {
    std::vector<std::string> folders;
    DIR* pDir = opendir(strFolder.c_str());
    if (pDir == nullptr)
        return folders;
    SWatched& watched = m_watches[wd];
    while (const struct dirent* pEntry = readdir(pDir)) {
        const std::string name = pEntry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string path = std::string(strFolder).append("/").append(name);
        if (IsRealDirectory(strFolder, pEntry)) {
            folders.push_back(path);
        } else {
            watched.times[name] = LastWriteTime(path);
            ++nFiles;
        }
    }
    closedir(pDir);
    return folders;
}

// Watches a folder and every folder below it, each before it is listed, so that an entry
// made during the walk is either listed or reported. Returns the number of entries other
// than folders found on the way, or -1 when the top folder cannot be watched.
int CInotifyWatches::AddTree(const std::string& strRoot, bool bFollowLink) {
    int wdRoot = AddWatch(strRoot, true, bFollowLink);
    if (wdRoot < 0)
        return -1;
    int nFiles = 0;
    std::vector<std::string> pending{strRoot};
    while (!pending.empty()) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        int wd = folder == strRoot ? wdRoot : AddWatch(folder, true, false);
        if (wd < 0)
            continue;
        std::vector<std::string> folders = ListFolder(wd, folder, nFiles);
        pending.insert(pending.end(), folders.begin(), folders.end());
    }
    return nFiles;
}

CInotifyWatches::EEvents CInotifyWatches::ReadEvents() {
    alignas(inotify_event) char buffer[16 * 1024];
    bool bChanged = false;
    for (;;) {
        const ssize_t nRead = read(m_fd, buffer, sizeof buffer);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (nRead <= 0)
            return EEvents::Failed;
        for (ssize_t nOffset = 0; nOffset < nRead;) {
            const auto* pEvent = reinterpret_cast<const inotify_event*>(buffer + nOffset);
            bChanged = HandleEvent(*pEvent) || bChanged;
            nOffset += static_cast<ssize_t>(sizeof(inotify_event) + pEvent->len);
        }
    }
    return bChanged ? EEvents::Changed : EEvents::None;
}

// A folder created or moved into a watched subtree is watched from then on. Folder
// events alone are no change, but a new folder that already holds files (moved in, or
// filled before its watch was set) brings new files into the tree.
bool CInotifyWatches::HandleEvent(const inotify_event& event) {
    if (event.mask & IN_Q_OVERFLOW)
        return true; // events were lost, so a change may have been among them
    if (event.mask & IN_IGNORED) {
        m_watches.erase(event.wd);
        return false;
    }
    if (event.mask & IN_ISDIR) {
        auto it = m_watches.find(event.wd);
        if (it == m_watches.end() || !it->second.bSubtree || event.len == 0 ||
            !(event.mask & (IN_CREATE | IN_MOVED_TO)))
            return false;
        const std::string folder = it->second.strPath + "/" + event.name;
        return AddTree(folder, false) > 0;
    }
    auto it = m_watches.find(event.wd);
    if (it == m_watches.end() || event.len == 0)
        return (event.mask & kFileChangeMask) != 0;
    return HandleFileEvent(it->second, event);
}

// Keeps the file's time up to date; an attribute event alone counts only when that
// time moved.
bool CInotifyWatches::HandleFileEvent(SWatched& watched, const inotify_event& event) {
    const std::string name = event.name;
    if (event.mask & (IN_DELETE | IN_MOVED_FROM)) {
        watched.times.erase(name);
        return true;
    }
    const timespec tNew = LastWriteTime(watched.strPath + "/" + name);
    auto it = watched.times.find(name);
    const bool bTimeMoved = it == watched.times.end() || !SameTime(it->second, tNew);
    watched.times[name] = tNew;
    if ((event.mask & kFileChangeMask & ~IN_ATTRIB) != 0)
        return true;
    return (event.mask & IN_ATTRIB) != 0 && bTimeMoved;
}
