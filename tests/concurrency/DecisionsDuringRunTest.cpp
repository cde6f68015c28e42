// Decisions on findings taken on another thread while a check run adds findings: each
// command holds the document lock, and undoing all of them leaves every finding as the
// run made it. Meant to run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "project/CheckOptions.h"
#include "project/MirtDoc.h"
#include "tests/support/DocFixture.h"

namespace {
constexpr int kFiles = 12;
constexpr int kLines = 40;
constexpr int kMaxRounds = 400;

class DecisionsDuringRun : public CDocTest {
protected:
    void SetUp() override {
        CDocTest::SetUp();
        doc.m_options.m_nCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, 0);
        std::string text;
        for (int i = 0; i < kLines; ++i)
            text += "1:teh 2:teh@TRACE 4:wrod\n";
        for (int i = 0; i < kFiles; ++i)
            doc.AddFile(dir.WriteFile("f" + std::to_string(i) + ".txt", text));
        engine.Reject("wrod", {"word", "ward"});
    }

    // One finding of the project, chosen by a counter, or null while there is none.
    CSpellError* Pick(int n) {
        for (CSpellFile* pFile : doc.m_files)
            if (!pFile->m_errors.empty())
                return pFile->m_errors[static_cast<size_t>(n) % pFile->m_errors.size()];
        return nullptr;
    }

    // What the engine proposes for the words of the files.
    static std::vector<std::string> SuggestionsOf(const std::string& strWord) {
        if (strWord == "wrod")
            return {"word", "ward"};
        return {"the", "ten"};
    }

    // Every finding as the run made it, and no rule in force.
    bool IsUntouched() {
        if (doc.m_dictionary.GetCount() != 0 || doc.m_ignoreCalls.GetCount() != 0)
            return false;
        for (CSpellFile* pFile : doc.m_files)
            for (const CSpellError* pError : pFile->m_errors)
                if (pError->m_bIgnored != 0 || pError->m_nChosen != -1 ||
                    pError->m_suggestions != SuggestionsOf(pError->m_strWord))
                    return false;
        return true;
    }

    // What the results list and the dictionary dialog do while the run goes on: one
    // round decides, leaving its rules in force for the run's new findings, and the
    // next undoes all of it.
    void Decide(const std::atomic<bool>& bDone) {
        for (int n = 0; n < kMaxRounds && !bDone; ++n, ++nRounds) {
            std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
            if (n % 2 == 1) {
                while (doc.CanUndo())
                    doc.UndoLast();
                nBroken += IsUntouched() ? 0 : 1;
                continue;
            }
            doc.IgnoreAllWord("teh", 1);
            doc.ReplaceAllWord("wrod", 4, "WORD");
            doc.IgnoreCallsTo("TRACE");
            if (CSpellError* pError = Pick(n / 2)) {
                int32_t nIndex = n % 4 == 0 ? -1 : 1;
                if (doc.GetDecisions().RecordFindingChange(pError, nIndex)) {
                    if (nIndex < 0)
                        pError->m_bIgnored = 1;
                    else
                        pError->m_nChosen = nIndex;
                }
            }
            (void)doc.GetUndoText();
        }
    }

    std::atomic<int> nRounds{0};
    int nBroken = 0;
};
} // namespace

TEST_F(DecisionsDuringRun, UndoingEveryDecisionLeavesTheFindingsOfTheRun) {
    // The run waits at its first word until some decisions were taken, so that the
    // two really overlap.
    std::atomic<bool> bStop{false};
    engine.SetOnWord([&](const std::string&) {
        while (engine.GetAskedWords().size() == 1 && nRounds < 6 && !bStop)
            std::this_thread::yield();
    });
    SCheckStats stats;
    bool bEnded = RunWhile(
        [&](const std::atomic<bool>& bDone) {
            Decide(bDone);
            bStop = true;
        },
        stats);
    ASSERT_TRUE(bEnded);
    EXPECT_EQ(stats.nFilesChecked, kFiles);

    std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
    EXPECT_EQ(nBroken, 0);
    while (doc.CanUndo())
        doc.UndoLast();
    EXPECT_TRUE(IsUntouched());
    for (CSpellFile* pFile : doc.m_files) {
        EXPECT_EQ(pFile->m_errors.size(), static_cast<size_t>(3 * kLines));
        EXPECT_EQ(pFile->m_nStatus, 0);
    }
}
