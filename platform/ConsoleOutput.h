// Standard output shared by the user-interface thread and the checking thread.
#pragma once

#include <string_view>

// Writes the text as it stands to standard output, or to standard error once that is
// asked for; safe to call from several threads at once.
void ConsoleWrite(std::string_view text);

// Sends ConsoleWrite's text to standard error, leaving standard output to the results
// that ConsoleWriteResult writes (a machine-read format).
void SetConsoleTextToStandardError(bool bToStandardError);
void ConsoleWriteResult(std::string_view text);

// Writes the text to standard error at once; safe from several threads.
void ConsoleWriteError(std::string_view text);

// A one-line counter on standard error, for a terminal: each call replaces the line
// (cut to the terminal's width); any other output clears it first, so it never mixes
// with a message. ConsoleClearProgress takes it away.
void ConsoleShowProgress(std::string_view text);
void ConsoleClearProgress();

// Flushes every output stream of the process.
void ConsoleFlush();
