// The check run's open messages, kept so that stopping or cancelling the run can answer
// every one of them for the user.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

class CRunMessage;

class CRunMessages {
public:
    // Waits for the answer to a message a view has taken and returns the button. While
    // messages are refused it is cancelled at once.
    int WaitForAnswer(const std::shared_ptr<CRunMessage>& pMessage);
    // Answers every open message with IDCANCEL; with bRefuse, new ones are answered so
    // at once until the next call without it.
    void CancelAll(bool bRefuse);

private:
    // Never held while a message is shown or waited on.
    std::mutex m_mutex;
    std::vector<std::shared_ptr<CRunMessage>> m_open;
    bool m_bRefuse = false;
};
