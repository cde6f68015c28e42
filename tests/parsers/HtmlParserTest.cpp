// The HTML parser: page text outside tags, entities, and script blocks handed line by
// line to the embedded JavaScript parser, with the tag and script state carried over.
#include <gtest/gtest.h>

#include <memory>

#include "parsers/MirtParserHtml.h"
#include "tests/parsers/WordTable.h"

namespace {
std::unique_ptr<CMirtParser> MakeHtml() {
    return std::make_unique<CMirtParserHtml>();
}

using CLines = std::vector<std::pair<std::string, std::vector<SExpectedWord>>>;

void ExpectLines(CMirtParser& parser, const CLines& lines) {
    for (const auto& [line, words] : lines)
        ExpectLine(parser, line, words);
}
} // namespace

TEST(HtmlParser, PageTextOutsideTagsGivesLanguageWords) {
    const std::vector<SLineCase> table = {
        {"paragraph", "<p>Hello world</p>", {{"Hello", L, 3, '>', ' '}, {"world", L, 9, ' ', '<'}}},
        {"attributes are inside the tag", "<img src=\"a.png\" alt=\"Some picture\">", {}},
        {"entity", "Tom&amp;Jerry", {{"Tom", L, 0, 0, '&'}, {"Jerry", L, 8, ';', ' '}}},
        {"apostrophes do not separate",
         "don't panic",
         {{"don't", L, 0, 0, ' '}, {"panic", L, 6, ' ', ' '}}},
        {"a '>' without '<' is ignored",
         "5 > 3 apples",
         {{"5", L, 0, 0, ' '}, {"3", L, 4, ' ', ' '}, {"apples", L, 6, ' ', ' '}}},
        // The base scanner's filters would drop readme, txt and dir here.
        {"no post-filters",
         "see readme.txt or C:\\dir",
         {{"see", L, 0, 0, ' '},
          {"readme", L, 4, ' ', '.'},
          {"txt", L, 11, '.', ' '},
          {"or", L, 15, ' ', ' '},
          {"C", L, 18, ' ', ':'},
          {"dir", L, 21, '\\', ' '}}},
        {"a script tag suppresses the rest of its line",
         "Go <script>var msg = \"Hello there\";",
         {{"Go", L, 0, 0, ' '}}},
    };
    RunTable(table, MakeHtml);
}

TEST(HtmlParser, TagStateCarriesOverLines) {
    CMirtParserHtml html;
    ExpectLines(html, {
                          {"Before <a href=\"x.html\"", {{"Before", L, 0, 0, ' '}}},
                          {"title=\"Tip\">Click here</a>",
                           {{"Click", L, 12, '>', ' '}, {"here", L, 18, ' ', '<'}}},
                      });
    EXPECT_EQ(html.m_bInTag, 0);
}

TEST(HtmlParser, ScriptBlocksAreReadAsJavaScriptUpToTheClosingLine) {
    CMirtParserHtml html;
    ExpectLines(
        html, {
                  {"<script>var msg = \"Hello there\";", {}},
                  {"// greet the user",
                   {{"greet", C, 3, ' ', ' '}, {"the", C, 9, ' ', ' '}, {"user", C, 13, ' ', ' '}}},
                  {"show(\"Hi there\", count);",
                   {{"show", K, 0, 0, '('},
                    {"Hi", L, 6, '"', ' ', {"show"}},
                    {"there", L, 9, ' ', '"', {"show"}},
                    {"count", K, 17, ' ', ')', {"show"}}}},
                  // Page text again: the words before the closing tag are still suppressed.
                  {"alert(\"done\"); </script> <b>Ready</b>", {{"Ready", L, 28, '>', '<'}}},
                  {"<p>Back to text</p>",
                   {{"Back", L, 3, '>', ' '}, {"to", L, 8, ' ', ' '}, {"text", L, 11, ' ', '<'}}},
              });
    EXPECT_EQ(html.m_pActiveParser, nullptr);
    EXPECT_EQ(html.m_bScriptStarted, 0);
}

TEST(HtmlParser, AnOpenBlockCommentOfTheScriptCarriesOver) {
    CMirtParserHtml html;
    ExpectLines(html, {
                          {"<SCRIPT>", {}},
                          {"/* first part", {{"first", C, 3, ' ', ' '}, {"part", C, 9, ' ', ' '}}},
                          {"second */ go();", {{"second", C, 0, 0, ' '}}},
                          {"</SCRIPT>", {}},
                      });
    EXPECT_EQ(html.m_pActiveParser, nullptr);
}

TEST(HtmlParser, EveryScriptBlockIsJavaScript) {
    CMirtParserHtml html;
    ExpectLines(html, {
                          {"<SCRIPT LANGUAGE=\"VBScript\">", {}},
                          {"' not a comment in JavaScript",
                           {{"not", L, 2, ' ', ' '},
                            {"a", L, 6, ' ', ' '},
                            {"comment", L, 8, ' ', ' '},
                            {"in", L, 16, ' ', ' '},
                            {"JavaScript", L, 19, ' ', ' '}}},
                      });
    EXPECT_EQ(html.m_pActiveParser, &html.m_javaScript);
}

TEST(HtmlParser, BeginFileStartsWithPageText) {
    CMirtParserHtml html;
    ExpectLine(html, "<script><a title=\"x", {});
    html.BeginFile("next.html");
    EXPECT_EQ(html.m_pActiveParser, nullptr);
    EXPECT_EQ(html.m_bInTag, 0);
    ExpectLine(html, "var x = \"text here\";",
               {{"var", L, 0, 0, ' '},
                {"x", L, 4, ' ', ' '},
                {"text", L, 9, '"', ' '},
                {"here", L, 14, ' ', '"'}});
}

TEST(HtmlParser, PageWordsCarryNoCallsAndLeaveNoIdentifiers) {
    CMirtParserHtml html;
    ExpectLine(html, "call(value) here",
               {{"call", L, 0, 0, '('}, {"value", L, 5, '(', ')'}, {"here", L, 12, ' ', ' '}});
    EXPECT_TRUE(html.m_callStack.empty());
    EXPECT_TRUE(html.m_identifiers.empty());
}
