// The base line scanner: words, categories, positions, the separators around each
// word and the open calls, for a syntax with double-quoted strings and C comments
// (as the Java syntax uses it, unchanged).
#include <gtest/gtest.h>

#include <memory>

#include "tests/parsers/WordTable.h"

namespace {
std::unique_ptr<CMirtParser> MakeBaseParser() {
    auto p = std::make_unique<CMirtParser>();
    p->m_strStringStart = p->m_strStringEnd = "\"";
    p->m_strBlockCommentStart = "/*";
    p->m_strBlockCommentEnd = "*/";
    p->m_strLineComment = "//";
    return p;
}

// Lines scanned one after the other by the same parser.
void ExpectLines(CMirtParser& parser,
                 const std::vector<std::pair<std::string, std::vector<SExpectedWord>>>& lines) {
    for (const auto& [line, words] : lines)
        ExpectLine(parser, line, words);
}
} // namespace

TEST(BaseScanner, CodeTokensSplitIntoPartsOfFourLettersOrMore) {
    const std::vector<SLineCase> table = {
        {"camel case", "getFileName(x);", {{"File", K, 3, 0, 0}, {"Name", K, 7, 0, '('}}},
        {"lower case stays whole",
         "filename = 0;",
         {{"filename", K, 0, 0, ' '}, {"0", K, 11, ' ', ';'}}},
        {"short parts and capitals give nothing", "MAX_PATH hWnd i", {}},
        {"prefix consonants",
         "lpszFileName;",
         {{"lpsz", K, 0, 0, 0}, {"File", K, 4, 0, 0}, {"Name", K, 8, 0, ';'}}},
        {"a capital first loses its separator", "  Filename = x", {{"Filename", K, 2, 0, ' '}}},
        {"underscore and digit end parts", "my_value2x", {{"value", K, 3, 0, 0}}},
        {"acronym before a word", "HTMLParser", {{"Parser", K, 4, 0, ' '}}},
        {"a token not starting with a letter stays whole",
         "_private 0x1F",
         {{"_private", K, 0, 0, ' '}, {"0x1F", K, 9, ' ', ' '}}},
        {"bytes above 0x7F are no letters", "caf\xc3\xa9teria", {{"teria", K, 5, 0, ' '}}},
    };
    RunTable(table, MakeBaseParser);
}

TEST(BaseScanner, StringsGiveLanguageWordsInsideTheirCall) {
    const std::vector<SLineCase> table = {
        {"call with a string",
         "printf(\"Hello world\", value);",
         {{"printf", K, 0, 0, '('},
          {"Hello", L, 8, '"', ' ', {"printf"}},
          {"world", L, 14, ' ', '"', {"printf"}},
          {"value", K, 22, ' ', ')', {"printf"}}}},
        {"the last code token before the parenthesis is the call, whatever it is",
         "total = (count + 1);",
         {{"total", K, 0, 0, ' '},
          {"count", K, 9, '(', ' ', {"total"}},
          {"1", K, 17, ' ', ')', {"total"}}}},
        {"escape hides the character after it; words touching it are dropped",
         "\"Say \\\"hi there\\\" now\"",
         {{"Say", L, 1, '"', ' '}, {"now", L, 18, ' ', '"'}}},
        {"escaped line break drops both neighbours", "\"Hello\\nWorld\"", {}},
        {"a literal holding a file name is skipped unread",
         "load(\"bitmap.bmp\");",
         {{"load", K, 0, 0, '('}}},
        {"a literal with a blank is read; the file name in it is dropped",
         "load(\"my bitmap.bmp\");",
         {{"load", K, 0, 0, '('}, {"my", L, 6, '"', ' ', {"load"}}}},
        {"a format specifier stays in the base scanner",
         "\"name %s\"",
         {{"name", L, 1, '"', ' '}, {"s", L, 7, '%', '"'}}},
        {"markup tags and closing tags are dropped", "\"<b>bold</b>\"", {{"bold", L, 4, '>', '<'}}},
        {"percent variables are dropped",
         "\"%PATH% is set\"",
         {{"is", L, 8, ' ', ' '}, {"set", L, 11, ' ', '"'}}},
        {"an unterminated string ends with the line",
         "say(\"unterminated text",
         {{"unterminated", L, 5, '"', ' ', {"say"}}, {"text", L, 18, ' ', ' ', {"say"}}}},
        {"a menu marker splits a word in the base scanner",
         "\"&Open\"",
         {{"Open", L, 2, '&', '"'}}},
    };
    RunTable(table, MakeBaseParser);
}

