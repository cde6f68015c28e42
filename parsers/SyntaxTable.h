// A built-in syntax as data: who it is, how its text is delimited, and which keyword
// lists accept a word before the checks every syntax shares. The base parser reads it.
#pragma once

#include <array>
#include <cstdint>

#include "parsers/KeywordList.h"

// The delimiters of a syntax as one table; an empty token disables its construct.
struct SSyntaxTokens {
    const char* pszStringStart = "";
    const char* pszStringEnd = "";
    const char* pszStringStart1 = "";
    const char* pszStringEnd1 = "";
    const char* pszBlockCommentStart = "";
    const char* pszBlockCommentEnd = "";
    const char* pszBlockCommentStart1 = "";
    const char* pszBlockCommentEnd1 = "";
    const char* pszLineComment = "";
    const char* pszLineComment1 = "";
    char chEscape = '\\';
};

// C's literals and comments, which several syntaxes share.
inline constexpr SSyntaxTokens kCStyleTokens = {.pszStringStart = "\"",
                                                .pszStringEnd = "\"",
                                                .pszBlockCommentStart = "/*",
                                                .pszBlockCommentEnd = "*/",
                                                .pszLineComment = "//"};

// The same with apostrophes around literals too (scripts, PHP).
inline constexpr SSyntaxTokens kCStyleTokensWithApostrophes = {.pszStringStart = "\"",
                                                               .pszStringEnd = "\"",
                                                               .pszStringStart1 = "'",
                                                               .pszStringEnd1 = "'",
                                                               .pszBlockCommentStart = "/*",
                                                               .pszBlockCommentEnd = "*/",
                                                               .pszLineComment = "//"};

// Ids of keyword lists; an unused place holds 0, which names no list.
using CKeywordListIds = std::array<int, 2>;

struct SSyntaxTable {
    int32_t nId = -1;
    const char* pszName = "";
    // Blank-separated, lower case, without dots.
    const char* pszExtensions = "";
    SSyntaxTokens tokens;
    // Lists whose entries are accepted in comments, and in code, before the shared checks.
    CKeywordListIds commentLists{};
    CKeywordListIds codeLists{};
    // Menu and dialog texts carry accelerators: "&" stays inside a literal's words, and
    // a marked word ("E&xit") is checked without its marker.
    bool bAcceleratorWords = false;
};

// A syntax with a keyword list of its own: accepted in comments and, with the
// abbreviations, in code.
constexpr SSyntaxTable WithOwnKeywords(SSyntaxTable syntax, int nKeywords) {
    syntax.commentLists = {nKeywords};
    syntax.codeLists = {KEYWORDS_ABBREVIATIONS, nKeywords};
    return syntax;
}

// A syntax read as C: C's delimiters, library names in comments, abbreviations and the
// C run-time's names in code, and menu accelerators.
constexpr SSyntaxTable ReadAsC(int32_t nId, const char* pszName, const char* pszExtensions) {
    return {.nId = nId,
            .pszName = pszName,
            .pszExtensions = pszExtensions,
            .tokens = kCStyleTokens,
            .commentLists = {KEYWORDS_LIBRARY},
            .codeLists = {KEYWORDS_ABBREVIATIONS, KEYWORDS_CRUNTIME},
            .bAcceleratorWords = true};
}
