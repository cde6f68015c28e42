// The HTML error report, byte for byte.
#include <gtest/gtest.h>

#include "project/ErrorReport.h"
#include "project/MirtDoc.h"
#include "tests/support/Golden.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

namespace {
// The fixed start of every report, written out by hand.
std::string Head() {
    std::string s;
    const char* lines[] = {"<HTML>",
                           "<STYLE>",
                           "<!--",
                           "tr            { font-family:\"Arial\"; ",
                           "                font-size:x-small; ",
                           "                background-color:white; } ",
                           ".caption      { ",
                           "                font-weight:bold; ",
                           "                border-right:1px solid gray; ",
                           "                border-bottom:1px solid gray; ",
                           "                border-top:1px solid gray; ",
                           "}td            { font-family:\"Arial\"; ",
                           "                font-size:x-small; ",
                           "                background-color:white; }",
                           ".cell         { border-bottom:1px solid gray; ",
                           "                border-right:1px solid gray; } ",
                           ".firstcell    { ",
                           "                border-left:1px solid gray; ",
                           "                border-bottom:1px solid gray; ",
                           "                border-right:1px solid gray; } ",
                           ".file         { color:#000099; } ",
                           ".error        { color:#FF0000;  } ",
                           "-->",
                           "</STYLE>"};
    for (const char* line : lines)
        s += std::string(line) + "\r\n";
    EXPECT_EQ(s.size(), 801u);
    s += "<HEAD><TITLE>\r\nMIRT Spelling Error Report\r\n</TITLE></HEAD>\r\n<BODY>\r\n";
    s += "<TABLE CELLSPACING=0 CELLPADDING=1 BORDER=0>\r\n";
    s += "<TR><TD CLASS=caption STYLE='border-left:1px solid gray; '>&nbsp;Line&nbsp;</TD>"
         "<TD CLASS=caption>&nbsp;Pos&nbsp;</TD>"
         "<TD CLASS=caption>&nbsp;Spelling Error&nbsp;</TD>"
         "<TD CLASS=caption>&nbsp;Suggestions&nbsp;</TD></TR>";
    return s;
}

const std::string kTail = "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";

class ErrorReport : public ::testing::Test {
protected:
    CSpellFile* AddFile(const std::string& path, int32_t nStatus = 0) {
        auto* p = new CSpellFile(path, nStatus, nullptr);
        p->AddRef();
        doc.AppendFile(p);
        return p;
    }
    CSpellError* AddError(CSpellFile* f, int32_t line, int32_t pos, const std::string& word,
                          const std::string& text, std::vector<std::string> sugg,
                          int32_t kind = KIND_SPELLING) {
        auto* e = new CSpellError(f, kind, line, pos, word, 1, text);
        e->AddRef();
        e->m_suggestions = std::move(sugg);
        f->m_errors.push_back(e);
        return e;
    }
    CTestApp app;
    CMirtDoc doc{app};
};
} // namespace

TEST_F(ErrorReport, EmptyProjectHasOnlyTheFixedParts) {
    EXPECT_TEXT_EQ(Head() + kTail, BuildErrorReport(doc, 0));
}

