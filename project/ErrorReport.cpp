// HTML error report.
#include "project/ErrorReport.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "platform/TextFold.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "project/ResultText.h"

namespace {
constexpr const char* kStyleBlock = "<HTML>\r\n"
                                    "<STYLE>\r\n"
                                    "<!--\r\n"
                                    "tr            { font-family:\"Arial\"; \r\n"
                                    "                font-size:x-small; \r\n"
                                    "                background-color:white; } \r\n"
                                    ".caption      { \r\n"
                                    "                font-weight:bold; \r\n"
                                    "                border-right:1px solid gray; \r\n"
                                    "                border-bottom:1px solid gray; \r\n"
                                    "                border-top:1px solid gray; \r\n"
                                    "}td            { font-family:\"Arial\"; \r\n"
                                    "                font-size:x-small; \r\n"
                                    "                background-color:white; }\r\n"
                                    ".cell         { border-bottom:1px solid gray; \r\n"
                                    "                border-right:1px solid gray; } \r\n"
                                    ".firstcell    { \r\n"
                                    "                border-left:1px solid gray; \r\n"
                                    "                border-bottom:1px solid gray; \r\n"
                                    "                border-right:1px solid gray; } \r\n"
                                    ".file         { color:#000099; } \r\n"
                                    ".error        { color:#FF0000;  } \r\n"
                                    "-->\r\n"
                                    "</STYLE>\r\n";

constexpr const char* kHead = "<HEAD><TITLE>\r\n"
                              "MIRT Spelling Error Report\r\n"
                              "</TITLE></HEAD>\r\n"
                              "<BODY>\r\n"
                              "<TABLE CELLSPACING=0 CELLPADDING=1 BORDER=0>\r\n"
                              "<TR>"
                              "<TD CLASS=caption STYLE='border-left:1px solid gray; '>"
                              "&nbsp;Line&nbsp;</TD>"
                              "<TD CLASS=caption>&nbsp;Pos&nbsp;</TD>"
                              "<TD CLASS=caption>&nbsp;Spelling Error&nbsp;</TD>"
                              "<TD CLASS=caption>&nbsp;Suggestions&nbsp;</TD>"
                              "</TR>";

constexpr const char* kTail = "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
constexpr size_t kMaxSuggestions = 10;
constexpr size_t kShortLine = 50;
constexpr size_t kContextLength = 20;

// Only "<" and ">" are turned into entities; they are what would break the table.
std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

bool IsReportSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool WriteAll(int fd, const std::string& text) {
    size_t nDone = 0;
    while (nDone < text.size()) {
        ssize_t n = write(fd, text.data() + nDone, text.size() - nDone);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        nDone += static_cast<size_t>(n);
    }
    return true;
}

std::string Number(long n) {
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%ld", n);
    return buffer;
}

std::string FindingRow(const CSpellError& error, const std::string& strStyle) {
    std::string before, after;
    ReportContext(error.GetLine(), error.m_nPos, error.m_strWord, before, after);
    std::string row = "<TR>";
    row += "<TD " + strStyle + " ALIGN=RIGHT CLASS=firstcell>&nbsp;" + Number(error.m_nLine) +
           "&nbsp;</TD>";
    row +=
        "<TD " + strStyle + " ALIGN=RIGHT CLASS=cell>&nbsp;" + Number(error.m_nPos) + "&nbsp;</TD>";
    row += "<TD " + strStyle + " CLASS=cell>&nbsp;" + before + " <SPAN CLASS=error>" +
           Escape(error.m_strWord) + "</SPAN> " + after + "&nbsp;</TD>";
    row += "<TD " + strStyle + " CLASS=cell>&nbsp;";
    for (size_t i = 0; i < error.m_suggestions.size() && i < kMaxSuggestions; ++i)
        row += (i ? ", " : "") + Escape(error.m_suggestions[i]);
    row += "&nbsp;</TD></TR>\r\n";
    return row;
}

std::string StatusText(long nSpelling, long nProfanity) {
    if (nSpelling + nProfanity == 0)
        return "<SPAN STYLE='color:#009900'> - OK</SPAN>";
    return "<SPAN STYLE='color:#FF0000'>" + FormatResultCounts(nSpelling, nProfanity) + "</SPAN>";
}

std::string FileBlock(const CSpellFile& file, int32_t bReportOnlyErrors) {
    long nSpelling = file.CountErrors(KIND_SPELLING);
    long nProfanity = file.CountErrors(KIND_PROFANITY);
    if (!file.m_bVisible || (nSpelling + nProfanity == 0 && bReportOnlyErrors))
        return "";
    std::string block = "<TR><TD COLSPAN=4 CLASS=file>" + Escape(file.m_strPath);
    if (file.m_nStatus == STATUS_CHECKED)
        block += StatusText(nSpelling, nProfanity);
    block += "</TD></TR>\r\n";
    std::string strStyle = "STYLE='border-top:1px solid gray'";
    for (const CSpellError* pError : file.m_errors) {
        if (!pError->IsCounting() || !pError->m_bVisible)
            continue;
        block += FindingRow(*pError, strStyle);
        strStyle.clear();
    }
    return block;
}
} // namespace

void ReportContext(const std::string& strLine, int32_t nPos, const std::string& strWord,
                   std::string& strBefore, std::string& strAfter) {
    size_t nFirst = 0;
    while (nFirst < strLine.size() && IsReportSpace(strLine[nFirst]))
        ++nFirst;
    size_t nLast = strLine.size();
    while (nLast > nFirst && IsReportSpace(strLine[nLast - 1]))
        --nLast;
    std::string trimmed = strLine.substr(nFirst, nLast - nFirst);
    long nStart = static_cast<long>(nPos) - static_cast<long>(nFirst);
    long nLength = static_cast<long>(trimmed.size());
    strBefore =
        nStart <= 0 ? "" : trimmed.substr(0, static_cast<size_t>(std::min(nStart, nLength)));
    long nAfter = std::max(0L, nStart + static_cast<long>(strWord.size()));
    strAfter = nAfter >= nLength ? "" : trimmed.substr(static_cast<size_t>(nAfter));
    // The cuts keep whole characters: one that would be cut in two is left out.
    if (trimmed.size() > kShortLine) {
        if (strBefore.size() > kContextLength)
            strBefore =
                "..." +
                strBefore.substr(CharacterStartAfter(strBefore, strBefore.size() - kContextLength));
        if (strAfter.size() > kContextLength)
            strAfter = strAfter.substr(0, CharacterStartBefore(strAfter, kContextLength)) + "...";
    }
    strBefore = Escape(strBefore);
    strAfter = Escape(strAfter);
}

std::string BuildErrorReport(const CMirtDoc& doc, int32_t bReportOnlyErrors) {
    std::string report = kStyleBlock;
    report += kHead;
    for (const CSpellFile* pFile : doc.m_files)
        report += FileBlock(*pFile, bReportOnlyErrors);
    report += kTail;
    return report;
}

bool CMirtDoc::WriteReport(const std::string& strPath, int32_t bReportOnlyErrors) {
    int fd = open(strPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        m_app.MessageBox("Unable to open file " + strPath, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    std::string report;
    {
        std::lock_guard<std::recursive_mutex> lock(m_lock);
        report = BuildErrorReport(*this, bReportOnlyErrors);
    }
    bool bOk = WriteAll(fd, report);
    bOk = close(fd) == 0 && bOk;
    if (!bOk)
        m_app.MessageBox("Unable to save report", MB_OK | MB_ICONEXCLAMATION);
    return bOk;
}
