// The commands on findings, driven through their actions and the menus built for the
// selection, checked in the document, the rows and the texts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "project/CheckOptions.h"
#include "tests/ui_support/FrameFixture.h"
#include "ui/CommandIds.h"
#include "ui/FindingMenus.h"
#include "ui/MainFrame.h"
#include "ui/MirtView.h"
#include "ui/ResultsModel.h"
#include "ui/SuggestionEdit.h"

namespace {
class FindingCommands : public CFrameTest {
protected:
    void SetUp() override {
        CFrameTest::SetUp();
        doc.m_options.m_nCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, CATEGORY_LANGUAGE);
    }
    QMenu* EditMenu() { return Frame().GetMenu("&Edit"); }
    // Runs the item of the Edit menu's popup whose text is given.
    void Trigger(const QString& strPopup, const QString& strItem) {
        emit EditMenu()->aboutToShow();
        QMenu* pPopup = Popup(EditMenu(), strPopup);
        ASSERT_NE(pPopup, nullptr) << strPopup.toStdString();
        for (QAction* pAction : pPopup->actions())
            if (pAction->text() == strItem) {
                pAction->trigger();
                return;
            }
        FAIL() << "no item " << strItem.toStdString();
    }
    SSelectionState State() { return View().GetSelectionState(); }
};
} // namespace

TEST_F(FindingCommands, TheIgnoreItemNamesTheSelection) {
    engine.Reject("a&b", {"ab"});
    Add("a.txt", "1:a&b 1:teh 1:teh 2:teh\n");
    Run();
    Frame();
    ExpandAll();
    EXPECT_FALSE(Action(ID_IGNORE)->isEnabled());
    EXPECT_EQ(Action(ID_IGNORE)->text(), "&Ignore");
    Select({"  a&b 1:2"});
    EXPECT_TRUE(Action(ID_IGNORE)->isEnabled());
    EXPECT_EQ(Action(ID_IGNORE)->text(), "&Ignore All 'a&&b'");
    EXPECT_EQ(Action(ID_IGNORE)->shortcut(), QKeySequence("Ctrl+I"));
    Select({"  a&b 1:2", "  teh 1:8"});
    EXPECT_EQ(Action(ID_IGNORE)->text(), "&Ignore All Selected");
    // Two findings of one word and category are one selected finding; of two
    // categories, two.
    Select({"  teh 1:8", "  teh 1:14"});
    EXPECT_EQ(Action(ID_IGNORE)->text(), "&Ignore All 'teh'");
    Select({"  teh 1:8", "  teh 1:20"});
    EXPECT_EQ(Action(ID_IGNORE)->text(), "&Ignore All Selected");
}

TEST_F(FindingCommands, IgnoreTakesTheWordOutOfEveryFileAndIntoTheDictionary) {
    Add("a.txt", "1:teh 2:teh\n");
    Add("b.txt", "1:teh\n");
    Run();
    Frame();
    ExpandAll();
    Select({"  teh 1:2"});
    Action(ID_IGNORE)->trigger();
    EXPECT_EQ(Rows(), (Strings{"a.txt", "  teh 1:8", "b.txt"}));
    std::string strRule;
    EXPECT_TRUE(doc.m_dictionary.LookupReplacement("teh", 1, strRule));
    EXPECT_EQ(strRule, "<ignore>");
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), "&Undo Ignore all 'teh'");
    EXPECT_TRUE(Action(ID_EDIT_UNDO)->isEnabled());
    Action(ID_EDIT_UNDO)->trigger();
    ASSERT_TRUE(WaitFor([&] { return Rows().size() == 5; }));
    EXPECT_FALSE(Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), "&Undo");
}

TEST_F(FindingCommands, ThePopupsOfferTheFirstEightSuggestions) {
    engine.Reject("wrd", {"w0", "w&1", "w2", "w3", "w4", "w5", "w6", "w7", "w8", "w9"});
    Add("a.txt", "1:wrd\n");
    Run();
    Frame();
    ExpandAll();
    Select({"  wrd 1:2"});
    emit EditMenu()->aboutToShow();
    Strings texts = MenuTexts(EditMenu());
    EXPECT_EQ(texts, (Strings{"&Edit File", "Remove File", "", "&Ignore All 'wrd'",
                              "Replace All 'wrd' with", "Replace This 'wrd' with",
                              "&Add Suggestion", "", "&Undo"}));
    for (const char* pszPopup : {"Replace All", "Replace This"}) {
        QMenu* pPopup = Popup(EditMenu(), pszPopup);
        ASSERT_NE(pPopup, nullptr);
        EXPECT_EQ(MenuTexts(pPopup), (Strings{"w0", "w&&1", "w2", "w3", "w4", "w5", "w6", "w7"}));
    }
    // Nothing selected: no popups.
    View().selectionModel()->clearSelection();
    EXPECT_EQ(Popup(EditMenu(), "Replace All"), nullptr);
}

