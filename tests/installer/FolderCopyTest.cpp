// The folder copy through the library's entry point: what is copied, under which names,
// and what is left alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>

#include "tests/installer/TessmorLibrary.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {
// Every path below strRoot, relative to it, folders marked with a trailing "/".
std::set<std::string> Tree(const std::string& strRoot) {
    std::set<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(strRoot)) {
        std::string strPath = entry.path().lexically_relative(strRoot).string();
        paths.insert(entry.is_directory() && !entry.is_symlink() ? strPath + "/" : strPath);
    }
    return paths;
}

class FolderCopy : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_library.IsLoaded()) << TESSMOR_LIBRARY; }

    // Copies through the entry point and returns what it wrote on standard error.
    std::string Copy(const std::string& strSource, const std::string& strDestination) {
        CParameterBlock block;
        block.Add("INSTALLED_COMPANY_FOLDER", strSource);
        block.Add("MAIN_COMPANY_FOLDER", strDestination);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(m_library.CopyFolder(block.Data()), 0);
        return ::testing::internal::GetCapturedStderr();
    }

    CTessmorLibrary m_library;
    CTempDir m_dir;
};
} // namespace

TEST_F(FolderCopy, CopiesFilesAndSubfoldersIntoAnExistingFolder) {
    m_dir.WriteFile("old/a.txt", "alpha");
    m_dir.WriteFile("old/sub/b.txt", "beta");
    m_dir.WriteFile("old/sub/deep/c.txt", "gamma");
    m_dir.MakeDir("old/empty");
    m_dir.WriteFile("new/other.txt", "keep");

    EXPECT_EQ(Copy(m_dir / "old", m_dir / "new"), "");
    EXPECT_EQ(Tree(m_dir / "new"),
              (std::set<std::string>{"a.txt", "empty/", "other.txt", "sub/", "sub/b.txt",
                                     "sub/deep/", "sub/deep/c.txt"}));
    EXPECT_EQ(ReadWholeFile(m_dir / "new/sub/deep/c.txt"), "gamma");
    EXPECT_EQ(ReadWholeFile(m_dir / "new/other.txt"), "keep");
    // The source is only read.
    EXPECT_EQ(Tree(m_dir / "old"), (std::set<std::string>{"a.txt", "empty/", "sub/", "sub/b.txt",
                                                          "sub/deep/", "sub/deep/c.txt"}));
}

TEST_F(FolderCopy, KeepsExistingFilesAndCopiesBesideThemUnderCopyNames) {
    m_dir.WriteFile("old/notes.txt", "new notes");
    m_dir.WriteFile("new/notes.txt", "old notes");

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Copy(m_dir / "old", m_dir / "new"), "");
    EXPECT_EQ(ReadWholeFile(m_dir / "new/notes.txt"), "old notes");
    EXPECT_EQ(Tree(m_dir / "new"),
              (std::set<std::string>{"notes.txt", "Copy of notes.txt", "Copy (1) of notes.txt",
                                     "Copy (2) of notes.txt"}));
    EXPECT_EQ(ReadWholeFile(m_dir / "new/Copy (2) of notes.txt"), "new notes");
}

TEST_F(FolderCopy, CopyNameAfterNineIsTen) {
    m_dir.WriteFile("old/a.txt", "fresh");
    m_dir.WriteFile("new/a.txt", "0");
    m_dir.WriteFile("new/Copy of a.txt", "1");
    for (int i = 1; i <= 9; ++i)
        m_dir.WriteFile("new/Copy (" + std::to_string(i) + ") of a.txt", "x");

    EXPECT_EQ(Copy(m_dir / "old", m_dir / "new"), "");
    EXPECT_EQ(ReadWholeFile(m_dir / "new/Copy (10) of a.txt"), "fresh");
    EXPECT_EQ(ReadWholeFile(m_dir / "new/Copy (9) of a.txt"), "x");
    EXPECT_EQ(Tree(m_dir / "new").size(), 12u);
}

