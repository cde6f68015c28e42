// Directory search over opendir/readdir.
#include "platform/DirectoryList.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace {
bool MatchFrom(const std::string& mask, size_t m, const std::string& name, size_t n) {
    while (m < mask.size()) {
        char c = mask[m];
        if (c == '*') {
            for (size_t k = n; k <= name.size(); ++k)
                if (MatchFrom(mask, m + 1, name, k))
                    return true;
            return false;
        }
        if (n >= name.size())
            return false;
        if (c != '?' && std::tolower(static_cast<unsigned char>(c)) !=
                            std::tolower(static_cast<unsigned char>(name[n])))
            return false;
        ++m;
        ++n;
    }
    return n == name.size();
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
    return MatchFrom(strMask, 0, strName, 0);
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
