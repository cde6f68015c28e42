// Checking thread and its queue.
#include "project/ParsingThread.h"

#include "project/MirtDoc.h"

CParsingThread::CParsingThread(CMirtDoc* pDoc) : m_pDoc(pDoc) {
    m_thread = std::thread([this] { ThreadMain(); });
}

CParsingThread::~CParsingThread() {
    PostQuit();
    Join();
}

void CParsingThread::PostRun() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(Run);
    }
    m_wake.notify_one();
}

void CParsingThread::PostQuit() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(Quit);
    }
    m_wake.notify_one();
}

void CParsingThread::Join() {
    if (m_thread.joinable())
        m_thread.join();
}

void CParsingThread::ThreadMain() {
    for (;;) {
        EMessage message;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return !m_queue.empty(); });
            message = m_queue.front();
            m_queue.pop_front();
        }
        if (message == Quit)
            return;
        m_pDoc->RunCheck();
    }
}
