#include "project/RunMessages.h"

#include "project/RunMessage.h"

int CRunMessages::WaitForAnswer(const std::shared_ptr<CRunMessage>& pMessage) {
    {
        // Registered only now, so a cancellation that came first is seen here.
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bRefuse)
            pMessage->Cancel();
        else
            m_open.push_back(pMessage);
    }
    int nAnswer = pMessage->WaitForAnswer();
    std::lock_guard<std::mutex> lock(m_mutex);
    std::erase(m_open, pMessage);
    return nAnswer;
}

void CRunMessages::CancelAll(bool bRefuse) {
    std::vector<std::shared_ptr<CRunMessage>> messages;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bRefuse = bRefuse;
        messages = m_open;
    }
    for (const auto& pMessage : messages)
        pMessage->Cancel();
}
