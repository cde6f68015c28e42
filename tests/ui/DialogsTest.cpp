// The dialogs: Options, Advanced filter, Syntax Associations and Project Dictionary,
// alone and opened from the window, with what their buttons do to the project.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "engines/MirtSpellEngineASpell.h"
#include "engines/MirtSpellEngines.h"
#include "project/CheckOptions.h"
#include "tests/ui_support/FrameFixture.h"
#include "ui/CategoryGrid.h"
#include "ui/CommandIds.h"
#include "ui/InPlaceEdit.h"
#include "ui/MainFrame.h"
#include "ui/MirtDocOptionsDlg.h"
#include "ui/MirtFilterDlg.h"
#include "ui/MirtResultsDlg.h"
#include "ui/MirtUserDictionaryDlg.h"
#include "ui/MirtView.h"
#include "ui/SyntaxAssociationDlg.h"

namespace {
// Works on the dialog of this type that is about to open, once its loop runs.
template <class TDialog> void WhenOpens(std::function<void(TDialog&)> answer) {
    AnswerWhenShown([answer](QWidget* pWidget) {
        auto* pDialog = qobject_cast<TDialog*>(pWidget);
        if (pDialog)
            answer(*pDialog);
        return pDialog != nullptr;
    });
}

class Dialogs : public CFrameTest {
protected:
    void TearDown() override {
        CMirtSpellEngines::Instance().Reset();
        CFrameTest::TearDown();
    }
    // Two engines, the first with a description, the second without.
    void TwoEngines() {
        CMirtSpellEngines& engines = CMirtSpellEngines::Instance();
        engines.Reset();
        auto pFirst = std::make_unique<CFakeSpellEngine>();
        pFirst->SetName("First");
        engines.Add(std::move(pFirst));
        engines.Add(std::make_unique<CMirtSpellEngineASpell>("/nonexistent/"));
    }
    Strings ListRows(const QTreeWidget* pList) {
        Strings rows;
        for (int i = 0; i < pList->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < pList->columnCount(); ++c)
                cells.append(pList->topLevelItem(i)->text(c));
            rows.push_back(cells.join('|').toStdString());
        }
        return rows;
    }
    int SelectedRow(const QTreeWidget* pList) {
        QList<QTreeWidgetItem*> selected = pList->selectedItems();
        return selected.isEmpty() ? -1 : pList->indexOfTopLevelItem(selected.front());
    }
};
} // namespace

TEST_F(Dialogs, OptionsShowTheCheckOptionsAndOkKeepsThem) {
    TwoEngines();
    SMirtDocOptions options;
    options.m_nCheckOptions = 17;
    CMirtDocOptionsDlg dialog(options, app.Settings());
    EXPECT_EQ(dialog.windowTitle(), "Options");
    EXPECT_EQ(dialog.m_pGrid->title(), "Check for...");
    for (int nCategory = 0; nCategory < 3; ++nCategory)
        for (int nKind = 0; nKind < 2; ++nKind)
            EXPECT_EQ(dialog.m_pGrid->Box(nCategory, nKind)->isChecked(), nCategory == 0);
    EXPECT_EQ(dialog.m_pGrid->Box(2, 0)->text(), "Code (variables, classes, functions etc.)");
    EXPECT_EQ(dialog.m_pEngines->count(), 2);
    EXPECT_EQ(dialog.m_pEngines->itemText(0), "First");
    EXPECT_EQ(dialog.m_pEngines->itemText(1), "ASpell");
    EXPECT_EQ(dialog.m_pEngines->currentIndex(), 0);
    EXPECT_EQ(dialog.m_pDescription->text(), "");
    EXPECT_TRUE(dialog.m_pSyntax->isHidden());
    EXPECT_EQ(dialog.m_pSyntax->count(), 0);
    dialog.accept();
    EXPECT_EQ(options.m_nCheckOptions, 17);
    EXPECT_EQ(options.m_nSyntaxChoice, -1);
    EXPECT_EQ(app.Settings().GetInt("", "CheckOptions", 0), 17);
    EXPECT_EQ(app.Settings().GetInt("", "SpellEngine", -1), 0);
}

