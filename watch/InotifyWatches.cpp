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
// File names created, deleted or renamed, and file contents written. Attribute changes
// alone are left out, and so are events on folders (see HandleEvent).
constexpr uint32_t kWatchMask =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ONLYDIR;
constexpr uint32_t kFileChangeMask =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY;

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
    return wd;
}

// Watches a folder and every folder below it, each before it is listed, so that an entry
// made during the walk is either listed or reported. Returns the number of entries other
// than folders found on the way, or -1 when the top folder cannot be watched.
int CInotifyWatches::AddTree(const std::string& strRoot, bool bFollowLink) {
    if (AddWatch(strRoot, true, bFollowLink) < 0)
        return -1;
    int nFiles = 0;
    std::vector<std::string> pending{strRoot};
    while (!pending.empty()) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        if (folder != strRoot && AddWatch(folder, true, false) < 0)
            continue;
        DIR* pDir = opendir(folder.c_str());
        if (pDir == nullptr)
            continue;
        while (const struct dirent* pEntry = readdir(pDir)) {
            const std::string name = pEntry->d_name;
            if (name == "." || name == "..")
                continue;
            if (IsRealDirectory(folder, pEntry))
                pending.push_back(std::string(folder).append("/").append(name));
            else
                ++nFiles;
        }
        closedir(pDir);
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
    return (event.mask & kFileChangeMask) != 0;
}