TEST_F(FindingCommands, ReplaceThisChoosesAndIsCheckedReplaceAllMakesARule) {
    engine.Reject("wrd", {"word", "ward", "weird"});
    Add("a.txt", "1:wrd 1:wrd\n");
    Add("b.txt", "1:wrd 2:wrd\n");
    Run();
    Frame();
    ExpandAll();
    Select({"  wrd 1:2"});
    Trigger("Replace This", "weird");
    EXPECT_EQ(File(0)->m_errors[0]->m_nChosen, 2);
    EXPECT_EQ(File(0)->m_errors[1]->m_nChosen, -1);
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), "&Undo Replace 'wrd' with 'weird' in 'a.txt'");
    emit EditMenu()->aboutToShow();
    EXPECT_TRUE(Popup(EditMenu(), "Replace This")->actions()[2]->isChecked());
    EXPECT_FALSE(Popup(EditMenu(), "Replace All")->actions()[2]->isChecked());
    Trigger("Replace All", "ward");
    for (CSpellError* e : {File(0)->m_errors[0], File(0)->m_errors[1], File(1)->m_errors[0]})
        EXPECT_EQ(e->m_nChosen, 1);
    // The rule is for the Language words only.
    EXPECT_EQ(File(1)->m_errors[1]->m_nChosen, -1);
    std::string strRule;
    EXPECT_TRUE(doc.m_dictionary.LookupReplacement("wrd", 1, strRule));
    EXPECT_EQ(strRule, "ward");
    Select({"  wrd 1:8"});
    emit EditMenu()->aboutToShow();
    EXPECT_TRUE(Popup(EditMenu(), "Replace All")->actions()[1]->isChecked());
    EXPECT_FALSE(Popup(EditMenu(), "Replace All")->actions()[0]->isChecked());
    EXPECT_FALSE(doc.m_dictionary.LookupReplacement("wrd", 2, strRule));
}

TEST_F(FindingCommands, IgnoreAllInOffersEachCallUpToTwentyOne) {
    std::string calls;
    for (int i = 0; i < 23; ++i)
        calls += (i ? "," : "") + std::string("f") + std::to_string(i);
    Add("a.txt", "1:teh@" + calls + " 1:teh@g\n");
    Run();
    Frame();
    ExpandAll();
    Select({"  teh 1:2"});
    emit EditMenu()->aboutToShow();
    Strings texts = MenuTexts(EditMenu());
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](auto& t) { return t.rfind("Ignore All in '", 0) == 0; }),
              21);
    EXPECT_EQ(texts[6], "Ignore All in 'f0'");
    EXPECT_EQ(texts[26], "Ignore All in 'f20'");
    EXPECT_EQ(texts[27], "&Add Suggestion");
    std::string strSecond = Rows()[2];
    Select({strSecond});
    Frame().OnCommand(ID_IGNORE_CALLS_FIRST);
    EXPECT_TRUE(doc.m_ignoreCalls.Has("g"));
    EXPECT_EQ(Rows(), (Strings{"a.txt", "  teh 1:2"}));
    // A finding inside an ignored call shows its item checked once it counts again.
    doc.ReplaceAllWord("teh", 1, "the");
    View().Rebuild();
    Select({strSecond});
    emit EditMenu()->aboutToShow();
    EXPECT_TRUE(EditMenu()->actions()[6]->isChecked());
    EXPECT_EQ(EditMenu()->actions()[6]->text(), "Ignore All in 'g'");
}

