// Adding files and folders (by command and by dropping them on the list), the Select
// Folder dialog, the error report command and the editor that "Edit File" falls back to.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <sys/stat.h>

#include "parsers/MirtParserCpp.h"
#include "tests/ui_support/FrameFixture.h"
#include "ui/CommandIds.h"
#include "ui/FileOpener.h"
#include "ui/FolderFilesDlg.h"
#include "ui/MainFrame.h"
#include "ui/MirtView.h"

namespace {
class FileCommands : public CFrameTest {
protected:
    // Drops the paths on the list as the desktop would: as file addresses.
    void Drop(const Strings& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& strPath : paths)
            urls.append(QUrl::fromLocalFile(QString::fromStdString(strPath)));
        data.setUrls(urls);
        View().OnDropPaths(CMirtView::DroppedPaths(data));
    }
    // Answers the Select Folder dialog that is about to open.
    void WhenFolderDialogOpens(std::function<void(CFolderFilesDlg&)> answer) {
        AnswerWhenShown([answer](QWidget* pWidget) {
            auto* pDialog = qobject_cast<CFolderFilesDlg*>(pWidget);
            if (pDialog)
                answer(*pDialog);
            return pDialog != nullptr;
        });
    }
    std::vector<std::string> Paths() {
        std::vector<std::string> paths;
        for (const CSpellFile* f : doc.m_files)
            paths.push_back(f->m_strPath);
        return paths;
    }
};
} // namespace

