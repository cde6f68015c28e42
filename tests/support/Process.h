// Runs a program of the build and collects what it printed and how it ended.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct SProcessResult {
    std::string strStdout;
    std::string strStderr;
    int nExitCode = -1; // -1 when the program did not end normally
    bool bTimedOut = false;
};

// A program that runs longer than this is taken for hung and killed, so that a hang
// fails its test instead of stalling the whole run.
constexpr int kProgramTimeLimitSeconds = 600;

// Runs the program with the arguments; env adds or replaces environment variables, and
// takes out those given without a value.
using CEnvironment = std::vector<std::pair<std::string, std::optional<std::string>>>;
SProcessResult RunProgram(const std::string& strProgram, const std::vector<std::string>& args,
                          const CEnvironment& env = {}, const std::string& strWorkingDir = "");

// Full path of the mirt program of this build.
std::string MirtProgram();
