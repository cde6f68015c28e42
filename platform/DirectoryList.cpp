// Directory search over opendir/readdir.
#include "platform/DirectoryList.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace {
bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

// Greedy with one step back to the last star: a star that took too little takes one
// more character, and no earlier star is ever tried again, so the cost stays within
// the product of the two lengths.
bool MatchStars(const std::string& mask, const std::string& name) {
    size_t m = 0, n = 0;
    size_t nStar = std::string::npos, nStarName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            nStar = m++;
            nStarName = n;
        } else if (m < mask.size() && (mask[m] == '?' || SameLetter(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (nStar != std::string::npos) {
            m = nStar + 1;
            n = ++nStarName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

bool IsDirectoryEntry(const std::string& strFolder, const struct dirent* pEntry) {
    if (pEntry->d_type == DT_DIR)
        return true;
    if (pEntry->d_type != DT_UNKNOWN && pEntry->d_type != DT_LNK)
        return false;
    struct stat st {};
    std::string path = strFolder + "/" + pEntry->d_name;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace

bool MatchesWildcard(const std::string& strMask, const std::string& strName) {
    if (strMask == "*.*" || strMask == "*")
        return true;
    return MatchStars(strMask, strName);
}

bool ListDirectory(const std::string& strFolder, const std::string& strMask,
                   std::vector<SDirEntry>& entries) {
    DIR* pDir = opendir(strFolder.empty() ? "." : strFolder.c_str());
    if (pDir == nullptr)
        return false;
    std::vector<SDirEntry> found;
    while (const struct dirent* pEntry = readdir(pDir)) {
        std::string name = pEntry->d_name;
        if (name == "." || name == ".." || !MatchesWildcard(strMask, name))
            continue;
        found.push_back({name, IsDirectoryEntry(strFolder, pEntry)});
    }
    closedir(pDir);
    std::sort(found.begin(), found.end(), [](const SDirEntry& a, const SDirEntry& b) {
        int n = strcasecmp(a.strName.c_str(), b.strName.c_str());
        return n != 0 ? n < 0 : a.strName < b.strName;
    });
    entries.insert(entries.end(), found.begin(), found.end());
    return true;
}
