// Row texts, colours and cuts of the results list.
#include "ui/RowText.h"

#include <algorithm>
#include <clocale>
#include <ctime>
#include <locale.h>

#include "parsers/MirtParser.h"
#include "project/ResultText.h"
#include "project/SpellError.h"
#include "project/SpellFile.h"

namespace {
constexpr const char* kEllipsis = "...";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Byte offsets where a UTF-8 character starts, and the end.
std::vector<size_t> CharacterEnds(const std::string& text) {
    std::vector<size_t> ends;
    for (size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ends.push_back(i);
    return ends;
}

// The longest start of the text, ending at one of the offsets, that fits with "...".
std::string LongestFitting(const std::string& text, const std::vector<size_t>& ends, int nWidth,
                           const std::function<int(const std::string&)>& measure) {
    std::string best;
    for (size_t nEnd : ends) {
        std::string candidate = text.substr(0, nEnd) + kEllipsis;
        if (measure(candidate) > nWidth)
            break;
        best = std::move(candidate);
    }
    return best;
}
} // namespace

SColouredText FileStatusSuffix(const SFileRowView& file) {
    if (file.nStatus == STATUS_CHECKING)
        return {" - Checking...", ERowColour::Normal};
    if (file.nSyntax == -1)
        return {" - No parser found", ERowColour::Red};
    if (file.nStatus != STATUS_CHECKED)
        return {"", ERowColour::Normal};
    if (file.nSpelling + file.nProfanity == 0)
        return {" - OK", ERowColour::Green};
    return {FormatResultCounts(file.nSpelling, file.nProfanity), ERowColour::Red};
}

std::string FileRowText(const SFileRowView& file) {
    return file.strPath + (file.bReadOnly ? " (Read-only)" : "") + FileStatusSuffix(file).strText;
}

SLineParts SplitLine(const std::string& strLine, int32_t nPos, size_t nWordLength) {
    size_t nStart = 0;
    while (nStart < strLine.size() && IsBlank(strLine[nStart]))
        ++nStart;
    size_t nEnd = strLine.size();
    while (nEnd > nStart && IsBlank(strLine[nEnd - 1]))
        --nEnd;
    std::string text = strLine.substr(nStart, nEnd - nStart);
    std::replace(text.begin(), text.end(), '\t', ' ');
    // A position outside the trimmed line (a line changed since) keeps what there is.
    size_t nWord = nPos < 0 ? 0 : static_cast<size_t>(nPos);
    nWord = std::min(nWord > nStart ? nWord - nStart : 0, text.size());
    size_t nAfter = std::min(nWord + nWordLength, text.size());
    return {text.substr(0, nWord), text.substr(nWord, nAfter - nWord), text.substr(nAfter)};
}

std::string JoinSuggestions(const std::vector<std::string>& suggestions) {
    std::string text;
    for (const std::string& suggestion : suggestions)
        text += (text.empty() ? "" : ", ") + suggestion;
    return text;
}

std::string SpokenFileRow(const SFileRowView& file) {
    std::string text = FileRowText(file);
    if (file.nSpelling + file.nProfanity > 0)
        text += file.bExpanded ? ", expanded" : ", collapsed";
    return text;
}

std::string SpokenContext(const SFindingRowView& finding) {
    SLineParts parts = SplitLine(finding.strLine, finding.nPos, finding.strWord.size());
    return "'" + finding.strWord + "' in: " + parts.strBefore + parts.strWord + parts.strAfter;
}

std::string SpokenSuggestions(const SFindingRowView& finding) {
    std::string text = JoinSuggestions(finding.suggestions);
    if (finding.nChosen >= 0 && static_cast<size_t>(finding.nChosen) < finding.suggestions.size())
        text += "; chosen: " + finding.suggestions[static_cast<size_t>(finding.nChosen)];
    return text;
}

SContextLayout LayoutContext(int nWidth, int nBefore, int nWord, int nAfter) {
    int nTwoFifths = nWidth * 2 / 5;
    if (nBefore + nWord + nAfter <= nWidth || nBefore <= nTwoFifths)
        return {false, nBefore};
    return {true, std::max(nTwoFifths, nWidth - nWord - nAfter)};
}

std::string ElideAtWord(const std::string& strText, int nWidth,
                        const std::function<int(const std::string&)>& measure) {
    if (measure(strText) <= nWidth)
        return strText;
    std::vector<size_t> wordEnds;
    for (size_t i = 1; i < strText.size(); ++i)
        if (strText[i] == ' ' && strText[i - 1] != ' ')
            wordEnds.push_back(i);
    std::string atWord = LongestFitting(strText, wordEnds, nWidth, measure);
    if (!atWord.empty())
        return atWord;
    std::string atCharacter = LongestFitting(strText, CharacterEnds(strText), nWidth, measure);
    if (!atCharacter.empty())
        return atCharacter;
    return measure(kEllipsis) <= nWidth ? kEllipsis : "";
}

int SuggestionAt(const std::vector<std::string>& suggestions, int x,
                 const std::function<int(const std::string&)>& measure) {
    if (x < 0)
        return -1;
    int nRight = 0;
    for (size_t i = 0; i < suggestions.size(); ++i) {
        nRight += measure(suggestions[i] + ", ");
        if (x < nRight)
            return static_cast<int>(i);
    }
    return -1;
}

std::string DoubleAmpersands(const std::string& strText) {
    std::string doubled;
    for (char c : strText) {
        doubled += c;
        if (c == '&')
            doubled += '&';
    }
    return doubled;
}

std::string FindingStatusText(const SFindingRowView& finding) {
    std::string strCategory = CMirtParser::GetCategoryName(finding.nCategory);
    if (finding.nKind == KIND_PROFANITY)
        return "'" + finding.strWord + "' - bad word (" + strCategory + ")";
    return "'" + finding.strWord + "' - " + strCategory + " error";
}

std::string FileStatusText(const SFileRowView& file, const std::string& strSyntaxName) {
    std::string strSyntax =
        "(syntax:" + (strSyntaxName.empty() ? std::string("undefined") : strSyntaxName) + ")";
    if (file.nStatus != STATUS_CHECKED)
        return file.strDisplayName + " - not checked " + strSyntax;
    return file.strDisplayName + " - last checked on " + FormatCheckedTime(file.tChecked) + " " +
           strSyntax;
}

std::string FormatCheckedTime(int64_t tChecked) {
    time_t t = static_cast<time_t>(tChecked);
    struct tm local {};
    if (localtime_r(&t, &local) == nullptr)
        return "";
    // The window runs in the user's locale; these texts keep the C library's own.
    locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (cLocale == static_cast<locale_t>(nullptr))
        return "";
    char buffer[64] = "";
    size_t nLength = strftime_l(buffer, sizeof(buffer), "%x, %X", &local, cLocale);
    freelocale(cLocale);
    return std::string(buffer, nLength);
}
