// The main window: its menus, keys and toolbar as a user and a screen reader meet
// them, the status bar through a run, the command states during a run, and the
// document commands with their questions.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QWidgetAction>

#include <deque>

#include "platform/RecentFileList.h"
#include "project/CheckOptions.h"
#include "project/FileOrder.h"
#include "tests/ui_support/FrameFixture.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MirtResultsDlg.h"
#include "ui/MirtView.h"

namespace {
using Strings = std::vector<std::string>;

class MainFrame : public CFrameTest {};
} // namespace

TEST_F(MainFrame, MenusHoldTheirItemsInOrder) {
    EXPECT_EQ(MenuTexts("&File"), (Strings{"&Add Files...", "Add &Folder...", "", "&New",
                                           "&Open...", "&Save", "", "Recent File", "", "E&xit"}));
    EXPECT_EQ(MenuTexts("&SpellCheck"),
              (Strings{"&Run", "", "&Save Changes", "&Create Error Report...", "&Reset results", "",
                       "&View Dictionary...", "&Options...", "Syntax &Associations..."}));
    // "Remove File" as its update rule words it without a selection.
    EXPECT_EQ(MenuTexts("&Edit"), (Strings{"&Edit File", "Remove File", "", "&Ignore",
                                           "&Add Suggestion", "", "&Undo"}));
    EXPECT_EQ(MenuTexts("&View"), (Strings{"&Find", "Find Next", "Find Prev", "", "&Next Error",
                                           "&Previous Error", "", "E&xpand All", "&Collapse All"}));
    EXPECT_EQ(MenuTexts("&Sort"), (Strings{"Add Order", "File Name", "File Type", "Last Check Date",
                                           "Modification Date", "Number of Errors"}));
    EXPECT_EQ(MenuTexts("&Help"),
              (Strings{"&Help Topics...", "&Support...", "", "&About MIRT..."}));
}

