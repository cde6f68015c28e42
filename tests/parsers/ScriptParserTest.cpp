// The VBScript and JavaScript parsers: their delimiters and escape, and the filters
// for program identifiers and character entities that the script family adds.
#include <gtest/gtest.h>

#include <memory>

#include "parsers/MirtParserJavaScript.h"
#include "parsers/MirtParserVbScript.h"
#include "tests/parsers/WordTable.h"

namespace {
std::unique_ptr<CMirtParser> MakeVbScript() {
    return std::make_unique<CMirtParserVbScript>();
}

std::unique_ptr<CMirtParser> MakeJavaScript() {
    return std::make_unique<CMirtParserJavaScript>();
}
} // namespace

TEST(ScriptParsers, VbScriptCommentsStartAtAnApostrophe) {
    const std::vector<SLineCase> table = {
        {"comment line",
         "' comment text",
         {{"comment", C, 2, ' ', ' '}, {"text", C, 10, ' ', ' '}}},
        {"comment after code",
         "total = 1 ' running note",
         {{"total", K, 0, 0, ' '},
          {"1", K, 8, ' ', ' '},
          {"running", C, 12, ' ', ' '},
          {"note", C, 20, ' ', ' '}}},
        {"slashes are no comment",
         "// slash text",
         {{"slash", K, 3, ' ', ' '}, {"text", K, 9, ' ', ' '}}},
        {"an apostrophe inside a literal is text",
         "s = \"don't stop\"",
         {{"don't", L, 5, '"', ' '}, {"stop", L, 11, ' ', '"'}}},
    };
    RunTable(table, MakeVbScript);
}

// The same line: VBScript ends the literal at the quote after the backslash and reads
// "there" as code; JavaScript skips the escaped quotes and drops the words beside them.
TEST(ScriptParsers, OnlyJavaScriptHasAnEscapeCharacter) {
    const std::string line = "x = \"say \\\"hi there\\\" now\"";
    CMirtParserVbScript vbs;
    ExpectLine(vbs, line,
               {{"say", L, 5, '"', ' '}, {"there", K, 14, ' ', '\\'}, {"now", L, 22, ' ', '"'}});
    CMirtParserJavaScript js;
    ExpectLine(js, line, {{"say", L, 5, '"', ' '}, {"now", L, 22, ' ', '"'}});
}

TEST(ScriptParsers, JavaScriptReadsApostrophesAsLiterals) {
    const std::vector<SLineCase> table = {
        {"apostrophe literal with an entity",
         "var s = 'Tom &copy; Jerry';",
         {{"Tom", L, 9, '\'', ' '}, {"Jerry", L, 20, ' ', '\''}}},
        {"an apostrophe inside a double-quoted literal stays in the word",
         "alert(\"don't stop\");",
         {{"alert", K, 0, 0, '('},
          {"don't", L, 7, '"', ' ', {"alert"}},
          {"stop", L, 13, ' ', '"', {"alert"}}}},
        {"block and line comments",
         "/* block note */ x = 1; // line note",
         {{"block", C, 3, ' ', ' '},
          {"note", C, 9, ' ', ' '},
          {"1", K, 21, ' ', ';'},
          {"line", C, 27, ' ', ' '},
          {"note", C, 32, ' ', ' '}}},
    };
    RunTable(table, MakeJavaScript);
}

TEST(ScriptParsers, EntitiesInLiteralsAreDroppedButNotInComments) {
    const std::vector<SLineCase> table = {
        {"entity between words",
         "s = \"Fish &amp; Chips\"",
         {{"Fish", L, 5, '"', ' '}, {"Chips", L, 16, ' ', '"'}}},
        {"an ampersand without a semicolon is no entity",
         "s = \"Fish &amp Chips\"",
         {{"Fish", L, 5, '"', ' '}, {"amp", L, 11, '&', ' '}, {"Chips", L, 15, ' ', '"'}}},
    };
    RunTable(table, MakeVbScript);
    RunTable(table, MakeJavaScript);
    CMirtParserVbScript vbs;
    ExpectLine(vbs, "' Fish &amp; Chips",
               {{"Fish", C, 2, ' ', ' '}, {"amp", C, 8, '&', ';'}, {"Chips", C, 13, ' ', ' '}});
    CMirtParserJavaScript js;
    ExpectLine(js, "// Fish &amp; Chips",
               {{"Fish", C, 3, ' ', ' '}, {"amp", C, 9, '&', ';'}, {"Chips", C, 14, ' ', ' '}});
}

TEST(ScriptParsers, ProgramIdentifiersAfterAnObjectPartAreDropped) {
    const std::vector<SLineCase> table = {
        {"CreateObject",
         "Set fso = CreateObject(\"Scripting.FileSystemObject\")",
         {{"Create", K, 10, 0, 0}, {"Object", K, 16, 0, '('}}},
        {"lower-case object is no object part",
         "makeobject(\"some words\")",
         {{"makeobject", K, 0, 0, '('},
          {"some", L, 12, '"', ' ', {"makeobject"}},
          {"words", L, 17, ' ', '"', {"makeobject"}}}},
        {"a code word in between ends the run",
         "CreateObject(name, \"kept words\")",
         {{"Create", K, 0, 0, 0},
          {"Object", K, 6, 0, '('},
          {"name", K, 13, '(', ',', {"CreateObject"}},
          {"kept", L, 20, '"', ' ', {"CreateObject"}},
          {"words", L, 25, ' ', '"', {"CreateObject"}}}},
        {"only the literals right after it",
         "GetObject(\"a b\") ' more words",
         {{"Object", K, 3, 0, '('}, {"more", C, 19, ' ', ' '}, {"words", C, 24, ' ', ' '}}},
    };
    RunTable(table, MakeVbScript);
}
