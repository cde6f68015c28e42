// The checking thread of a project: a thread with its own message queue that runs one
// check when asked and ends when told to quit.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class CMirtDoc;

class CParsingThread {
public:
    explicit CParsingThread(CMirtDoc* pDoc);
    // Quits and waits for the thread.
    ~CParsingThread();
    CParsingThread(const CParsingThread&) = delete;
    CParsingThread& operator=(const CParsingThread&) = delete;

    void PostRun();
    void PostQuit();
    // Waits for the thread to end; a running check stops at its next word once the
    // document's running flag is clear.
    void Join();

private:
    enum EMessage { Run, Quit };

    void ThreadMain();

    CMirtDoc* m_pDoc;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<EMessage> m_queue;
    std::thread m_thread;
};
