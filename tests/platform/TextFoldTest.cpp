// Letter case of every letter, and cuts that keep UTF-8 characters whole.
#include <gtest/gtest.h>

#include "platform/TextFold.h"

TEST(TextFold, EveryLetterFoldsAndOtherBytesStay) {
    EXPECT_EQ(FoldCase("\xC3\x84pfel"), "\xC3\xA4pfel");         // Äpfel
    EXPECT_EQ(FoldCase("\xCE\x91\xD0\x96"), "\xCE\xB1\xD0\xB6"); // Greek Alpha, Cyrillic Zhe
    EXPECT_EQ(FoldCase("MiXeD 12"), "mixed 12");
    // A lone continuation byte and a cut sequence are kept as they are.
    EXPECT_EQ(FoldCase("A\x80"
                       "B\xC3"),
              "a\x80"
              "b\xC3");
    EXPECT_EQ(CompareIgnoringCase("\xC3\x84pfel", "\xC3\xA4PFEL"), 0);
    EXPECT_LT(CompareIgnoringCase("apfel", "Zebra"), 0);
}

TEST(TextFold, CharacterStartsOnEitherSide) {
    std::string text = "a\xC3\xA4"
                       "b"; // a ä b
    EXPECT_EQ(CharacterStartBefore(text, 2), 1u);
    EXPECT_EQ(CharacterStartAfter(text, 2), 3u);
    EXPECT_EQ(CharacterStartBefore(text, 1), 1u);
    EXPECT_EQ(CharacterStartAfter(text, 4), 4u);
    EXPECT_EQ(CharacterStartBefore(text, 9), 4u);
}
