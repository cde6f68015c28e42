// Merging folders into the watch list.
#include "watch/WatchDirList.h"

#include <algorithm>
#include <cctype>

namespace {
bool SameTextIgnoringCase(const std::string& a, const std::string& b, size_t nLength) {
    for (size_t i = 0; i < nLength; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
} // namespace

// The records are looked at in order and the first that decides ends the merge. The
// prefix test is on the text alone, on purpose: "/proj" with its subtree also takes in
// "/proj2", and only the first record below a new subtree folder is replaced.
void CWatchDirList::AddDir(const std::string& strPath, int32_t bSubtree) {
    for (SWatchDir& dir : *this) {
        const size_t nShorter = std::min(strPath.size(), dir.strPath.size());
        if (!SameTextIgnoringCase(strPath, dir.strPath, nShorter))
            continue;
        if (dir.strPath.size() < strPath.size()) {
            if (dir.bSubtree)
                return;
            continue;
        }
        if (dir.strPath.size() == strPath.size()) {
            if (!dir.bSubtree)
                dir.bSubtree = bSubtree;
            return;
        }
        if (bSubtree) {
            dir.strPath = strPath;
            dir.bSubtree = bSubtree;
            return;
        }
    }
    push_back({strPath, bSubtree});
}
