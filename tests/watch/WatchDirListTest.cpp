// Merging folders into the watch list: the first record that decides ends the merge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "watch/WatchDirList.h"

namespace {
CWatchDirList MakeList(const std::vector<SWatchDir>& dirs) {
    CWatchDirList list;
    for (const SWatchDir& dir : dirs)
        list.push_back(dir);
    return list;
}

void ExpectList(const CWatchDirList& list, const std::vector<SWatchDir>& expected) {
    ASSERT_EQ(list.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(list[i].strPath, expected[i].strPath) << "record " << i;
        EXPECT_EQ(list[i].bSubtree != 0, expected[i].bSubtree != 0) << "record " << i;
    }
}
} // namespace

TEST(WatchDirList, EmptyListTakesTheFolder) {
    CWatchDirList list;
    list.AddDir("/proj", 1);
    ExpectList(list, {{"/proj", 1}});
}

TEST(WatchDirList, SubtreeFolderReplacesTheRecordBelowIt) {
    CWatchDirList list = MakeList({{"/proj/src", 0}});
    list.AddDir("/proj", 1);
    ExpectList(list, {{"/proj", 1}});
}

TEST(WatchDirList, FolderInsideAWatchedSubtreeIsNotAdded) {
    CWatchDirList list = MakeList({{"/proj", 1}});
    list.AddDir("/proj/src", 0);
    list.AddDir("/PROJ/Src/deep", 1);
    ExpectList(list, {{"/proj", 1}});
}

TEST(WatchDirList, FolderBelowAFolderWithoutSubtreeIsAppended) {
    CWatchDirList list = MakeList({{"/proj", 0}});
    list.AddDir("/proj/src", 0);
    ExpectList(list, {{"/proj", 0}, {"/proj/src", 0}});
}

TEST(WatchDirList, SameFolderInOtherCaseGainsTheSubtreeButKeepsItsText) {
    CWatchDirList list = MakeList({{"/proj", 0}});
    list.AddDir("/PROJ", 1);
    ExpectList(list, {{"/proj", 1}});
}

TEST(WatchDirList, SameFolderNeverLosesItsSubtree) {
    CWatchDirList list = MakeList({{"/proj", 1}});
    list.AddDir("/Proj", 0);
    ExpectList(list, {{"/proj", 1}});

    CWatchDirList plain = MakeList({{"/proj", 0}});
    plain.AddDir("/proj", 0);
    ExpectList(plain, {{"/proj", 0}});
}

// The prefix test is on the text, not on whole path components.
TEST(WatchDirList, TextPrefixCoversASiblingWithALongerName) {
    CWatchDirList list = MakeList({{"/proj", 1}});
    list.AddDir("/proj2", 0);
    list.AddDir("/PROJ2", 1);
    ExpectList(list, {{"/proj", 1}});
}

TEST(WatchDirList, ParentWithoutSubtreeDoesNotReplaceTheRecordBelowIt) {
    CWatchDirList list = MakeList({{"/proj/src", 0}});
    list.AddDir("/proj", 0);
    ExpectList(list, {{"/proj/src", 0}, {"/proj", 0}});
}

TEST(WatchDirList, OnlyTheFirstRecordBelowANewSubtreeIsReplaced) {
    CWatchDirList list = MakeList({{"/other", 0}, {"/proj/a", 0}, {"/proj/b", 1}});
    list.AddDir("/proj", 1);
    ExpectList(list, {{"/other", 0}, {"/proj", 1}, {"/proj/b", 1}});
}

TEST(WatchDirList, RecordsThatDoNotDecidePassTheFolderOn) {
    // "/p" has no subtree, so the search goes on and meets "/p/s" of the same length.
    CWatchDirList list = MakeList({{"/p", 0}, {"/p/s", 0}});
    list.AddDir("/P/S", 1);
    ExpectList(list, {{"/p", 0}, {"/p/s", 1}});

    // "/proj/src" is a prefix without subtree; the later "/proj" subtree covers the folder.
    CWatchDirList covered = MakeList({{"/proj/src", 0}, {"/proj", 1}});
    covered.AddDir("/proj/src/x", 0);
    ExpectList(covered, {{"/proj/src", 0}, {"/proj", 1}});
}

TEST(WatchDirList, FilesInWatchedFoldersAddNoFurtherRecords) {
    // The project's folders first, then the folder of each of its files.
    CWatchDirList list;
    list.AddDir("/proj", 1);
    list.AddDir("/lib", 0);
    for (const char* folder : {"/proj", "/proj/src", "/PROJ/include/sys", "/lib", "/Lib"})
        list.AddDir(folder, 0);
    ExpectList(list, {{"/proj", 1}, {"/lib", 0}});
    list.AddDir("/lib/sub", 0);
    ExpectList(list, {{"/proj", 1}, {"/lib", 0}, {"/lib/sub", 0}});
}

TEST(WatchDirList, HoldsPathsOfAnyLength) {
    std::string longPath = "/proj";
    while (longPath.size() < 1000)
        longPath += "/folder";
    CWatchDirList list;
    list.AddDir(longPath, 0);
    list.AddDir(longPath + "/below", 0);
    list.AddDir("/proj", 1);
    ExpectList(list, {{"/proj", 1}, {longPath + "/below", 0}});
}