TEST_F(MainFrame, KeysAreShortcutsOutsideTheItemsTexts) {
    const std::pair<int, const char*> keys[] = {{ID_FILE_NEW, "Ctrl+N"},
                                                {ID_FILE_OPEN, "Ctrl+O"},
                                                {ID_FILE_SAVE, "Ctrl+S"},
                                                {ID_EDIT_FILE, "Ctrl+E"},
                                                {ID_REMOVE_FILE, "Del"},
                                                {ID_IGNORE, "Ctrl+I"},
                                                {ID_NEXT_ERROR, "Ctrl+Down"},
                                                {ID_PREVIOUS_ERROR, "Ctrl+Up"},
                                                {ID_FIND, "Ctrl+F"},
                                                {ID_FIND_NEXT, "F3"},
                                                {ID_FIND_PREVIOUS, "Shift+F3"},
                                                {ID_EXPORT_WORDS, "Ctrl+Alt+Shift+E"}};
    for (const auto& [nId, pszKey] : keys)
        EXPECT_EQ(Action(nId)->shortcut(), QKeySequence(pszKey)) << nId;
    EXPECT_EQ(Action(ID_EDIT_UNDO)->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    // No item carries its keys in its text, so a screen reader reads the text alone.
    for (QAction* pAction : Frame().findChildren<QAction*>())
        EXPECT_FALSE(pAction->text().contains('\t')) << pAction->text().toStdString();
}

TEST_F(MainFrame, TheToolbarHoldsItsButtonsAndBoxesInOrder) {
    Strings items;
    for (QAction* pAction : Frame().GetToolBar()->actions()) {
        if (pAction->isSeparator())
            items.push_back("|");
        else if (auto* pWidgetAction = qobject_cast<QWidgetAction*>(pAction))
            items.push_back(pWidgetAction->defaultWidget()->metaObject()->className());
        else
            items.push_back(
                Frame().GetToolBar()->widgetForAction(pAction)->accessibleName().toStdString());
    }
    EXPECT_EQ(items, (Strings{"Add Folder...", "Add Files...", "Save", "|", "Run", "Save Changes",
                              "Options...", "|", "Ignore", "QLabel", "CFilterBox", "QLabel",
                              "QLineEdit", "Find Next", "Find Prev", "|", "Help"}));
    QComboBox* pBox = Frame().GetFilterBox();
    Strings entries;
    for (int i = 0; i < pBox->count(); ++i) {
        entries.push_back(pBox->itemText(i).toStdString());
        EXPECT_EQ(pBox->itemData(i).toInt(), i);
    }
    EXPECT_EQ(entries,
              (Strings{"All", "Pending Changes", "Errors", "Profanity", "Language Errors",
                       "Comment Errors", "Code Errors", "Selected Errors", "Advanced filter..."}));
    EXPECT_EQ(pBox->currentText(), "All");
    EXPECT_EQ(Action(ID_SAVE_CHANGES)->toolTip(), "Save changes");
    EXPECT_EQ(Action(ID_SAVE_CHANGES)->statusTip(), "Save all changes");
}

TEST_F(MainFrame, TheSearchBoxStartsWithTheLastSearchAndEnterFindsNext) {
    app.Settings().WriteString("", "LastSearch", "te");
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("z.txt", "");
    Add("a.txt", "1:teh\n");
    Run();
    QLineEdit* pSearch = Frame().GetSearchBox();
    EXPECT_EQ(pSearch->text(), "te");
    pSearch->setText("th");
    pSearch->setFocus();
    QTest::keyClick(pSearch, Qt::Key_Return);
    EXPECT_EQ(app.Settings().GetString("", "LastSearch", ""), "th");
    EXPECT_EQ(Frame().GetView()->SelectedRows(), std::vector<int>{2});
}

TEST_F(MainFrame, TheStatusBarFollowsTheRun) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    engine.Reject("hold", {"held"});
    Add("a.txt", "1:teh\n");
    std::string b = Add("b.txt", "1:hold\n");
    EXPECT_EQ(Frame().GetMessageText(), "Ready");
    HoldAt(CRunHold::START);
    Action(ID_RUN)->trigger();
    ASSERT_TRUE(hold.WaitUntilHeld());
    EXPECT_TRUE(WaitFor([&] { return Frame().GetMessageText() == "Preparing MS Word..."; }));
    hold.Release();
    CloseResults();
    EXPECT_EQ(Frame().GetMessageText(), "Ready");
}

TEST_F(MainFrame, TheStatusBarShowsTheFileBeingCheckedThenReady) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    engine.Reject("hold", {"held"});
    Add("a.txt", "1:teh\n");
    std::string b = Add("b.txt", "1:hold\n");
    Frame();
    HoldAt("hold");
    Action(ID_RUN)->trigger();
    ASSERT_TRUE(hold.WaitUntilHeld());
    EXPECT_TRUE(WaitFor([&] { return Frame().GetMessageText().toStdString() == "Checking " + b; }));
    hold.Release();
    CloseResults();
    EXPECT_EQ(Frame().GetMessageText(), "Ready");
}

TEST_F(MainFrame, ADocumentCommandWaitsForTheRunToEnd) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    engine.Reject("hold", {"held"});
    Add("a.txt", "1:hold\n");
    Frame();
    HoldAt("hold");
    Action(ID_RUN)->trigger();
    ASSERT_TRUE(hold.WaitUntilHeld());
    EXPECT_TRUE(Action(ID_RUN)->isChecked());
    for (int nId : {int(ID_FILE_NEW), int(ID_FILE_OPEN), int(ID_FILE_SAVE), int(ID_RESET_RESULTS),
                    int(SORT_FILE_NAME), int(SORT_ADD_ORDER)})
        EXPECT_FALSE(Action(nId)->isEnabled()) << nId;
    EXPECT_FALSE(Frame().OnFileNew());
    hold.Release();
    CloseResults();
    EXPECT_FALSE(Action(ID_RUN)->isChecked());
    for (int nId : {int(ID_FILE_NEW), int(ID_FILE_OPEN), int(ID_FILE_SAVE), int(ID_RESET_RESULTS),
                    int(SORT_FILE_NAME)})
        EXPECT_TRUE(Action(nId)->isEnabled()) << nId;
    EXPECT_TRUE(Action(SORT_ADD_ORDER)->isChecked());
    EXPECT_FALSE(Action(SORT_FILE_NAME)->isChecked());
}

