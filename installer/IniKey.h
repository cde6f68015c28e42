// Key names in the program's settings files, written the way QSettings writes them:
// "/" between groups becomes "\", letters, digits and "_-." stay, and every other
// character is written as %XX (up to U+00FF) or %UXXXX. Keys are compared as QSettings
// compares them on Linux: by their UTF-16 text, letter case significant.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A logical key: its groups and then the value's name, none of them empty.
using IniKeyPath = std::vector<std::u16string>;

// UTF-8 bytes as UTF-16; a byte that starts no valid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// The logical key of a section header's or key's text as it stands in a file.
std::u16string UnescapeIniKey(std::string_view text);
// The text that stands in a file for a logical key ("/" between its components).
std::string EscapeIniKey(std::u16string_view key);

// Splits a logical key at "/", dropping empty components as QSettings does.
IniKeyPath SplitKeyPath(std::u16string_view key);
