// File status, wildcard matching and directory listing.
#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

#include "platform/DirectoryList.h"
#include "platform/FileStatus.h"
#include "platform/TextList.h"
#include "tests/support/TempDir.h"

TEST(Wildcard, FollowsTheClassicRules) {
    EXPECT_TRUE(MatchesWildcard("*.cpp", "main.cpp"));
    EXPECT_TRUE(MatchesWildcard("*.cpp", "MAIN.CPP"));
    EXPECT_FALSE(MatchesWildcard("*.cpp", "main.cpp.bak"));
    EXPECT_TRUE(MatchesWildcard("*.*", "README"));
    EXPECT_TRUE(MatchesWildcard("*", ".hidden"));
    EXPECT_TRUE(MatchesWildcard("?.h", "a.h"));
    EXPECT_FALSE(MatchesWildcard("?.h", "ab.h"));
    EXPECT_TRUE(MatchesWildcard("*.ini", "c.INI"));
    EXPECT_FALSE(MatchesWildcard("*.ini", "ini"));
    EXPECT_TRUE(MatchesWildcard("a*b*c", "aXbYbc"));
}

// Many stars against a long name that almost matches: the match costs the product of
// their lengths, not a power of it.
TEST(Wildcard, ManyStarsDoNotMakeTheMatchExplode) {
    std::string strName(400, 'a');
    std::string strMask;
    for (int i = 0; i < 12; ++i)
        strMask += "*a";
    EXPECT_FALSE(MatchesWildcard(strMask + "*b", strName));
    EXPECT_TRUE(MatchesWildcard(strMask + "*", strName));
    EXPECT_TRUE(MatchesWildcard("*a*?*a", "xaya"));
    EXPECT_FALSE(MatchesWildcard("*a*?*a", "xaa"));
}

TEST(DirectoryList, ListsMatchingEntriesAndMarksFolders) {
    CTempDir dir;
    dir.WriteFile("one.ini", "");
    dir.WriteFile("two.txt", "");
    dir.MakeDir("sub.ini");
    std::vector<SDirEntry> entries;
    ASSERT_TRUE(ListDirectory(dir.Path(), "*.ini", entries));
    ASSERT_EQ(entries.size(), 2u);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.strName < b.strName; });
    EXPECT_EQ(entries[0].strName, "one.ini");
    EXPECT_FALSE(entries[0].bDirectory);
    EXPECT_EQ(entries[1].strName, "sub.ini");
    EXPECT_TRUE(entries[1].bDirectory);
}

TEST(DirectoryList, MissingFolderFails) {
    std::vector<SDirEntry> entries;
    EXPECT_FALSE(ListDirectory("/nonexistent/mirt/folder", "*.*", entries));
    EXPECT_TRUE(entries.empty());
}

TEST(FileStatus, ReportsTimeAndReadOnlyMark) {
    CTempDir dir;
    std::string path = dir.WriteFile("a.txt", "x");
    SetFileTime(path, 1000000000);
    SFileStatus status;
    ASSERT_TRUE(GetFileStatus(path, status));
    EXPECT_EQ(status.tModified, 1000000000);
    EXPECT_FALSE(status.bReadOnly);
    EXPECT_FALSE(status.bDirectory);

    chmod(path.c_str(), 0444);
    ASSERT_TRUE(GetFileStatus(path, status));
    EXPECT_TRUE(status.bReadOnly);
    EXPECT_TRUE(IsReadOnlyFile(path));
}

TEST(FileStatus, MissingFileHasNoStatus) {
    SFileStatus status;
    EXPECT_FALSE(GetFileStatus("/nonexistent/mirt/file", status));
    EXPECT_FALSE(GetFileStatus("", status));
    EXPECT_TRUE(IsReadOnlyFile("/nonexistent/mirt/file"));
}

TEST(SplitList, BlanksCommasAndSemicolonsInRuns) {
    EXPECT_EQ(SplitList("*.cpp, *.h;;*.rc"), (std::vector<std::string>{"*.cpp", "*.h", "*.rc"}));
    EXPECT_EQ(SplitList("c, cpp;;h"), (std::vector<std::string>{"c", "cpp", "h"}));
    EXPECT_TRUE(SplitList(" ,; ").empty());
    EXPECT_EQ(SplitList("a\tb"), (std::vector<std::string>{"a\tb"}));
}