TEST_F(FolderCopy, CopyNamesOfNamesThatLookLikeCopies) {
    // Each name is in both folders; the copy lands under the name beside it.
    const std::pair<std::string, std::string> cases[] = {
        {"MyCopy file.txt", "Copy of MyCopy file.txt"},
        {"Copy (9) of a.txt", "Copy (10) of a.txt"},
        {"Copy of b.txt", "Copy (1) of b.txt"},
        {"Copy notes.txt", "Copy of Copy notes.txt"},
        {"Copy of Report (final).txt", "Copy (1) of Report (final).txt"},
        {"Copy (x) of c.txt", "Copy of Copy (x) of c.txt"},
        {"Copy (3 of d.txt", "Copy of Copy (3 of d.txt"},
        {"README", "Copy of README"},
        {".profile", "Copy of .profile"},
        {"archive.tar.gz", "Copy of archive.tar.gz"},
        {"v1.2/README", "v1.2/Copy of README"},
    };
    for (const auto& [strName, strCopy] : cases) {
        m_dir.WriteFile("old/" + strName, "source " + strName);
        m_dir.WriteFile("new/" + strName, "kept");
    }

    EXPECT_EQ(Copy(m_dir / "old", m_dir / "new"), "");
    for (const auto& [strName, strCopy] : cases) {
        EXPECT_EQ(ReadWholeFile(m_dir / ("new/" + strName)), "kept") << strName;
        EXPECT_EQ(ReadWholeFile(m_dir / ("new/" + strCopy)), "source " + strName) << strName;
    }
}

TEST_F(FolderCopy, IntoItsOwnParentCopiesNothing) {
    m_dir.WriteFile("parent/A/x.txt", "x");
    m_dir.WriteFile("Dir/A/y.txt", "y");
    m_dir.MakeDir("dir");

    EXPECT_EQ(Copy(m_dir / "parent/A", m_dir / "parent"), "");
    EXPECT_EQ(Copy(m_dir / "parent/A/", m_dir / "parent/"), "");
    // The parent is compared with letter case ignored.
    EXPECT_EQ(Copy(m_dir / "Dir/A", m_dir / "dir"), "");
    EXPECT_EQ(Tree(m_dir / "parent"), (std::set<std::string>{"A/", "A/x.txt"}));
    EXPECT_TRUE(Tree(m_dir / "dir").empty());
}

TEST_F(FolderCopy, IntoItselfCopiesNothing) {
    m_dir.WriteFile("A/x.txt", "x");
    m_dir.WriteFile("A/sub/y.txt", "y");

    EXPECT_EQ(Copy(m_dir / "A", m_dir / "A"), "");
    EXPECT_EQ(Copy(m_dir / "A", m_dir / "A/sub/.."), "");
    EXPECT_EQ(Tree(m_dir / "A"), (std::set<std::string>{"x.txt", "sub/", "sub/y.txt"}));
}

TEST_F(FolderCopy, IntoItsOwnSubfolderEntersAtMostOneSubfolder) {
    m_dir.WriteFile("A/f.txt", "f");
    m_dir.MakeDir("A/B");
    m_dir.WriteFile("A/C/c.txt", "c");

    EXPECT_EQ(Copy(m_dir / "A", m_dir / "A/B"), "");
    // "B" (the destination) is the one subfolder entered; "C" comes after it and is not.
    EXPECT_EQ(Tree(m_dir / "A/B"), (std::set<std::string>{"B/", "f.txt"}));
    EXPECT_EQ(ReadWholeFile(m_dir / "A/B/f.txt"), "f");
}

TEST_F(FolderCopy, TwoLevelsBelowTheSourceEnterTwoSubfolders) {
    m_dir.MakeDir("A/B/C");
    m_dir.WriteFile("A/D/d.txt", "d");
    m_dir.WriteFile("A/f.txt", "f");

    EXPECT_EQ(Copy(m_dir / "A", m_dir / "A/B/C"), "");
    // A/B goes to A/B/C/B, then its C to A/B/C/B/C; the budget is spent before "D".
    EXPECT_EQ(Tree(m_dir / "A/B/C"), (std::set<std::string>{"B/", "B/C/", "f.txt"}));
}

TEST_F(FolderCopy, AFolderBesideWithTheSameStartGetsEverySubfolder) {
    m_dir.WriteFile("Korvel/one/a.txt", "a");
    m_dir.WriteFile("Korvel/two/b.txt", "b");
    m_dir.MakeDir("KorvelNew");

    EXPECT_EQ(Copy(m_dir / "Korvel", m_dir / "KorvelNew"), "");
    EXPECT_EQ(Tree(m_dir / "KorvelNew"),
              (std::set<std::string>{"one/", "one/a.txt", "two/", "two/b.txt"}));
}

