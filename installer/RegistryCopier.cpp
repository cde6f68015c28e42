// Key paths, the key tree read from a settings file, and its copy into another one.
#include "installer/RegistryCopier.h"

#include "installer/FExeption.h"
#include "installer/FolderList.h"
#include "installer/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <pwd.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
struct SKeyPath {
    std::string strOrg;
    std::string strApp; // empty for the organisation's own key
    IniKeyPath groups;
};

// A subkey copied before the values of the key that holds it, depth first.
struct SKeyNode {
    std::map<std::u16string, std::unique_ptr<SKeyNode>> subkeys;
    std::vector<std::pair<std::u16string, std::string>> values;
};

// A name that stays one file or folder directly below its parent.
bool IsPlainName(const std::string& strName) {
    return strName != "." && strName != ".." && strName.find('/') == std::string::npos;
}

std::optional<SKeyPath> ParseKeyPath(const std::string& strPath) {
    std::vector<std::string> names;
    for (std::size_t nStart = 0; nStart <= strPath.size();) {
        std::size_t nEnd = std::min(strPath.find('\\', nStart), strPath.size());
        if (nEnd > nStart)
            names.push_back(strPath.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    if (names.size() < 2 || strcasecmp(names[0].c_str(), "Software") != 0 ||
        !IsPlainName(names[1]) || (names.size() > 2 && !IsPlainName(names[2])))
        return std::nullopt;
    SKeyPath key{names[1], names.size() > 2 ? names[2] : std::string(), {}};
    for (std::size_t i = 3; i < names.size(); ++i) {
        for (std::u16string& group : SplitKeyPath(Utf8ToUtf16(names[i])))
            key.groups.push_back(std::move(group));
    }
    return key;
}

// The source's keys below groups, taken out before anything is written, so a copy into
// its own subkey copies the tree once and does not chase what it writes.
bool BuildTree(const CIniFile& file, const IniKeyPath& groups, SKeyNode& root) {
    bool bAny = false;
    for (const SIniEntry& entry : file.Entries()) {
        if (entry.path.size() <= groups.size() ||
            !std::equal(groups.begin(), groups.end(), entry.path.begin()))
            continue;
        SKeyNode* pNode = &root;
        for (std::size_t i = groups.size(); i + 1 < entry.path.size(); ++i) {
            auto& pSubkey = pNode->subkeys[entry.path[i]];
            if (!pSubkey)
                pSubkey = std::make_unique<SKeyNode>();
            pNode = pSubkey.get();
        }
        pNode->values.emplace_back(entry.path.back(), entry.strValue);
        bAny = true;
    }
    return bAny;
}

// Copies a node's subkeys and then its values below target; returns the values changed.
int CopyNode(const SKeyNode& node, IniKeyPath& target, CIniFile& file) {
    int nChanged = 0;
    for (const auto& [name, pSubkey] : node.subkeys) {
        target.push_back(name);
        nChanged += CopyNode(*pSubkey, target, file);
        target.pop_back();
    }
    for (const auto& [name, strValue] : node.values) {
        target.push_back(name);
        nChanged += file.SetValue(target, strValue) ? 1 : 0;
        target.pop_back();
    }
    return nChanged;
}

bool MakeFolders(const std::string& strFolder) {
    struct stat status {};
    if (stat(strFolder.c_str(), &status) == 0)
        return S_ISDIR(status.st_mode);
    std::size_t nSlash = strFolder.rfind('/');
    if (nSlash != std::string::npos && nSlash > 0 && !MakeFolders(strFolder.substr(0, nSlash)))
        return false;
    return mkdir(strFolder.c_str(), 0777) == 0 || errno == EEXIST;
}

// A new copy is as private as the file it was copied from.
mode_t ModeOf(const std::string& strPath) {
    struct stat status {};
    return stat(strPath.c_str(), &status) == 0 ? status.st_mode & 0777 : 0600;
}

std::string FileOf(const std::string& strHive, const SKeyPath& key) {
    return strHive + "/" + key.strOrg + "/" + key.strApp + ".conf";
}
} // namespace

void CRegistryCopier::CopyKey(const std::string& strOld, const std::string& strNew) const {
    std::optional<SKeyPath> oldKey = ParseKeyPath(strOld);
    std::optional<SKeyPath> newKey = ParseKeyPath(strNew);
    if (m_strHive.empty() || !oldKey || !newKey || oldKey->strApp.empty() != newKey->strApp.empty())
        return;
    if (oldKey->strApp.empty())
        CopyOrganisation(oldKey->strOrg, newKey->strOrg);
    else
        CopyFileTree(FileOf(m_strHive, *oldKey), oldKey->groups, FileOf(m_strHive, *newKey),
                     newKey->groups);
}

void CRegistryCopier::CopyOrganisation(const std::string& strOldOrg,
                                       const std::string& strNewOrg) const {
    if (strOldOrg == strNewOrg)
        return;
    const std::string strOldFolder = m_strHive + "/" + strOldOrg + "/";
    const std::string strNewFolder = m_strHive + "/" + strNewOrg + "/";
    std::vector<std::string> names;
    std::vector<std::string> files;
    ListFolderNames(strOldFolder, names);
    for (std::string& strName : names) {
        struct stat status {};
        if (strName.size() > 5 && strName.ends_with(".conf") &&
            stat((strOldFolder + strName).c_str(), &status) == 0 && S_ISREG(status.st_mode))
            files.push_back(std::move(strName));
    }
    // Each application's file is one subkey; a failure in one leaves the others to go on.
    for (const std::string& strName : files)
        CopyFileTree(strOldFolder + strName, {}, strNewFolder + strName, {});
    CopyFileTree(m_strHive + "/" + strOldOrg + ".conf", {}, m_strHive + "/" + strNewOrg + ".conf",
                 {});
}

void CRegistryCopier::CopyFileTree(const std::string& strOldFile, const IniKeyPath& oldGroups,
                                   const std::string& strNewFile,
                                   const IniKeyPath& newGroups) const {
    CIniFile source;
    CIniFile::ELoad eLoaded = source.Load(strOldFile);
    if (eLoaded == CIniFile::ELoad::Failed)
        ReportCopyError("cannot read " + strOldFile);
    SKeyNode tree;
    // A settings file has no empty groups: a key without values is not created.
    if (eLoaded != CIniFile::ELoad::Loaded || !BuildTree(source, oldGroups, tree))
        return;
    CIniFile destination;
    CIniFile* pDestination = &source;
    if (strNewFile != strOldFile) {
        // A file that is there but cannot be read is never written over.
        if (destination.Load(strNewFile) == CIniFile::ELoad::Failed) {
            ReportCopyError("cannot read " + strNewFile);
            return;
        }
        pDestination = &destination;
    }
    IniKeyPath target = newGroups;
    if (CopyNode(tree, target, *pDestination) == 0)
        return;
    const std::string strFolder = strNewFile.substr(0, strNewFile.rfind('/'));
    if (!MakeFolders(strFolder) || !pDestination->Save(strNewFile, ModeOf(strOldFile)))
        ReportCopyError("cannot write " + strNewFile);
}

std::string UserHive() {
    const char* pszConfig = std::getenv("XDG_CONFIG_HOME");
    if (pszConfig != nullptr && pszConfig[0] == '/')
        return pszConfig;
    const char* pszHome = std::getenv("HOME");
    if (pszHome == nullptr || pszHome[0] == '\0') {
        const passwd* pUser = getpwuid(getuid());
        pszHome = pUser != nullptr ? pUser->pw_dir : nullptr;
    }
    return pszHome != nullptr && pszHome[0] != '\0' ? std::string(pszHome) + "/.config" : "";
}

std::string MachineHive() {
    const char* pszDirs = std::getenv("XDG_CONFIG_DIRS");
    std::string strFirst = pszDirs != nullptr ? pszDirs : "";
    strFirst = strFirst.substr(0, strFirst.find(':'));
    return strFirst.starts_with('/') ? strFirst : "/etc/xdg";
}
