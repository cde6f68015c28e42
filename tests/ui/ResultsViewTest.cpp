// The results list over a real project: rows, what they expose to screen readers,
// expansion, the selection across rebuilds, the filter presets, sorting and search.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QTest>
#include <QThread>

#include <thread>

#include "project/CheckOptions.h"
#include "project/ResultFilter.h"
#include "tests/ui_support/UiFixture.h"
#include "ui/DisplayText.h"
#include "ui/MirtResultsDlg.h"
#include "ui/MirtView.h"
#include "ui/ResultsModel.h"

namespace {
class ResultsView : public CUiTest {
protected:
    void SetUp() override {
        CUiTest::SetUp();
        doc.m_options.m_nCheckOptions =
            MakeCheckOptions(CHECK_ALL_CATEGORIES, CHECK_ALL_CATEGORIES);
    }
    void TearDown() override {
        pView.reset();
        CUiTest::TearDown();
    }
    // The view comes after the test's own runs, so it sees none of their notifications.
    CMirtView& View() {
        if (!pView) {
            pView = std::make_unique<CMirtView>(doc, app);
            pView->resize(700, 300);
            pView->show();
            pView->OnInitialUpdate();
        }
        return *pView;
    }
    CResultsModel& Model() { return View().GetModel(); }
    // One line per row: a file's name, or a finding as "  word line:pos".
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < Model().GetSize(); ++i) {
            if (CSpellError* e = Model().GetError(i))
                rows.push_back("  " + e->m_strWord + " " + std::to_string(e->m_nLine) + ":" +
                               std::to_string(e->m_nPos));
            else
                rows.push_back(Model().GetFile(i)->GetDisplayName());
        }
        return rows;
    }
    std::string Cell(int nRow, int nColumn) {
        return Model()
            .data(Model().index(nRow, nColumn), Qt::AccessibleTextRole)
            .toString()
            .toStdString();
    }
    int RowOf(const std::string& strRow) {
        std::vector<std::string> rows = Rows();
        auto it = std::find(rows.begin(), rows.end(), strRow);
        return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
    }
    void Expand(const std::string& strFile) {
        int nRow = RowOf(strFile);
        ASSERT_GE(nRow, 0) << strFile;
        View().ToggleExpand(nRow, Model().GetFile(nRow));
    }
    // A checked project: a.txt with three spelling findings on two lines, b.txt with an
    // indecent word, c.txt with spelling only, d.txt never checked.
    void CheckedProject() {
        Add("a.txt", "1:teh 2:teh\n4:teh\n");
        Add("b.txt", "2:darn\n");
        Add("c.txt", "1:teh\n");
        Run();
        Add("d.txt", "1:teh\n");
    }

    using Strings = std::vector<std::string>;
    std::unique_ptr<CMirtView> pView;
};
} // namespace

// The word found and the suggestion chosen are told by colour on screen, and in words
// to a screen reader; so is whether a file's findings are shown.
TEST_F(ResultsView, RowsTellScreenReadersWhatTheirColoursShow) {
    CheckedProject();
    File(0)->m_bReadOnly = 1;
    Expand("a.txt");
    File(0)->m_errors[1]->m_nChosen = 1;
    EXPECT_EQ(Rows(),
              (Strings{"a.txt", "  teh 1:2", "  teh 1:8", "  teh 2:2", "b.txt", "c.txt", "d.txt"}));
    EXPECT_EQ(Cell(0, 0), File(0)->m_strPath + " (Read-only) - 3 errors, expanded");
    EXPECT_EQ(Cell(0, 1), "");
    EXPECT_EQ(Cell(1, 0), "1");
    EXPECT_EQ(Cell(2, 1), "8");
    EXPECT_EQ(Cell(2, 2), "'teh' in: 1:teh 2:teh");
    EXPECT_EQ(Cell(2, 3), "the, ten; chosen: ten");
    EXPECT_EQ(Cell(1, 3), "the, ten");
    EXPECT_EQ(Cell(4, 0), File(1)->m_strPath + " - 1 bad word, collapsed");
    EXPECT_EQ(Cell(6, 0), File(3)->m_strPath);
    EXPECT_EQ(Model().headerData(2, Qt::Horizontal).toString(), "Spelling error");
    // What the eye sees stays the line and the list.
    EXPECT_EQ(Model().data(Model().index(2, 2)).toString().toStdString(), "1:teh 2:teh");
    EXPECT_EQ(Model().data(Model().index(2, 3)).toString().toStdString(), "the, ten");
}

