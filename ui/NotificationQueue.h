// Carries what the checking thread posts over to the user-interface thread. The items
// wait in a queue of our own under a standard mutex and an eventfd wakes the event
// loop, which hands them on in order; nothing of Qt crosses the threads.
#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <variant>

#include "project/MirtDocView.h"

class CRunMessage;
class QSocketNotifier;

class CNotificationQueue : public QObject {
    Q_OBJECT
public:
    using CItem = std::variant<SViewNotification, std::shared_ptr<CRunMessage>>;
    using CHandler = std::function<void(CItem)>;

    // The handler runs on the thread that creates the queue.
    CNotificationQueue(CHandler handler, QObject* pParent);
    ~CNotificationQueue() override;

    // May be called on any thread.
    void Post(CItem item);
    // Hands on everything queued so far. A handler may open a dialog whose event loop
    // delivers the items that follow; each item is taken from the queue before it is
    // handed on, so none is handled twice.
    void Deliver();

private:
    CHandler m_handler;
    int m_nEventFd = -1;
    QSocketNotifier* m_pNotifier = nullptr;
    std::mutex m_mutex;
    std::deque<CItem> m_items;
};
