// The Java and Visual Basic parsers: configurations of the base scanner, Visual Basic
// with apostrophe comments and accelerators kept inside string words.
#include <gtest/gtest.h>

#include <memory>

#include "parsers/MirtParserJava.h"
#include "parsers/MirtParserVb.h"
#include "tests/parsers/WordTable.h"

namespace {
std::unique_ptr<CMirtParser> MakeJava() {
    return std::make_unique<CMirtParserJava>();
}

std::unique_ptr<CMirtParser> MakeVb() {
    return std::make_unique<CMirtParserVb>();
}
} // namespace

TEST(JavaParser, UsesTheBaseScannerUnchanged) {
    const std::vector<SLineCase> table = {
        {"dotted names in comments are kept",
         "// config.settings here",
         {{"config", C, 3, ' ', '.'}, {"settings", C, 10, '.', ' '}, {"here", C, 19, ' ', ' '}}},
        {"call with a string",
         "System.out.println(\"Hello, world\");",
         {{"System", K, 0, 0, '.'},
          {"println", K, 11, '.', '('},
          {"Hello", L, 20, '"', ',', {"println"}},
          {"world", L, 27, ' ', '"', {"println"}}}},
        {"a format specifier is kept",
         "\"%d items\"",
         {{"d", L, 2, '%', ' '}, {"items", L, 4, ' ', '"'}}},
        {"an ampersand separates string words", "\"&Open\"", {{"Open", L, 2, '&', '"'}}},
    };
    RunTable(table, MakeJava);
}

TEST(JavaParser, BlockCommentsSpanLines) {
    CMirtParserJava java;
    ExpectLine(java, "/** Returns the count",
               {{"Returns", C, 4, ' ', ' '}, {"the", C, 12, ' ', ' '}, {"count", C, 16, ' ', ' '}});
    ExpectLine(java, " * of items */ int total;",
               {{"of", C, 3, ' ', ' '}, {"items", C, 6, ' ', ' '}, {"total", K, 19, ' ', ';'}});
}

TEST(VbParser, SeparatorSetsDifferFromTheBaseOnlyInTheAmpersandOfStrings) {
    CMirtParser base;
    CMirtParserVb vb;
    for (int c = 0; c < 256; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(vb.m_codeSeparators[c], base.m_codeSeparators[c]);
        EXPECT_EQ(vb.m_commentSeparators[c], base.m_commentSeparators[c]);
        EXPECT_EQ(vb.m_stringSeparators[c], c != '&' && base.m_stringSeparators[c]);
    }
}

TEST(VbParser, ScansFormsAndModules) {
    const std::vector<SLineCase> table = {
        {"caption with an accelerator",
         "Caption = \"&File\"",
         {{"Caption", K, 0, 0, ' '}, {"&File", L, 11, '"', '"'}}},
        {"apostrophe comment",
         "' Comment text",
         {{"Comment", C, 2, ' ', ' '}, {"text", C, 10, ' ', ' '}}},
        {"comment after code",
         "x = 1 ' trailing note",
         {{"1", K, 4, ' ', ' '}, {"trailing", C, 8, ' ', ' '}, {"note", C, 17, ' ', ' '}}},
        {"Rem is code",
         "Rem This is old code",
         {{"This", K, 4, 0, ' '}, {"code", K, 16, ' ', ' '}}},
        {"the backslash escapes and its neighbours are dropped",
         "MsgBox \"Line one\\nLine two\"",
         {{"Line", L, 8, '"', ' '}, {"two", L, 23, ' ', '"'}}},
        {"identifier parts and an apostrophe in a literal",
         "txtUserName.Text = \"don't\"",
         {{"User", K, 3, 0, 0},
          {"Name", K, 7, 0, '.'},
          {"Text", K, 12, 0, ' '},
          {"don't", L, 20, '"', '"'}}},
    };
    RunTable(table, MakeVb);
}
