// Signal watch over sigwait on a dedicated thread.
#include "app/InterruptWatch.h"

#include <csignal>
#include <pthread.h>
#include <unistd.h>

namespace {
// SIGUSR1 only wakes the watch when it is to stop.
sigset_t WatchedSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGUSR1);
    return set;
}
} // namespace

void CInterruptWatch::BlockSignals() {
    sigset_t set = WatchedSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

// The thread starts with the signals blocked whatever the caller did, so that the
// wake-up signal can never end the process.
CInterruptWatch::CInterruptWatch(std::function<void(int)> onFirst) : m_onFirst(std::move(onFirst)) {
    sigset_t set = WatchedSignals(), previous;
    pthread_sigmask(SIG_BLOCK, &set, &previous);
    m_thread = std::thread([this] { Watch(); });
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

CInterruptWatch::~CInterruptWatch() {
    m_bStopping = true;
    pthread_kill(m_thread.native_handle(), SIGUSR1);
    m_thread.join();
}

void CInterruptWatch::Watch() {
    sigset_t set = WatchedSignals();
    bool bInterrupted = false;
    for (;;) {
        int nSignal = 0;
        if (sigwait(&set, &nSignal) != 0 || m_bStopping)
            return;
        if (nSignal == SIGUSR1)
            continue;
        if (bInterrupted)
            _exit(128 + nSignal);
        bInterrupted = true;
        m_onFirst(nSignal);
    }
}
