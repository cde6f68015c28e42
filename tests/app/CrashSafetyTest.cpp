// Kills a program with SIGKILL while it saves a large project or writes replacements
// back into large sources: whatever the moment, each file on disk holds exactly its old
// or its new content, and the next complete run leaves no temporary file behind.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {
constexpr int kKills = 100;
constexpr int kFiles = 3;
constexpr int kLines = 8000;

using Clock = std::chrono::steady_clock;

// A file's content and modification time, to put back between kills.
struct SSnapshot {
    std::string strPath;
    std::string strContent;
    struct timespec tModified {};
};

SSnapshot TakeSnapshot(const std::string& strPath) {
    SSnapshot snapshot{strPath, ReadWholeFile(strPath)};
    struct stat st {};
    if (stat(strPath.c_str(), &st) == 0)
        snapshot.tModified = st.st_mtim;
    return snapshot;
}

void PutBack(const SSnapshot& snapshot) {
    ASSERT_TRUE(WriteWholeFile(snapshot.strPath, snapshot.strContent));
    struct timespec times[2] = {snapshot.tModified, snapshot.tModified};
    ASSERT_EQ(utimensat(AT_FDCWD, snapshot.strPath.c_str(), times, 0), 0);
}

// Starts the helper and waits until it has loaded the project; then lets it work for
// the delay, or to its end when there is none, and kills it. True when the kill came
// before the end; the work's length is measured from the moment it was ready.
struct SKillResult {
    bool bKilled = false;
    Clock::duration workTime{};
};

SKillResult RunAndKill(const std::string& strMode, const std::string& strProject,
                       std::optional<Clock::duration> delay) {
    SKillResult result;
    int fds[2];
    if (pipe(fds) != 0)
        return result;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        execl(MIRT_KILL_HELPER, MIRT_KILL_HELPER, strMode.c_str(), strProject.c_str(), nullptr);
        _exit(127);
    }
    close(fds[1]);
    std::string strOut;
    char c = 0;
    while (strOut.find("ready\n") == std::string::npos && read(fds[0], &c, 1) == 1)
        strOut += c;
    Clock::time_point tReady = Clock::now();
    if (delay) {
        std::this_thread::sleep_for(*delay);
        kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    close(fds[0]);
    result.workTime = Clock::now() - tReady;
    result.bKilled = WIFSIGNALED(status);
    EXPECT_TRUE(result.bKilled || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
        << strMode << " ended with status " << status;
    return result;
}

// Everything in the folder besides the project and its sources.
std::vector<std::string> StrayFiles(const std::string& strFolder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(strFolder)) {
        std::string strName = entry.path().filename().string();
        if (strName != "p.mrk" && !(strName[0] == 'f' && strName.ends_with(".cpp")))
            names.push_back(strName);
    }
    return names;
}

class CrashSafety : public ::testing::Test {
protected:
    void SetUp() override {
        SProcessResult made = RunProgram(
            MIRT_KILL_HELPER, {"make", dir.Path(), std::to_string(kFiles), std::to_string(kLines)});
        ASSERT_EQ(made.nExitCode, 0) << made.strStderr;
        project = TakeSnapshot(dir / "p.mrk");
        for (int n = 0; n < kFiles; ++n)
            sources.push_back(TakeSnapshot(dir / ("f" + std::to_string(n) + ".cpp")));
    }

    // Runs the work to its end once for the new contents, then kills it kKills times
    // at moments spread over the length of the work, putting the files back each time.
    void KillRepeatedly(const std::string& strMode, const std::vector<SSnapshot>& watched) {
        SKillResult whole = RunAndKill(strMode, project.strPath, std::nullopt);
        ASSERT_FALSE(whole.bKilled);
        std::vector<std::string> newContents;
        for (const SSnapshot& file : watched)
            newContents.push_back(ReadWholeFile(file.strPath));
        for (size_t i = 0; i < watched.size(); ++i)
            ASSERT_NE(newContents[i], watched[i].strContent) << watched[i].strPath;

        std::mt19937 random(std::random_device{}());
        auto nLimit = std::chrono::duration_cast<std::chrono::microseconds>(whole.workTime).count();
        std::uniform_int_distribution<long long> spread(0, nLimit + nLimit / 5);
        int nKilled = 0, nLeftBehind = 0;
        for (int nKill = 0; nKill < kKills; ++nKill) {
            PutBack(project);
            for (const SSnapshot& source : sources)
                PutBack(source);
            auto delay = std::chrono::microseconds(spread(random));
            nKilled += RunAndKill(strMode, project.strPath, delay).bKilled ? 1 : 0;
            nLeftBehind += StrayFiles(dir.Path()).empty() ? 0 : 1;
            for (size_t i = 0; i < watched.size(); ++i) {
                std::string strNow = ReadWholeFile(watched[i].strPath);
                ASSERT_TRUE(strNow == watched[i].strContent || strNow == newContents[i])
                    << watched[i].strPath << " is neither old nor new after a kill at "
                    << delay.count() << " us (" << strNow.size() << " bytes)";
            }
        }
        std::printf("%s: %d of %d kills came during the work (%lld us long); after %d a "
                    "temporary file was left\n",
                    strMode.c_str(), nKilled, kKills, static_cast<long long>(nLimit), nLeftBehind);

        PutBack(project);
        for (const SSnapshot& source : sources)
            PutBack(source);
        ASSERT_FALSE(RunAndKill(strMode, project.strPath, std::nullopt).bKilled);
        EXPECT_EQ(StrayFiles(dir.Path()), std::vector<std::string>{});
        for (size_t i = 0; i < watched.size(); ++i)
            EXPECT_EQ(ReadWholeFile(watched[i].strPath), newContents[i]);
    }

    CTempDir dir;
    SSnapshot project;
    std::vector<SSnapshot> sources;
};

TEST_F(CrashSafety, AKilledSaveLeavesTheOldOrTheNewProject) {
    KillRepeatedly("save", {project});
}

TEST_F(CrashSafety, AKilledWriteBackLeavesEachSourceOldOrNew) {
    KillRepeatedly("write", sources);
}
} // namespace