TEST_F(MainFrame, TheTitleNamesTheProjectAndItsChanges) {
    EXPECT_EQ(Frame().windowTitle(), "Untitled[*] - MIRT");
    EXPECT_FALSE(Frame().isWindowModified());
    doc.SetModifiedFlag();
    Frame().UpdateCommands();
    EXPECT_TRUE(Frame().isWindowModified());
    chosen.push_back(dir / "named.mrk");
    EXPECT_TRUE(Frame().OnFileSave());
    EXPECT_EQ(chooserAsked, std::vector<bool>{true});
    EXPECT_EQ(Frame().windowTitle(), "named.mrk[*] - MIRT");
    EXPECT_FALSE(Frame().isWindowModified());
}

TEST_F(MainFrame, AModifiedProjectIsOfferedForSavingBeforeNew) {
    Add("a.txt", "");
    doc.SetModifiedFlag();
    app.Display().QueueAnswer(IDCANCEL);
    EXPECT_FALSE(Frame().OnFileNew());
    EXPECT_EQ(app.Display().Messages(), Strings{"Save changes to Untitled?"});
    EXPECT_EQ(app.Display().Types().back(), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    EXPECT_EQ(doc.m_files.size(), 1u);
    app.Display().QueueAnswer(IDYES);
    chosen.push_back(dir / "kept.mrk");
    EXPECT_TRUE(Frame().OnFileNew());
    EXPECT_TRUE(doc.m_files.empty());
    EXPECT_EQ(recent.GetFiles(), Strings{dir / "kept.mrk"});
    // What was saved is the project before New.
    EXPECT_TRUE(Frame().OpenProject(dir / "kept.mrk"));
    EXPECT_EQ(doc.m_files.size(), 1u);
}

TEST_F(MainFrame, NoSavesWhatIsThereNotAndCancellingTheNameKeepsTheProject) {
    Add("a.txt", "");
    doc.SetModifiedFlag();
    app.Display().QueueAnswer(IDYES);
    EXPECT_FALSE(Frame().OnFileNew());
    EXPECT_EQ(doc.m_files.size(), 1u);
    app.Display().QueueAnswer(IDNO);
    EXPECT_TRUE(Frame().OnFileNew());
    EXPECT_TRUE(doc.m_files.empty());
}

TEST_F(MainFrame, AProjectThatCannotBeReadLeavesAnEmptyNewProject) {
    std::string broken = dir.WriteFile("broken.mrk", "\x05\x00\x00\x00\x09");
    recent.Add(broken);
    Add("a.txt", "");
    chosen.push_back(broken);
    EXPECT_FALSE(Frame().OnFileOpen());
    ASSERT_EQ(app.Display().Messages().size(), 1u);
    EXPECT_EQ(app.Display().Messages()[0].rfind("Unable to read project file " + broken, 0), 0u);
    EXPECT_TRUE(doc.m_files.empty());
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_TRUE(recent.GetFiles().empty());
    EXPECT_EQ(Frame().windowTitle(), "Untitled[*] - MIRT");
}

TEST_F(MainFrame, OpenedProjectsJoinTheRecentFiles) {
    Add("a.txt", "");
    ASSERT_TRUE(doc.OnSaveDocument(dir / "p.mrk"));
    Frame();
    ASSERT_TRUE(Frame().OnFileNew());
    ASSERT_TRUE(Frame().OpenProject(dir / "p.mrk"));
    EXPECT_EQ(recent.GetFiles(), Strings{dir / "p.mrk"});
    EXPECT_EQ(doc.m_files.size(), 1u);
    emit Frame().GetMenu("&File")->aboutToShow();
    Strings texts = MenuTexts("&File");
    EXPECT_EQ(texts[7], "&1 " + (dir / "p.mrk"));
    EXPECT_TRUE(Frame().GetMenu("&File")->actions()[7]->isEnabled());
}

TEST_F(MainFrame, TheFilterBoxDrivesTheList) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, CATEGORY_COMMENT);
    Add("a.txt", "1:teh\n");
    Add("b.txt", "2:darn\n");
    Run();
    emit Frame().GetFilterBox()->activated(3);
    EXPECT_EQ(Frame().GetView()->m_filter.GetPreset(), PRESET_PROFANITY);
    EXPECT_EQ(Frame().GetView()->GetModel().GetSize(), 1);
    EXPECT_EQ(Frame().GetFilterBox()->currentIndex(), 3);
    // A new project shows everything again.
    ASSERT_TRUE(Frame().OnFileNew());
    EXPECT_EQ(Frame().GetFilterBox()->currentText(), "All");
}

