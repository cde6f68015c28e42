// What a row of the results list shows, as plain rules over a snapshot of its record:
// the status suffix and its colour, the parts of a finding's line, the cut of the
// context, the status bar texts. The delegate paints these; the model gives the same
// texts to screen readers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A file row as it is at one moment, read under the document lock.
struct SFileRowView {
    std::string strPath;
    std::string strDisplayName;
    bool bReadOnly = false;
    int32_t nStatus = -1;
    int32_t nSyntax = -1;
    int nSpelling = 0;  // counting spelling findings
    int nProfanity = 0; // counting indecent words
    bool bExpanded = false;
    int64_t tChecked = 0;
};

// A finding row as it is at one moment, read under the document lock.
struct SFindingRowView {
    int32_t nLine = 0;
    int32_t nPos = 0;
    std::string strLine;
    std::string strWord;
    std::vector<std::string> suggestions;
    std::vector<std::string> calls;
    int32_t nChosen = -1;
    int32_t nKind = 0;
    int32_t nCategory = 1;
};

enum class ERowColour { Normal, Red, Green, Blue };

struct SColouredText {
    std::string strText;
    ERowColour eColour = ERowColour::Normal;
};

// " - Checking...", " - No parser found", " - OK", " - 1 error, 2 bad words" or none.
SColouredText FileStatusSuffix(const SFileRowView& file);
// The whole text of a file row: path, " (Read-only)" when it applies, the suffix.
std::string FileRowText(const SFileRowView& file);

// A finding's line as the row shows it: leading and trailing white space removed,
// tabs turned into blanks, split around the word.
struct SLineParts {
    std::string strBefore;
    std::string strWord;
    std::string strAfter;
};
SLineParts SplitLine(const std::string& strLine, int32_t nPos, size_t nWordLength);
std::string JoinSuggestions(const std::vector<std::string>& suggestions);

// What a screen reader reads where the eye reads colours: the word found, the chosen
// suggestion, and whether a file's findings are shown.
std::string SpokenFileRow(const SFileRowView& file);
std::string SpokenContext(const SFindingRowView& finding);
std::string SpokenSuggestions(const SFindingRowView& finding);

// How the part before the word is fitted into the column: when the three parts do not
// fit and the part before takes more than two fifths, it is cut on its left and
// drawn right-aligned in nBeforeWidth, with "..." over its left end.
struct SContextLayout {
    bool bCut = false;
    int nBeforeWidth = 0;
};
SContextLayout LayoutContext(int nWidth, int nBefore, int nWord, int nAfter);

// The longest start of the text that fits with "..." after it, cut after a whole word
// where one fits, otherwise after as many characters as fit; the text itself when it
// fits.
std::string ElideAtWord(const std::string& strText, int nWidth,
                        const std::function<int(const std::string&)>& measure);

// The suggestion under x, measured from the column's left edge, where each takes the
// width of itself followed by ", "; -1 right of the last one.
int SuggestionAt(const std::vector<std::string>& suggestions, int x,
                 const std::function<int(const std::string&)>& measure);

// The text with every "&" doubled, so that a menu shows it as it stands.
std::string DoubleAmpersands(const std::string& strText);

// The status bar texts of a selected row.
std::string FindingStatusText(const SFindingRowView& finding);
// syntaxName is empty when the file has no syntax.
std::string FileStatusText(const SFileRowView& file, const std::string& strSyntaxName);
// The checked time as the C library's "%x, %X" gives it in its own locale; empty when
// the time cannot be converted.
std::string FormatCheckedTime(int64_t tChecked);