TEST_F(Dialogs, OptionsTakeExactlyTheSixBitsAndTheChosenEngine) {
    TwoEngines();
    SMirtDocOptions options;
    options.m_nCheckOptions = 0xFF;
    CMirtDocOptionsDlg dialog(options, app.Settings());
    dialog.m_pEngines->setCurrentIndex(1);
    EXPECT_EQ(dialog.m_pDescription->text(), "");
    dialog.m_pEngines->setCurrentIndex(0);
    EXPECT_EQ(dialog.m_pDescription->text(), "Scriptable test engine");
    dialog.m_pEngines->setCurrentIndex(1);
    dialog.m_pGrid->Box(0, 1)->setChecked(false);
    dialog.accept();
    EXPECT_EQ(options.m_nCheckOptions, 0x77 & ~16);
    EXPECT_EQ(CMirtSpellEngines::Instance().m_nCurrent.load(), 1);
    EXPECT_EQ(app.Settings().GetInt("", "SpellEngine", -1), 1);
}

TEST_F(Dialogs, CancelledOptionsChangeNothing) {
    Frame();
    TwoEngines();
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, CATEGORY_LANGUAGE);
    doc.SetModifiedFlag(false);
    WhenOpens<CMirtDocOptionsDlg>([](CMirtDocOptionsDlg& dialog) {
        dialog.m_pGrid->Box(1, 0)->setChecked(true);
        dialog.m_pEngines->setCurrentIndex(1);
        dialog.reject();
    });
    Action(ID_OPTIONS)->trigger();
    EXPECT_EQ(doc.m_options.m_nCheckOptions, 17);
    EXPECT_EQ(CMirtSpellEngines::Instance().m_nCurrent.load(), 0);
    EXPECT_FALSE(app.Settings().Has("", "CheckOptions"));
    EXPECT_FALSE(doc.IsModified());
    // Accepted with a change, the project's options are its own and it is modified.
    WhenOpens<CMirtDocOptionsDlg>([](CMirtDocOptionsDlg& dialog) {
        dialog.m_pGrid->Box(2, 0)->setChecked(true);
        dialog.accept();
    });
    Action(ID_OPTIONS)->trigger();
    EXPECT_EQ(doc.m_options.m_nCheckOptions, 17 | 4);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Dialogs, TheAdvancedFilterSplitsTheWordsOnlyWhenAsked) {
    CResultFilter filter;
    filter.SetMasks(5, 2);
    filter.SetPendingOnly();
    filter.SetWords({"alpha", "beta"});
    CMirtFilterDlg dialog(filter);
    EXPECT_EQ(dialog.windowTitle(), "Advanced filter");
    EXPECT_TRUE(dialog.m_pGrid->Box(0, 0)->isChecked());
    EXPECT_FALSE(dialog.m_pGrid->Box(1, 0)->isChecked());
    EXPECT_TRUE(dialog.m_pGrid->Box(1, 1)->isChecked());
    EXPECT_TRUE(dialog.m_pPending->isChecked());
    EXPECT_TRUE(dialog.m_pWordsBox->isChecked());
    EXPECT_EQ(dialog.m_pWords->text(), "alpha beta ");
    dialog.m_pWords->setText("foo  bar");
    dialog.m_pPending->setChecked(false);
    dialog.accept();
    EXPECT_EQ(dialog.m_filter.m_words, (Strings{"foo", "bar"}));
    EXPECT_EQ(dialog.m_filter.m_bPendingOnly, 0);
    EXPECT_EQ(dialog.m_filter.m_nSpellingMask, 5);
    EXPECT_EQ(dialog.m_filter.m_nProfanityMask, 2);
    CMirtFilterDlg unchecked(filter);
    unchecked.m_pWordsBox->setChecked(false);
    unchecked.accept();
    EXPECT_TRUE(unchecked.m_filter.m_words.empty());
    EXPECT_EQ(unchecked.m_filter.m_bEnabled, 1);
}

