// The packing of the check options, whose stored form projects and settings keep.
#include <gtest/gtest.h>

#include "project/CheckOptions.h"

TEST(CheckOptions, PackSpellingLowAndIndecentWordsFourBitsHigher) {
    EXPECT_EQ(DEFAULT_CHECK_OPTIONS, 17);
    EXPECT_EQ(MakeCheckOptions(CHECK_ALL_CATEGORIES, CHECK_ALL_CATEGORIES), 0x77);
    EXPECT_EQ(MakeCheckOptions(CATEGORY_COMMENT, CATEGORY_CODE), 2 | 64);
    EXPECT_EQ(ProfanityCheckBits(CATEGORY_NONE), 0);
}

TEST(CheckOptions, UnpackingIgnoresBitsOutsideTheSixBoxes) {
    EXPECT_EQ(SpellingCategories(0xFF), 7);
    EXPECT_EQ(ProfanityCategories(0xFF), 7);
    EXPECT_EQ(SpellingCategories(2 | 64 | 8), 2);
    EXPECT_EQ(ProfanityCategories(2 | 64 | 0x100), 4);
    EXPECT_EQ(MakeCheckOptions(0xFF, 0), 7);
}
