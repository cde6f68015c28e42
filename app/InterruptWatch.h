// Ctrl-C and SIGTERM in batch mode: the first cancels the run as "Run" does, so the
// files checked so far keep their results and the report and project are written;
// the second ends the program at once, writing nothing.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

class CInterruptWatch {
public:
    // Blocks the signals for the calling thread and every thread it starts later, so
    // that only the watch takes them; called first thing in main().
    static void BlockSignals();

    // Waits for the signals on a thread of its own and calls onFirst there with the
    // first one.
    explicit CInterruptWatch(std::function<void(int)> onFirst);
    ~CInterruptWatch();
    CInterruptWatch(const CInterruptWatch&) = delete;
    CInterruptWatch& operator=(const CInterruptWatch&) = delete;

private:
    void Watch();

    std::function<void(int)> m_onFirst;
    std::atomic<bool> m_bStopping{false};
    std::thread m_thread;
};