TEST_F(Dialogs, TheBoxOpensTheAdvancedFilterAndCancelPutsItBack) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, CATEGORY_LANGUAGE);
    Add("a.txt", "1:teh 1:darn\n");
    Run();
    Frame();
    QComboBox* pBox = Frame().GetFilterBox();
    int nAdvanced = pBox->findData(PRESET_ADVANCED);
    ASSERT_EQ(pBox->itemText(nAdvanced), "Advanced filter...");
    WhenOpens<CMirtFilterDlg>([](CMirtFilterDlg& dialog) { dialog.reject(); });
    pBox->setCurrentIndex(nAdvanced);
    emit pBox->activated(nAdvanced);
    EXPECT_EQ(pBox->currentText(), "All");
    WhenOpens<CMirtFilterDlg>([](CMirtFilterDlg& dialog) {
        dialog.m_pGrid->SetMasks(0, 1);
        dialog.accept();
    });
    pBox->setCurrentIndex(nAdvanced);
    emit pBox->activated(nAdvanced);
    EXPECT_EQ(View().m_filter.GetPreset(), PRESET_ADVANCED);
    EXPECT_EQ(pBox->currentText(), "Advanced filter...");
    ExpandAll();
    EXPECT_EQ(Rows(), (Strings{"a.txt", "  darn 1:8"}));
}

TEST_F(Dialogs, SyntaxAssociationsResetThenCancelChangesNothing) {
    std::string path = Add("a.txt", "");
    app.m_parsers.GetAt(0)->SetExtensions("txt text");
    CSyntaxAssociationDlg dialog(app.m_parsers);
    EXPECT_EQ(dialog.windowTitle(), "File Types/Syntax Associations");
    EXPECT_EQ(ListRows(dialog.m_pList), Strings{"|txt text"});
    EXPECT_EQ(dialog.m_pList->headerItem()->text(0), "Syntax");
    EXPECT_EQ(dialog.m_pList->headerItem()->text(1), "File Types");
    // The row marked at the start is the one Edit works on.
    ASSERT_EQ(dialog.m_pList->selectedItems().size(), 1);
    EXPECT_EQ(dialog.m_pList->selectedItems()[0], dialog.m_pList->topLevelItem(0));
    dialog.OnReset();
    EXPECT_EQ(ListRows(dialog.m_pList), Strings{"|"});
    dialog.reject();
    EXPECT_EQ(app.m_parsers.GetAt(0)->m_extensions, (Strings{"txt", "text"}));
}

TEST_F(Dialogs, AnEditedFileTypeReassociatesTheProjectAndOffersACheck) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh\n");
    Add("b.xyz", "1:teh\n");
    Run();
    Frame();
    app.Display().QueueAnswer(IDNO);
    WhenOpens<CSyntaxAssociationDlg>([](CSyntaxAssociationDlg& dialog) {
        QTreeWidgetItem* pRow = dialog.m_pList->topLevelItem(0);
        dialog.m_pList->setCurrentItem(pRow);
        dialog.OnEdit();
        auto* pEdit = dialog.m_pList->findChild<CInPlaceEdit*>();
        ASSERT_NE(pEdit, nullptr);
        EXPECT_EQ(pEdit->text(), "txt");
        // Over the "File Types" cell only.
        EXPECT_EQ(pEdit->x(), dialog.m_pList->header()->sectionPosition(1));
        pEdit->setText("txt, xyz");
        QTest::keyClick(pEdit, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pRow->text(1) == "txt, xyz"; }, 60000));
        dialog.accept();
    });
    Action(ID_SYNTAX_ASSOCIATIONS)->trigger();
    EXPECT_EQ(app.m_parsers.GetAt(0)->m_extensions, (Strings{"txt", "xyz"}));
    EXPECT_EQ(File(1)->m_nSyntax, 0);
    EXPECT_EQ(File(1)->m_nStatus, -1);
    EXPECT_EQ(app.Display().Messages().back(),
              "The following files are affected by syntax change:\n    b.xyz\nWould you like to "
              "check spelling for those files?");
}

TEST_F(Dialogs, TheSelectedSyntaxRowIsInTheHighlightColour) {
    CSyntaxAssociationDlg dialog(app.m_parsers);
    dialog.show();
    QTreeWidgetItem* pRow = dialog.m_pList->topLevelItem(0);
    dialog.m_pList->setCurrentItem(pRow);
    QRect rect = dialog.m_pList->visualItemRect(pRow);
    QImage image = dialog.m_pList->viewport()->grab().toImage();
    QPoint spot(rect.right() - 2, rect.center().y());
    EXPECT_EQ(image.pixelColor(spot), dialog.m_pList->palette().color(QPalette::Highlight));
}