TEST_F(FindingCommands, ClickingASuggestionChoosesItAndClickingItAgainClearsIt) {
    Add("a.txt", "1:teh\n");
    Run();
    Frame();
    ExpandAll();
    int nRow = RowOf("  teh 1:2");
    QRect cell = View().visualRect(Model().index(nRow, CResultsModel::COLUMN_SUGGESTIONS));
    QFontMetrics metrics(View().font());
    // "the, " is the first zone; "ten" starts right after it.
    QPoint onTen(cell.left() + metrics.horizontalAdvance("the, ") + 2, cell.center().y());
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, onTen);
    EXPECT_EQ(File(0)->m_errors[0]->m_nChosen, 1);
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{nRow});
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, onTen);
    EXPECT_EQ(File(0)->m_errors[0]->m_nChosen, -1);
    // Both clicks were recorded: undo goes back through them.
    doc.UndoLast();
    EXPECT_EQ(File(0)->m_errors[0]->m_nChosen, 1);
    // Right of the last zone nothing is hit.
    QPoint beyond(cell.left() + metrics.horizontalAdvance("the, ten, ") + 4, cell.center().y());
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, beyond);
    EXPECT_EQ(File(0)->m_errors[0]->m_nChosen, 1);
    QTest::mouseMove(View().viewport(), onTen);
    EXPECT_EQ(View().viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(View().viewport(), beyond);
    EXPECT_EQ(View().viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FindingCommands, AddSuggestionPutsTheTextFirstAndKeepsTheFormerChoice) {
    engine.Reject("wrd", {"word", "ward", "weird"});
    Add("a.txt", "1:wrd\n");
    Run();
    ASSERT_TRUE(doc.ChooseSuggestion(File(0)->m_errors[0], 2));
    Frame();
    ExpandAll();
    int nRow = RowOf("  wrd 1:2");
    QModelIndex cell = Model().index(nRow, CResultsModel::COLUMN_SUGGESTIONS);
    // No edit starts without the command.
    View().edit(cell);
    EXPECT_EQ(View().findChild<CSuggestionEdit*>(), nullptr);
    Select({"  wrd 1:2"});
    EXPECT_TRUE(Action(ID_ADD_SUGGESTION)->isEnabled());
    Action(ID_ADD_SUGGESTION)->trigger();
    auto* pEdit = View().findChild<CSuggestionEdit*>();
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->text(), "wrd");
    EXPECT_EQ(pEdit->x(), View().columnViewportPosition(CResultsModel::COLUMN_SUGGESTIONS));
    pEdit->move(pEdit->x() + 40, pEdit->y());
    EXPECT_EQ(pEdit->x(), View().columnViewportPosition(CResultsModel::COLUMN_SUGGESTIONS));
    pEdit->setText("wired");
    QTest::keyClick(pEdit, Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return View().findChild<CSuggestionEdit*>() == nullptr; }));
    EXPECT_EQ(File(0)->m_errors[0]->m_suggestions, (Strings{"wired", "word", "ward", "weird"}));
    EXPECT_EQ(File(0)->m_errors[0]->m_nChosen, 0);
    View().edit(cell);
    EXPECT_EQ(View().findChild<CSuggestionEdit*>(), nullptr);
}