TEST(BaseScanner, CommentsGiveCommentWords) {
    const std::vector<SLineCase> table = {
        {"the word before a comment comes first", "value//note", {{"value", K, 0, 0, '/'}}},
        {"a blank after the comment token",
         "value// note",
         {{"value", K, 0, 0, '/'}, {"note", C, 8, ' ', ' '}}},
        {"a block comment word touching its token is dropped", "/*text*/", {}},
        {"block comment with blanks",
         "/* text */ code",
         {{"text", C, 3, ' ', ' '}, {"code", K, 11, ' ', ' '}}},
        {"file name in a comment is dropped with its extension; long dotted parts stay",
         "// see file.cpp and config.settings",
         {{"see", C, 3, ' ', ' '},
          {"and", C, 16, ' ', ' '},
          {"config", C, 20, ' ', '.'},
          {"settings", C, 27, '.', ' '}}},
        {"parentheses in strings and comments leave the calls alone",
         "call(\"open (paren\", x // close ) here",
         {{"call", K, 0, 0, '('},
          {"open", L, 6, '"', ' ', {"call"}},
          {"paren", L, 12, '(', '"', {"call"}},
          {"close", C, 25, ' ', ' ', {"call"}},
          {"here", C, 33, ' ', ' ', {"call"}}}},
        {"unbalanced closing parentheses are ignored", "))word", {{"word", K, 2, ')', ' '}}},
        {"a line that starts with a word has no separator before it",
         "text",
         {{"text", K, 0, 0, ' '}}},
    };
    RunTable(table, MakeBaseParser);
}

TEST(BaseScanner, BlockCommentsAndCallsCarryOverToTheNextLine) {
    auto p = MakeBaseParser();
    ExpectLines(*p,
                {{"code /* first", {{"code", K, 0, 0, ' '}, {"first", C, 8, ' ', ' '}}},
                 {"second */ tail", {{"second", C, 0, 0, ' '}, {"tail", K, 10, ' ', ' '}}},
                 {"outer(inner(", {{"outer", K, 0, 0, '('}, {"inner", K, 6, '(', '(', {"outer"}}}},
                 {"  value))", {{"value", K, 2, ' ', ')', {"outer", "inner"}}}},
                 {"after", {{"after", K, 0, 0, ' '}}}});
}

TEST(BaseScanner, AStringNeverCarriesOverToTheNextLine) {
    auto p = MakeBaseParser();
    ExpectLines(*p, {{"say(\"open text",
                      {{"open", L, 5, '"', ' ', {"say"}}, {"text", L, 10, ' ', ' ', {"say"}}}},
                     {"return value;",
                      {{"return", K, 0, 0, ' ', {"say"}}, {"value", K, 7, ' ', ';', {"say"}}}}});
}

TEST(BaseScanner, EmptyCallNamesAreNotCopiedToWords) {
    auto p = MakeBaseParser();
    // "(" right after ")" pushes an empty name: the last code token was cleared.
    ExpectLine(*p, "f(a)(\"text\")", {{"text", L, 6, '"', '"'}});
    ExpectLine(*p, "((\"word\"", {{"word", L, 3, '"', '"'}});
    EXPECT_EQ(p->m_callStack.size(), 2u);
}

// A word inside a call costs no copy of the call names: the words of one call share
// a list, across lines too, and a change of the stack gives the next words a new one.
TEST(BaseScanner, WordsInsideOneCallShareItsNames) {
    auto p = MakeBaseParser();
    CWordList first, second, third;
    p->ParseLine("outer(inner(alpha beta", first);
    p->ParseLine("gamma", second);
    ASSERT_EQ(first.size(), 4u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(first[2].calls, (std::vector<std::string>{"outer", "inner"}));
    EXPECT_TRUE(first[2].calls.SharesWith(first[3].calls));
    EXPECT_TRUE(first[3].calls.SharesWith(second[0].calls));
    EXPECT_FALSE(first[1].calls.SharesWith(first[2].calls)); // "inner" inside "outer" only
    p->ParseLine(") delta) epsilon", third);
    ASSERT_EQ(third.size(), 2u);
    EXPECT_EQ(third[0].calls, (std::vector<std::string>{"outer"}));
    EXPECT_TRUE(third[1].calls.empty());
    // The earlier words keep what they had.
    EXPECT_EQ(second[0].calls, (std::vector<std::string>{"outer", "inner"}));
}

TEST(BaseScanner, BeginFileResetsThePerFileState) {
    auto p = MakeBaseParser();
    CWordList words;
    p->ParseLine("open(/* comment", words);
    ASSERT_TRUE(p->m_bInBlockComment);
    ASSERT_EQ(p->m_callStack.size(), 1u);
    EXPECT_EQ(p->BeginFile("Next.java"), 1);
    EXPECT_EQ(p->m_bInBlockComment, 0);
    EXPECT_TRUE(p->m_callStack.empty());
    EXPECT_EQ(p->m_strLastCodeToken, "");
    ExpectLine(*p, "(text", {{"text", K, 1, '(', ' '}});
    // The identifiers seen in earlier files are kept.
    EXPECT_EQ(p->m_identifiers.count("open"), 1u);
}

TEST(BaseScanner, TheFileTitleIsDroppedFromComments) {
    auto p = MakeBaseParser();
    p->BeginFile("Resource.h");
    ExpectLine(*p, "// The resource ids for RESOURCE",
               {{"The", C, 3, ' ', ' '}, {"ids", C, 16, ' ', ' '}, {"for", C, 20, ' ', ' '}});
    ExpectLine(*p, "Resource(\"resource\")",
               {{"Resource", K, 0, 0, '('}, {"resource", L, 10, '"', '"', {"Resource"}}});
}

TEST(BaseScanner, FileTitleIsTheNameBeforeItsFirstDot) {
    CMirtParser p;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Resource.h", "Resource"}, {"archive.tar.gz", "archive"}, {".profile", ".profile"},
        {"Makefile", "Makefile"},   {"src/main.c", "main"},        {"", ""}};
    for (const auto& [name, title] : cases) {
        p.BeginFile(name);
        EXPECT_EQ(p.m_strFileTitle, title) << name;
    }
}