TEST_F(MainFrame, ARunMessageIsAnsweredInTheWindowWhileTheRunWaits) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    std::string gone = Add("gone.txt", "1:teh\n");
    Add("b.txt", "1:teh\n");
    std::remove(gone.c_str());
    Frame();
    Action(ID_RUN)->trigger();
    QMessageBox* pBox = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (pBox = OpenMessageBox()) != nullptr; }));
    EXPECT_EQ(pBox->text().toStdString(), "Unable to open file " + gone);
    EXPECT_EQ(pBox->icon(), QMessageBox::Warning);
    EXPECT_TRUE(doc.IsRunning());
    pBox->button(QMessageBox::Ok)->click();
    CloseResults();
    // The refresh after the run dropped the file that is gone.
    ASSERT_EQ(doc.m_files.size(), 1u);
    EXPECT_EQ(File(0)->m_errors.size(), 1u);
}

TEST_F(MainFrame, StoppingTheRunClosesItsOpenMessage) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    std::string gone = Add("gone.txt", "1:teh\n");
    std::remove(gone.c_str());
    Frame();
    Action(ID_RUN)->trigger();
    ASSERT_TRUE(WaitFor([&] { return OpenMessageBox() != nullptr; }));
    doc.StopCheckingThread();
    EXPECT_FALSE(doc.HasCheckingThread());
    EXPECT_TRUE(WaitFor([&] { return OpenMessageBox() == nullptr; }));
}

TEST_F(MainFrame, ClosingDuringARunCancelsItFirst) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    engine.Reject("hold", {"held"});
    Add("a.txt", "1:hold\n");
    Add("b.txt", "1:teh\n");
    Frame();
    HoldAt("hold");
    Action(ID_RUN)->trigger();
    ASSERT_TRUE(hold.WaitUntilHeld());
    EXPECT_FALSE(Frame().close());
    EXPECT_FALSE(doc.IsRunning());
    EXPECT_TRUE(Frame().isVisible());
    hold.Release();
    EXPECT_TRUE(WaitFor([&] { return !Frame().isVisible(); }));
    EXPECT_EQ(Frame().GetView()->findChild<CMirtResultsDlg*>(), nullptr);
    EXPECT_EQ(File(1)->m_nStatus, -1);
}

