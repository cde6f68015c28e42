// Cross-thread delivery of notifications and run messages.
#include "ui/NotificationQueue.h"

#include <QSocketNotifier>

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

CNotificationQueue::CNotificationQueue(CHandler handler, QObject* pParent)
    : QObject(pParent), m_handler(std::move(handler)) {
    m_nEventFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (m_nEventFd >= 0) {
        m_pNotifier = new QSocketNotifier(m_nEventFd, QSocketNotifier::Read, this);
        connect(m_pNotifier, &QSocketNotifier::activated, this, &CNotificationQueue::Deliver);
    }
}

CNotificationQueue::~CNotificationQueue() {
    delete m_pNotifier;
    if (m_nEventFd >= 0)
        close(m_nEventFd);
}

void CNotificationQueue::Post(CItem item) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_items.push_back(std::move(item));
    }
    if (m_nEventFd >= 0) {
        uint64_t nOne = 1;
        // A full counter still wakes the loop; nothing is lost when the write fails.
        [[maybe_unused]] ssize_t nWritten = write(m_nEventFd, &nOne, sizeof(nOne));
    } else {
        QMetaObject::invokeMethod(this, &CNotificationQueue::Deliver, Qt::QueuedConnection);
    }
}

void CNotificationQueue::Deliver() {
    if (m_nEventFd >= 0) {
        uint64_t nCount = 0;
        [[maybe_unused]] ssize_t nRead = read(m_nEventFd, &nCount, sizeof(nCount));
    }
    for (;;) {
        CItem item;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_items.empty())
                return;
            item = std::move(m_items.front());
            m_items.pop_front();
        }
        m_handler(std::move(item));
    }
}