// A source in a legacy encoding reads as written, not as replacement marks.
TEST_F(ResultsView, BytesThatAreNoUtf8ShowAsLatin1) {
    engine.Reject("caf\xE9", {"cafe"});
    Add("a.txt", "1:caf\xE9\n");
    Run();
    Expand("a.txt");
    EXPECT_EQ(Model().data(Model().index(1, 2)).toString(), QString::fromUtf8("1:caf\u00e9"));
    EXPECT_EQ(DisplayText("na\xC3\xAFve"), QString::fromUtf8("na\u00efve"));
}

TEST_F(ResultsView, FileRowsAreFoundByPathAfterRowsCameAndWent) {
    CheckedProject();
    auto expectIndexed = [&] {
        for (size_t i = 0; i < doc.m_files.size(); ++i)
            EXPECT_EQ(Model().FindFileRow(File(i)->m_strPath), RowOf(File(i)->GetDisplayName()))
                << File(i)->GetDisplayName();
    };
    Expand("b.txt");
    Expand("a.txt");
    expectIndexed();
    Expand("b.txt");
    expectIndexed();
    EXPECT_EQ(Model().FindFileRow(File(0)->m_strPath + "x"), -1);
    // A finding row is not its file's row.
    EXPECT_EQ(Model().FindRow(File(0)->m_strPath), 0);
}

TEST_F(ResultsView, TheModelStaysConsistentThroughAWholeRun) {
    for (int i = 0; i < 6; ++i)
        Add("f" + std::to_string(i) + ".txt", "1:teh 2:darn\n4:teh\n");
    Add("g.txt", "1:hold\n");
    engine.Reject("hold", {"held"});
    QStringList problems;
    QtMessageHandler previous = qInstallMessageHandler(nullptr);
    static QStringList* s_pProblems = nullptr;
    s_pProblems = &problems;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
        if (QString(context.category).startsWith("qt.modeltest"))
            s_pProblems->append(text);
    });
    QAbstractItemModelTester tester(&Model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    HoldAt("hold");
    bool bEnded = false;
    QObject::connect(&View(), &CMirtView::RunEnded, [&] { bEnded = true; });
    doc.ToggleRun();
    ASSERT_TRUE(hold.WaitUntilHeld());
    ASSERT_TRUE(WaitFor([&] { return RowOf("f5.txt") >= 0 && Model().GetSize() == 7; }));
    // Expanding, collapsing and rebuilding while the run goes on.
    Expand("f1.txt");
    Expand("f3.txt");
    Expand("f1.txt");
    View().Rebuild();
    hold.Release();
    ASSERT_TRUE(WaitFor([&] { return bEnded; }));
    Expand("f0.txt");
    qInstallMessageHandler(previous);
    EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    EXPECT_EQ(RowOf("  teh 1:2"), 1);
    if (auto* pDialog = View().findChild<CMirtResultsDlg*>())
        pDialog->reject();
}

TEST_F(ResultsView, NotificationsAreHandledOnTheUserInterfaceThread) {
    CheckedProject();
    std::vector<QThread*> threads;
    QObject::connect(&View(), &CMirtView::IdleMessageRequested,
                     [&] { threads.push_back(QThread::currentThread()); });
    std::thread other([&] {
        SViewNotification notification;
        notification.pFile = CRefPtr<CSpellFile>(File(0));
        notification.nCode = NOTIFY_FILE;
        notification.nGeneration = doc.GetGeneration();
        View().PostNotification(std::move(notification));
    });
    other.join();
    ASSERT_TRUE(WaitFor([&] { return !threads.empty(); }));
    EXPECT_EQ(threads.front(), qApp->thread());
}

TEST_F(ResultsView, AFindingSelectedBeforeARebuildIsSelectedAgain) {
    CheckedProject();
    Expand("a.txt");
    View().SelectRow(RowOf("  teh 1:8"));
    View().Rebuild();
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{RowOf("  teh 1:8")});
}

TEST_F(ResultsView, AFindingGoneGivesTheNextOfItsFileOrTheFileRow) {
    CheckedProject();
    Expand("a.txt");
    View().SelectRow(RowOf("  teh 1:8"));
    View().SaveSelection();
    File(0)->m_errors[1]->m_bIgnored = 1;
    View().FillList();
    View().RestoreSelection();
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{RowOf("  teh 2:2")});
    // The last finding of a file that another file follows: the walk ends on that
    // file's row, and its own file row is selected.
    View().SelectRow(RowOf("  teh 2:2"));
    View().SaveSelection();
    File(0)->m_errors[2]->m_bIgnored = 1;
    View().FillList();
    View().RestoreSelection();
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{RowOf("a.txt")});
}

