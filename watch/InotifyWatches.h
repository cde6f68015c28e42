// The inotify side of the folder watcher: one descriptor with a watch on every folder
// of the list, kept up to date as folders appear inside a watched subtree.
#pragma once

#include <string>
#include <unordered_map>

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
    bool WatchDir(const SWatchDir& dir);

    enum class EEvents { None, Changed, Failed };
    // Takes every pending event; Changed when one of them is a change to a file.
    EEvents ReadEvents();

private:
    struct SWatched {
        std::string strPath;
        bool bSubtree = false;
    };

    int AddWatch(const std::string& strPath, bool bSubtree, bool bFollowLink);
    int AddTree(const std::string& strRoot, bool bFollowLink);
    bool HandleEvent(const inotify_event& event);

    int m_fd = -1;
    std::unordered_map<int, SWatched> m_watches; // by watch descriptor
};
