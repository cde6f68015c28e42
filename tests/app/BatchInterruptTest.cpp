// Ctrl-C and SIGTERM during a batch run of a large tree: the run ends as a cancel ends
// it, the files checked before the signal keep their results in the saved project,
// and the exit status names the signal. A second signal ends the program at once.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "project/MirtDoc.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

namespace {
constexpr int kFiles = 60;

class BatchInterrupt : public ::testing::Test {
protected:
    void SetUp() override {
        std::string strText;
        for (int i = 0; i < 4000; ++i)
            strText += "const char* s" + std::to_string(i) + " = \"Helo wrold\";\n";
        for (int n = 0; n < kFiles; ++n)
            dir.WriteFile("src/f" + std::to_string(100 + n) + ".cpp", strText);
    }

    // Starts a run, waits for the first file's line, sends the signals and returns the
    // exit status and what the run printed.
    int RunAndSignal(const std::vector<int>& signals, std::string& strOut) {
        int fds[2];
        if (pipe(fds) != 0)
            return -1;
        pid_t pid = fork();
        if (pid == 0) {
            dup2(fds[1], 1);
            close(fds[0]);
            setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
            std::string strProgram = MirtProgram(), strSrc = dir / "src",
                        strProject = dir / "p.mrk";
            execl(strProgram.c_str(), strProgram.c_str(), "-console", "--add-folder",
                  strSrc.c_str(), strProject.c_str(), nullptr);
            _exit(127);
        }
        close(fds[1]);
        char c = 0;
        while (strOut.find(" - ") == std::string::npos && read(fds[0], &c, 1) == 1)
            strOut += c;
        for (int nSignal : signals)
            kill(pid, nSignal);
        char buffer[4096];
        for (ssize_t n; (n = read(fds[0], buffer, sizeof(buffer))) > 0;)
            strOut.append(buffer, static_cast<size_t>(n));
        close(fds[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    CTempDir dir;
    CTempDir config;
};
} // namespace

TEST_F(BatchInterrupt, CtrlCKeepsTheFilesCheckedSoFarAndSavesTheProject) {
    std::string strOut;
    EXPECT_EQ(RunAndSignal({SIGINT}, strOut), 130) << strOut;
    // Every file listed as checked has its results in the project, and the files the
    // run never reached are still to be checked.
    CTestApp app;
    CMirtDoc doc(app);
    ASSERT_TRUE(doc.OnOpenDocument(dir / "p.mrk"));
    ASSERT_EQ(doc.m_files.size(), static_cast<size_t>(kFiles));
    int nChecked = 0;
    for (const CSpellFile* pFile : doc.m_files) {
        bool bListed = strOut.find(pFile->m_strPath + " - 8000 errors\n") != std::string::npos;
        if (bListed) {
            ++nChecked;
            EXPECT_EQ(pFile->m_nStatus, STATUS_CHECKED) << pFile->m_strPath;
            EXPECT_EQ(pFile->m_errors.size(), 8000u) << pFile->m_strPath;
        }
    }
    EXPECT_GE(nChecked, 1);
    EXPECT_LT(nChecked, kFiles) << "the run ended before the signal came";
    EXPECT_EQ(doc.m_files.back()->m_nStatus, STATUS_NOT_CHECKED);
}

TEST_F(BatchInterrupt, SigtermEndsTheRunTheSameWay) {
    std::string strOut;
    EXPECT_EQ(RunAndSignal({SIGTERM}, strOut), 143) << strOut;
    CTestApp app;
    CMirtDoc doc(app);
    EXPECT_TRUE(doc.OnOpenDocument(dir / "p.mrk"));
}

// The second signal may come before or after the project is written; either way the
// program ends at once with the signal's status, and never leaves a broken project.
TEST_F(BatchInterrupt, ASecondCtrlCEndsAtOnce) {
    std::string strOut;
    EXPECT_EQ(RunAndSignal({SIGINT, SIGINT}, strOut), 130) << strOut;
    if (access((dir / "p.mrk").c_str(), F_OK) == 0) {
        CTestApp app;
        CMirtDoc doc(app);
        EXPECT_TRUE(doc.OnOpenDocument(dir / "p.mrk"));
    }
}
