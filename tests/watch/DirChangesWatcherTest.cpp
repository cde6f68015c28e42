// The watcher with its own thread over real folders.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "tests/support/TempDir.h"
#include "watch/DirChangesWatcher.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {
// Waits for the thread to notice a change; the bound only keeps a broken watcher from
// hanging the run.
bool WaitForChange(const CDirChangesWatcher& watcher) {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!watcher.HasChanged() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    return watcher.HasChanged();
}

// A change that must not set the flag gives no signal to wait for, so the thread is
// given a fixed while to handle its events before the flag is read.
void Settle() {
    std::this_thread::sleep_for(300ms);
}

void AppendTo(const std::string& strPath, const std::string& strText) {
    std::ofstream out(strPath, std::ios::binary | std::ios::app);
    out << strText;
}

CWatchDirList ListOf(std::initializer_list<SWatchDir> dirs) {
    CWatchDirList list;
    for (const SWatchDir& dir : dirs)
        list.AddDir(dir.strPath, dir.bSubtree);
    return list;
}

size_t CountOpenDescriptors() {
    size_t nCount = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd"))
        ++nCount;
    return nCount;
}

enum class EPlace { WatchedFolder, DeepInSubtree };
enum class EChange { Write, Create, Delete, RenameWithin, MoveIn, MoveOut, Touch };

// Layout: "watched/a/b" holds existing.cpp; "outside" is a sibling nobody watches.
void MakeChange(const CTempDir& dir, const std::string& target, EChange change) {
    switch (change) {
    case EChange::Write:
        AppendTo(target + "/existing.cpp", "more");
        break;
    case EChange::Create:
        AppendTo(target + "/new.cpp", "x");
        break;
    case EChange::Delete:
        fs::remove(target + "/existing.cpp");
        break;
    case EChange::RenameWithin:
        fs::rename(target + "/existing.cpp", target + "/renamed.cpp");
        break;
    case EChange::MoveIn:
        fs::rename(dir / "outside/stranger.cpp", target + "/stranger.cpp");
        break;
    case EChange::MoveOut:
        fs::rename(target + "/existing.cpp", dir / "outside/existing.cpp");
        break;
    case EChange::Touch:
        // A new last-write time and nothing else, as touch gives it.
        fs::last_write_time(target + "/existing.cpp",
                            fs::last_write_time(target + "/existing.cpp") + std::chrono::hours(1));
        break;
    }
}
} // namespace

class WatcherSeesFileChange : public testing::TestWithParam<std::tuple<EPlace, EChange>> {};

TEST_P(WatcherSeesFileChange, SetsTheFlag) {
    const auto [place, change] = GetParam();
    CTempDir dir;
    dir.WriteFile("watched/existing.cpp", "x");
    dir.WriteFile("watched/a/b/existing.cpp", "x");
    dir.WriteFile("outside/stranger.cpp", "x");
    const bool bDeep = place == EPlace::DeepInSubtree;
    const std::string target = dir / (bDeep ? "watched/a/b" : "watched");

    CDirChangesWatcher watcher(ListOf({{dir / "watched", bDeep ? 1 : 0}}));
    watcher.WaitForSetUp();
    EXPECT_FALSE(watcher.HasChanged());
    MakeChange(dir, target, change);
    EXPECT_TRUE(WaitForChange(watcher));
}

INSTANTIATE_TEST_SUITE_P(
    AllPlaces, WatcherSeesFileChange,
    testing::Combine(testing::Values(EPlace::WatchedFolder, EPlace::DeepInSubtree),
                     testing::Values(EChange::Write, EChange::Create, EChange::Delete,
                                     EChange::RenameWithin, EChange::MoveIn, EChange::MoveOut,
                                     EChange::Touch)));

TEST(DirChangesWatcher, EmptySubfolderAloneIsNoChangeButItsFilesAre) {
    CTempDir dir;
    dir.MakeDir("watched");
    CDirChangesWatcher watcher(ListOf({{dir / "watched", 1}}));
    watcher.WaitForSetUp();

    dir.MakeDir("watched/new/deeper");
    Settle();
    EXPECT_FALSE(watcher.HasChanged());
    dir.WriteFile("watched/new/deeper/file.cpp", "x");
    EXPECT_TRUE(WaitForChange(watcher));
}

TEST(DirChangesWatcher, FileMovedIntoANewSubfolderIsSeen) {
    CTempDir dir;
    dir.MakeDir("watched");
    dir.WriteFile("outside/stranger.cpp", "x");
    CDirChangesWatcher watcher(ListOf({{dir / "watched", 1}}));
    watcher.WaitForSetUp();

    dir.MakeDir("watched/new");
    Settle();
    EXPECT_FALSE(watcher.HasChanged());
    fs::rename(dir / "outside/stranger.cpp", dir / "watched/new/stranger.cpp");
    EXPECT_TRUE(WaitForChange(watcher));
}

