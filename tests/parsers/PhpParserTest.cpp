// The PHP parser: HTML outside "<?php" blocks, PHP code inside them, and string
// literals read again as HTML text whose words with white space beside them survive.
#include <gtest/gtest.h>

#include <memory>

#include "parsers/MirtParserPhp.h"
#include "tests/parsers/WordTable.h"

namespace {
constexpr int32_t N = CATEGORY_NONE;

using CLines = std::vector<std::pair<std::string, std::vector<SExpectedWord>>>;

// A fresh parser set up as a check run sets it up, already inside a PHP block.
std::unique_ptr<CMirtParser> MakePhpCode() {
    auto p = std::make_unique<CMirtParserPhp>();
    p->SetContext(nullptr, nullptr);
    p->BeginFile("page.php");
    p->m_bInPhp = 1;
    return p;
}

void ExpectLines(CMirtParser& parser, const CLines& lines) {
    for (const auto& [line, words] : lines)
        ExpectLine(parser, line, words);
}
} // namespace

TEST(PhpParser, SwitchesBetweenHtmlAndPhpCode) {
    CMirtParserPhp php;
    php.SetContext(nullptr, nullptr);
    php.BeginFile("page.php");
    ExpectLines(
        php, {
                 {"<p>Price $total</p>", {{"Price", L, 3, '>', ' '}, {"total", K, 10, '$', '<'}}},
                 {"<?php echo \"Hello world\"; ?>", {}},
                 // The block stays open: "?>" on the opening line does not close it.
                 {"Plain text", {{"Plain", K, 0, 0, ' '}, {"text", K, 6, ' ', ' '}}},
                 {"// see the total",
                  {{"see", C, 3, ' ', ' '}, {"the", C, 7, ' ', ' '}, {"total", C, 11, ' ', ' '}}},
                 {"$a = \"x?>y\";", {{"x?>y", N, 6, '"', '"'}}},
                 {"\t?>", {}},
                 {"<p>Back to <?PHP echo \"text\"; ?></p>",
                  {{"Back", L, 3, '>', ' '}, {"to", L, 8, ' ', ' '}}},
                 {"// not a comment",
                  {{"not", L, 3, ' ', ' '}, {"a", L, 7, ' ', ' '}, {"comment", L, 9, ' ', ' '}}},
                 {"<?php", {}},
                 {"?> <p>After</p>", {}},
                 {"<p>After</p>", {{"After", L, 3, '>', '<'}}},
             });
    EXPECT_EQ(php.m_bInPhp, 0);
}

TEST(PhpParser, LiteralsAreReadAgainAsHtmlText) {
    const std::vector<SLineCase> table = {
        {"two words",
         "echo \"Hello world\";",
         {{"echo", K, 0, 0, ' '},
          {"Hello world", N, 6, '"', '"'},
          {"Hello", L, 6, '"', ' '},
          {"world", L, 12, ' ', '"'}}},
        {"markup, and no calls for the words",
         "print(\"<b>Warning</b>: disk full\");",
         {{"print", K, 0, 0, '('},
          {"<b>Warning</b>: disk full", N, 7, '"', '"', {"print"}},
          {"disk", L, 23, ' ', ' '},
          {"full", L, 28, ' ', '"'}}},
        {"a single word survives nowhere", "$msg = 'single';", {{"single", N, 8, '\'', '\''}}},
        {"a variable in a literal is code",
         "echo \"Total: $total items\";",
         {{"echo", K, 0, 0, ' '},
          {"Total: $total items", N, 6, '"', '"'},
          {"total", K, 14, '$', ' '},
          {"items", L, 20, ' ', '"'}}},
        {"the words of all literals come after the rest of the line",
         "f('one two', $x); // note",
         {{"one two", N, 3, '\'', '\'', {"f"}},
          {"note", C, 21, ' ', ' '},
          {"one", L, 3, '\'', ' '},
          {"two", L, 7, ' ', '\''}}},
        {"a file name literal is skipped", "include \"header.php\";", {{"include", K, 0, 0, ' '}}},
    };
    RunTable(table, MakePhpCode);
}

TEST(PhpParser, ALiteralLeftOpenDoesNotSplitTheNextLine) {
    auto php = MakePhpCode();
    ExpectLine(*php, "echo 'open", {{"echo", K, 0, 0, ' '}});
    ExpectLine(*php, "echo \"it's here\";",
               {{"echo", K, 0, 0, ' '},
                {"it's here", N, 6, '"', '"'},
                {"it's", L, 6, '"', ' '},
                {"here", L, 11, ' ', '"'}});
}

TEST(PhpParser, TheHtmlTagStateRunsThroughLiterals) {
    auto php = MakePhpCode();
    ExpectLine(*php, "echo \"<a title='x\";",
               {{"echo", K, 0, 0, ' '}, {"<a title='x", N, 6, '"', '"'}});
    // Still inside the tag opened by the last literal.
    ExpectLine(*php, "echo \"one two\";", {{"echo", K, 0, 0, ' '}, {"one two", N, 6, '"', '"'}});
    ExpectLine(*php, "echo \"'> one two\";",
               {{"echo", K, 0, 0, ' '},
                {"'> one two", N, 6, '"', '"'},
                {"one", L, 9, '"', ' '},
                {"two", L, 13, ' ', '"'}});
}

TEST(PhpParser, BeginFileLeavesPhpAndResetsTheHtmlParser) {
    CMirtParserPhp php;
    php.SetContext(nullptr, nullptr);
    CWordList words;
    php.ParseLine("<a href=\"x", words);
    php.ParseLine("<?php", words);
    EXPECT_EQ(php.m_bInPhp, 1);
    EXPECT_EQ(php.m_html.m_bInTag, 1);
    php.BeginFile("next.php");
    EXPECT_EQ(php.m_bInPhp, 0);
    EXPECT_EQ(php.m_html.m_bInTag, 0);
    ExpectLine(php, "Page text", {{"Page", L, 0, 0, ' '}, {"text", L, 5, ' ', ' '}});
}
