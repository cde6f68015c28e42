// Serialised writes to standard output.
#include "platform/ConsoleOutput.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <sys/ioctl.h>

namespace {
std::mutex& ConsoleMutex() {
    static std::mutex mutex;
    return mutex;
}

std::atomic<bool> g_bTextToStandardError{false};
// Guarded by the console mutex.
bool g_bProgressShown = false;

constexpr const char* kClearLine = "\r\033[K";

void ClearProgressLocked() {
    if (!g_bProgressShown)
        return;
    std::fputs(kClearLine, stderr);
    g_bProgressShown = false;
}

size_t TerminalWidth() {
    struct winsize size {};
    if (ioctl(2, TIOCGWINSZ, &size) == 0 && size.ws_col > 1)
        return size.ws_col - 1;
    return 79;
}

// The longest start of the text that fits the width, never cutting a UTF-8 sequence.
std::string_view CutToWidth(std::string_view text, size_t nWidth) {
    size_t nEnd = 0, nColumns = 0;
    while (nEnd < text.size() && nColumns < nWidth) {
        ++nEnd;
        while (nEnd < text.size() && (static_cast<unsigned char>(text[nEnd]) & 0xC0) == 0x80)
            ++nEnd;
        ++nColumns;
    }
    return text.substr(0, nEnd);
}
} // namespace

void ConsoleShowProgress(std::string_view text) {
    std::lock_guard<std::mutex> lock(ConsoleMutex());
    std::fflush(stdout);
    std::string_view cut = CutToWidth(text, TerminalWidth());
    std::fputs(kClearLine, stderr);
    std::fwrite(cut.data(), 1, cut.size(), stderr);
    g_bProgressShown = true;
}

void ConsoleClearProgress() {
    std::lock_guard<std::mutex> lock(ConsoleMutex());
    ClearProgressLocked();
}

void SetConsoleTextToStandardError(bool bToStandardError) {
    g_bTextToStandardError = bToStandardError;
}

void ConsoleWrite(std::string_view text) {
    std::lock_guard<std::mutex> lock(ConsoleMutex());
    ClearProgressLocked();
    std::fwrite(text.data(), 1, text.size(), g_bTextToStandardError ? stderr : stdout);
}

void ConsoleWriteResult(std::string_view text) {
    std::lock_guard<std::mutex> lock(ConsoleMutex());
    ClearProgressLocked();
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void ConsoleWriteError(std::string_view text) {
    std::lock_guard<std::mutex> lock(ConsoleMutex());
    ClearProgressLocked();
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), stderr);
}

void ConsoleFlush() {
    std::lock_guard<std::mutex> lock(ConsoleMutex());
    std::fflush(nullptr);
}
