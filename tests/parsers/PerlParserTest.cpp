// The Perl parser: POD blocks read as comments, sigils making code of literal words,
// and literal words without a blank beside them or inside markup left unchecked.
#include <gtest/gtest.h>

#include <memory>

#include "parsers/MirtParserPerl.h"
#include "tests/parsers/WordTable.h"

namespace {
constexpr int32_t N = CATEGORY_NONE;

std::unique_ptr<CMirtParser> MakePerl() {
    return std::make_unique<CMirtParserPerl>();
}
} // namespace

TEST(PerlParser, PodBlocksAreCommentsUpToTheExactCutLine) {
    CMirtParserPerl perl;
    ExpectLine(perl, "=head1 DESCRIPTION", {{"head", C, 1, '=', 0}});
    EXPECT_EQ(perl.m_bInPod, 1);
    // Split like code, then made comments.
    ExpectLine(perl, "Returns the sum of all items.",
               {{"Returns", C, 0, 0, ' '}, {"items", C, 23, ' ', '.'}});
    ExpectLine(perl, "=item \"quoted text\" # hash note",
               {{"item", C, 1, '=', ' '},
                {"quoted", C, 7, '"', ' '},
                {"text", C, 14, ' ', '"'},
                {"hash", C, 22, ' ', ' '},
                {"note", C, 27, ' ', ' '}});
    ExpectLine(perl, "=cut  ", {});
    EXPECT_EQ(perl.m_bInPod, 1);
    ExpectLine(
        perl, "Still documentation here",
        {{"Still", C, 0, 0, ' '}, {"documentation", C, 6, ' ', ' '}, {"here", C, 20, ' ', ' '}});
    ExpectLine(perl, "=CUT", {});
    EXPECT_EQ(perl.m_bInPod, 1);
    ExpectLine(perl, "=cut", {});
    EXPECT_EQ(perl.m_bInPod, 0);
    ExpectLine(perl, "my $total = 0; # running total",
               {{"total", K, 4, '$', ' '},
                {"0", K, 12, ' ', ';'},
                {"running", C, 17, ' ', ' '},
                {"total", C, 25, ' ', ' '}});
}

TEST(PerlParser, OnlyALineStartingWithAnEqualsSignOpensPod) {
    CMirtParserPerl perl;
    ExpectLine(perl, " =head1 Name", {{"head", K, 2, '=', 0}, {"Name", K, 8, 0, ' '}});
    EXPECT_EQ(perl.m_bInPod, 0);
    ExpectLine(perl, "", {});
    EXPECT_EQ(perl.m_bInPod, 0);
    ExpectLine(perl, "=pod", {});
    EXPECT_EQ(perl.m_bInPod, 1);
    perl.BeginFile("next.pl");
    EXPECT_EQ(perl.m_bInPod, 0);
}

TEST(PerlParser, LiteralWordsAreCheckedOnlyAsProse) {
    const std::vector<SLineCase> table = {
        {"a variable in a literal is code",
         "print \"Hello $name, welcome\\n\";",
         {{"print", K, 0, 0, ' '}, {"Hello", L, 7, '"', ' '}, {"name", K, 14, '$', ','}}},
        {"no blank beside any word",
         "$x = \"alpha:beta:gamma\";",
         {{"alpha", N, 6, '"', ':'}, {"beta", N, 12, ':', ':'}, {"gamma", N, 17, ':', '"'}}},
        {"words with blanks",
         "$y = \"the total\";",
         {{"the", L, 6, '"', ' '}, {"total", L, 10, ' ', '"'}}},
        {"a literal of one word", "die \"failed\";", {{"failed", N, 5, '"', '"'}}},
        {"markup up to the word before '>'",
         "print \"<font face=Arial>Hi there</font>\";",
         {{"print", K, 0, 0, ' '},
          {"font", N, 8, '<', ' '},
          {"face", N, 13, ' ', '='},
          {"Arial", N, 18, '=', '>'},
          {"Hi", L, 24, '>', ' '},
          {"there", L, 27, ' ', '<'}}},
        {"only a literal word before '>' ends the run",
         "print \"<a href=$url>link text\";",
         {{"print", K, 0, 0, ' '},
          {"a", N, 8, '<', ' '},
          {"href", N, 10, ' ', '='},
          {"url", K, 16, '$', '>'},
          {"link", N, 20, '>', ' '},
          {"text", N, 25, ' ', '"'}}},
        {"a percent sign makes code",
         "$s = \"%total items\";",
         {{"total", K, 7, '%', ' '}, {"items", L, 13, ' ', '"'}}},
        {"comments keep their category",
         "# alpha:beta",
         {{"alpha", C, 2, ' ', ':'}, {"beta", C, 8, ':', ' '}}},
    };
    RunTable(table, MakePerl);
}

TEST(PerlParser, SigilsAndTheOldPackageSeparator) {
    const std::vector<SLineCase> table = {
        {"array and hash",
         "@items = %table;",
         {{"items", K, 1, '@', ' '}, {"table", K, 10, '%', ';'}}},
        {"the apostrophe after an ampersand is read as a blank",
         "&'helper;",
         {{"helper", K, 2, ' ', ';'}}},
        {"other apostrophes separate code as usual", "x'helper;", {{"helper", K, 2, '\'', ';'}}},
    };
    RunTable(table, MakePerl);
}