TEST_F(Dialogs, TheDictionaryListsARowPerContextAndPerCall) {
    doc.m_dictionary.SetReplacement("teh", 1, "the");
    doc.m_dictionary.SetReplacement("teh", 2, "<ignore>");
    doc.m_dictionary.SetReplacement("teh", 4, "tea");
    doc.m_dictionary.SetReplacement("Abc", 2, "abc");
    doc.m_ignoreCalls.SetAt("TRACE");
    CMirtUserDictionaryDlg dialog(doc, *pDialogs);
    EXPECT_EQ(dialog.windowTitle(), "Project Dictionary");
    EXPECT_EQ(ListRows(dialog.m_pList),
              (Strings{"Abc|Comment|abc", "teh|Code|tea", "teh|Comment|<ignore>", "teh|String|the",
                       "TRACE|Call|<ignore>"}));
    EXPECT_FALSE(dialog.m_pRemove->isEnabled());
    dialog.m_pList->setCurrentItem(dialog.m_pList->topLevelItem(2));
    EXPECT_TRUE(dialog.m_pRemove->isEnabled());
    EXPECT_EQ(dialog.m_pWord->text(), "teh");
    EXPECT_EQ(dialog.m_pTexts[0]->text(), "the");
    EXPECT_EQ(dialog.m_pTexts[1]->text(), "<ignore>");
    EXPECT_TRUE(dialog.m_pBoxes[1]->isChecked());
    dialog.m_pList->setCurrentItem(dialog.m_pList->topLevelItem(4));
    EXPECT_EQ(dialog.m_pWord->text(), "TRACE");
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(dialog.m_pBoxes[i]->isChecked());
        EXPECT_EQ(dialog.m_pTexts[i]->text(), "");
    }
}

TEST_F(Dialogs, AddUpdateAppliesEachContextAndAnEmptyTextIgnores) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, 0);
    Add("a.txt", "1:teh 4:teh\n");
    Run();
    doc.m_dictionary.SetReplacement("teh", 2, "tech");
    CMirtUserDictionaryDlg dialog(doc, *pDialogs);
    dialog.m_pWord->setText("teh");
    dialog.m_pBoxes[0]->setChecked(true);
    dialog.m_pTexts[0]->setText("ten");
    dialog.m_pBoxes[2]->setChecked(true);
    dialog.m_pAddUpdate->click();
    std::string strStrings, strComments, strCode;
    ASSERT_TRUE(doc.m_dictionary.LookupEntry("teh", strStrings, strComments, strCode));
    EXPECT_EQ(strStrings, "ten");
    EXPECT_EQ(strComments, "");
    EXPECT_EQ(strCode, "<ignore>");
    EXPECT_EQ(File(0)->m_errors[0]->m_suggestions[File(0)->m_errors[0]->m_nChosen], "ten");
    EXPECT_EQ(File(0)->m_errors[1]->m_bIgnored, 1);
    EXPECT_EQ(ListRows(dialog.m_pList), (Strings{"teh|Code|<ignore>", "teh|String|ten"}));
    EXPECT_EQ(SelectedRow(dialog.m_pList), 0);
    // An empty word makes no rule.
    dialog.m_pWord->setText("");
    dialog.m_pAddUpdate->click();
    EXPECT_EQ(doc.m_dictionary.GetCount(), 1u);
}

TEST_F(Dialogs, RemoveSelectsTheRowNowAtItsPlace) {
    doc.m_dictionary.SetReplacement("a", 1, "x");
    doc.m_dictionary.SetReplacement("b", 1, "y");
    doc.m_ignoreCalls.SetAt("c");
    CMirtUserDictionaryDlg dialog(doc, *pDialogs);
    dialog.m_pList->setCurrentItem(dialog.m_pList->topLevelItem(1));
    dialog.m_pRemove->click();
    EXPECT_EQ(ListRows(dialog.m_pList), (Strings{"a|String|x", "c|Call|<ignore>"}));
    EXPECT_EQ(SelectedRow(dialog.m_pList), 1);
    dialog.m_pRemove->click();
    EXPECT_FALSE(doc.m_ignoreCalls.Has("c"));
    EXPECT_EQ(SelectedRow(dialog.m_pList), 0);
}

