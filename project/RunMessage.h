// A message that a check run raises on its own thread and that a view answers on its
// thread while the run waits. Stopping or cancelling the run answers it instead, so
// neither side can wait on the other for ever.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

class CRunMessage {
public:
    CRunMessage(std::string strText, unsigned nType);

    const std::string& GetText() const { return m_strText; }
    unsigned GetType() const { return m_nType; }

    // The first answer counts and wakes the run; later ones are ignored. True when this
    // one counted.
    bool Answer(int nButton);
    // Answers IDCANCEL for nobody, and lets the view close a box that still shows it.
    void Cancel();
    bool IsAnswered() const;
    // What closes the view's box when the message is cancelled; called on the
    // cancelling thread. False (and not kept) when the message is answered already.
    [[nodiscard]] bool SetCloser(std::function<void()> closer);
    // Blocks until the message is answered or cancelled and returns the button.
    int WaitForAnswer();

private:
    const std::string m_strText;
    const unsigned m_nType;
    mutable std::mutex m_mutex;
    std::condition_variable m_answered;
    std::optional<int> m_nAnswer;
    std::function<void()> m_closer;
};
