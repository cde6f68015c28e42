// The checks one scanned word goes through in a run, as the run's check options say.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "parsers/Word.h"

class CMirtParser;

// Lines longer than this are not checked: such a line is minified or generated text,
// and every finding in it would carry the whole line.
constexpr size_t MAX_CHECKED_LINE = 10000;

inline bool IsCheckedLine(const std::string& strLine) {
    return strLine.size() <= MAX_CHECKED_LINE;
}

// Fills the suggestions when the word is flagged and returns the finding's kind: the
// indecent-word check first, where the options ask for it, then the spelling check of
// the word's category.
int32_t CheckParsedWord(CMirtParser& parser, const SWord& word, int32_t nCheckOptions,
                        std::vector<std::string>& suggestions);
