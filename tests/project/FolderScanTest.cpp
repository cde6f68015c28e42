// Folder scans: masks, order, subfolders and the folders that are never entered.
#include <gtest/gtest.h>

#include <unistd.h>

#include "project/FolderScan.h"
#include "tests/support/TempDir.h"

namespace {
class FolderScan : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"b.cpp", "a.CPP", "c.h", "readme", "sub/d.cpp", "sub/e.h",
                                 "sub/deeper/f.cpp", ".svn/g.cpp", "sub/.hidden/h.cpp"})
            dir.WriteFile(name, "x");
    }
    std::vector<std::string> Scan(const std::string& mask, bool bSubfolders) {
        std::vector<std::string> list;
        ScanFolder(list, dir.Path(), mask, bSubfolders);
        for (std::string& path : list)
            path = path.substr(dir.Path().size() + 1);
        return list;
    }
    CTempDir dir;
};
} // namespace

TEST_F(FolderScan, FilesOfAFolderMatchingTheMask) {
    EXPECT_EQ(Scan("*.cpp", false), (std::vector<std::string>{"a.CPP", "b.cpp"}));
    EXPECT_EQ(Scan("", false), (std::vector<std::string>{"a.CPP", "b.cpp", "c.h", "readme"}));
}

TEST_F(FolderScan, SubfoldersDepthFirstAfterTheFolderItself) {
    EXPECT_EQ(Scan("*.cpp", true),
              (std::vector<std::string>{"a.CPP", "b.cpp", "sub/d.cpp", "sub/deeper/f.cpp"}));
}

TEST_F(FolderScan, MissingFolderGivesNothing) {
    std::vector<std::string> list;
    ScanFolder(list, dir / "none", "*.*", true);
    EXPECT_TRUE(list.empty());
}

TEST_F(FolderScan, LinkBackToAParentIsNotFollowedRoundInCircles) {
    ASSERT_EQ(symlink(dir.Path().c_str(), (dir / "sub/loop").c_str()), 0);
    std::vector<std::string> list = Scan("*.h", true);
    EXPECT_EQ(list, (std::vector<std::string>{"c.h", "sub/e.h"}));
}

// A scan of several masks walks the tree once and gives what one scan per mask, in
// the masks' order, would give.
TEST_F(FolderScan, SeveralMasksComeInTheOrderOfTheMasks) {
    std::vector<std::string> list;
    ScanFolderMasks(list, dir.Path(), {"*.cpp", "*.h"}, true);
    for (std::string& path : list)
        path = path.substr(dir.Path().size() + 1);
    EXPECT_EQ(list, (std::vector<std::string>{"a.CPP", "b.cpp", "sub/d.cpp", "sub/deeper/f.cpp",
                                              "c.h", "sub/e.h"}));
}

TEST_F(FolderScan, AFolderThatCannotBeReadIsNamedWithItsReason) {
    std::vector<std::string> list;
    std::vector<SScanProblem> problems;
    ScanFolderMasks(list, dir / "none", {"*.*"}, true, &problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].strPath, dir / "none");
    EXPECT_EQ(problems[0].strReason, "No such file or directory");
}

// Deep trees cost time in proportion to their size: a chain of 2,000 folders is
// scanned whole.
TEST_F(FolderScan, AChainOfTwoThousandFoldersIsScannedToItsEnd) {
    std::string strPath = dir / "deep";
    for (int i = 0; i < 2000; ++i)
        strPath += "/d";
    std::string strCommand = "mkdir -p " + strPath;
    ASSERT_EQ(std::system(strCommand.c_str()), 0);
    std::string strFile = strPath + "/x.cpp";
    ASSERT_EQ(std::system(("touch " + strFile).c_str()), 0);
    std::vector<std::string> list;
    std::vector<SScanProblem> problems;
    ScanFolderMasks(list, dir / "deep", {"*.cpp", "*.h", "*.c"}, true, &problems);
    EXPECT_EQ(list, std::vector<std::string>{strFile});
    EXPECT_TRUE(problems.empty());
    std::system(("rm -rf " + (dir / "deep")).c_str());
}