TEST_F(ResultsView, TheSelectedRowKeepsItsHeightInTheList) {
    for (int i = 0; i < 60; ++i)
        Add("f" + std::to_string(i + 10) + ".txt", "1:teh\n");
    Run();
    int nRow = RowOf("f45.txt");
    View().SelectRow(nRow);
    View().scrollTo(Model().index(nRow, 0));
    int nTop = View().visualRect(Model().index(nRow, 0)).top();
    // Four rows above it leave the list.
    for (int i = 1; i <= 4; ++i)
        File(static_cast<size_t>(i))->m_errors[0]->m_bIgnored = 1;
    CResultFilter filter;
    filter.SetMasks(7, 7);
    View().SetFilter(filter);
    int nNewRow = RowOf("f45.txt");
    EXPECT_EQ(nNewRow, nRow - 4);
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{nNewRow});
    EXPECT_EQ(View().visualRect(Model().index(nNewRow, 0)).top(), nTop);
}

TEST_F(ResultsView, TheProfanityPresetShowsCheckedFilesWithIndecentWordsOnly) {
    CheckedProject();
    CResultFilter filter;
    ASSERT_TRUE(CResultFilter::FromPreset(PRESET_PROFANITY, filter));
    EXPECT_EQ(filter.GetPreset(), PRESET_PROFANITY);
    View().SetFilter(filter);
    EXPECT_EQ(Rows(), Strings{"b.txt"});
    Expand("b.txt");
    EXPECT_EQ(Rows(), (Strings{"b.txt", "  darn 1:2"}));
    ASSERT_TRUE(CResultFilter::FromPreset(PRESET_ALL, filter));
    View().SetFilter(filter);
    EXPECT_EQ(Rows(), (Strings{"a.txt", "b.txt", "  darn 1:2", "c.txt", "d.txt"}));
}

TEST_F(ResultsView, EachPresetNamesTheFilterThatShowsIt) {
    struct SPreset {
        int32_t nPreset, bEnabled, bPending, nSpelling, nProfanity;
    } presets[] = {{PRESET_ALL, 0, 0, 7, 7},      {PRESET_PENDING, 1, 1, 7, 7},
                   {PRESET_ERRORS, 1, 0, 7, 7},   {PRESET_PROFANITY, 1, 0, 0, 7},
                   {PRESET_LANGUAGE, 1, 0, 1, 1}, {PRESET_COMMENT, 1, 0, 2, 2},
                   {PRESET_CODE, 1, 0, 4, 4}};
    for (const SPreset& preset : presets) {
        CResultFilter filter;
        ASSERT_TRUE(CResultFilter::FromPreset(preset.nPreset, filter));
        EXPECT_EQ(filter.m_bEnabled, preset.bEnabled) << preset.nPreset;
        EXPECT_EQ(filter.m_bPendingOnly, preset.bPending) << preset.nPreset;
        EXPECT_EQ(filter.m_nSpellingMask, preset.nSpelling) << preset.nPreset;
        EXPECT_EQ(filter.m_nProfanityMask, preset.nProfanity) << preset.nPreset;
        EXPECT_TRUE(filter.m_words.empty());
        EXPECT_EQ(filter.GetPreset(), preset.nPreset);
    }
    CResultFilter filter;
    filter.SetWords({"teh"});
    EXPECT_EQ(filter.GetPreset(), PRESET_SELECTED);
    filter.SetMasks(1, 7);
    EXPECT_EQ(filter.GetPreset(), PRESET_ADVANCED);
    // Only the category bits of a mask count.
    filter.Reset();
    filter.SetMasks(15, 0x77);
    EXPECT_EQ(filter.GetPreset(), PRESET_ERRORS);
}

TEST_F(ResultsView, PendingChangesShowOnlyChosenReplacements) {
    CheckedProject();
    ASSERT_TRUE(doc.ChooseSuggestion(File(0)->m_errors[2], 1));
    CResultFilter filter;
    ASSERT_TRUE(CResultFilter::FromPreset(PRESET_PENDING, filter));
    View().SetFilter(filter);
    Expand("a.txt");
    EXPECT_EQ(Rows(), (Strings{"a.txt", "  teh 2:2"}));
}

