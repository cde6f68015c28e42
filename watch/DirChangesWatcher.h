// Tells whether anything changed on disk in the project's folders since the watcher was
// built. It does not say what changed; its own thread sets the flag, and the user
// interface thread reads it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "watch/WatchDirList.h"

class CInotifyWatches;

class CDirChangesWatcher {
public:
    // Copies the list and starts watching at once.
    explicit CDirChangesWatcher(const CWatchDirList& dirs);
    // Wakes the thread, waits for it to end and releases what it set up.
    virtual ~CDirChangesWatcher();
    CDirChangesWatcher(const CDirChangesWatcher&) = delete;
    CDirChangesWatcher& operator=(const CDirChangesWatcher&) = delete;

    // True once a file in a watched folder was created, deleted, renamed or written;
    // it stays true for the watcher's life.
    bool HasChanged() const { return m_nChanged.load(std::memory_order_acquire) != 0; }

    // Blocks until the thread has set up its watches (or given up), so that a change
    // made afterwards is sure to be seen.
    void WaitForSetUp();

private:
    void Run();
    void WaitForStopOrEvents(CInotifyWatches& watches);
    void MarkSetUp();

    const CWatchDirList m_dirs;
    int m_stopFd = -1; // eventfd: the destructor's wake-up call
    std::atomic<int32_t> m_nChanged{0};
    std::mutex m_mutex;
    std::condition_variable m_setUpDone;
    bool m_bSetUp = false;
    std::thread m_thread;
};
