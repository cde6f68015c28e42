// One word taken out of a line, with where it came from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "parsers/SharedStrings.h"

struct SWord {
    std::string strWord;
    int32_t nCategory = 0; // CATEGORY_* bits; 0 = never checked
    int32_t nPos = 0;      // byte offset of the first character in the line
    char chBefore = 0;     // separator before the word; 0 at the start of the line
    char chAfter = 0;      // separator that ended the word
    // Names of the calls open at the word, outermost first; the words inside one call
    // share one list.
    CSharedStrings calls;
};

using CWordList = std::vector<SWord>;
