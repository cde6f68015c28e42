// Folder listing with opendir and readdir.
#include "installer/FolderList.h"

#include <algorithm>
#include <dirent.h>
#include <memory>

namespace {
struct SDirCloser {
    void operator()(DIR* pDir) const { closedir(pDir); }
};
} // namespace

bool ListFolderNames(const std::string& strFolder, std::vector<std::string>& names) {
    names.clear();
    std::unique_ptr<DIR, SDirCloser> pDir(opendir(strFolder.c_str()));
    if (!pDir)
        return false;
    while (const dirent* pEntry = readdir(pDir.get())) {
        std::string strName = pEntry->d_name;
        if (strName != "." && strName != "..")
            names.push_back(std::move(strName));
    }
    std::sort(names.begin(), names.end());
    return true;
}