TEST(BaseScanner, CodeTokensStartingWithALetterBecomeIdentifiers) {
    auto p = MakeBaseParser();
    CWordList words;
    p->ParseLine("int getvalue = _hidden + 2x; // notcode \"nostring\"", words);
    EXPECT_EQ(p->m_identifiers.count("getvalue"), 1u);
    EXPECT_EQ(p->m_identifiers.count("int"), 1u);
    EXPECT_EQ(p->m_identifiers.count("_hidden"), 0u);
    EXPECT_EQ(p->m_identifiers.count("2x"), 0u);
    EXPECT_EQ(p->m_identifiers.count("notcode"), 0u);
    EXPECT_EQ(p->m_identifiers.count("nostring"), 0u);
}

TEST(BaseScanner, DelimitersAreFoundOnlyAtSeparators) {
    auto p = MakeBaseParser();
    // "R" is no separator, so a comment token "REM" can never start there.
    p->m_strLineComment = "REM";
    ExpectLine(*p, "REM hello world", {{"hello", K, 4, ' ', ' '}, {"world", K, 10, ' ', ' '}});
    // An apostrophe is one, so a second string kind ending in it works; the end
    // character joins the string separators only while the literal is open.
    p->m_strStringStart1 = p->m_strStringEnd1 = "'";
    ExpectLine(*p, "x = 'single quoted' + y",
               {{"single", L, 5, '\'', ' '}, {"quoted", L, 12, ' ', '\''}});
    EXPECT_FALSE(p->m_stringSeparators['\'']);
    // The file-name test looks for a double quote whatever the literal's end.
    ExpectLine(*p, "'readme.txt\" tail", {{"tail", K, 13, ' ', ' '}});
}

TEST(BaseScanner, EachLiteralOfALineGetsItsOwnFileNameTest) {
    auto p = MakeBaseParser();
    ExpectLine(*p, "\"a b\" \"c.h\" \"d e\"",
               {{"a", L, 1, '"', ' '},
                {"b", L, 3, ' ', '"'},
                {"d", L, 13, '"', ' '},
                {"e", L, 15, ' ', '"'}});
    p->m_strStringStart1 = p->m_strStringEnd1 = "'";
    ExpectLine(*p, "'x.h\"'y.h\"zzzz", {{"zzzz", K, 10, '\'', ' '}});
    ExpectLine(*p, "'x.h\" zzzz 'y.h\" wwww",
               {{"zzzz", K, 6, ' ', ' '}, {"wwww", K, 17, ' ', ' '}});
}

TEST(BaseScanner, WithoutAnEscapeABackslashIsAPlainSeparator) {
    auto p = MakeBaseParser();
    ExpectLine(*p, "\"end\\\" more", {{"more", L, 7, ' ', ' '}});
    p->m_chEscape = 0;
    ExpectLine(*p, "\"end\\\" more", {{"more", K, 7, ' ', ' '}});
}

TEST(BaseScanner, AFileNameLiteralAfterALongStartTokenResumesAfterItsQuote) {
    auto p = MakeBaseParser();
    p->m_strStringStart = "@@";
    ExpectLine(*p, "f(@@a.h\")word", {{"word", K, 9, ')', ' '}});
    EXPECT_TRUE(p->m_callStack.empty());
}

TEST(BaseScanner, EmptyAndBlankLinesGiveNoWords) {
    auto p = MakeBaseParser();
    ExpectLine(*p, "", {});
    ExpectLine(*p, " \t ", {});
    ExpectLine(*p, "\"", {});
    ExpectLine(*p, "\\", {});
}

TEST(BaseScanner, WithoutDelimitersEverythingIsCode) {
    CMirtParser p;
    ExpectLine(p, "/* \"quoted text\" */", {{"quoted", K, 4, '"', ' '}, {"text", K, 11, ' ', '"'}});
}

TEST(BaseScanner, ALongLineWithManyFilteredWordsKeepsEveryOtherWordInOrder) {
    auto parser = MakeBaseParser();
    std::string line = "//";
    for (int i = 0; i < 2000; ++i)
        line += " keep" + std::to_string(i % 10) + " a/b x.cpp";
    CWordList words;
    parser->ParseLine(line, words);
    // Comment words stay whole, digits included.
    ASSERT_EQ(words.size(), 2000u);
    for (size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(words[i].strWord, "keep" + std::to_string(i % 10));
        EXPECT_EQ(words[i].nPos, static_cast<int32_t>(3 + 16 * i));
    }
}