TEST_F(FindingCommands, AnAddedSuggestionCancelledOrEmptyChangesNothing) {
    Add("a.txt", "1:teh\n");
    Run();
    Frame();
    ExpandAll();
    for (bool bEscape : {true, false}) {
        Select({"  teh 1:2"});
        Action(ID_ADD_SUGGESTION)->trigger();
        auto* pEdit = View().findChild<CSuggestionEdit*>();
        ASSERT_NE(pEdit, nullptr);
        pEdit->setText(bEscape ? "typed" : "");
        QTest::keyClick(pEdit, bEscape ? Qt::Key_Escape : Qt::Key_Return);
        ASSERT_TRUE(WaitFor([&] { return View().findChild<CSuggestionEdit*>() == nullptr; }));
        EXPECT_EQ(File(0)->m_errors[0]->m_suggestions, (Strings{"the", "ten"}));
    }
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(FindingCommands, ShowOnlyNarrowsTheListToTheSelectedWords) {
    engine.Reject("wrd", {"word"});
    Add("a.txt", "1:teh 1:wrd 2:teh\n");
    Run();
    Frame();
    ExpandAll();
    EXPECT_EQ(Action(ID_SHOW_ONLY_WORD)->text(), "Show Errors of Selected Type");
    EXPECT_FALSE(Action(ID_SHOW_ONLY_WORD)->isEnabled());
    Select({"  teh 1:2", "  wrd 1:8"});
    EXPECT_EQ(Action(ID_SHOW_ONLY_WORD)->text(), "Show Only Selected Errors");
    Select({"  teh 1:2"});
    EXPECT_EQ(Action(ID_SHOW_ONLY_WORD)->text(), "Show Only 'teh' Errors");
    Action(ID_SHOW_ONLY_WORD)->trigger();
    EXPECT_EQ(Rows(), (Strings{"a.txt", "  teh 1:2", "  teh 1:14"}));
    EXPECT_EQ(Frame().GetFilterBox()->currentText(), "'teh' Errors");
    EXPECT_EQ(View().m_filter.GetPreset(), PRESET_SELECTED);
}

TEST_F(FindingCommands, TheSelectedErrorsEntryFollowsTheSelectionWhenTheListOpens) {
    engine.Reject("wrd", {"word"});
    Add("a.txt", "1:teh 1:wrd\n");
    Run();
    Frame();
    ExpandAll();
    QComboBox* pBox = Frame().GetFilterBox();
    pBox->showPopup();
    EXPECT_EQ(pBox->findData(PRESET_SELECTED), -1);
    pBox->hidePopup();
    Select({"  wrd 1:8"});
    pBox->showPopup();
    int nEntry = pBox->findData(PRESET_SELECTED);
    ASSERT_EQ(nEntry, 7);
    EXPECT_EQ(pBox->itemText(nEntry), "'wrd' Errors");
    pBox->hidePopup();
    emit pBox->activated(nEntry);
    EXPECT_EQ(Rows(), (Strings{"a.txt", "  wrd 1:8"}));
    EXPECT_EQ(pBox->currentText(), "'wrd' Errors");
    // Chosen without a selected finding, the entry does nothing at all.
    View().selectionModel()->clearSelection();
    emit pBox->activated(nEntry);
    EXPECT_EQ(View().m_filter.m_words, Strings{"wrd"});
    emit pBox->activated(0);
    EXPECT_EQ(Rows().size(), 3u);
    pBox->showPopup();
    EXPECT_EQ(pBox->findData(PRESET_SELECTED), -1);
    pBox->hidePopup();
}

TEST_F(FindingCommands, RemovingFilesAsksAndSelectsTheRowAtTheOldPlace) {
    std::string a = Add("a.txt", "");
    Add("b.txt", "");
    std::string c = Add("c.txt", "");
    Run();
    Frame();
    Select({"c.txt"});
    EXPECT_EQ(Action(ID_REMOVE_FILE)->text(), "Remove File");
    app.Display().QueueAnswer(IDNO);
    Action(ID_REMOVE_FILE)->trigger();
    EXPECT_EQ(app.Display().Messages().back(), "Remove file '" + c + "'?");
    EXPECT_EQ(Rows().size(), 3u);
    app.Display().QueueAnswer(IDYES);
    Action(ID_REMOVE_FILE)->trigger();
    EXPECT_EQ(Rows(), (Strings{"a.txt", "b.txt"}));
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{1});
    EXPECT_EQ(doc.m_declinedFiles, Strings{c});
    Select({"a.txt", "b.txt"});
    EXPECT_EQ(Action(ID_REMOVE_FILE)->text(), "Remove Files");
    app.Display().QueueAnswer(IDYES);
    Action(ID_REMOVE_FILE)->trigger();
    EXPECT_EQ(app.Display().Messages().back(), "Remove 2 files?");
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(Action(ID_REMOVE_FILE)->isEnabled());
}

TEST_F(FindingCommands, AfterRemovingTheLastRowsNoRowMayBeLeftToSelect) {
    Add("a.txt", "");
    Add("b.txt", "1:teh 1:teh\n");
    Run();
    Frame();
    ExpandAll();
    ASSERT_EQ(Rows().size(), 4u);
    Select({"  teh 1:8"});
    app.Display().QueueAnswer(IDYES);
    Action(ID_REMOVE_FILE)->trigger();
    EXPECT_EQ(Rows(), Strings{"a.txt"});
    EXPECT_TRUE(View().SelectedRows().empty());
}

// Each press steps on from the row it reached, and the selection moves with it.
TEST_F(FindingCommands, NextAndPreviousErrorStepFromFileToFileWithFindings) {
    Add("a.txt", "1:teh\n");
    Add("b.txt", "");
    Add("c.txt", "1:teh\n");
    Add("d.txt", "1:teh\n");
    Run();
    Frame();
    EXPECT_FALSE(Action(ID_NEXT_ERROR)->isEnabled());
    Select({"a.txt"});
    EXPECT_TRUE(Action(ID_NEXT_ERROR)->isEnabled());
    Action(ID_NEXT_ERROR)->trigger();
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{2});
    Action(ID_NEXT_ERROR)->trigger();
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{3});
    EXPECT_EQ(View().currentIndex().row(), 3);
    // Past the last file with findings nothing moves.
    Action(ID_NEXT_ERROR)->trigger();
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{3});
    Action(ID_PREVIOUS_ERROR)->trigger();
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{2});
    Action(ID_PREVIOUS_ERROR)->trigger();
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{0});
    Action(ID_PREVIOUS_ERROR)->trigger();
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{0});
}

