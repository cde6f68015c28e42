// The entries of a built-in keyword list, for tests that walk a whole list.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

std::vector<std::string> KeywordEntries(int nId);

// Succeeds when the text is a keyword list the in-place search can use: non-empty
// entries, each ended by CR LF, ascending with letter case ignored, and no entry twice
// (case variants of one word may stand side by side).
::testing::AssertionResult IsSortedCrLfList(const std::string& text);
