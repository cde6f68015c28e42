// What a row shows, worked out by hand from the rules: the status suffix of each file
// state and its colour, the parts of a finding's line, the cut of the context for a
// font whose every character is 6 pixels wide, and the status bar texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "ui/HlsColour.h"
#include "ui/ResultsDelegate.h"
#include "ui/RowText.h"

namespace {
SFileRowView File(int32_t nStatus, int nSpelling, int nProfanity, int32_t nSyntax = 0) {
    SFileRowView file;
    file.strPath = "/src/a.cpp";
    file.strDisplayName = "a.cpp";
    file.nStatus = nStatus;
    file.nSyntax = nSyntax;
    file.nSpelling = nSpelling;
    file.nProfanity = nProfanity;
    return file;
}

int SixPixels(const std::string& text) {
    return 6 * static_cast<int>(text.size());
}

// Six pixels per character, counting a UTF-8 sequence once.
int SixPerCharacter(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return 6 * n;
}
} // namespace

TEST(RowText, EachFileStateHasItsSuffixAndColour) {
    struct SCase {
        SFileRowView file;
        const char* pszSuffix;
        ERowColour eColour;
    } cases[] = {
        {File(0, 1, 2), " - 1 error, 2 bad words", ERowColour::Red},
        {File(0, 0, 1), " - 1 bad word", ERowColour::Red},
        {File(0, 3, 0), " - 3 errors", ERowColour::Red},
        {File(-1, 0, 0, -1), " - No parser found", ERowColour::Red},
        {File(0, 0, 0), " - OK", ERowColour::Green},
        {File(-2, 4, 0), " - Checking...", ERowColour::Normal},
        {File(-2, 0, 0, -1), " - Checking...", ERowColour::Normal},
        {File(-1, 0, 0), "", ERowColour::Normal},
    };
    for (const SCase& c : cases) {
        SColouredText suffix = FileStatusSuffix(c.file);
        EXPECT_EQ(suffix.strText, c.pszSuffix);
        EXPECT_EQ(suffix.eColour, c.eColour) << c.pszSuffix;
    }
}

TEST(RowText, AFileRowReadsPathReadOnlyAndSuffix) {
    SFileRowView file = File(0, 1, 0);
    EXPECT_EQ(FileRowText(file), "/src/a.cpp - 1 error");
    file.bReadOnly = true;
    EXPECT_EQ(FileRowText(file), "/src/a.cpp (Read-only) - 1 error");
}

TEST(RowText, TheLineIsTrimmedWithTabsAsBlanksAndSplitAroundTheWord) {
    SLineParts parts = SplitLine("\t  x = \"wrod\";  \t", 8, 4);
    EXPECT_EQ(parts.strBefore, "x = \"");
    EXPECT_EQ(parts.strWord, "wrod");
    EXPECT_EQ(parts.strAfter, "\";");
    parts = SplitLine("a\tb wrd", 4, 3);
    EXPECT_EQ(parts.strBefore, "a b ");
    EXPECT_EQ(parts.strWord, "wrd");
    EXPECT_EQ(parts.strAfter, "");
    // A position past the line keeps what there is.
    parts = SplitLine("short", 40, 3);
    EXPECT_EQ(parts.strBefore, "short");
    EXPECT_EQ(parts.strWord, "");
}

TEST(RowText, ThePartBeforeIsCutOnlyWhenItTakesMoreThanTwoFifths) {
    // 90 of 100 pixels: everything fits.
    SContextLayout layout = LayoutContext(100, 30, 20, 40);
    EXPECT_FALSE(layout.bCut);
    EXPECT_EQ(layout.nBeforeWidth, 30);
    // Too wide, and 60 > 40: the part before gets the larger of 40 and 100 - 20 - 40.
    layout = LayoutContext(100, 60, 20, 40);
    EXPECT_TRUE(layout.bCut);
    EXPECT_EQ(layout.nBeforeWidth, 40);
    layout = LayoutContext(100, 80, 10, 20);
    EXPECT_TRUE(layout.bCut);
    EXPECT_EQ(layout.nBeforeWidth, 70);
    // Two fifths of 101 are 40 in integers; a part of exactly 40 is not cut.
    EXPECT_EQ(LayoutContext(101, 41, 30, 40).nBeforeWidth, 40);
    EXPECT_FALSE(LayoutContext(101, 40, 30, 40).bCut);
}

TEST(RowText, ThePartAfterIsCutAtAWordBoundaryWhereOneFits) {
    EXPECT_EQ(ElideAtWord("and the rest", 72, SixPixels), "and the rest");
    EXPECT_EQ(ElideAtWord("and the rest", 71, SixPixels), "and the...");
    EXPECT_EQ(ElideAtWord("and the rest", 50, SixPixels), "and...");
    // No whole word fits: as many characters as fit.
    EXPECT_EQ(ElideAtWord("and the rest", 30, SixPixels), "an...");
    EXPECT_EQ(ElideAtWord("and the rest", 20, SixPixels), "...");
    EXPECT_EQ(ElideAtWord("and the rest", 10, SixPixels), "");
    // A character of several bytes is never split.
    // Five characters of two bytes are 30 pixels; at 29 one of them and "..." fit.
    EXPECT_EQ(ElideAtWord("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 29, SixPerCharacter),
              "\xC3\xA9...");
}

TEST(RowText, StatusTextsOfASelectedRow) {
    SFindingRowView finding;
    finding.strWord = "Helo";
    finding.nCategory = 1;
    EXPECT_EQ(FindingStatusText(finding), "'Helo' - Language error");
    finding.strWord = "darn";
    finding.nKind = 1;
    finding.nCategory = 2;
    EXPECT_EQ(FindingStatusText(finding), "'darn' - bad word (Comment)");
    EXPECT_EQ(FileStatusText(File(-1, 0, 0), "C/C++/C#"), "a.cpp - not checked (syntax:C/C++/C#)");
    EXPECT_EQ(FileStatusText(File(-1, 0, 0, -1), ""), "a.cpp - not checked (syntax:undefined)");
}

TEST(RowText, TheCheckedTimeIsMonthDayYearAndTheTimeOfDay) {
    std::string strOldZone = std::getenv("TZ") ? std::getenv("TZ") : "";
    setenv("TZ", "UTC", 1);
    tzset();
    SFileRowView file = File(0, 0, 0);
    file.tChecked = 1700000000; // 2023-11-14 22:13:20 UTC
    EXPECT_EQ(FileStatusText(file, "Java"),
              "a.cpp - last checked on 11/14/23, 22:13:20 (syntax:Java)");
    EXPECT_EQ(FormatCheckedTime(0), "01/01/70, 00:00:00");
    if (strOldZone.empty())
        unsetenv("TZ");
    else
        setenv("TZ", strOldZone.c_str(), 1);
    tzset();
}

// The highlight RGB(51, 153, 255) is hue 117, luminance 120, saturation 200; with the
// luminance at 182 it comes back as RGB(209, 231, 255).
TEST(RowText, TheSelectionColourIsTheHighlightMadeLight) {
    SHls hls = RgbToHls(51, 153, 255);
    EXPECT_EQ(hls.nHue, 117);
    EXPECT_EQ(hls.nLuminance, 120);
    EXPECT_EQ(hls.nSaturation, 200);
    QColor selected = CResultsDelegate::SelectionColour(QColor(51, 153, 255));
    EXPECT_EQ(selected, QColor(209, 231, 255));
    // A grey has no hue and stays a grey: 182 * 255 / 200 is 232, without rounding.
    EXPECT_EQ(CResultsDelegate::SelectionColour(QColor(128, 128, 128)), QColor(232, 232, 232));
}