TEST_F(FindingCommands, ExpandAndCollapseAllNeedRows) {
    Frame();
    EXPECT_FALSE(Action(ID_EXPAND_ALL)->isEnabled());
    Add("a.txt", "1:teh\n");
    Add("b.txt", "1:teh\n");
    Run();
    View().FillList();
    Frame().UpdateCommands();
    EXPECT_TRUE(Action(ID_EXPAND_ALL)->isEnabled());
    Action(ID_EXPAND_ALL)->trigger();
    EXPECT_EQ(Rows().size(), 4u);
    Action(ID_COLLAPSE_ALL)->trigger();
    EXPECT_EQ(Rows(), (Strings{"a.txt", "b.txt"}));
}

TEST_F(FindingCommands, EditFileOpensTheOneSelectedFile) {
    std::string a = Add("a.txt", "1:teh\n");
    Add("b.txt", "");
    Run();
    Frame();
    ExpandAll();
    Strings opened;
    View().SetFileOpener([&](const std::string& strPath) {
        opened.push_back(strPath);
        return true;
    });
    Select({"a.txt", "  teh 1:2"});
    EXPECT_TRUE(Action(ID_EDIT_FILE)->isEnabled());
    Action(ID_EDIT_FILE)->trigger();
    EXPECT_EQ(opened, Strings{a});
    Select({"a.txt", "b.txt"});
    EXPECT_FALSE(Action(ID_EDIT_FILE)->isEnabled());
}

TEST_F(FindingCommands, TheContextMenusHoldTheSameCommands) {
    Add("a.txt", "1:teh\n");
    Run();
    Frame();
    ExpandAll();
    Select({"  teh 1:2"});
    std::unique_ptr<QMenu> pFileMenu(Frame().BuildContextMenu(true));
    EXPECT_EQ(MenuTexts(pFileMenu.get()), (Strings{"&Edit File", "Remove File"}));
    std::unique_ptr<QMenu> pErrorMenu(Frame().BuildContextMenu(false));
    EXPECT_EQ(MenuTexts(pErrorMenu.get()),
              (Strings{"&Ignore All 'teh'", "Replace All 'teh' with", "Replace This 'teh' with",
                       "&Add Suggestion", "", "&Edit File", "Remove File", "",
                       "Show Only 'teh' Errors"}));
    Popup(pErrorMenu.get(), "Replace This")->actions()[1]->trigger();
    EXPECT_EQ(File(0)->m_errors[0]->m_nChosen, 1);
}

