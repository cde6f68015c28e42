// The orders the results list sorts the project's files by. Each value is the id of
// its sort command, which is also what the view remembers as its current sort.
#pragma once

#include <cstdint>

#include "project/SpellFile.h"

enum ESortOrder : int32_t {
    SORT_ADD_ORDER = 32790,   // order of creation of the file records
    SORT_LAST_CHECK = 32791,  // checked time, latest first
    SORT_MODIFIED = 32792,    // modification time, latest first
    SORT_ERROR_COUNT = 32793, // findings that count, most first
    SORT_FILE_NAME = 32794,   // full path, letter case ignored
    SORT_FILE_TYPE = 32795    // extension, letter case ignored
};

bool IsSortOrder(int32_t nOrder);

// Sorts the files by the order; files that compare equal keep no particular order.
// Reads the files' findings, so the caller holds the document lock. False for an id
// that names no order.
[[nodiscard]] bool SortFiles(CSpellFiles& files, int32_t nOrder);