TEST_F(ResultsView, SortingTwiceByTheSameOrderSortsOnce) {
    Add("b.txt", "");
    Add("a.txt", "");
    Add("c.txt", "");
    View().SortFiles(SORT_FILE_NAME);
    EXPECT_EQ(Rows(), (Strings{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(View().m_nSortCommand, SORT_FILE_NAME);
    // Added after the sort: it stays at the end until the order changes.
    doc.AddFile(dir.WriteFile("0.txt", ""));
    View().SortFiles(SORT_FILE_NAME);
    View().FillList();
    EXPECT_EQ(Rows(), (Strings{"a.txt", "b.txt", "c.txt", "0.txt"}));
    View().SortFiles(SORT_ADD_ORDER);
    EXPECT_EQ(Rows(), (Strings{"b.txt", "a.txt", "c.txt", "0.txt"}));
}

TEST_F(ResultsView, NoSortWhileARunIsActive) {
    Add("b.txt", "");
    Add("a.txt", "");
    doc.SetRunning(true);
    View().SortFiles(SORT_FILE_NAME);
    doc.SetRunning(false);
    EXPECT_EQ(View().m_nSortCommand, SORT_ADD_ORDER);
    EXPECT_EQ(Rows(), (Strings{"b.txt", "a.txt"}));
}

TEST_F(ResultsView, AClickOnTheExpanderOrADoubleClickTogglesAFile) {
    CheckedProject();
    QRect row = View().visualRect(Model().index(0, 0));
    int nHeight = row.height();
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {},
                      QPoint(row.left() + nHeight - 2, row.center().y()));
    EXPECT_EQ(Rows().size(), 7u);
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {},
                      QPoint(row.left() + nHeight + 2, row.center().y()));
    EXPECT_EQ(Rows().size(), 7u);
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{0});
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, {}, QPoint(300, row.center().y()));
    EXPECT_EQ(Rows().size(), 4u);
}

TEST_F(ResultsView, RightExpandsAndLeftCollapsesTheFileOfTheSelection) {
    CheckedProject();
    View().setFocus();
    View().SelectRow(RowOf("a.txt"));
    QTest::keyClick(&View(), Qt::Key_Right);
    EXPECT_EQ(RowOf("  teh 2:2"), 3);
    View().SelectRow(RowOf("  teh 1:8"));
    QTest::keyClick(&View(), Qt::Key_Left);
    EXPECT_EQ(Rows().size(), 4u);
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{0});
}

TEST_F(ResultsView, AFileCheckedLaterJoinsAFilteredListAtTheEnd) {
    CheckedProject();
    CResultFilter filter;
    filter.SetMasks(7, 7);
    View().SetFilter(filter);
    EXPECT_EQ(Rows(), (Strings{"a.txt", "b.txt", "c.txt"}));
    RunInWindow(View());
    EXPECT_EQ(Rows(), (Strings{"a.txt", "b.txt", "c.txt", "d.txt"}));
    if (auto* pDialog = View().findChild<CMirtResultsDlg*>())
        pDialog->reject();
}

TEST_F(ResultsView, FindStepsToTheNextMatchAndIntoCollapsedFiles) {
    engine.Reject("wrd", {"word"});
    engine.Reject("wird", {"weird"});
    Add("z.txt", "1:teh\n");
    Add("a.txt", "1:teh 1:wrd 1:wird 1:teh\n");
    Add("b.txt", "1:teh\n");
    Run();
    // From the first row: the collapsed a.txt's third visible finding matches "eir".
    View().SelectRow(0);
    View().Find(true, "eir");
    ASSERT_EQ(Rows().size(), 7u);
    EXPECT_EQ(Rows()[4], "  wird 1:14");
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{4});
    EXPECT_EQ(app.Settings().GetString("", "LastSearch", ""), "eir");
    // An empty text matches every finding; Find Prev wraps from the top.
    View().SelectRow(1);
    View().Find(true, "");
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{2});
    View().SelectRow(0);
    View().Find(false, "teh");
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{7});
    EXPECT_EQ(Rows()[7], "  teh 1:2");
}

TEST_F(ResultsView, FindWithoutMatchSaysNothingFound) {
    Add("a.txt", "1:teh\n");
    Run();
    View().SelectRow(0);
    View().Find(true, "zzz");
    EXPECT_EQ(app.Display().Messages(), Strings{"Nothing found"});
    EXPECT_TRUE(View().SelectedRows().empty());
}

TEST_F(ResultsView, AListOfOneRowFindsNothing) {
    Add("a.txt", "");
    Run();
    View().Find(true, "");
    EXPECT_EQ(app.Display().Messages(), Strings{"Nothing found"});
}

TEST_F(ResultsView, AnEmptyProjectShowsTheWelcome) {
    EXPECT_TRUE(View().IsEmptyProject());
    EXPECT_FALSE(View().header()->isEnabled());
    EXPECT_EQ(View().accessibleDescription(), CMirtView::WELCOME_TEXT);
    QImage empty = View().viewport()->grab().toImage();
    QColor base = View().palette().color(QPalette::Base);
    EXPECT_NE(empty.pixelColor(empty.width() / 2, empty.height() - 5), base);
    Add("a.txt", "");
    View().FillList();
    EXPECT_TRUE(View().header()->isEnabled());
    EXPECT_TRUE(View().accessibleDescription().isEmpty());
    QImage filled = View().viewport()->grab().toImage();
    EXPECT_EQ(filled.pixelColor(filled.width() / 2, filled.height() - 5), base);
}
