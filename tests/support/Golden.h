// Comparison of long texts that shows both sides in frames when they differ.
#pragma once

#include <gtest/gtest.h>

#include <string>

// Succeeds when the texts are equal; otherwise shows both, with line ends made
// visible, and the first differing byte.
::testing::AssertionResult TextsEqual(const std::string& strExpected, const std::string& strActual);

#define EXPECT_TEXT_EQ(expected, actual) EXPECT_TRUE(TextsEqual((expected), (actual)))