TEST_F(ErrorReport, FileRowsAndFindingRows) {
    CSpellFile* f = AddFile("/src/a.cpp");
    AddError(f, 3, 4, "teh", "    teh cat", {"the", "ten"});
    AddError(f, 7, 0, "wrod", "wrod", {});
    AddError(f, 8, 0, "darn", "darn it", {"****"}, KIND_PROFANITY);
    std::string expected =
        Head() +
        "<TR><TD COLSPAN=4 CLASS=file>/src/a.cpp<SPAN STYLE='color:#FF0000'> - 2 errors, 1 bad "
        "word</SPAN></TD></TR>\r\n"
        "<TR><TD STYLE='border-top:1px solid gray' ALIGN=RIGHT CLASS=firstcell>&nbsp;3&nbsp;</TD>"
        "<TD STYLE='border-top:1px solid gray' ALIGN=RIGHT CLASS=cell>&nbsp;4&nbsp;</TD>"
        "<TD STYLE='border-top:1px solid gray' CLASS=cell>&nbsp; <SPAN CLASS=error>teh</SPAN>  "
        "cat&nbsp;</TD>"
        "<TD STYLE='border-top:1px solid gray' CLASS=cell>&nbsp;the, ten&nbsp;</TD></TR>\r\n"
        "<TR><TD  ALIGN=RIGHT CLASS=firstcell>&nbsp;7&nbsp;</TD>"
        "<TD  ALIGN=RIGHT CLASS=cell>&nbsp;0&nbsp;</TD>"
        "<TD  CLASS=cell>&nbsp; <SPAN CLASS=error>wrod</SPAN> &nbsp;</TD>"
        "<TD  CLASS=cell>&nbsp;&nbsp;</TD></TR>\r\n"
        "<TR><TD  ALIGN=RIGHT CLASS=firstcell>&nbsp;8&nbsp;</TD>"
        "<TD  ALIGN=RIGHT CLASS=cell>&nbsp;0&nbsp;</TD>"
        "<TD  CLASS=cell>&nbsp; <SPAN CLASS=error>darn</SPAN>  it&nbsp;</TD>"
        "<TD  CLASS=cell>&nbsp;****&nbsp;</TD></TR>\r\n" +
        kTail;
    EXPECT_TEXT_EQ(expected, BuildErrorReport(doc, 0));
}

TEST_F(ErrorReport, CleanFilesShowOkUnlessOnlyErrorsAreWanted) {
    CSpellFile* f = AddFile("/src/ok.cpp");
    AddError(f, 1, 0, "x", "x", {"y"})->m_bIgnored = 1;
    std::string row = "<TR><TD COLSPAN=4 CLASS=file>/src/ok.cpp<SPAN STYLE='color:#009900'> - "
                      "OK</SPAN></TD></TR>\r\n";
    EXPECT_TEXT_EQ(Head() + row + kTail, BuildErrorReport(doc, 0));
    EXPECT_TEXT_EQ(Head() + kTail, BuildErrorReport(doc, 1));
}

TEST_F(ErrorReport, FileNeverCheckedHasNoStatusAndNoRows) {
    AddFile("/src/new.cpp", -1);
    EXPECT_TEXT_EQ(Head() + "<TR><TD COLSPAN=4 CLASS=file>/src/new.cpp</TD></TR>\r\n" + kTail,
                   BuildErrorReport(doc, 0));
}

TEST_F(ErrorReport, HiddenFilesAndFindingsAreLeftOutButStillCounted) {
    CSpellFile* hidden = AddFile("/src/hidden.cpp");
    AddError(hidden, 1, 0, "a", "a", {"b"});
    hidden->m_bVisible = 0;
    CSpellFile* f = AddFile("/src/shown.cpp");
    AddError(f, 1, 0, "a", "a", {"b"})->m_bVisible = 0;
    AddError(f, 2, 0, "c", "c", {"d"});
    std::string report = BuildErrorReport(doc, 0);
    EXPECT_EQ(report.find("hidden.cpp"), std::string::npos);
    EXPECT_NE(report.find("/src/shown.cpp<SPAN STYLE='color:#FF0000'> - 2 errors</SPAN>"),
              std::string::npos);
    EXPECT_EQ(report.find("&nbsp;1&nbsp;"), std::string::npos);
    EXPECT_NE(report.find("<TD STYLE='border-top:1px solid gray' ALIGN=RIGHT "
                          "CLASS=firstcell>&nbsp;2&nbsp;</TD>"),
              std::string::npos);
}

TEST_F(ErrorReport, AtMostTenSuggestions) {
    CSpellFile* f = AddFile("/a");
    std::vector<std::string> twelve;
    for (char c = 'a'; c < 'a' + 12; ++c)
        twelve.push_back(std::string(1, c));
    AddError(f, 1, 0, "w", "w", twelve);
    EXPECT_NE(BuildErrorReport(doc, 0).find("&nbsp;a, b, c, d, e, f, g, h, i, j&nbsp;"),
              std::string::npos);
}

