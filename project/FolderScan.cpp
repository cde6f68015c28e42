// Folder scan.
#include "project/FolderScan.h"

#include <climits>
#include <cstdlib>
#include <set>

#include "platform/DirectoryList.h"

namespace {
std::string Join(const std::string& strFolder, const std::string& strName) {
    if (!strFolder.empty() && strFolder.back() == '/')
        return strFolder + strName;
    return strFolder + "/" + strName;
}

// A folder reached twice through links is scanned once, so a link to a parent folder
// cannot send the scan round in circles.
bool FirstVisit(std::set<std::string>& visited, const std::string& strFolder) {
    char resolved[PATH_MAX];
    if (realpath(strFolder.c_str(), resolved) == nullptr)
        return true;
    return visited.insert(resolved).second;
}

void Scan(std::vector<std::string>& list, const std::string& strFolder, const std::string& strMask,
          bool bIncludeSubfolders, std::set<std::string>& visited) {
    if (!FirstVisit(visited, strFolder))
        return;
    std::vector<SDirEntry> entries;
    ListDirectory(strFolder, strMask.empty() ? "*.*" : strMask, entries);
    for (const SDirEntry& entry : entries)
        if (!entry.bDirectory)
            list.push_back(Join(strFolder, entry.strName));
    if (!bIncludeSubfolders)
        return;
    std::vector<SDirEntry> folders;
    if (!ListDirectory(strFolder, "*.*", folders))
        return;
    for (const SDirEntry& entry : folders)
        if (entry.bDirectory && entry.strName[0] != '.')
            Scan(list, Join(strFolder, entry.strName), strMask, true, visited);
}
} // namespace

void ScanFolder(std::vector<std::string>& list, const std::string& strFolder,
                const std::string& strMask, bool bIncludeSubfolders) {
    std::set<std::string> visited;
    Scan(list, strFolder, strMask, bIncludeSubfolders, visited);
}
