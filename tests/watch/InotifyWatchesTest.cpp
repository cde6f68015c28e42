// The watch set without its thread: inotify queues an event before the call that caused
// it returns, so each change can be read back at once and judged on its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "tests/support/TempDir.h"
#include "watch/InotifyWatches.h"

namespace fs = std::filesystem;

namespace {
using EEvents = CInotifyWatches::EEvents;

void AppendTo(const std::string& strPath, const std::string& strText) {
    std::ofstream out(strPath, std::ios::binary | std::ios::app);
    out << strText;
}
} // namespace

TEST(InotifyWatches, SubtreeWatchesEveryFolderPlainWatchOnlyItsOwn) {
    CTempDir dir;
    dir.MakeDir("root/a/b/c");
    dir.MakeDir("root/d");
    dir.WriteFile("root/a/file.cpp", "x");
    dir.MakeDir("plain/sub");

    CInotifyWatches watches;
    ASSERT_TRUE(watches.IsOpen());
    ASSERT_TRUE(watches.WatchDir({dir / "root", 1}));
    EXPECT_EQ(watches.GetWatchCount(), 5u); // root, a, a/b, a/b/c, d
    ASSERT_TRUE(watches.WatchDir({dir / "plain", 0}));
    EXPECT_EQ(watches.GetWatchCount(), 6u);
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);
}

TEST(InotifyWatches, FolderThatCannotBeWatchedIsRefused) {
    CTempDir dir;
    std::string file = dir.WriteFile("file.txt", "x");
    CInotifyWatches watches;
    EXPECT_FALSE(watches.WatchDir({dir / "missing", 0}));
    EXPECT_FALSE(watches.WatchDir({dir / "missing", 1}));
    EXPECT_FALSE(watches.WatchDir({file, 0}));
    EXPECT_FALSE(watches.WatchDir({file, 1}));
    EXPECT_EQ(watches.GetWatchCount(), 0u);
    EXPECT_TRUE(watches.WatchDir({dir.Path(), 0}));
}

TEST(InotifyWatches, LinksBelowASubtreeAreNotFollowed) {
    CTempDir dir;
    dir.MakeDir("root/sub");
    dir.MakeDir("elsewhere/inner");
    fs::create_directory_symlink(dir / "root", dir / "root/sub/loop");
    fs::create_directory_symlink(dir / "elsewhere", dir / "root/away");

    CInotifyWatches watches;
    ASSERT_TRUE(watches.WatchDir({dir / "root", 1}));
    EXPECT_EQ(watches.GetWatchCount(), 2u);
    // The top folder itself may be a link: it is the folder the user named.
    ASSERT_TRUE(watches.WatchDir({dir / "root/away", 1}));
    EXPECT_EQ(watches.GetWatchCount(), 4u);
}

TEST(InotifyWatches, FileChangesAreChangesAndAttributesAreNot) {
    CTempDir dir;
    std::string existing = dir.WriteFile("w/existing.cpp", "x");
    dir.MakeDir("outside");
    CInotifyWatches watches;
    ASSERT_TRUE(watches.WatchDir({dir / "w", 0}));

    chmod(existing.c_str(), 0600);
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);
    AppendTo(existing, "more");
    EXPECT_EQ(watches.ReadEvents(), EEvents::Changed);
    EXPECT_EQ(watches.ReadEvents(), EEvents::None) << "events are read only once";
    dir.WriteFile("w/new.h", "");
    EXPECT_EQ(watches.ReadEvents(), EEvents::Changed);
    fs::rename(dir / "w/new.h", dir / "w/renamed.h");
    EXPECT_EQ(watches.ReadEvents(), EEvents::Changed);
    fs::rename(dir / "w/renamed.h", dir / "outside/out.h");
    EXPECT_EQ(watches.ReadEvents(), EEvents::Changed);
    fs::rename(dir / "outside/out.h", dir / "w/back.h");
    EXPECT_EQ(watches.ReadEvents(), EEvents::Changed);
    fs::remove(existing);
    EXPECT_EQ(watches.ReadEvents(), EEvents::Changed);
}

TEST(InotifyWatches, FoldersAloneAreNoChange) {
    CTempDir dir;
    dir.MakeDir("tree");
    dir.MakeDir("plain");
    CInotifyWatches watches;
    ASSERT_TRUE(watches.WatchDir({dir / "tree", 1}));
    ASSERT_TRUE(watches.WatchDir({dir / "plain", 0}));

    dir.MakeDir("tree/empty");
    dir.MakeDir("plain/empty");
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);
    EXPECT_EQ(watches.GetWatchCount(), 3u) << "only the subtree takes its new folder in";
    fs::rename(dir / "tree/empty", dir / "tree/moved");
    fs::remove(dir / "plain/empty");
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);

    // A subfolder of a folder watched without its subtree is not watched.
    dir.MakeDir("plain/sub");
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);
    dir.WriteFile("plain/sub/file.cpp", "x");
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);
}

TEST(InotifyWatches, NewSubtreeFoldersAreWatchedFromThenOn) {
    CTempDir dir;
    dir.MakeDir("tree");
    CInotifyWatches watches;
    ASSERT_TRUE(watches.WatchDir({dir / "tree", 1}));

    dir.MakeDir("tree/new");
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);
    dir.MakeDir("tree/new/deeper");
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);
    EXPECT_EQ(watches.GetWatchCount(), 3u);
    dir.WriteFile("tree/new/deeper/file.cpp", "x");
    EXPECT_EQ(watches.ReadEvents(), EEvents::Changed);
}

TEST(InotifyWatches, RenamedSubtreeFolderKeepsTakingNewFoldersIn) {
    CTempDir dir;
    dir.MakeDir("tree/old");
    CInotifyWatches watches;
    ASSERT_TRUE(watches.WatchDir({dir / "tree", 1}));

    fs::rename(dir / "tree/old", dir / "tree/new");
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);
    // The new folder's path is known only if the rename was followed.
    dir.MakeDir("tree/new/inner");
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);
    dir.WriteFile("tree/new/inner/file.cpp", "x");
    EXPECT_EQ(watches.ReadEvents(), EEvents::Changed);
}

TEST(InotifyWatches, FolderMovedInWithFilesBringsNewFiles) {
    CTempDir dir;
    dir.MakeDir("tree");
    dir.MakeDir("outside/empty");
    dir.WriteFile("outside/full/sub/file.cpp", "x");
    CInotifyWatches watches;
    ASSERT_TRUE(watches.WatchDir({dir / "tree", 1}));

    fs::rename(dir / "outside/empty", dir / "tree/empty");
    EXPECT_EQ(watches.ReadEvents(), EEvents::None);
    fs::rename(dir / "outside/full", dir / "tree/full");
    EXPECT_EQ(watches.ReadEvents(), EEvents::Changed);
    EXPECT_EQ(watches.GetWatchCount(), 4u);
    fs::remove(dir / "tree/full/sub/file.cpp");
    EXPECT_EQ(watches.ReadEvents(), EEvents::Changed);
}
