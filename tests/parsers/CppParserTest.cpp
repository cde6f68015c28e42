// The C/C++/C# and resource-script parsers: their settings, the skipped include
// lines, the post-filters for format specifiers and dotted names, and accelerators.
#include <gtest/gtest.h>

#include <memory>

#include "parsers/MirtParserCpp.h"
#include "parsers/MirtParserRc.h"
#include "tests/parsers/WordTable.h"

namespace {
std::unique_ptr<CMirtParser> MakeCpp() {
    return std::make_unique<CMirtParserCpp>();
}

std::unique_ptr<CMirtParser> MakeRc() {
    return std::make_unique<CMirtParserRc>();
}
} // namespace

TEST(CppParser, IdentityAndExtensions) {
    CMirtParserCpp cpp;
    EXPECT_EQ(cpp.GetId(), 0);
    EXPECT_EQ(cpp.GetName(), "C/C++/C#");
    EXPECT_EQ(cpp.GetDefaultExtensions(),
              "cpp c cs h odl idl hpp hh hxx h++ cc cxx c++ ipp tpp tcc inl");
    EXPECT_EQ(cpp.m_extensions,
              (std::vector<std::string>{"cpp", "c", "cs", "h", "odl", "idl", "hpp", "hh", "hxx",
                                        "h++", "cc", "cxx", "c++", "ipp", "tpp", "tcc", "inl"}));
    CMirtParserRc rc;
    EXPECT_EQ(rc.GetId(), 6);
    EXPECT_EQ(rc.GetName(), "Resource");
    EXPECT_EQ(rc.GetDefaultExtensions(), "rc rc2");
    EXPECT_EQ(rc.m_extensions, (std::vector<std::string>{"rc", "rc2"}));
}

TEST(CppParser, SeparatorSetsDifferOnlyInTheAmpersandOfStrings) {
    CMirtParser base;
    CMirtParserCpp cpp;
    CMirtParserRc rc;
    for (int c = 0; c < 256; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(cpp.m_codeSeparators[c], base.m_codeSeparators[c]);
        EXPECT_EQ(cpp.m_commentSeparators[c], base.m_commentSeparators[c]);
        EXPECT_EQ(cpp.m_stringSeparators[c], c != '&' && base.m_stringSeparators[c]);
        EXPECT_EQ(rc.m_stringSeparators[c], cpp.m_stringSeparators[c]);
    }
    EXPECT_TRUE(base.m_stringSeparators['&']);
}

TEST(CppParser, IncludeAndImportLinesGiveNoWords) {
    const std::vector<SLineCase> table = {
        {"include", "#include \"stdafx.h\"", {}},
        {"import after blanks", "   #import \"msxml.dll\" named_guids", {}},
        {"include after a tab", "\t#include <vector> // helper text", {}},
        {"blanks after the number sign", "# include <vector> // note text", {}},
        {"a tab after the number sign", "  #\timport \"msxml.dll\"", {}},
        {"another directive with a blank is scanned",
         "# define NOTE \"spaced text\"",
         {{"define", K, 2, ' ', ' '}, {"spaced", L, 15, '"', ' '}, {"text", L, 22, ' ', '"'}}},
        {"a number sign alone is scanned",
         "#  // just text",
         {{"just", C, 6, ' ', ' '}, {"text", C, 11, ' ', ' '}}},
        {"upper case is scanned",
         "#INCLUDE \"missing header\"",
         {{"missing", L, 10, '"', ' '}, {"header", L, 18, ' ', '"'}}},
        {"a directive later on the line is scanned", "x; #include", {{"include", K, 4, '#', ' '}}},
    };
    RunTable(table, MakeCpp);
}

TEST(CppParser, AnIncludeLineLeavesAnOpenBlockCommentOpen) {
    CMirtParserCpp cpp;
    ExpectLine(cpp, "/* start", {{"start", C, 3, ' ', ' '}});
    ExpectLine(cpp, "#include \"x.h\" inside", {});
    EXPECT_EQ(cpp.m_bInBlockComment, 1);
    ExpectLine(cpp, "end */ code", {{"end", C, 0, 0, ' '}, {"code", K, 7, ' ', ' '}});
}

TEST(CppParser, FormatSpecifiersAndDottedNamesAreDropped) {
    const std::vector<SLineCase> table = {
        {"format specifier",
         "printf(\"%d items\", n);",
         {{"printf", K, 0, 0, '('}, {"items", L, 11, ' ', '"', {"printf"}}}},
        {"several specifiers", "\"%s of %ld%%\"", {{"of", L, 4, ' ', ' '}}},
        {"dotted name in a comment", "// see CMainFrame.OnCreate", {{"see", C, 3, ' ', ' '}}},
        {"long part after a dot in a comment",
         "// config.settings here",
         {{"here", C, 19, ' ', ' '}}},
        {"a dot starting the comment removes only that word",
         "//.hidden word",
         {{"word", C, 10, ' ', ' '}}},
        {"a dot in a string keeps long words",
         "\"Done. Next step\"",
         {{"Done", L, 1, '"', '.'}, {"Next", L, 7, ' ', ' '}, {"step", L, 12, ' ', '"'}}},
        {"a dot in code keeps both parts",
         "frame.Create();",
         {{"frame", K, 0, 0, '.'}, {"Create", K, 6, 0, '('}}},
    };
    RunTable(table, MakeCpp);
}

TEST(CppParser, AmpersandsStayInsideStringWords) {
    const std::vector<SLineCase> table = {
        {"accelerator", "\"&Open file\"", {{"&Open", L, 1, '"', ' '}, {"file", L, 7, ' ', '"'}}},
        {"accelerator in the middle",
         "MENUITEM \"E&xit\", ID_APP_EXIT",
         {{"E&xit", L, 10, '"', '"'}}},
        {"an ampersand in code still separates",
         "flags&maskValue",
         {{"flags", K, 0, 0, '&'}, {"mask", K, 6, '&', 0}, {"Value", K, 10, 0, ' '}}},
    };
    RunTable(table, MakeCpp);
    RunTable(table, MakeRc);
}

TEST(CppParser, ACharacterLiteralWithADoubleQuoteOpensAString) {
    CMirtParserCpp cpp;
    ExpectLine(cpp, "if (c == '\"') quote = 1; // done",
               {{"'", L, 11, '"', ')', {"if"}},
                {"quote", L, 14, ' ', ' ', {"if"}},
                {"1", L, 22, ' ', ';', {"if"}},
                {"done", L, 28, ' ', ' ', {"if"}}});
}

TEST(RcParser, ScansResourceScripts) {
    const std::vector<SLineCase> table = {
        {"include", "#include \"resource.h\"", {}},
        {"popup", "    POPUP \"&Help\"", {{"&Help", L, 11, '"', '"'}}},
        {"caption",
         "CAPTION \"About Spooler\"",
         {{"About", L, 9, '"', ' '}, {"Spooler", L, 15, ' ', '"'}}},
        {"dialog line with a file name", "IDI_ICON ICON \"res\\\\app.ico\"", {}},
        {"comment",
         "// Microsoft Visual C++ generated",
         {{"Microsoft", C, 3, ' ', ' '},
          {"Visual", C, 13, ' ', ' '},
          {"C", C, 20, ' ', '+'},
          {"generated", C, 24, ' ', ' '}}},
    };
    RunTable(table, MakeRc);
}