TEST_F(FolderCopy, MissingSourceIsReportedAndNothingIsCopied) {
    m_dir.WriteFile("new/keep.txt", "k");

    std::string strError = Copy(m_dir / "gone", m_dir / "new");
    EXPECT_NE(strError.find(m_dir / "gone not found"), std::string::npos) << strError;
    EXPECT_EQ(Tree(m_dir / "new"), (std::set<std::string>{"keep.txt"}));

    CParameterBlock empty;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(m_library.CopyFolder(empty.Data()), 0);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(" not found"), std::string::npos);
}

TEST_F(FolderCopy, NothingIsCopiedUnlessBothAreFolders) {
    m_dir.WriteFile("old/a.txt", "a");
    m_dir.WriteFile("file.txt", "plain");

    EXPECT_EQ(Copy(m_dir / "old", m_dir / "missing"), "");
    EXPECT_FALSE(fs::exists(m_dir / "missing"));
    EXPECT_EQ(Copy(m_dir / "old", m_dir / "file.txt"), "");
    EXPECT_EQ(ReadWholeFile(m_dir / "file.txt"), "plain");
    EXPECT_EQ(Copy(m_dir / "file.txt", m_dir / "old"), "");
    EXPECT_EQ(Tree(m_dir / "old"), (std::set<std::string>{"a.txt"}));
}

TEST_F(FolderCopy, StopsAtTheFirstFailureAndKeepsWhatWasCopied) {
    m_dir.WriteFile("old/a.txt", "a");
    m_dir.WriteFile("old/m/m.txt", "m");
    m_dir.WriteFile("old/z.txt", "z");
    m_dir.WriteFile("new/m", "a file where the source has a folder");

    std::string strError = Copy(m_dir / "old", m_dir / "new");
    EXPECT_NE(strError.find(m_dir / "new/m/m.txt: Not a directory"), std::string::npos) << strError;
    EXPECT_EQ(Tree(m_dir / "new"), (std::set<std::string>{"a.txt", "m"}));
    EXPECT_EQ(ReadWholeFile(m_dir / "new/m"), "a file where the source has a folder");
}

TEST_F(FolderCopy, KeepsContentModeAndModificationTime) {
    std::string strBig;
    for (int i = 0; i < 50000; ++i)
        strBig += std::to_string(i % 997) + ",";
    std::string strSource = m_dir.WriteFile("old/big.dat", strBig);
    std::string strTool = m_dir.WriteFile("old/tool.sh", "#!/bin/sh\n");
    chmod(strSource.c_str(), 0640);
    chmod(strTool.c_str(), 0750);
    SetFileTime(strSource, 1234567890);
    m_dir.MakeDir("new");

    EXPECT_EQ(Copy(m_dir / "old", m_dir / "new"), "");
    EXPECT_EQ(ReadWholeFile(m_dir / "new/big.dat"), strBig);
    struct stat source {};
    struct stat copy {};
    ASSERT_EQ(stat(strSource.c_str(), &source), 0);
    ASSERT_EQ(stat((m_dir / "new/big.dat").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_mode & 0777, 0640u);
    EXPECT_EQ(copy.st_mtime, source.st_mtime);
    ASSERT_EQ(stat((m_dir / "new/tool.sh").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_mode & 0777, 0750u);
}

TEST_F(FolderCopy, FollowsLinksButNotBackIntoTheFolderBeingCopied) {
    m_dir.WriteFile("old/f.txt", "f");
    m_dir.WriteFile("elsewhere/o.txt", "o");
    fs::create_directory_symlink(m_dir / "old", m_dir / "old/loop");
    fs::create_directory_symlink(m_dir / "elsewhere", m_dir / "old/ext");
    m_dir.MakeDir("new");

    EXPECT_EQ(Copy(m_dir / "old", m_dir / "new"), "");
    EXPECT_EQ(Tree(m_dir / "new"), (std::set<std::string>{"ext/", "ext/o.txt", "f.txt"}));
}

TEST(FolderCopyFallback, NullBlockReturnsZeroAndCreatesNothingWithoutTheOldFolder) {
    CTessmorLibrary library;
    ASSERT_TRUE(library.IsLoaded());
    const bool bHadOld = fs::exists("/opt/Korvel");
    const bool bHadNew = fs::exists("/opt/Halvenik");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(library.CopyFolder(nullptr), 0);
    std::string strError = ::testing::internal::GetCapturedStderr();
    if (bHadOld)
        GTEST_SKIP() << "/opt/Korvel exists on this machine; its copy is not checked";
    EXPECT_NE(strError.find("/opt/Korvel not found"), std::string::npos) << strError;
    EXPECT_EQ(fs::exists("/opt/Halvenik"), bHadNew);
}
