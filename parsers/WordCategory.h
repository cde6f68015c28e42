// Word categories are bits, so that check options can be built from them.
#pragma once

#include <cstdint>

constexpr int32_t CATEGORY_NONE = 0; // a word that is never checked
constexpr int32_t CATEGORY_LANGUAGE = 1;
constexpr int32_t CATEGORY_COMMENT = 2;
constexpr int32_t CATEGORY_CODE = 4;
