// Standard output shared by the user-interface thread and the checking thread.
#pragma once

#include <string_view>

// Writes the text as it stands; safe to call from several threads at once.
void ConsoleWrite(std::string_view text);

// Writes the text to standard error at once; safe from several threads.
void ConsoleWriteError(std::string_view text);

// Flushes every output stream of the process.
void ConsoleFlush();
