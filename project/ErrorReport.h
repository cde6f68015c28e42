// The HTML error report: per file, the findings that count, with line, position, the
// word in its context and up to ten suggestions.
#pragma once

#include <cstdint>
#include <string>

class CMirtDoc;

// The whole report text for the document as it stands (the caller holds its lock).
std::string BuildErrorReport(const CMirtDoc& doc, int32_t bReportOnlyErrors);

// The text around a word in its line, as the report shows it: trimmed, shortened on
// long lines, "<" and ">" turned into entities.
void ReportContext(const std::string& strLine, int32_t nPos, const std::string& strWord,
                   std::string& strBefore, std::string& strAfter);