TEST(ReportContext, ShortLinesAreShownWhole) {
    std::string before, after;
    std::string line = "\t  " + std::string(20, 'b') + " word " + std::string(24, 'a') + "  ";
    ReportContext(line, 24, "word", before, after);
    EXPECT_EQ(before, std::string(20, 'b') + " ");
    EXPECT_EQ(after, " " + std::string(24, 'a'));
}

TEST(ReportContext, LongLinesAreCutTwentyCharactersFromTheWord) {
    std::string before, after;
    std::string line = std::string(30, 'b') + "word" + std::string(17, 'a');
    ASSERT_EQ(line.size(), 51u);
    ReportContext(line, 30, "word", before, after);
    EXPECT_EQ(before, "..." + std::string(20, 'b'));
    EXPECT_EQ(after, std::string(17, 'a'));
    ReportContext(std::string(5, 'b') + "word" + std::string(42, 'a'), 5, "word", before, after);
    EXPECT_EQ(before, "bbbbb");
    EXPECT_EQ(after, std::string(20, 'a') + "...");
}

TEST(ReportContext, OnlyAngleBracketsBecomeEntities) {
    std::string before, after;
    ReportContext("a<b & \"c\" word >d", 10, "word", before, after);
    EXPECT_EQ(before, "a&lt;b & \"c\" ");
    EXPECT_EQ(after, " &gt;d");
}

TEST(ReportContext, PositionsOutsideTheLineGiveEmptySides) {
    std::string before, after;
    // The word's offset in the trimmed line is -2: nothing before, and the text after
    // begins where the word would end, at 0.
    ReportContext("  ab", 0, "zz", before, after);
    EXPECT_EQ(before, "");
    EXPECT_EQ(after, "ab");
    ReportContext("ab", 9, "zz", before, after);
    EXPECT_EQ(before, "ab");
    EXPECT_EQ(after, "");
}

TEST_F(ErrorReport, AngleBracketsInPathWordAndSuggestionsAreEscapedToo) {
    CSpellFile* f = AddFile("/src/<odd>.cpp");
    AddError(f, 1, 0, "<b>x", "<b>x", {"<i>", "y"});
    std::string report = BuildErrorReport(doc, 0);
    EXPECT_NE(report.find("/src/&lt;odd&gt;.cpp<SPAN"), std::string::npos);
    EXPECT_NE(report.find("<SPAN CLASS=error>&lt;b&gt;x</SPAN>"), std::string::npos);
    EXPECT_NE(report.find("&nbsp;&lt;i&gt;, y&nbsp;"), std::string::npos);
}

TEST_F(ErrorReport, WriteReportReplacesTheFileOrSaysWhyNot) {
    CTempDir dir;
    std::string path = dir.WriteFile("r.html", "old and much longer than nothing at all");
    ASSERT_TRUE(doc.WriteReport(path, 0));
    EXPECT_EQ(ReadWholeFile(path), Head() + kTail);
    EXPECT_FALSE(doc.WriteReport(dir / "no/such/dir/r.html", 0));
    EXPECT_EQ(app.Display().Messages().back(),
              "Unable to open file " + (dir / "no/such/dir/r.html"));
}

// A cut of the context that would fall inside a character leaves that character out.
TEST(ErrorReportContext, CutsKeepWholeCharacters) {
    // The last 20 bytes before the word begin inside the two bytes of an "é", and the
    // first 20 after it end inside another.
    std::string strLine = std::string(40, 'y') + "\xC3\xA9" + std::string(19, 'x') + "wrod" +
                          std::string(19, 'z') + "\xC3\xA9" + "tail";
    std::string strBefore, strAfter;
    ReportContext(strLine, 61, "wrod", strBefore, strAfter);
    EXPECT_EQ(strBefore, "..." + std::string(19, 'x'));
    EXPECT_EQ(strAfter, std::string(19, 'z') + "...");
}
