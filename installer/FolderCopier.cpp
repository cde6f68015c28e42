// The folder copy: which folders take part, and the walk through the source.
#include "installer/FolderCopier.h"

#include "installer/FExeption.h"
#include "installer/FileCopy.h"
#include "installer/FolderList.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <strings.h>
#include <sys/stat.h>

namespace {
// "/a/b/" and "/a/b" name the same folder; the rules below compare paths as text.
std::string TrimTrailingSlashes(std::string strPath) {
    while (strPath.size() > 1 && strPath.back() == '/')
        strPath.pop_back();
    return strPath;
}

std::string ParentOf(const std::string& strPath) {
    std::size_t nSlash = strPath.rfind('/');
    if (nSlash == std::string::npos)
        return {};
    return nSlash == 0 ? "/" : strPath.substr(0, nSlash);
}

bool IsFolder(const std::string& strPath, struct stat& status) {
    return stat(strPath.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The full path with links and "." / ".." resolved, or the path itself when that fails.
std::string Canonical(const std::string& strPath) {
    std::unique_ptr<char, decltype(&std::free)> pResolved(realpath(strPath.c_str(), nullptr),
                                                          &std::free);
    return pResolved ? std::string(pResolved.get()) : strPath;
}

bool LiesInside(const std::string& strPath, const std::string& strFolder) {
    if (strFolder == "/")
        return true;
    return strPath.size() > strFolder.size() &&
           strPath.compare(0, strFolder.size(), strFolder) == 0 && strPath[strFolder.size()] == '/';
}

std::string WithSlash(const std::string& strFolder) {
    return strFolder.back() == '/' ? strFolder : strFolder + "/";
}

std::vector<std::string> ListFolder(const std::string& strFolder) {
    std::vector<std::string> names;
    if (!ListFolderNames(strFolder, names))
        throw CFExeption(strFolder + " not found");
    return names;
}
} // namespace

void CFolderCopier::Copy(const std::string& strSource, const std::string& strDestination) {
    struct stat source {};
    if (stat(strSource.c_str(), &source) != 0)
        throw CFExeption(strSource + " not found");
    struct stat destination {};
    if (!S_ISDIR(source.st_mode) || !IsFolder(strDestination, destination))
        return;
    const std::string strFrom = TrimTrailingSlashes(Canonical(strSource));
    const std::string strTo = TrimTrailingSlashes(Canonical(strDestination));
    // Copying into the source's own parent, or into the source itself, copies nothing.
    if (strcasecmp(strTo.c_str(), ParentOf(strFrom).c_str()) == 0 ||
        (source.st_dev == destination.st_dev && source.st_ino == destination.st_ino))
        return;

    m_nSubfolderBudget = -1;
    if (LiesInside(strTo, strFrom)) {
        auto nDepth = [](const std::string& s) { return std::count(s.begin(), s.end(), '/'); };
        m_nSubfolderBudget = static_cast<std::int32_t>(nDepth(strTo) - nDepth(strFrom));
    }
    m_activeFolders.assign(1, {source.st_dev, source.st_ino});
    CopyContents(WithSlash(strFrom), WithSlash(strTo));
    m_activeFolders.clear();
    m_nSubfolderBudget = -1;
}

void CFolderCopier::CopyContents(const std::string& strSourceFolder,
                                 const std::string& strDestFolder) {
    for (const std::string& strName : ListFolder(strSourceFolder)) {
        const std::string strSource = strSourceFolder + strName;
        struct stat status {};
        if (IsFolder(strSource, status)) {
            auto id = std::make_pair(status.st_dev, status.st_ino);
            if (m_nSubfolderBudget == 0 || std::find(m_activeFolders.begin(), m_activeFolders.end(),
                                                     id) != m_activeFolders.end())
                continue;
            m_activeFolders.push_back(id);
            CopySubfolder(strSource, strDestFolder + strName);
            m_activeFolders.pop_back();
        } else {
            CopyOneFile(strSource, strDestFolder + strName);
        }
    }
}

void CFolderCopier::CopySubfolder(const std::string& strSource, const std::string& strTarget) {
    struct stat target {};
    if (lstat(strTarget.c_str(), &target) != 0 && mkdir(strTarget.c_str(), 0777) != 0)
        throw CFExeption(errno, strTarget);
    // Counts the subfolders entered, not the depth: it is not given back on return.
    if (m_nSubfolderBudget > 0)
        --m_nSubfolderBudget;
    CopyContents(strSource + "/", strTarget + "/");
}
