// Comparison of long texts that shows both sides in frames when they differ.
#pragma once

#include <gtest/gtest.h>

#include <string>

// Succeeds when the texts are equal; otherwise shows both, with line ends made
// visible, and the first differing byte.
::testing::AssertionResult TextsEqual(const std::string& strExpected, const std::string& strActual);

#define EXPECT_TEXT_EQ(expected, actual) EXPECT_TRUE(TextsEqual((expected), (actual)))

// The expected text stored at the path; with MIRT_UPDATE_GOLDEN=1 in the environment the
// actual text is written there first, to be read through before it is committed.
std::string GoldenText(const std::string& strPath, const std::string& strActual);

// A report or listing of a run in a temporary folder with that folder written as
// "[dir]": the only text of a report that differs from run to run.
std::string WithFolderHidden(const std::string& strText, const std::string& strFolder);