TEST(DirChangesWatcher, ChangesOutsideTheWatchedFoldersAreNotSeen) {
    CTempDir dir;
    std::string existing = dir.WriteFile("watched/existing.cpp", "x");
    dir.MakeDir("watched/sub");
    dir.MakeDir("sibling");
    CDirChangesWatcher watcher(ListOf({{dir / "watched", 0}}));
    watcher.WaitForSetUp();

    dir.WriteFile("sibling/file.cpp", "x");
    dir.WriteFile("watched/sub/file.cpp", "x"); // below a folder watched without subtree
    fs::permissions(existing, fs::perms::owner_read, fs::perm_options::replace);
    Settle();
    EXPECT_FALSE(watcher.HasChanged());
    dir.WriteFile("watched/file.cpp", "x");
    EXPECT_TRUE(WaitForChange(watcher));
}

TEST(DirChangesWatcher, FolderThatCannotBeWatchedLeavesTheOthersWatched) {
    CTempDir dir;
    dir.MakeDir("plain");
    dir.MakeDir("tree/sub");
    std::string file = dir.WriteFile("file.txt", "x");
    const CWatchDirList list = ListOf({{dir / "missing", 0},
                                       {dir / "plain", 0},
                                       {file, 1},
                                       {dir / "tree", 1},
                                       {dir / "gone", 1}});
    ASSERT_EQ(list.size(), 5u);

    for (const char* changed : {"plain/new.cpp", "tree/sub/new.cpp"}) {
        CDirChangesWatcher watcher(list);
        watcher.WaitForSetUp();
        dir.WriteFile(changed, "x");
        EXPECT_TRUE(WaitForChange(watcher)) << changed;
    }
}

TEST(DirChangesWatcher, WatchesManyFoldersAndLongPaths) {
    CTempDir dir;
    CWatchDirList list;
    // Distinct names, so that no record's text is a prefix of another's.
    for (int i = 100; i < 180; ++i)
        list.AddDir(dir.MakeDir("f" + std::to_string(i)), 0);
    std::string deep = "tree";
    while (deep.size() < 400)
        deep += "/a_rather_long_folder_name";
    dir.MakeDir(deep);
    list.AddDir(dir / "tree", 1);
    ASSERT_EQ(list.size(), 81u);

    for (const std::string& changed : {std::string("f179/new.cpp"), deep + "/new.cpp"}) {
        CDirChangesWatcher watcher(list);
        watcher.WaitForSetUp();
        dir.WriteFile(changed, "x");
        EXPECT_TRUE(WaitForChange(watcher)) << changed;
    }
}

TEST(DirChangesWatcher, FlagStaysSetWhileChangesGoOn) {
    CTempDir dir;
    dir.MakeDir("watched");
    CDirChangesWatcher watcher(ListOf({{dir / "watched", 1}}));
    watcher.WaitForSetUp();
    dir.WriteFile("watched/one.cpp", "x");
    ASSERT_TRUE(WaitForChange(watcher));

    dir.WriteFile("watched/sub/two.cpp", "x");
    fs::remove(dir / "watched/one.cpp");
    fs::remove_all(dir / "watched");
    Settle();
    EXPECT_TRUE(watcher.HasChanged());
}

TEST(DirChangesWatcher, EmptyListWaitsOnlyForTheStop) {
    CTempDir dir;
    CDirChangesWatcher watcher{CWatchDirList()};
    watcher.WaitForSetUp();
    dir.WriteFile("file.cpp", "x");
    Settle();
    EXPECT_FALSE(watcher.HasChanged());
}

// A destructor that did not wake or join its thread would hang here or leave descriptors
// open; memory it left behind is reported by the leak checker at exit.
TEST(DirChangesWatcher, DestroyingStopsTheThreadAndReleasesEverything) {
    CTempDir dir;
    dir.MakeDir("watched/a/b");
    dir.MakeDir("plain");
    const CWatchDirList list = ListOf({{dir / "watched", 1}, {dir / "plain", 0}});
    const size_t nOpenBefore = CountOpenDescriptors();

    for (int i = 0; i < 150; ++i) {
        auto watcher = std::make_unique<CDirChangesWatcher>(list);
        if (i % 3 == 1)
            watcher->WaitForSetUp(); // destroyed while its thread waits
        if (i % 3 == 2) {
            watcher->WaitForSetUp();
            AppendTo(dir / "plain/file.cpp", "x"); // destroyed after a change
            EXPECT_TRUE(WaitForChange(*watcher));
        }
        watcher.reset();
    }
    EXPECT_EQ(CountOpenDescriptors(), nOpenBefore);
}
