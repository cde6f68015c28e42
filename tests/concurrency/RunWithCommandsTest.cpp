// A check run on the checking thread while the user-interface side reads and changes
// findings and rules under the document lock. Meant to run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "project/CheckOptions.h"
#include "project/MirtDoc.h"
#include "tests/support/DocFixture.h"

namespace {
constexpr int kFiles = 20;
constexpr int kLines = 50;

class RunWithCommands : public CDocTest {
protected:
    void SetUp() override {
        CDocTest::SetUp();
        doc.m_options.m_nCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, CATEGORY_LANGUAGE);
        // The engine hears each word of a run once: every line has a word of its own.
        engine.RejectUnknownWords({"the"});
        for (int i = 0; i < kFiles; ++i) {
            std::string text;
            for (int k = 0; k < kLines; ++k)
                text += "1:teh" + Letters(i * kLines + k) + " 2:teh@TRACE 4:darn\n";
            doc.AddFile(dir.WriteFile("f" + std::to_string(i) + ".txt", text));
        }
    }
    static std::string Letters(int n) {
        std::string s;
        for (; n > 0; n /= 26)
            s += static_cast<char>('a' + n % 26);
        return s;
    }

    // What a results list and its commands do while a run goes on.
    void UseFindings(const std::atomic<bool>& bDone) {
        int nRound = 0;
        while (!bDone) {
            UseFindingsOnce(nRound++);
            // A user-interface thread waits for its next event between commands; without
            // a pause it would take the lock back at once and could starve the run.
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }

    void UseFindingsOnce(int nRound) {
        std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
        for (CSpellFile* pFile : doc.m_files) {
            pFile->IgnoreWord("teh", 2, nullptr);
            (void)pFile->CountCountingErrors();
            pFile->UnignoreWord("teh", 2);
            for (CSpellError* pError : pFile->m_errors)
                pError->m_nChosen = pError->m_suggestions.empty() ? -1 : 0;
        }
        doc.m_dictionary.SetReplacement("word" + std::to_string(nRound % 5), 2, "x");
        (void)doc.IsRunning();
    }
};
} // namespace

TEST_F(RunWithCommands, FindingsChangedDuringARunStayConsistent) {
    SCheckStats stats;
    ASSERT_TRUE(RunWhile([&](const std::atomic<bool>& bDone) { UseFindings(bDone); }, stats));
    EXPECT_EQ(stats.nFilesChecked, kFiles);
    std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
    for (CSpellFile* pFile : doc.m_files) {
        ASSERT_EQ(pFile->m_errors.size(), static_cast<size_t>(3 * kLines));
        EXPECT_EQ(pFile->m_nStatus, 0);
    }
}

namespace {
// Holds the run at its nth word until the running flag is cleared, so that the test's
// cancel or stop always comes while the run is under way, however fast it is.
void HoldAtWordUntilCleared(CFakeSpellEngine& engine, const CMirtDoc& doc, int n,
                            std::atomic<int>& nWords) {
    engine.SetOnWord([&, n](const std::string&) {
        if (++nWords == n)
            while (doc.IsRunning())
                std::this_thread::yield();
    });
}
} // namespace

TEST_F(RunWithCommands, CancellingFromAnotherThreadStopsTheRun) {
    std::atomic<int> nWords{0};
    HoldAtWordUntilCleared(engine, doc, 10, nWords);
    doc.ToggleRun();
    while (nWords < 10)
        std::this_thread::yield();
    doc.ToggleRun(); // pressed again on the user-interface side: cancels
    SCheckStats stats;
    ASSERT_TRUE(view.WaitForRunEnd(&stats));
    EXPECT_FALSE(doc.IsRunning());
    EXPECT_LT(stats.nFilesChecked, kFiles);
    EXPECT_LT(nWords.load(), kFiles * kLines * 2);
    std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
    EXPECT_EQ(doc.m_files.back()->m_nStatus, -1);
}

TEST_F(RunWithCommands, StoppingTheThreadDuringARunJoinsIt) {
    std::atomic<int> nWords{0};
    HoldAtWordUntilCleared(engine, doc, 5, nWords);
    doc.ToggleRun();
    while (nWords < 5)
        std::this_thread::yield();
    doc.StopCheckingThread();
    EXPECT_FALSE(doc.IsRunning());
    EXPECT_FALSE(doc.HasCheckingThread());
    EXPECT_TRUE(view.WaitForRunEnd());
    EXPECT_LT(nWords.load(), kFiles * kLines * 2);
}
