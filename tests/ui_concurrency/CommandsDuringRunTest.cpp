// Ignore, Replace All, Replace This and Undo used from the window while a check run
// appends findings on its own thread. Meant to run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <QApplication>

#include "project/CheckOptions.h"
#include "tests/ui_support/FrameFixture.h"
#include "ui/CommandIds.h"
#include "ui/FindingMenus.h"
#include "ui/MainFrame.h"
#include "ui/MirtView.h"
#include "ui/ResultsModel.h"

namespace {
constexpr int kFiles = 10;
constexpr int kLines = 30;

class CommandsDuringRun : public CFrameTest {
protected:
    void SetUp() override {
        CFrameTest::SetUp();
        doc.m_options.m_nCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, CATEGORY_LANGUAGE);
        std::string text;
        for (int i = 0; i < kLines; ++i)
            text += "1:teh 2:teh@f 4:darn\n";
        for (int i = 0; i < kFiles; ++i)
            Add("f" + std::to_string(i) + ".txt", i == kFiles / 2 ? "1:hold\n" + text : text);
        engine.Reject("hold", {"held"});
    }
    // Selects the first finding row there is; false when the list has none yet.
    bool SelectAFinding() {
        CResultsModel& model = Model();
        for (int i = 0; i < model.GetSize(); ++i)
            if (model.GetItem(i)->IsErrorRow()) {
                View().SelectRow(i);
                return true;
            }
        return false;
    }
};
} // namespace

TEST_F(CommandsDuringRun, FindingCommandsAndUndoWhileTheRunAppends) {
    Frame();
    View().m_bClosing = true; // no Results dialog at the end
    bool bEnded = false;
    QObject::connect(&View(), &CMirtView::RunEnded, [&] { bEnded = true; });
    // Held half way, the run has findings to work on; then it goes on while they are.
    HoldAt("hold");
    Frame().OnCommand(ID_RUN);
    ASSERT_TRUE(hold.WaitUntilHeld());
    ASSERT_TRUE(WaitFor([&] { return Model().GetSize() >= kFiles / 2; }));
    int nRounds = 0;
    bool bReleased = false;
    // Bounded, so that a run that never ends fails the test instead of hanging it.
    for (int nTurns = 0; !bEnded && nTurns < 1000000; ++nTurns) {
        QApplication::processEvents();
        Frame().OnCommand(ID_EXPAND_ALL);
        if (SelectAFinding()) {
            Frame().OnCommand(ID_REPLACE_THIS_FIRST + 1);
            Frame().OnCommand(ID_REPLACE_ALL_FIRST);
            Frame().OnCommand(ID_IGNORE);
            Frame().OnCommand(ID_EDIT_UNDO);
            Frame().OnCommand(ID_EDIT_UNDO);
            ++nRounds;
        }
        if (!bReleased) {
            bReleased = true;
            hold.Release();
        }
    }
    ASSERT_TRUE(WaitFor([&] { return bEnded; }));
    EXPECT_GE(nRounds, 1);
    std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
    for (CSpellFile* pFile : doc.m_files) {
        EXPECT_EQ(pFile->m_nStatus, 0);
        size_t nHold = pFile->GetDisplayName() == "f5.txt" ? 1 : 0;
        EXPECT_EQ(pFile->m_errors.size(), static_cast<size_t>(3 * kLines) + nHold);
    }
}
