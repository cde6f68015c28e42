// Whole-file replacement: what a failed or killed writer leaves behind, read-only
// targets, and the owner and permissions the new file takes over.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "tests/support/TempDir.h"

namespace {
std::vector<std::string> Names(const CTempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST(AtomicFile, AFailedReplacementLeavesNoTemporaryFile) {
    CTempDir dir;
    std::string strTarget = dir.WriteFile("target", "old");
    // A file size limit makes the write fail once the temporary file exists.
    struct rlimit limit {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    struct rlimit small = limit;
    small.rlim_cur = 4096;
    auto previous = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string strError;
    bool bWritten = WriteFileAtomically(strTarget, std::string(10000, 'x'), strError);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, previous);
    EXPECT_FALSE(bWritten);
    EXPECT_NE(strError.find("cannot write"), std::string::npos) << strError;
    EXPECT_EQ(ReadWholeFile(strTarget), "old");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"target"});
}

// Renaming over a pipe or a device would take it away from whoever else uses it.
TEST(AtomicFile, ATargetThatIsNoRegularFileIsRefusedAndKept) {
    CTempDir dir;
    std::string strFolder = dir.MakeDir("folder");
    std::string strPipe = dir / "pipe";
    ASSERT_EQ(mkfifo(strPipe.c_str(), 0644), 0);
    for (const std::string& strTarget : {strFolder, strPipe}) {
        std::string strError;
        EXPECT_FALSE(WriteFileAtomically(strTarget, "text", strError));
        EXPECT_EQ(strError, "cannot replace " + strTarget + ": not a regular file");
    }
    struct stat st {};
    ASSERT_EQ(lstat(strPipe.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"folder", "pipe"}));
}

TEST(AtomicFile, TemporaryFilesLeftByAKilledWriterGoWithTheNextReplacement) {
    CTempDir dir;
    std::string strTarget = dir.WriteFile("p.mrk", "old");
    dir.WriteFile("p.mrk.mirt-tmp-aB3xYz", "half a project");
    // Names the user may give files are never taken for ours.
    dir.WriteFile("p.mrk.backup", "kept");
    dir.WriteFile("p.mrk.mirt-tmp-aB3xYzz", "kept");
    dir.WriteFile("q.mrk.mirt-tmp-aB3xYz", "kept");
    // A writer that is still at work holds a lock on its temporary file.
    std::string strLive = dir.WriteFile("p.mrk.mirt-tmp-L1ve00", "being written");
    int fd = open(strLive.c_str(), O_RDONLY);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    std::string strError;
    ASSERT_TRUE(WriteFileAtomically(strTarget, "new", strError)) << strError;
    close(fd);
    EXPECT_EQ(ReadWholeFile(strTarget), "new");
    EXPECT_EQ(Names(dir),
              (std::vector<std::string>{"p.mrk", "p.mrk.backup", "p.mrk.mirt-tmp-L1ve00",
                                        "p.mrk.mirt-tmp-aB3xYzz", "q.mrk.mirt-tmp-aB3xYz"}));
}

TEST(AtomicFile, AReadOnlyTargetIsRefusedAndStaysAsItWas) {
    CTempDir dir;
    std::string strTarget = dir.WriteFile("p.mrk", "old");
    ASSERT_EQ(chmod(strTarget.c_str(), 0444), 0);
    std::string strError;
    EXPECT_FALSE(WriteFileAtomically(strTarget, "new", strError));
    EXPECT_NE(strError.find("read-only"), std::string::npos) << strError;
    EXPECT_EQ(ReadWholeFile(strTarget), "old");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"p.mrk"});
}

TEST(AtomicFile, TheNewFileKeepsTheOldOnesModeOwnerAndGroup) {
    CTempDir dir;
    std::string strTarget = dir.WriteFile("a.c", "old");
    ASSERT_EQ(chmod(strTarget.c_str(), 0640), 0);
    // Only root may give a file away; for anybody else the owner stays theirs.
    uid_t nOwner = geteuid() == 0 ? 12345 : geteuid();
    gid_t nGroup = geteuid() == 0 ? 23456 : getegid();
    ASSERT_EQ(chown(strTarget.c_str(), nOwner, nGroup), 0);
    std::string strError;
    ASSERT_TRUE(WriteFileAtomically(strTarget, "new", strError)) << strError;
    struct stat st {};
    ASSERT_EQ(stat(strTarget.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_uid, nOwner);
    EXPECT_EQ(st.st_gid, nGroup);
}
