// Golden tables for the parsers: a line and the words it must yield, compared field
// by field and shown one word per line when they differ.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "parsers/MirtParser.h"
#include "parsers/WordCategory.h"

constexpr int32_t L = CATEGORY_LANGUAGE;
constexpr int32_t C = CATEGORY_COMMENT;
constexpr int32_t K = CATEGORY_CODE;

struct SExpectedWord {
    std::string strWord;
    int32_t nCategory;
    int32_t nPos;
    char chBefore;
    char chAfter;
    std::vector<std::string> calls = {};
};

struct SLineCase {
    const char* pszName;
    std::string strLine;
    std::vector<SExpectedWord> words;
};

// One word as "word cat pos before after calls"; a separator shows as itself, except
// NUL, space and tab (NUL, SP, TAB), and no calls as "-".
std::string DescribeWord(const std::string& strWord, int32_t nCategory, int32_t nPos, char chBefore,
                         char chAfter, const std::vector<std::string>& calls);
std::string DescribeWords(const CWordList& words);
std::string DescribeWords(const std::vector<SExpectedWord>& words);

// Scans the line with the parser and compares all fields of every word.
void ExpectLine(CMirtParser& parser, const std::string& strLine,
                const std::vector<SExpectedWord>& expected);
// Each case on its own: the parser comes fresh from the factory.
template <class TFactory> void RunTable(const std::vector<SLineCase>& table, TFactory factory) {
    for (const SLineCase& c : table) {
        SCOPED_TRACE(c.pszName);
        auto pParser = factory();
        ExpectLine(*pParser, c.strLine, c.words);
    }
}
