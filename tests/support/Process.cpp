// Program runner over fork/exec with pipes.
#include "tests/support/Process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Reads until both pipes close; false when the time limit came first.
bool ReadBoth(int fdOut, int fdErr, std::string& out, std::string& err) {
    struct pollfd fds[2] = {{fdOut, POLLIN, 0}, {fdErr, POLLIN, 0}};
    int nOpen = 2;
    char buffer[4096];
    auto tEnd = std::chrono::steady_clock::now() + std::chrono::seconds(kProgramTimeLimitSeconds);
    while (nOpen > 0) {
        auto nLeft = std::chrono::duration_cast<std::chrono::milliseconds>(
                         tEnd - std::chrono::steady_clock::now())
                         .count();
        int nReady = nLeft > 0 ? poll(fds, 2, static_cast<int>(nLeft)) : 0;
        if (nReady == 0)
            return false;
        if (nReady < 0 && errno == EINTR)
            continue;
        if (nReady < 0)
            return true;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || (fds[i].revents & (POLLIN | POLLHUP)) == 0)
                continue;
            ssize_t n = read(fds[i].fd, buffer, sizeof(buffer));
            if (n <= 0) {
                fds[i].fd = -1;
                --nOpen;
            } else {
                (i == 0 ? out : err).append(buffer, static_cast<size_t>(n));
            }
        }
    }
    return true;
}
} // namespace

SProcessResult RunProgram(const std::string& strProgram, const std::vector<std::string>& args,
                          const CEnvironment& env, const std::string& strWorkingDir) {
    int pipeOut[2], pipeErr[2];
    SProcessResult result;
    if (pipe(pipeOut) != 0 || pipe(pipeErr) != 0)
        return result;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeOut[1], 1);
        dup2(pipeErr[1], 2);
        close(pipeOut[0]);
        close(pipeErr[0]);
        for (const auto& [name, value] : env) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        if (!strWorkingDir.empty() && chdir(strWorkingDir.c_str()) != 0)
            _exit(126);
        std::vector<char*> argv{const_cast<char*>(strProgram.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(strProgram.c_str(), argv.data());
        _exit(127);
    }
    close(pipeOut[1]);
    close(pipeErr[1]);
    if (!ReadBoth(pipeOut[0], pipeErr[0], result.strStdout, result.strStderr)) {
        result.bTimedOut = true;
        kill(pid, SIGKILL);
    }
    close(pipeOut[0]);
    close(pipeErr[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.nExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string MirtProgram() {
    return std::string(MIRT_BINARY_DIR) + "/mirt";
}
