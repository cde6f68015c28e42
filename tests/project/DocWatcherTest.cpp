// The document's folder watcher: which folders it is built over and when it is replaced.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "project/MirtDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"
#include "watch/DirChangesWatcher.h"

namespace {
class DocWatcher : public ::testing::Test {
protected:
    void SetUp() override { doc.OnNewDocument(); }

    std::vector<std::pair<std::string, int32_t>> List() const {
        std::vector<std::pair<std::string, int32_t>> list;
        for (const SWatchDir& dir : doc.GetRefresh().BuildWatchDirList())
            list.emplace_back(dir.strPath, dir.bSubtree);
        return list;
    }
    // Makes the current watcher see a change, so that a replacement shows as a clear flag.
    void Disturb(const std::string& strFile) {
        doc.GetRefresh().WaitForWatcherSetUp();
        dir.WriteFile(strFile, "x");
        ASSERT_TRUE(WaitForChange());
    }
    // The bound only keeps a broken watcher from hanging the run.
    bool WaitForChange() const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!doc.GetRefresh().WatcherSawChange() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return doc.GetRefresh().WatcherSawChange();
    }

    CTempDir dir;
    CTestApp app;
    CMirtDoc doc{app};
};
} // namespace

TEST_F(DocWatcher, FilesInsideWatchedFoldersAddNoRecords) {
    std::string root = dir.MakeDir("proj");
    doc.m_folders.push_back(std::make_unique<CSpellFolder>(root, "*.cpp", 1));
    doc.AddFile(dir.WriteFile("proj/a.cpp", "x"));
    doc.AddFile(dir.WriteFile("proj/deep/er/b.cpp", "x"));
    EXPECT_EQ(List(), (std::vector<std::pair<std::string, int32_t>>{{root, 1}}));
}

TEST_F(DocWatcher, FoldersComeFirstThenEachFilesFolderOnce) {
    std::string src = dir.MakeDir("src");
    doc.m_folders.push_back(std::make_unique<CSpellFolder>(src, "*.cpp", 0));
    doc.AddFile(dir.WriteFile("inc/a.h", "x"));
    doc.AddFile(dir.WriteFile("src/b.cpp", "x"));
    doc.AddFile(dir.WriteFile("inc/c.h", "x"));
    doc.AddFile(dir.WriteFile("src/sub/d.cpp", "x"));
    doc.AddFile("/top.cpp");
    EXPECT_EQ(List(), (std::vector<std::pair<std::string, int32_t>>{
                          {src, 0}, {dir / "inc", 0}, {dir / "src/sub", 0}, {"/", 0}}));
}

TEST_F(DocWatcher, AddingFilesWatchesTheirFolders) {
    CTempDir elsewhere;
    std::string file = elsewhere.WriteFile("a.cpp", "x");
    doc.AddFiles({dir.WriteFile("here.cpp", "x")});
    Disturb("noise.txt");
    doc.AddFiles({file});
    ASSERT_TRUE(doc.GetRefresh().HasWatcher());
    EXPECT_FALSE(doc.GetRefresh().WatcherSawChange());
    doc.GetRefresh().WaitForWatcherSetUp();
    elsewhere.WriteFile("b.cpp", "x");
    EXPECT_TRUE(WaitForChange());
}

TEST_F(DocWatcher, AddingAFolderWatchesItsSubtree) {
    std::string root = dir.MakeDir("proj");
    dir.MakeDir("proj/sub");
    doc.AddFolder(root, "*.cpp", 1, {});
    doc.GetRefresh().WaitForWatcherSetUp();
    ASSERT_TRUE(doc.GetRefresh().HasWatcher());
    EXPECT_FALSE(doc.GetRefresh().WatcherSawChange());
    dir.WriteFile("proj/sub/new.cpp", "x");
    EXPECT_TRUE(WaitForChange());
}

TEST_F(DocWatcher, NewProjectReplacesTheWatcherByOneOverNothing) {
    ASSERT_TRUE(doc.GetRefresh().HasWatcher());
    std::string root = dir.MakeDir("proj");
    doc.AddFolder(root, "*.cpp", 1, {});
    Disturb("proj/new.cpp");
    doc.OnNewDocument();
    ASSERT_TRUE(doc.GetRefresh().HasWatcher());
    EXPECT_FALSE(doc.GetRefresh().WatcherSawChange());
    EXPECT_TRUE(List().empty());
}

TEST_F(DocWatcher, BatchModeWatchesNothing) {
    app.m_bConsole = 1;
    doc.AddFolder(dir.MakeDir("proj"), "*.cpp", 1, {});
    EXPECT_FALSE(doc.GetRefresh().HasWatcher());
    EXPECT_EQ(List().size(), 1u);
}
