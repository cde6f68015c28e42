// Serialised writes to standard output.
#include "platform/ConsoleOutput.h"

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {
std::mutex& ConsoleMutex() {
    static std::mutex mutex;
    return mutex;
}

std::atomic<bool> g_bTextToStandardError{false};
} // namespace

void SetConsoleTextToStandardError(bool bToStandardError) {
    g_bTextToStandardError = bToStandardError;
}

void ConsoleWrite(std::string_view text) {
    std::lock_guard<std::mutex> lock(ConsoleMutex());
    std::fwrite(text.data(), 1, text.size(), g_bTextToStandardError ? stderr : stdout);
}

void ConsoleWriteResult(std::string_view text) {
    std::lock_guard<std::mutex> lock(ConsoleMutex());
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void ConsoleWriteError(std::string_view text) {
    std::lock_guard<std::mutex> lock(ConsoleMutex());
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), stderr);
}

void ConsoleFlush() {
    std::lock_guard<std::mutex> lock(ConsoleMutex());
    std::fflush(nullptr);
}
