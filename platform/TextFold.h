// Letter case and character boundaries of UTF-8 text, for comparisons and cuts that
// must hold for every letter, not only the ASCII ones.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Every letter in lower case; bytes that are no valid UTF-8 stay as they are.
std::string FoldCase(std::string_view text);
// Negative, 0 or positive as a is before, equal to or after b, letter case ignored.
int CompareIgnoringCase(std::string_view a, std::string_view b);

// The offset nearest to nOffset, towards the start, where a character begins; the text's
// length when nOffset is past its end.
size_t CharacterStartBefore(std::string_view text, size_t nOffset);
// The same towards the end.
size_t CharacterStartAfter(std::string_view text, size_t nOffset);