TEST_F(Dialogs, ImportReplacesTheRulesRatherThanMergingThem) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh 1:darn@TRACE\n");
    Run();
    File(0)->m_errors[1]->m_bIgnored = 1; // ignored by hand
    doc.m_dictionary.SetReplacement("mine", 1, "ours");
    {
        CMirtDoc other(app);
        other.m_dictionary.SetReplacement("teh", 1, "the");
        other.m_ignoreCalls.SetAt("LOG");
        ASSERT_TRUE(other.OnSaveDocument(dir / "other.mrk"));
    }
    CMirtUserDictionaryDlg dialog(doc, *pDialogs);
    pDialogs->projects.push_back(dir / "other.mrk");
    dialog.m_pImport->click();
    EXPECT_EQ(pDialogs->projectAsks, std::vector<bool>{false});
    EXPECT_EQ(ListRows(dialog.m_pList), (Strings{"LOG|Call|<ignore>", "teh|String|the"}));
    EXPECT_EQ(File(0)->m_errors[1]->m_bIgnored, 0);
    EXPECT_EQ(File(0)->m_errors[0]->m_nChosen, 0);
}

TEST_F(Dialogs, TheDictionaryCommandRebuildsTheListAfterwards) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh\n");
    Run();
    Frame();
    ExpandAll();
    WhenOpens<CMirtUserDictionaryDlg>([](CMirtUserDictionaryDlg& dialog) {
        dialog.m_pWord->setText("teh");
        dialog.m_pBoxes[0]->setChecked(true);
        dialog.m_pAddUpdate->click();
        dialog.m_pClose->click();
    });
    Action(ID_VIEW_DICTIONARY)->trigger();
    EXPECT_EQ(Rows(), Strings{"a.txt"});
}

TEST_F(Dialogs, TheWordListHoldsEachMisspeltWordOnceInOrder) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    engine.RejectUnknownWords({"x"});
    Add("a.txt", "1:gamma 1:Beta 1:alpha 1:BETA 1:skip\n");
    Run();
    File(0)->m_errors[4]->m_bIgnored = 1;
    Frame();
    std::string strList = dir / "words.txt";
    pDialogs->wordLists.push_back(strList);
    Action(ID_EXPORT_WORDS)->trigger();
    EXPECT_EQ(ReadWholeFile(strList), "alpha\nBeta\ngamma\n");
    EXPECT_EQ(Action(ID_EXPORT_WORDS)->shortcut(), QKeySequence("Ctrl+Alt+Shift+E"));
}

TEST_F(Dialogs, EveryDialogControlHasItsHelpText) {
    TwoEngines();
    SMirtDocOptions options;
    CMirtDocOptionsDlg optionsDialog(options, app.Settings());
    EXPECT_FALSE(optionsDialog.m_pGrid->whatsThis().isEmpty());
    EXPECT_FALSE(optionsDialog.m_pEngines->whatsThis().isEmpty());
    CMirtFilterDlg filterDialog(CResultFilter{});
    EXPECT_FALSE(filterDialog.m_pPending->whatsThis().isEmpty());
    EXPECT_FALSE(filterDialog.m_pWordsBox->whatsThis().isEmpty());
    CSyntaxAssociationDlg syntaxDialog(app.m_parsers);
    EXPECT_FALSE(syntaxDialog.m_pEdit->whatsThis().isEmpty());
    EXPECT_FALSE(syntaxDialog.m_pReset->whatsThis().isEmpty());
    CMirtUserDictionaryDlg dictionaryDialog(doc, *pDialogs);
    EXPECT_FALSE(dictionaryDialog.m_pImport->whatsThis().isEmpty());
}

TEST(Help, HelpTopicsOpensTheManualBesideTheProgramAndSupportTheHomePage) {
    CTestApp app(std::string(MIRT_BINARY_DIR) + "/");
    CMirtDoc doc(app);
    doc.OnNewDocument();
    CRecentFileList recent;
    CMainFrame frame(doc, app, recent);
    std::vector<QUrl> opened;
    frame.SetUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    frame.OnCommand(ID_HELP_TOPICS);
    frame.OnCommand(ID_SUPPORT);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(MIRT_BINARY_DIR "/docs/manual/index.html"));
    EXPECT_TRUE(QFileInfo(opened[0].toLocalFile()).isFile());
    EXPECT_EQ(opened[1].scheme(), "https");
    EXPECT_TRUE(app.Display().Messages().empty());
}