TEST(ResultsDialog, CountsShowOnlyWhereTheOptionsAskedForThem) {
    SCheckStats stats;
    stats.nFilesChecked = 4;
    stats.nFilesWithErrors = 2;
    stats.nSpellingLanguage = 0;
    stats.nProfanityLanguage = 3;
    stats.nSpellingComment = 5;
    CMirtResultsDlg dialog(stats, MakeCheckOptions(CATEGORY_LANGUAGE, CATEGORY_LANGUAGE), nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Results");
    EXPECT_EQ(dialog.m_pFilesChecked->text(), "4");
    EXPECT_EQ(dialog.m_pFilesWithErrors->text(), "2");
    EXPECT_EQ(dialog.Cell(0, 0)->text(), "0");
    EXPECT_EQ(dialog.Cell(0, 0)->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(dialog.Cell(0, 1)->text(), "3");
    EXPECT_EQ(dialog.Cell(0, 1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QColor normal = QLabel().palette().color(QPalette::WindowText);
    for (int nCategory : {1, 2})
        for (int nKind : {0, 1}) {
            EXPECT_EQ(dialog.Cell(nCategory, nKind)->text(), "N/A");
            EXPECT_EQ(dialog.Cell(nCategory, nKind)->palette().color(QPalette::WindowText), normal);
        }
}

TEST(ResultsDialog, CreateErrorReportClosesAsOkAndAsksForTheReport) {
    CMirtResultsDlg dialog(SCheckStats(),
                           MakeCheckOptions(CHECK_ALL_CATEGORIES, CHECK_ALL_CATEGORIES), nullptr);
    dialog.show();
    dialog.m_pCreateReport->click();
    EXPECT_TRUE(dialog.m_bReportRequested);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.m_pCreateReport->text(), "&Create Error Report...");
}

TEST_F(MainFrame, ACancelledRunEndsBeforeTheProjectCanBeReplaced) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    engine.Reject("hold", {"held"});
    Add("a.txt", "1:hold 1:teh\n");
    Frame();
    HoldAt("hold");
    Action(ID_RUN)->trigger();
    ASSERT_TRUE(hold.WaitUntilHeld());
    Action(ID_RUN)->trigger(); // cancels; the run still ends its file
    EXPECT_FALSE(Action(ID_RUN)->isChecked());
    for (int nId : {int(ID_FILE_NEW), int(ID_FILE_OPEN), int(ID_RESET_RESULTS)})
        EXPECT_FALSE(Action(nId)->isEnabled()) << nId;
    EXPECT_FALSE(Frame().OnFileNew());
    hold.Release();
    CloseResults();
    EXPECT_TRUE(Action(ID_FILE_NEW)->isEnabled());
    EXPECT_TRUE(Frame().OnFileNew());
}

TEST_F(MainFrame, WhatAFormerProjectsRunSentIsDropped) {
    Frame();
    SViewNotification notice;
    notice.nCode = NOTIFY_RUN_ENDED;
    notice.pStats = std::make_unique<SCheckStats>();
    notice.nGeneration = doc.GetGeneration();
    ASSERT_TRUE(Frame().OnFileNew());
    int nHandled = 0;
    QObject::connect(&View(), &CMirtView::IdleMessageRequested, [&] { ++nHandled; });
    View().PostNotification(std::move(notice));
    // One of the new project's, which the queue delivers after the old one.
    SViewNotification current;
    current.nCode = NOTIFY_FILE;
    current.nGeneration = doc.GetGeneration();
    View().PostNotification(std::move(current));
    ASSERT_TRUE(WaitFor([&] { return nHandled > 0; }));
    EXPECT_EQ(nHandled, 1);
    EXPECT_EQ(View().findChild<CMirtResultsDlg*>(), nullptr);
}

TEST_F(MainFrame, RecentFilesCarryTheirCommandIds) {
    recent.Add("/p/one.mrk");
    recent.Add("/p/two.mrk");
    emit Frame().GetMenu("&File")->aboutToShow();
    QList<QAction*> actions = Frame().GetMenu("&File")->actions();
    EXPECT_EQ(actions[7]->text(), "&1 /p/two.mrk");
    EXPECT_EQ(actions[7]->data().toInt(), ID_FILE_MRU_FIRST);
    EXPECT_EQ(actions[8]->data().toInt(), ID_FILE_MRU_FIRST + 1);
}
