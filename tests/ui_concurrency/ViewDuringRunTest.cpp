// The results list rebuilds, expands and repaints its rows while a check run appends
// findings on its own thread. Meant to run under ThreadSanitizer: every read of a file
// or finding must hold the document lock.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "project/CheckOptions.h"
#include "tests/ui_support/UiFixture.h"
#include "ui/MirtView.h"
#include "ui/ResultsModel.h"

namespace {
constexpr int kFiles = 12;
constexpr int kLines = 40;

class ViewDuringRun : public CUiTest {
protected:
    void SetUp() override {
        CUiTest::SetUp();
        doc.m_options.m_nCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, CATEGORY_LANGUAGE);
        std::string text;
        for (int i = 0; i < kLines; ++i)
            text += "1:teh 2:teh 4:darn\n";
        for (int i = 0; i < kFiles; ++i)
            Add("f" + std::to_string(i) + ".txt", i == kFiles / 2 ? "1:hold\n" + text : text);
        engine.Reject("hold", {"held"});
    }
    // Rebuilds, expands every third file and paints the rows once.
    void Round(CMirtView& view, int nRound) {
        QApplication::processEvents();
        view.Rebuild();
        CResultsModel& model = view.GetModel();
        for (int nRow = 0; nRow < model.GetSize(); ++nRow)
            if (!model.GetItem(nRow)->IsErrorRow() && nRow % 3 == nRound % 3)
                view.ToggleExpand(nRow, model.GetFile(nRow));
        EXPECT_FALSE(view.viewport()->grab().toImage().isNull());
    }
};
} // namespace

TEST_F(ViewDuringRun, RowsAreRebuiltAndPaintedWhileTheRunAppends) {
    CMirtView view(doc, app);
    view.resize(600, 400);
    view.show();
    view.OnInitialUpdate();
    // No Results dialog and no refresh at the end: the test looks at the rows only.
    view.m_bClosing = true;
    bool bEnded = false;
    QObject::connect(&view, &CMirtView::RunEnded, [&] { bEnded = true; });
    // Half way the run is held once, so that one round surely meets its findings; the
    // rounds go on while it runs on. ThreadSanitizer checks every access of every round.
    HoldAt("hold");
    doc.ToggleRun();
    ASSERT_TRUE(hold.WaitUntilHeld());
    ASSERT_TRUE(WaitFor([&] { return view.GetModel().GetSize() == kFiles; }));
    Round(view, 0);
    CResultsModel& model = view.GetModel();
    bool bFindingsShown = false;
    for (int nRow = 0; nRow < model.GetSize(); ++nRow)
        bFindingsShown = bFindingsShown || model.GetItem(nRow)->IsErrorRow();
    EXPECT_TRUE(bFindingsShown);
    hold.Release();
    for (int nRound = 1; !bEnded; ++nRound)
        Round(view, nRound);
    view.Rebuild();
    std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
    for (CSpellFile* pFile : doc.m_files) {
        EXPECT_EQ(pFile->m_nStatus, 0);
        size_t nHold = pFile->GetDisplayName() == "f6.txt" ? 1 : 0;
        EXPECT_EQ(pFile->m_errors.size(), static_cast<size_t>(3 * kLines) + nHold);
    }
}