TEST(Help, AMissingManualIsSaidSo) {
    CTestApp app("/nonexistent/");
    CMirtDoc doc(app);
    doc.OnNewDocument();
    CRecentFileList recent;
    CMainFrame frame(doc, app, recent);
    frame.SetUrlOpener([](const QUrl&) { return true; });
    frame.OnCommand(ID_HELP_TOPICS);
    EXPECT_EQ(app.Display().Messages(),
              std::vector<std::string>{"Unable to open file /nonexistent/docs/manual/index.html"});
}

TEST(Help, WithoutABrowserTheUserIsTold) {
    CTestApp app(std::string(MIRT_BINARY_DIR) + "/");
    CMirtDoc doc(app);
    doc.OnNewDocument();
    CRecentFileList recent;
    CMainFrame frame(doc, app, recent);
    frame.SetUrlOpener([](const QUrl&) { return false; });
    frame.OnCommand(ID_SUPPORT);
    ASSERT_EQ(app.Display().Messages().size(), 1u);
    EXPECT_EQ(app.Display().Messages()[0],
              "Unable to open https://www.halvenik.com/mirtora/\nNo web browser was found.");
}

TEST_F(Dialogs, AddUpdateSelectsTheFirstRowOfTheEditedWord) {
    doc.m_dictionary.SetReplacement("alpha", 1, "a");
    doc.m_dictionary.SetReplacement("beta", 1, "b");
    doc.m_dictionary.SetReplacement("Gamma", 1, "c");
    CMirtUserDictionaryDlg dialog(doc, *pDialogs);
    dialog.m_pWord->setText("gam");
    dialog.m_pBoxes[2]->setChecked(true);
    dialog.m_pTexts[2]->setText("x");
    dialog.m_pAddUpdate->click();
    // "gam" itself sorts before "Gamma"; the first row beginning with it is its own.
    EXPECT_EQ(ListRows(dialog.m_pList),
              (Strings{"alpha|String|a", "beta|String|b", "gam|Code|x", "Gamma|String|c"}));
    EXPECT_EQ(SelectedRow(dialog.m_pList), 2);
}

TEST_F(Dialogs, TheSyntaxListDrawsTheSelectedRowWhiteOnTheHighlight) {
    // Two syntaxes, so that one row is selected and one is not.
    app.m_parsers.Add(std::make_unique<CTokenParser>());
    CSyntaxAssociationDlg two(app.m_parsers);
    QFont font = two.m_pList->font();
    font.setPixelSize(28);
    font.setBold(true);
    two.m_pList->setFont(font);
    two.show();
    two.m_pList->setCurrentItem(two.m_pList->topLevelItem(0));
    QImage image = two.m_pList->viewport()->grab().toImage();
    auto shows = [&](const QRect& area, const QColor& colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y) == colour)
                    return true;
        return false;
    };
    QRect selected = two.m_pList->visualItemRect(two.m_pList->topLevelItem(0));
    QRect other = two.m_pList->visualItemRect(two.m_pList->topLevelItem(1));
    EXPECT_TRUE(shows(selected, Qt::white));
    EXPECT_FALSE(shows(selected, Qt::black));
    EXPECT_TRUE(shows(other, Qt::black));
}

TEST_F(Dialogs, TheResultsDialogsReportButtonWritesTheReport) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh\n");
    Frame();
    std::string strReport = dir / "r.html";
    pDialogs->reports.push_back(strReport);
    AnswerWhenShown([](QWidget* pWidget) {
        auto* pDialog = qobject_cast<CMirtResultsDlg*>(pWidget);
        if (pDialog)
            pDialog->m_pCreateReport->click();
        return pDialog != nullptr;
    });
    Action(ID_RUN)->trigger();
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(QString::fromStdString(strReport)); }));
    EXPECT_NE(ReadWholeFile(strReport).find("teh"), std::string::npos);
}
