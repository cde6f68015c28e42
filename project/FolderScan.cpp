// Folder scan: one walk of the tree, then the files of every mask in order.
#include "project/FolderScan.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DirectoryList.h"

namespace {
// A folder as the walk found it: its path and its files, sorted as listings are.
struct SListing {
    std::string strPath;
    std::vector<std::string> files;
};

using CFolderIds = std::set<std::pair<dev_t, ino_t>>;

std::string Join(const std::string& strFolder, const std::string& strName) {
    if (!strFolder.empty() && strFolder.back() == '/')
        return strFolder + strName;
    return strFolder + "/" + strName;
}

bool IsFolder(int nDirFd, const struct dirent* pEntry) {
    if (pEntry->d_type == DT_DIR)
        return true;
    if (pEntry->d_type != DT_UNKNOWN && pEntry->d_type != DT_LNK)
        return false;
    struct stat st {};
    return fstatat(nDirFd, pEntry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
}

bool LessName(const SDirEntry& a, const SDirEntry& b) {
    int n = strcasecmp(a.strName.c_str(), b.strName.c_str());
    return n != 0 ? n < 0 : a.strName < b.strName;
}

void Note(std::vector<SScanProblem>* pProblems, const std::string& strPath, int nError) {
    if (pProblems)
        pProblems->push_back({strPath, std::strerror(nError)});
}

// Reads the folder's entries, sorted; false (with the reason noted) when it cannot be
// read, and false without one when a link led back to a folder seen already.
bool ReadFolder(const std::string& strPath, CFolderIds& visited, std::vector<SDirEntry>& entries,
                std::vector<SScanProblem>* pProblems) {
    // Its files could not be opened by their paths either.
    if (strPath.size() >= PATH_MAX) {
        Note(pProblems, strPath, ENAMETOOLONG);
        return false;
    }
    int fd = open(strPath.empty() ? "." : strPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0) {
        Note(pProblems, strPath, errno);
        if (fd >= 0)
            close(fd);
        return false;
    }
    if (!visited.insert({st.st_dev, st.st_ino}).second) {
        close(fd);
        return false;
    }
    DIR* pDir = fdopendir(fd);
    if (pDir == nullptr) {
        Note(pProblems, strPath, errno);
        close(fd);
        return false;
    }
    while (const struct dirent* pEntry = readdir(pDir)) {
        std::string strName = pEntry->d_name;
        if (strName != "." && strName != "..")
            entries.push_back({strName, IsFolder(dirfd(pDir), pEntry)});
    }
    closedir(pDir);
    std::sort(entries.begin(), entries.end(), LessName);
    return true;
}

// Every folder of the tree in depth-first order, each with its files.
std::vector<SListing> Walk(const std::string& strRoot, bool bIncludeSubfolders,
                           std::vector<SScanProblem>* pProblems) {
    std::vector<SListing> listings;
    CFolderIds visited;
    std::vector<std::string> pending{strRoot};
    while (!pending.empty()) {
        std::string strPath = std::move(pending.back());
        pending.pop_back();
        std::vector<SDirEntry> entries;
        if (!ReadFolder(strPath, visited, entries, pProblems))
            continue;
        SListing listing{strPath, {}};
        std::vector<std::string> subfolders;
        for (const SDirEntry& entry : entries) {
            if (!entry.bDirectory)
                listing.files.push_back(entry.strName);
            else if (bIncludeSubfolders && entry.strName[0] != '.')
                subfolders.push_back(Join(strPath, entry.strName));
        }
        listings.push_back(std::move(listing));
        // Pushed last first, so the first subfolder is taken up next.
        pending.insert(pending.end(), subfolders.rbegin(), subfolders.rend());
    }
    return listings;
}
} // namespace

void ScanFolderMasks(std::vector<std::string>& list, const std::string& strFolder,
                     const std::vector<std::string>& masks, bool bIncludeSubfolders,
                     std::vector<SScanProblem>* pProblems) {
    std::vector<SListing> listings = Walk(strFolder, bIncludeSubfolders, pProblems);
    for (const std::string& mask : masks) {
        const std::string strMask = mask.empty() ? "*.*" : mask;
        for (const SListing& listing : listings)
            for (const std::string& strName : listing.files)
                if (MatchesWildcard(strMask, strName))
                    list.push_back(Join(listing.strPath, strName));
    }
}

void ScanFolder(std::vector<std::string>& list, const std::string& strFolder,
                const std::string& strMask, bool bIncludeSubfolders) {
    ScanFolderMasks(list, strFolder, {strMask}, bIncludeSubfolders);
}
