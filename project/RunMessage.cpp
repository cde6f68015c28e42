// Run messages: answered once, by a view or by the run's cancellation.
#include "project/RunMessage.h"

#include <utility>

#include "platform/MessageDisplay.h"

CRunMessage::CRunMessage(std::string strText, unsigned nType)
    : m_strText(std::move(strText)), m_nType(nType) {}

bool CRunMessage::Answer(int nButton) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_nAnswer)
            return false;
        m_nAnswer = nButton;
        m_closer = nullptr;
    }
    m_answered.notify_all();
    return true;
}

void CRunMessage::Cancel() {
    std::function<void()> closer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_nAnswer)
            return;
        m_nAnswer = IDCANCEL;
        closer = std::exchange(m_closer, nullptr);
    }
    m_answered.notify_all();
    if (closer)
        closer();
}

bool CRunMessage::IsAnswered() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nAnswer.has_value();
}

bool CRunMessage::SetCloser(std::function<void()> closer) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_nAnswer)
        return false;
    m_closer = std::move(closer);
    return true;
}

int CRunMessage::WaitForAnswer() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_answered.wait(lock, [this] { return m_nAnswer.has_value(); });
    return *m_nAnswer;
}
