// The findings of a project as a machine or an editor reads them: one line per finding
// as compilers print theirs, a JSON document, or SARIF 2.1.0 for code scanning.
#pragma once

#include <string>

#include "app/BatchOptions.h"

class CMirtDoc;

// Paths under strBase (the working folder, with a trailing "/") are written relative
// to it, the others as they are stored.
std::string FormatFindings(const CMirtDoc& doc, EOutputFormat eFormat, const std::string& strBase);

// The text as a JSON string, quotes included; bytes that are no UTF-8 are read as
// Latin-1, so the document stays valid.
std::string JsonString(const std::string& strText);
