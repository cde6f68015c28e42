// A user's whole review in the window: open a checked project, choose replacements
// with the mouse and from the Edit menu, ignore a word and take it back, make a rule,
// write the replacements back and save the project.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>

#include <filesystem>

#include "project/CheckOptions.h"
#include "tests/ui_support/FrameFixture.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MirtView.h"
#include "ui/ResultsModel.h"

namespace {
class ReviewInWindow : public CFrameTest {
protected:
    void ClickSuggestion(const std::string& strRow, const QString& strBefore) {
        int nRow = RowOf(strRow);
        ASSERT_GE(nRow, 0) << strRow;
        QRect cell = View().visualRect(Model().index(nRow, CResultsModel::COLUMN_SUGGESTIONS));
        int x = cell.left() + QFontMetrics(View().font()).horizontalAdvance(strBefore) + 2;
        QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, QPoint(x, cell.center().y()));
    }
    void TriggerInEditMenu(const QString& strPopup, const QString& strItem) {
        QMenu* pEdit = Frame().GetMenu("&Edit");
        emit pEdit->aboutToShow();
        QMenu* pPopup = Popup(pEdit, strPopup);
        ASSERT_NE(pPopup, nullptr);
        for (QAction* pAction : pPopup->actions())
            if (pAction->text() == strItem)
                pAction->trigger();
    }
};
} // namespace

TEST_F(ReviewInWindow, TheChosenReplacementsReachTheSourcesWithTheirOwnLineEnds) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, 0);
    engine.Reject("wrd", {"word", "ward"});
    std::string a = Add("a.txt", "1:teh 1:wrd\n2:keep\n");
    std::string b = Add("b.txt", "1:teh\r\n1:wrd\r\n");
    Run();
    std::string project = dir / "p.mrk";
    ASSERT_TRUE(doc.OnSaveDocument(project));
    ASSERT_TRUE(Frame().OpenProject(project));
    ExpandAll();
    ASSERT_EQ(Rows(),
              (Strings{"a.txt", "  teh 1:2", "  wrd 1:8", "b.txt", "  teh 1:2", "  wrd 2:2"}));

    ClickSuggestion("  teh 1:2", ""); // a.txt's: "the"
    Select({"b.txt"});
    View().SelectRow(RowOf("b.txt") + 1);
    TriggerInEditMenu("Replace This", "ten");
    Select({"  wrd 1:8"});
    Action(ID_IGNORE)->trigger();
    EXPECT_EQ(RowOf("  wrd 2:2"), -1);
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), "&Undo Ignore all 'wrd'");
    Action(ID_EDIT_UNDO)->trigger();
    ASSERT_TRUE(WaitFor([&] { return RowOf("  wrd 2:2") >= 0; }));
    Select({"  wrd 1:8"});
    TriggerInEditMenu("Replace All", "word");

    EXPECT_TRUE(Action(ID_SAVE_CHANGES)->isEnabled());
    app.Display().QueueAnswer(IDYES); // make backups
    Action(ID_SAVE_CHANGES)->trigger();
    EXPECT_EQ(app.Display().Messages(),
              (Strings{"It is highly recommended to backup affected files.\nWould you like to "
                       "make such backup?",
                       "All files updated successfully"}));
    EXPECT_EQ(ReadWholeFile(a), "1:the 1:word\n2:keep\n");
    EXPECT_EQ(ReadWholeFile(b), "1:ten\r\n1:word\r\n");
    EXPECT_EQ(ReadWholeFile(a + ".mirt"), "1:teh 1:wrd\n2:keep\n");
    EXPECT_EQ(ReadWholeFile(b + ".mirt"), "1:teh\r\n1:wrd\r\n");
    EXPECT_EQ(Rows(), (Strings{"a.txt", "b.txt"}));
    EXPECT_FALSE(Action(ID_SAVE_CHANGES)->isEnabled());

    ASSERT_TRUE(Frame().OnFileSave());
    CMirtDoc saved(app);
    ASSERT_TRUE(saved.OnOpenDocument(project));
    std::string strRule;
    EXPECT_TRUE(saved.m_dictionary.LookupReplacement("wrd", 1, strRule));
    EXPECT_EQ(strRule, "word");
    EXPECT_FALSE(saved.m_dictionary.LookupReplacement("teh", 1, strRule));
}
