// Coming back to the window refreshes the project against the disk: at once, or, while
// a dialog or message box of the program is open, when the main window itself is
// active again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>

#include "project/CheckOptions.h"
#include "tests/ui_support/FrameFixture.h"
#include "ui/MainFrame.h"
#include "ui/QtMessageDisplay.h"
#include "watch/DirChangesWatcher.h"

namespace {
class ActivationRefresh : public CFrameTest {
protected:
    void SetUp() override {
        CFrameTest::SetUp();
        doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
        path = Add("a.txt", "1:teh\n");
        Run();
        doc.RebuildWatcher();
        doc.GetRefresh().WaitForWatcherSetUp();
        // The tests take the steps of an activation themselves; the platform's own
        // activations of the offscreen windows would run refreshes in between.
        QObject::disconnect(qApp, &QGuiApplication::applicationStateChanged, &Frame(), nullptr);
    }
    // Changes the source outside the program and waits until the watcher saw it.
    void ChangeOnDisk() {
        dir.WriteFile("a.txt", "1:teh 1:teh\n");
        SetFileTime(path, 1900000000);
        ASSERT_TRUE(WaitFor([&] { return doc.GetRefresh().WatcherSawChange(); }));
    }
    std::string Question() const {
        return "The following files has been modified outside MIRT:\n    " + path +
               "\nWould you like to check spelling for those files?";
    }

    std::string path;
};
} // namespace

TEST_F(ActivationRefresh, ReturningToTheWindowAsksAboutChangedFiles) {
    ChangeOnDisk();
    Frame().OnApplicationActivated();
    EXPECT_EQ(app.Display().Messages(), Strings{Question()});
    EXPECT_FALSE(Frame().IsRefreshOwed());
}

TEST_F(ActivationRefresh, AnOpenMessageBoxDefersTheRefreshToTheWindowsActivation) {
    QMessageBox* pBox = MakeMessageBox(&Frame(), "Busy", MB_OK);
    pBox->setWindowModality(Qt::ApplicationModal);
    pBox->show();
    ChangeOnDisk();
    Frame().OnApplicationActivated();
    EXPECT_TRUE(app.Display().Messages().empty());
    EXPECT_TRUE(Frame().IsRefreshOwed());
    pBox->close();
    Frame().OnActivationChanged(true);
    EXPECT_EQ(app.Display().Messages(), Strings{Question()});
    EXPECT_FALSE(Frame().IsRefreshOwed());
}

TEST_F(ActivationRefresh, WithoutAChangeOnDiskNothingIsAsked) {
    Frame().OnApplicationActivated();
    EXPECT_TRUE(app.Display().Messages().empty());
}

TEST_F(ActivationRefresh, AMinimisedWindowForgetsTheOwedRefresh) {
    QMessageBox* pBox = MakeMessageBox(&Frame(), "Busy", MB_OK);
    pBox->setWindowModality(Qt::ApplicationModal);
    pBox->show();
    ChangeOnDisk();
    Frame().OnApplicationActivated();
    pBox->close();
    Frame().showMinimized();
    Frame().OnActivationChanged(true);
    EXPECT_TRUE(app.Display().Messages().empty());
    EXPECT_FALSE(Frame().IsRefreshOwed());
}

TEST(ActivationWiring, TheApplicationBecomingActiveRefreshesTheProject) {
    CTestApp app;
    CMirtDoc doc(app);
    doc.OnNewDocument();
    CRecentFileList recent;
    CMainFrame frame(doc, app, recent);
    CTempDir dir;
    std::string path = dir.WriteFile("a.txt", "x");
    doc.AddFile(path);
    // Without a watcher the refresh always runs, and drops a file gone from the disk.
    doc.GetRefresh().DropWatcher();
    std::remove(path.c_str());
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(doc.m_files.empty());
}
