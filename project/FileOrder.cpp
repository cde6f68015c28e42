// Comparisons of the results list's six sort orders.
#include "project/FileOrder.h"

#include <algorithm>
#include <functional>
#include <strings.h>

namespace {
using CLess = std::function<bool(const CSpellFile*, const CSpellFile*)>;

// The extension of the file name, without the dot; empty when the name has none.
const char* ExtensionOf(const CSpellFile* pFile) {
    const std::string& path = pFile->m_strPath;
    size_t nSlash = path.rfind('/');
    size_t nDot = path.rfind('.');
    if (nDot == std::string::npos || (nSlash != std::string::npos && nDot < nSlash))
        return "";
    return path.c_str() + nDot + 1;
}

CLess LessFor(int32_t nOrder) {
    switch (nOrder) {
    case SORT_ADD_ORDER:
        return [](auto* a, auto* b) { return a->m_nSequence < b->m_nSequence; };
    case SORT_LAST_CHECK:
        return [](auto* a, auto* b) { return a->m_tChecked > b->m_tChecked; };
    case SORT_MODIFIED:
        return [](auto* a, auto* b) { return a->m_tModified > b->m_tModified; };
    case SORT_ERROR_COUNT:
        return [](auto* a, auto* b) { return a->CountCountingErrors() > b->CountCountingErrors(); };
    case SORT_FILE_NAME:
        return [](auto* a, auto* b) {
            return strcasecmp(a->m_strPath.c_str(), b->m_strPath.c_str()) < 0;
        };
    case SORT_FILE_TYPE:
        return [](auto* a, auto* b) { return strcasecmp(ExtensionOf(a), ExtensionOf(b)) < 0; };
    default:
        return nullptr;
    }
}
} // namespace

bool IsSortOrder(int32_t nOrder) {
    return nOrder >= SORT_ADD_ORDER && nOrder <= SORT_FILE_TYPE;
}

bool SortFiles(CSpellFiles& files, int32_t nOrder) {
    CLess less = LessFor(nOrder);
    if (!less)
        return false;
    std::sort(files.begin(), files.end(), less);
    return true;
}
