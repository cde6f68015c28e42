// Messages the check run raises on its thread and a view answers on its own: the run
// waits for the answer, and stopping or cancelling the run answers in the user's place
// so that neither thread waits for ever. Meant to run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

#include "platform/MessageDisplay.h"
#include "project/CheckOptions.h"
#include "project/RunMessage.h"
#include "project/RunMessages.h"
#include "tests/support/DocFixture.h"

namespace {
// A view that takes the run's messages, as the window does, and lets the test answer.
class CAnsweringView : public CRecordingView {
public:
    bool PostRunMessage(const std::shared_ptr<CRunMessage>& pMessage) override {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_messages.push_back(pMessage);
        }
        m_posted.notify_all();
        return true;
    }
    // The next message the run raised, or null after a generous bound.
    std::shared_ptr<CRunMessage> WaitForMessage() {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_posted.wait_for(lock, std::chrono::seconds(60), [&] { return !m_messages.empty(); }))
            return nullptr;
        auto pMessage = m_messages.front();
        m_messages.pop_front();
        return pMessage;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<std::shared_ptr<CRunMessage>> m_messages;
};

class RunMessages : public CDocTest {
protected:
    void SetUp() override {
        CDocTest::SetUp();
        doc.AddView(&answering);
        doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
        gone = Add("gone.txt", "1:teh\n");
        Add("b.txt", "1:teh\n");
        std::remove(gone.c_str());
    }
    void TearDown() override {
        doc.StopCheckingThread();
        doc.RemoveView(&answering);
        CDocTest::TearDown();
    }

    CAnsweringView answering;
    std::string gone;
};
} // namespace

TEST(RunMessage, TheFirstAnswerCountsAndWakesTheWaiter) {
    CRunMessage message("text", MB_OK);
    std::thread run([&] { EXPECT_EQ(message.WaitForAnswer(), IDOK); });
    EXPECT_TRUE(message.Answer(IDOK));
    run.join();
    EXPECT_FALSE(message.Answer(IDNO));
    message.Cancel();
    EXPECT_EQ(message.WaitForAnswer(), IDOK);
}

TEST(RunMessage, CancellingClosesWhatShowsItOnce) {
    CRunMessage message("text", MB_YESNO);
    int nClosed = 0;
    ASSERT_TRUE(message.SetCloser([&] { ++nClosed; }));
    message.Cancel();
    message.Cancel();
    EXPECT_EQ(nClosed, 1);
    EXPECT_EQ(message.WaitForAnswer(), IDCANCEL);
    EXPECT_FALSE(message.SetCloser([&] { ++nClosed; }));
    EXPECT_FALSE(message.Answer(IDYES));
}

TEST(RunMessage, AnAnsweredMessageIsNotClosedByALaterCancel) {
    CRunMessage message("text", MB_OK);
    int nClosed = 0;
    ASSERT_TRUE(message.SetCloser([&] { ++nClosed; }));
    message.Answer(IDOK);
    message.Cancel();
    EXPECT_EQ(nClosed, 0);
}

namespace {
// The answer the list gives, or -1 when the message was still open after a generous
// bound; it is then cancelled, so a fault fails the test instead of hanging it.
int AnswerWithin(CRunMessages& open, const std::shared_ptr<CRunMessage>& pMessage) {
    auto answer = std::async(std::launch::async, [&] { return open.WaitForAnswer(pMessage); });
    if (answer.wait_for(std::chrono::seconds(60)) == std::future_status::ready)
        return answer.get();
    pMessage->Cancel();
    answer.get();
    return -1;
}
} // namespace

// Lifting the refusal again is the next run's business: ANewRunShowsItsMessagesAgain.
TEST(OpenRunMessages, WhileRefusedAMessageIsCancelledAtOnce) {
    CRunMessages open;
    open.CancelAll(true);
    auto pMessage = std::make_shared<CRunMessage>("text", MB_OK);
    EXPECT_EQ(AnswerWithin(open, pMessage), IDCANCEL);
    EXPECT_FALSE(pMessage->Answer(IDOK));
}

// The cancel may come before the wait registers the message or while it waits; either
// way the waiter gets IDCANCEL and ends. (Which of the two happens is up to the threads:
// the run-level tests below reach the open-message path every time.)
TEST(OpenRunMessages, ACancelBeforeOrDuringTheWaitEndsIt) {
    CRunMessages open;
    auto pMessage = std::make_shared<CRunMessage>("text", MB_YESNO);
    std::thread canceller([&] { open.CancelAll(true); });
    int nAnswer = AnswerWithin(open, pMessage);
    canceller.join();
    EXPECT_EQ(nAnswer, IDCANCEL);
}

TEST_F(RunMessages, TheRunWaitsForTheViewsAnswerAndGoesOn) {
    doc.ToggleRun();
    auto pMessage = answering.WaitForMessage();
    ASSERT_NE(pMessage, nullptr);
    EXPECT_EQ(pMessage->GetText(), "Unable to open file " + gone);
    EXPECT_EQ(pMessage->GetType(), MB_OK | MB_ICONEXCLAMATION);
    // Nothing of the run's end can have come while it waits.
    EXPECT_EQ(view.TakeReports(), std::vector<std::string>{"begun " + gone});
    pMessage->Answer(IDOK);
    SCheckStats stats;
    ASSERT_TRUE(view.WaitForRunEnd(&stats));
    EXPECT_EQ(stats.nFilesChecked, 2);
    EXPECT_TRUE(app.Display().Messages().empty());
}