TEST_F(FileCommands, AddFilesOffersEachSyntaxAndRemembersTheFilter) {
    app.m_parsers.Add(std::make_unique<CMirtParserCpp>());
    std::string a = dir.WriteFile("a.txt", "");
    std::string b = dir.WriteFile("b.cpp", "");
    pDialogs->fileSets.push_back({b, a});
    pDialogs->nPickedFilter = 1;
    Frame();
    doc.SetModifiedFlag(false);
    Action(ID_ADD_FILES)->trigger();
    ASSERT_EQ(pDialogs->shownFilters.size(), 3);
    EXPECT_EQ(pDialogs->shownFilters[0], " files (*.txt)");
    EXPECT_TRUE(pDialogs->shownFilters[1].startsWith("C/C++/C# files (*.cpp *.c *.cs *.h"));
    EXPECT_EQ(pDialogs->shownFilters[2], "All Files (*)");
    EXPECT_EQ(pDialogs->nShownFilter, 0);
    EXPECT_EQ(app.Settings().GetInt("", "LastFilterIndex", 0), 2);
    EXPECT_EQ(Paths(), (Strings{b, a}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(WaitFor([&] { return Rows().size() == 2; }));
    // The next time the filter chosen last is shown first.
    pDialogs->nPickedFilter = -1;
    Action(ID_ADD_FILES)->trigger();
    EXPECT_EQ(pDialogs->nShownFilter, 1);
}

TEST_F(FileCommands, SelectFolderScansEveryMaskOfTheFolderAndItsSubfolders) {
    app.m_parsers.Add(std::make_unique<CMirtParserCpp>());
    std::string a = dir.WriteFile("src/a.cpp", "");
    std::string h = dir.WriteFile("src/a.h", "");
    std::string sub = dir.WriteFile("src/sub/b.cpp", "");
    std::string subH = dir.WriteFile("src/sub/b.h", "");
    dir.WriteFile("src/.svn/c.cpp", "");
    dir.WriteFile("src/notes.txt", "");
    CFolderFilesDlg dialog(app.m_parsers, *pDialogs, dir / "src/", 1, "*.cpp, *.h");
    EXPECT_EQ(dialog.windowTitle(), "Select Folder");
    EXPECT_EQ(dialog.m_pFolderEdit->text().toStdString(), dir / "src/");
    EXPECT_TRUE(dialog.m_pSubfolders->isChecked());
    EXPECT_EQ(dialog.m_pMaskBox->currentText(), "*.cpp, *.h");
    ASSERT_EQ(dialog.m_pMaskBox->count(), 2);
    EXPECT_EQ(dialog.m_pMaskBox->itemText(0), "*.txt");
    EXPECT_TRUE(dialog.m_pMaskBox->itemText(1).startsWith("*.cpp;*.c;*.cs;*.h;*.odl;*.idl"));
    dialog.accept();
    EXPECT_EQ(dialog.m_strFolderPath, dir / "src");
    EXPECT_EQ(dialog.m_files, (Strings{a, sub, h, subH}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(FileCommands, AnEmptyMaskTakesEveryFileAndBrowsingFillsTheFolder) {
    std::string other = dir.WriteFile("other/x.dat", "");
    CFolderFilesDlg dialog(app.m_parsers, *pDialogs, "/nowhere", 0, "");
    pDialogs->folders.push_back(dir / "other");
    dialog.m_pBrowse->click();
    EXPECT_EQ(pDialogs->strShownFolder, "/nowhere");
    EXPECT_EQ(dialog.m_pFolderEdit->text().toStdString(), dir / "other");
    dialog.m_pMaskBox->setEditText("");
    dialog.accept();
    EXPECT_EQ(dialog.m_strFileMask, "*.*");
    EXPECT_EQ(dialog.m_files, Strings{other});
    // Cancelling the browser keeps the folder.
    dialog.m_pBrowse->click();
    EXPECT_EQ(dialog.m_pFolderEdit->text().toStdString(), dir / "other");
}

TEST_F(FileCommands, AddFolderTakesTheFilesAndKeepsTheChoicesForNextTime) {
    std::string a = dir.WriteFile("src/a.txt", "");
    app.m_strLastFolderPath = dir / "src";
    app.m_bLastIncludeSubfolders = 0;
    app.m_strLastFileMask = "*.txt";
    Frame();
    WhenFolderDialogOpens([](CFolderFilesDlg& dialog) {
        EXPECT_EQ(dialog.m_pMaskBox->currentText(), "*.txt");
        dialog.m_pSubfolders->setChecked(true);
        dialog.accept();
    });
    Action(ID_ADD_FOLDER)->trigger();
    EXPECT_EQ(Paths(), Strings{a});
    ASSERT_EQ(doc.m_folders.size(), 1u);
    EXPECT_EQ(doc.m_folders[0]->m_strMask, "*.txt");
    EXPECT_EQ(doc.m_folders[0]->m_bIncludeSubfolders, 1);
    EXPECT_EQ(app.m_bLastIncludeSubfolders, 1);
    EXPECT_EQ(app.m_strLastFolderPath, dir / "src");
    // Cancelled, nothing changes.
    WhenFolderDialogOpens([](CFolderFilesDlg& dialog) { dialog.reject(); });
    Action(ID_ADD_FOLDER)->trigger();
    EXPECT_EQ(doc.m_folders.size(), 1u);
}

TEST_F(FileCommands, ADroppedFolderOpensSelectFolderOnItAndADroppedFileIsAdded) {
    std::string folder = dir / "tree";
    std::string inside = dir.WriteFile("tree/in.txt", "");
    std::string file = dir.WriteFile("alone.txt", "");
    Frame();
    doc.SetModifiedFlag(false);
    std::string strShown;
    WhenFolderDialogOpens([&](CFolderFilesDlg& dialog) {
        strShown = dialog.m_pFolderEdit->text().toStdString();
        dialog.m_pMaskBox->setEditText("*.txt");
        dialog.accept();
    });
    Drop({folder, file, dir / "missing.txt"});
    // The dialog opens once the drop has ended.
    ASSERT_TRUE(WaitFor([&] { return !strShown.empty(); }));
    EXPECT_EQ(strShown, folder);
    EXPECT_EQ(app.m_strLastFolderPath, folder);
    // The dropped file comes first: the folder's files come with its dialog.
    EXPECT_EQ(Paths(), (Strings{file, inside}));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(WaitFor([&] { return Rows().size() == 2; }));
    EXPECT_EQ(Rows(), (Strings{"alone.txt", "in.txt"}));
}

TEST_F(FileCommands, ADropCarriesLocalPathsOnly) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/src/a b.cpp"), QUrl("https://example.org/x.cpp"),
                  QUrl::fromLocalFile("/src/c.h")});
    EXPECT_EQ(CMirtView::DroppedPaths(data), (Strings{"/src/a b.cpp", "/src/c.h"}));
}

TEST_F(FileCommands, TheReportGoesWhereTheUserSaysAndOnlyWithFilesAndNoRun) {
    Frame();
    EXPECT_FALSE(Action(ID_CREATE_REPORT)->isEnabled());
    Add("a.txt", "1:teh\n");
    Run();
    View().FillList();
    Frame().UpdateCommands();
    EXPECT_TRUE(Action(ID_CREATE_REPORT)->isEnabled());
    std::string strReport = dir / "report.html";
    pDialogs->reports.push_back(strReport);
    Action(ID_CREATE_REPORT)->trigger();
    std::string text = ReadWholeFile(strReport);
    EXPECT_EQ(text.rfind("<HTML>\r\n", 0), 0u);
    EXPECT_NE(text.find("<SPAN CLASS=error>teh</SPAN>"), std::string::npos);
    // Cancelled: nothing is written.
    std::filesystem::remove(strReport);
    Action(ID_CREATE_REPORT)->trigger();
    EXPECT_FALSE(std::filesystem::exists(strReport));
}

TEST_F(FileCommands, TheEditorIsTheVisualOneThenTheOtherInATerminalWhereNeeded) {
    EXPECT_EQ(EditorCommand("/p/a.c", "gedit --new-window", "nano"),
              (QStringList{"gedit", "--new-window", "/p/a.c"}));
    EXPECT_EQ(EditorCommand("/p/a.c", "", "mousepad"), (QStringList{"mousepad", "/p/a.c"}));
    EXPECT_TRUE(EditorCommand("/p/a.c", nullptr, nullptr).isEmpty());
    // A terminal editor runs in the terminal found on the path; without one, nothing.
    std::string strTerminal = dir.WriteFile("bin/xterm", "#!/bin/sh\n");
    ASSERT_EQ(chmod(strTerminal.c_str(), 0755), 0);
    QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(dir / "bin"));
    EXPECT_EQ(EditorCommand("/p/a.c", "vim", ""),
              (QStringList{QString::fromStdString(strTerminal), "-e", "vim", "/p/a.c"}));
    EXPECT_EQ(EditorCommand("/p/a.c", "emacs -nw", ""),
              (QStringList{QString::fromStdString(strTerminal), "-e", "emacs", "-nw", "/p/a.c"}));
    EXPECT_EQ(EditorCommand("/p/a.c", "emacs", ""), (QStringList{"emacs", "/p/a.c"}));
    qputenv("PATH", QByteArray::fromStdString(dir / "empty"));
    EXPECT_TRUE(EditorCommand("/p/a.c", "vi", "").isEmpty());
    qputenv("PATH", path);
}

// Neither the desktop's opener nor an editor: the command says so instead of nothing.
TEST_F(FileCommands, WithoutAnyProgramToOpenTheFileTheUserIsTold) {
    QByteArray path = qgetenv("PATH"), visual = qgetenv("VISUAL"), editor = qgetenv("EDITOR");
    qputenv("PATH", QByteArray::fromStdString(dir / "empty"));
    qunsetenv("VISUAL");
    qunsetenv("EDITOR");
    bool bFailed = false;
    QObject context;
    OpenFileInEditor(dir / "a.c", &context, [&bFailed] { bFailed = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return bFailed; }, 60000));
    qputenv("PATH", path);
    if (!visual.isNull())
        qputenv("VISUAL", visual);
    if (!editor.isNull())
        qputenv("EDITOR", editor);
}

TEST_F(FileCommands, SelectFolderWantsAFolderAndNamesItInFull) {
    std::string a = dir.WriteFile("rel/a.txt", "");
    CFolderFilesDlg dialog(app.m_parsers, *pDialogs, "", 0, "*.txt");
    auto* pOk = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(pOk->isEnabled());
    std::string strOld = std::filesystem::current_path().string();
    std::filesystem::current_path(dir.Path());
    dialog.m_pFolderEdit->setText("rel/");
    EXPECT_TRUE(pOk->isEnabled());
    dialog.accept();
    std::filesystem::current_path(strOld);
    EXPECT_EQ(dialog.m_strFolderPath, dir / "rel");
    EXPECT_EQ(dialog.m_files, Strings{a});
}
