// Batch mode on what the outside world throws at it: a project path that is a device,
// a project file nobody may write, folders that cannot be read. Each is named, and the
// exit status says the run was not complete.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {
class BatchReliability : public ::testing::Test {
protected:
    SProcessResult Mirt(std::vector<std::string> args) {
        args.insert(args.begin(), "-console");
        return RunProgram(MirtProgram(), args, {{"XDG_CONFIG_HOME", dir / "config"}});
    }
    CTempDir dir;
};

// Folders nested below a folder until their path passes the longest one the system
// opens; made through folder handles, which have no such limit.
std::string MakeTooDeepFolder(const std::string& strBase) {
    std::string strPath = strBase;
    int fd = open(strBase.c_str(), O_RDONLY | O_DIRECTORY);
    while (fd >= 0 && strPath.size() < 4200) {
        mkdirat(fd, "deeper", 0755);
        int next = openat(fd, "deeper", O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
        strPath += "/deeper";
    }
    if (fd >= 0)
        close(fd);
    return strPath;
}
} // namespace

TEST_F(BatchReliability, AProjectPathThatIsNoRegularFileIsRefused) {
    SProcessResult r = Mirt({"/dev/zero"});
    EXPECT_EQ(r.strStdout, "Unable to read project file /dev/zero: not a regular file\n");
    EXPECT_NE(r.nExitCode, 0);
    r = Mirt({dir.Path()});
    EXPECT_EQ(r.strStdout, "Unable to read project file " + dir.Path() + ": not a regular file\n");
    EXPECT_NE(r.nExitCode, 0);
}

TEST_F(BatchReliability, AReadOnlyProjectIsNotReplaced) {
    dir.WriteFile("src/a.cpp", "const char* s = \"Helo\";\n");
    ASSERT_EQ(Mirt({"--add-folder", dir / "src", dir / "p.mrk"}).nExitCode, 0);
    std::string strBefore = ReadWholeFile(dir / "p.mrk");
    ASSERT_EQ(chmod((dir / "p.mrk").c_str(), 0444), 0);
    SProcessResult r = Mirt({"-r", dir / "p.mrk"});
    EXPECT_NE(r.strStdout.find("Unable to save project file " + (dir / "p.mrk") +
                               ": cannot replace the read-only file"),
              std::string::npos)
        << r.strStdout;
    EXPECT_NE(r.nExitCode, 0);
    EXPECT_EQ(ReadWholeFile(dir / "p.mrk"), strBefore);
}

TEST_F(BatchReliability, FoldersThatCannotBeReadAreNamedOnStandardError) {
    std::string strSource = dir.WriteFile("src/a.cpp", "const char* s = \"Helo\";\n");
    std::string strDeep = MakeTooDeepFolder(dir / "src");
    SProcessResult r = Mirt({"--add-folder", dir / "src", dir / "p.mrk"});
    EXPECT_NE(r.strStderr.find("mirt: cannot read folder "), std::string::npos) << r.strStderr;
    EXPECT_NE(r.strStderr.find(": File name too long\n"), std::string::npos) << r.strStderr;
    EXPECT_NE(r.strStdout.find(strSource + " - 1 error\n"), std::string::npos) << r.strStdout;
    EXPECT_EQ(r.nExitCode, 1);
    std::system(("rm -rf " + (dir / "src")).c_str());
}

TEST_F(BatchReliability, AnUnreadableFolderIsNamedUnlessTheUserMayReadEverything) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    dir.WriteFile("src/locked/a.cpp", "");
    ASSERT_EQ(chmod((dir / "src/locked").c_str(), 0), 0);
    SProcessResult r = Mirt({"--add-folder", dir / "src/locked", dir / "p.mrk"});
    EXPECT_EQ(r.strStderr,
              "mirt: cannot read folder " + (dir / "src/locked") + ": Permission denied\n");
    EXPECT_EQ(r.nExitCode, 1);
    chmod((dir / "src/locked").c_str(), 0755);
}
