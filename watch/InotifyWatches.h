// The inotify side of the folder watcher: one descriptor with a watch on every folder
// of the list, kept up to date as folders appear inside a watched subtree.
#pragma once

#include <ctime>
#include <string>
#include <unordered_map>
#include <vector>

#include "watch/WatchDir.h"

struct inotify_event;

class CInotifyWatches {
public:
    CInotifyWatches();
    ~CInotifyWatches();
    CInotifyWatches(const CInotifyWatches&) = delete;
    CInotifyWatches& operator=(const CInotifyWatches&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int GetFd() const { return m_fd; }
    size_t GetWatchCount() const { return m_watches.size(); }

    // Watches the folder, and each folder below it when the record asks for its subtree.
    // False when the folder itself cannot be watched.
    [[nodiscard]] bool WatchDir(const SWatchDir& dir);

    enum class EEvents { None, Changed, Failed };
    // Takes every pending event; Changed when one of them is a change to a file.
    EEvents ReadEvents();

private:
    struct SWatched {
        std::string strPath;
        bool bSubtree = false;
        // The last-write time of each file, so that an attribute event can tell a new
        // time (which counts) from a new mode or owner (which does not).
        std::unordered_map<std::string, timespec> times;
    };

    [[nodiscard]] int AddWatch(const std::string& strPath, bool bSubtree, bool bFollowLink);
    [[nodiscard]] int AddTree(const std::string& strRoot, bool bFollowLink);
    // Lists the folder's entries: notes each file's time, and returns its folders.
    std::vector<std::string> ListFolder(int wd, const std::string& strFolder, int& nFiles);
    bool HandleEvent(const inotify_event& event);
    bool HandleFileEvent(SWatched& watched, const inotify_event& event);

    int m_fd = -1;
    std::unordered_map<int, SWatched> m_watches; // by watch descriptor
};
