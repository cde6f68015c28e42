// The check options of a project: the word categories checked for spelling in the low
// bits, and the same categories checked for indecent words four bits higher.
#pragma once

#include <cstdint>

#include "parsers/WordCategory.h"

// Strings, comments and code.
constexpr int32_t CHECK_ALL_CATEGORIES = CATEGORY_LANGUAGE | CATEGORY_COMMENT | CATEGORY_CODE;
constexpr int32_t CHECK_PROFANITY_SHIFT = 4;

// The option bit that has the categories' words spelled.
constexpr int32_t SpellingCheckBits(int32_t nCategories) {
    return nCategories & CHECK_ALL_CATEGORIES;
}

// The option bits that have the categories' words looked up as indecent words.
constexpr int32_t ProfanityCheckBits(int32_t nCategories) {
    return (nCategories & CHECK_ALL_CATEGORIES) << CHECK_PROFANITY_SHIFT;
}

constexpr int32_t MakeCheckOptions(int32_t nSpelling, int32_t nProfanity) {
    return SpellingCheckBits(nSpelling) | ProfanityCheckBits(nProfanity);
}

// The categories the options have spelled.
constexpr int32_t SpellingCategories(int32_t nOptions) {
    return nOptions & CHECK_ALL_CATEGORIES;
}

// The categories the options have looked up as indecent words.
constexpr int32_t ProfanityCategories(int32_t nOptions) {
    return (nOptions >> CHECK_PROFANITY_SHIFT) & CHECK_ALL_CATEGORIES;
}

// String literals spelled and looked up, until the user chooses otherwise.
constexpr int32_t DEFAULT_CHECK_OPTIONS = MakeCheckOptions(CATEGORY_LANGUAGE, CATEGORY_LANGUAGE);