TEST_F(RunMessages, StoppingTheThreadWhileAMessageIsOpenAnswersItAndJoins) {
    doc.ToggleRun();
    auto pMessage = answering.WaitForMessage();
    ASSERT_NE(pMessage, nullptr);
    bool bClosed = false;
    ASSERT_TRUE(pMessage->SetCloser([&] { bClosed = true; }));
    doc.StopCheckingThread();
    EXPECT_FALSE(doc.HasCheckingThread());
    EXPECT_TRUE(bClosed);
    EXPECT_EQ(pMessage->WaitForAnswer(), IDCANCEL);
    SCheckStats stats;
    ASSERT_TRUE(view.WaitForRunEnd(&stats));
    EXPECT_EQ(stats.nFilesChecked, 1);
}

TEST_F(RunMessages, CancellingTheRunWhileAMessageIsOpenEndsTheRun) {
    doc.ToggleRun();
    auto pMessage = answering.WaitForMessage();
    ASSERT_NE(pMessage, nullptr);
    doc.ToggleRun();
    EXPECT_EQ(pMessage->WaitForAnswer(), IDCANCEL);
    SCheckStats stats;
    ASSERT_TRUE(view.WaitForRunEnd(&stats));
    EXPECT_EQ(stats.nFilesChecked, 1);
    EXPECT_EQ(File(1)->m_nStatus, -1);
}

TEST_F(RunMessages, ANewRunShowsItsMessagesAgain) {
    doc.ToggleRun();
    auto pFirst = answering.WaitForMessage();
    ASSERT_NE(pFirst, nullptr);
    doc.ToggleRun();
    ASSERT_TRUE(view.WaitForRunEnd());
    doc.ToggleRun();
    auto pSecond = answering.WaitForMessage();
    ASSERT_NE(pSecond, nullptr);
    EXPECT_FALSE(pSecond->IsAnswered());
    pSecond->Answer(IDOK);
    EXPECT_TRUE(view.WaitForRunEnd());
}

TEST_F(RunMessages, TheEngineFailureIsShownAlthoughTheRunHasEnded) {
    engine.SetStartResult(0);
    doc.ToggleRun();
    auto pMessage = answering.WaitForMessage();
    ASSERT_NE(pMessage, nullptr);
    EXPECT_EQ(pMessage->GetText(),
              "Couldn't start Scripted. Please make sure that Scripted is installed properly");
    EXPECT_FALSE(pMessage->IsAnswered());
    pMessage->Answer(IDOK);
    EXPECT_TRUE(view.WaitForRunEnd());
}

namespace {
// Holds the run inside the engine's answer to one word until the test lets it go.
class CWordGate {
public:
    void OnWord(const std::string& strWord) {
        if (strWord != "hold")
            return;
        std::unique_lock<std::mutex> lock(m_mutex);
        m_bHeld = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_bOpen; });
    }
    bool WaitUntilHeld() {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(60), [this] { return m_bHeld; });
    }
    void Open() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bOpen = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bHeld = false;
    bool m_bOpen = false;
};

class CancelledRunTail : public CDocTest {
protected:
    void SetUp() override {
        CDocTest::SetUp();
        doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
        engine.Reject("hold", {"held"});
        engine.SetOnWord([this](const std::string& strWord) { gate.OnWord(strWord); });
        Add("a.txt", "1:hold 1:teh\n");
        Add("b.txt", "1:teh\n");
    }
    void TearDown() override {
        gate.Open();
        doc.StopCheckingThread();
        CDocTest::TearDown();
    }
    CWordGate gate;
};
} // namespace

TEST_F(CancelledRunTail, ARunCancelledIsStillActiveUntilItHasEnded) {
    EXPECT_FALSE(doc.IsRunActive());
    doc.ToggleRun();
    EXPECT_TRUE(doc.IsRunActive());
    ASSERT_TRUE(gate.WaitUntilHeld());
    doc.ToggleRun();
    EXPECT_FALSE(doc.IsRunning());
    EXPECT_TRUE(doc.IsRunActive());
    EXPECT_FALSE(doc.SortFiles(32794));
    gate.Open();
    ASSERT_TRUE(view.WaitForRunEnd());
    EXPECT_FALSE(doc.IsRunActive());
    EXPECT_TRUE(doc.SortFiles(32794));
}

TEST_F(CancelledRunTail, ANewProjectWaitsForTheOldRunAndTellsItsNoticesApart) {
    doc.ToggleRun();
    ASSERT_TRUE(gate.WaitUntilHeld());
    uint64_t nOld = doc.GetGeneration();
    std::thread opener([&] { doc.OnNewDocument(); });
    gate.Open();
    opener.join();
    EXPECT_TRUE(doc.m_files.empty());
    EXPECT_NE(doc.GetGeneration(), nOld);
    EXPECT_FALSE(doc.IsRunActive());
    // Everything the old run sent carries the old generation.
    ASSERT_TRUE(view.WaitForRunEnd());
}
