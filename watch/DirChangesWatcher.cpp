// The watcher's thread: inotify watches plus a stop event, waited on together.
#include "watch/DirChangesWatcher.h"

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

#include "watch/InotifyWatches.h"

CDirChangesWatcher::CDirChangesWatcher(const CWatchDirList& dirs)
    : m_dirs(dirs), m_stopFd(eventfd(0, EFD_CLOEXEC)) {
    // Without a stop event or a thread the watcher cannot run; it then stays silent,
    // like one whose folders cannot be watched.
    if (m_stopFd < 0) {
        MarkSetUp();
        return;
    }
    try {
        m_thread = std::thread(&CDirChangesWatcher::Run, this);
    } catch (const std::system_error&) {
        MarkSetUp();
    }
}

CDirChangesWatcher::~CDirChangesWatcher() {
    if (m_thread.joinable()) {
        const uint64_t nOne = 1;
        while (write(m_stopFd, &nOne, sizeof nOne) < 0 && errno == EINTR) {
        }
        m_thread.join();
    }
    if (m_stopFd >= 0)
        close(m_stopFd);
}

void CDirChangesWatcher::WaitForSetUp() {
    std::unique_lock lock(m_mutex);
    m_setUpDone.wait(lock, [this] { return m_bSetUp; });
}

void CDirChangesWatcher::MarkSetUp() {
    {
        std::lock_guard lock(m_mutex);
        m_bSetUp = true;
    }
    m_setUpDone.notify_all();
}

// A folder that cannot be watched (missing, unreadable, out of watches) is skipped and
// the others stay watched.
void CDirChangesWatcher::Run() {
    CInotifyWatches watches;
    if (watches.IsOpen())
        for (const SWatchDir& dir : m_dirs)
            static_cast<void>(watches.WatchDir(dir)); // skipped when it fails, as above
    MarkSetUp();
    WaitForStopOrEvents(watches);
}

void CDirChangesWatcher::WaitForStopOrEvents(CInotifyWatches& watches) {
    // poll skips a negative descriptor, so without inotify only the stop is waited for.
    pollfd fds[2] = {{m_stopFd, POLLIN, 0}, {watches.GetFd(), POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents != 0)
            return;
        if (fds[1].revents == 0)
            continue;
        if (!(fds[1].revents & POLLIN))
            return;
        const CInotifyWatches::EEvents events = watches.ReadEvents();
        if (events == CInotifyWatches::EEvents::Failed)
            return;
        if (events == CInotifyWatches::EEvents::Changed)
            m_nChanged.store(1, std::memory_order_release);
    }
}