TEST_F(FindingCommands, ARightClickAsksForTheMenuOfWhatIsSelected) {
    Add("a.txt", "1:teh\n");
    Run();
    CMirtView view(doc, app);
    view.resize(600, 300);
    view.show();
    view.OnInitialUpdate();
    std::vector<bool> asked;
    QObject::connect(&view, &CMirtView::ContextMenuRequested,
                     [&](const QPoint&, bool bFileMenu) { asked.push_back(bFileMenu); });
    view.ToggleExpand(0, view.GetModel().GetFile(0));
    QContextMenuEvent none(QContextMenuEvent::Mouse, QPoint(10, 10), QPoint(10, 10));
    QApplication::sendEvent(view.viewport(), &none);
    EXPECT_TRUE(asked.empty());
    view.SelectRow(1);
    QContextMenuEvent onFinding(QContextMenuEvent::Mouse, QPoint(10, 10), QPoint(10, 10));
    QApplication::sendEvent(view.viewport(), &onFinding);
    view.selectionModel()->select(view.GetModel().index(0, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QContextMenuEvent onBoth(QContextMenuEvent::Mouse, QPoint(10, 10), QPoint(10, 10));
    QApplication::sendEvent(view.viewport(), &onBoth);
    EXPECT_EQ(asked, (std::vector<bool>{false, true}));
    view.m_bClosing = true;
}

TEST_F(FindingCommands, AnAddedSuggestionStaysWithItsFindingWhenTheSelectionMoves) {
    engine.Reject("wrd", {"word"});
    Add("a.txt", "1:teh 1:wrd\n");
    Run();
    Frame();
    ExpandAll();
    Select({"  teh 1:2"});
    Action(ID_ADD_SUGGESTION)->trigger();
    auto* pEdit = View().findChild<CSuggestionEdit*>();
    ASSERT_NE(pEdit, nullptr);
    pEdit->setText("typed");
    // Find Next moves the selection while the box is open.
    Frame().GetSearchBox()->setText("wrd");
    Action(ID_FIND_NEXT)->trigger();
    EXPECT_EQ(File(0)->m_errors[0]->m_suggestions.front(), "typed");
    EXPECT_EQ(File(0)->m_errors[1]->m_suggestions, Strings{"word"});
    ASSERT_TRUE(WaitFor([&] { return View().findChild<CSuggestionEdit*>() == nullptr; }));
}

TEST_F(FindingCommands, ARebuildUnderAnOpenEditKeepsTheTextAndEndsTheEdit) {
    Add("a.txt", "1:teh\n");
    Run();
    Frame();
    ExpandAll();
    Select({"  teh 1:2"});
    Action(ID_ADD_SUGGESTION)->trigger();
    auto* pEdit = View().findChild<CSuggestionEdit*>();
    ASSERT_NE(pEdit, nullptr);
    pEdit->setText("tea");
    View().Rebuild();
    EXPECT_EQ(File(0)->m_errors[0]->m_suggestions.front(), "tea");
    ASSERT_TRUE(WaitFor([&] { return View().findChild<CSuggestionEdit*>() == nullptr; }));
    // No edit starts afterwards without the command.
    View().edit(Model().index(RowOf("  teh 1:2"), CResultsModel::COLUMN_SUGGESTIONS));
    EXPECT_EQ(View().findChild<CSuggestionEdit*>(), nullptr);
}

TEST_F(FindingCommands, ClosingDuringAnEditAsksToSaveWhatWasTyped) {
    Add("a.txt", "1:teh\n");
    Run();
    Frame();
    ExpandAll();
    doc.SetModifiedFlag(false);
    Select({"  teh 1:2"});
    Action(ID_ADD_SUGGESTION)->trigger();
    auto* pEdit = View().findChild<CSuggestionEdit*>();
    ASSERT_NE(pEdit, nullptr);
    pEdit->setText("tea");
    app.Display().QueueAnswer(IDCANCEL);
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(app.Display().Messages(), Strings{"Save changes to Untitled?"});
    EXPECT_EQ(File(0)->m_errors[0]->m_suggestions.front(), "tea");
}

TEST_F(FindingCommands, AChoiceWithTheMouseWakesUndoAndSaveChanges) {
    Add("a.txt", "1:teh\n");
    Run();
    Frame();
    ExpandAll();
    EXPECT_FALSE(Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(Action(ID_SAVE_CHANGES)->isEnabled());
    QRect cell = View().visualRect(Model().index(1, CResultsModel::COLUMN_SUGGESTIONS));
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {},
                      QPoint(cell.left() + 2, cell.center().y()));
    ASSERT_EQ(File(0)->m_errors[0]->m_nChosen, 0);
    EXPECT_TRUE(Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_TRUE(Action(ID_SAVE_CHANGES)->isEnabled());
    EXPECT_TRUE(Frame().isWindowModified());
    // A second click takes the choice back, and with it the change to save.
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {},
                      QPoint(cell.left() + 2, cell.center().y()));
    ASSERT_EQ(File(0)->m_errors[0]->m_nChosen, -1);
    EXPECT_FALSE(Action(ID_SAVE_CHANGES)->isEnabled());
}

TEST_F(FindingCommands, TheFindingCommandsStayDuringARunAndTheProjectOnesWait) {
    engine.Reject("hold", {"held"});
    Add("a.txt", "1:teh\n");
    Add("b.txt", "1:hold\n");
    Run();
    File(1)->m_tChecked = 0;
    File(1)->m_nStatus = -1;
    Frame();
    ExpandAll();
    Select({"  teh 1:2"});
    HoldAt("hold");
    Action(ID_RUN)->trigger();
    ASSERT_TRUE(hold.WaitUntilHeld());
    Select({"  teh 1:2"});
    for (int nId :
         {int(ID_IGNORE), int(ID_ADD_SUGGESTION), int(ID_REMOVE_FILE), int(ID_VIEW_DICTIONARY)})
        EXPECT_TRUE(Action(nId)->isEnabled()) << nId;
    for (int nId : {int(ID_SAVE_CHANGES), int(ID_OPTIONS), int(ID_SYNTAX_ASSOCIATIONS),
                    int(ID_CREATE_REPORT)})
        EXPECT_FALSE(Action(nId)->isEnabled()) << nId;
    hold.Release();
    CloseResults();
}
