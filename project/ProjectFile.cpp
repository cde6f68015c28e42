// Stored form of the project: files, folders, options, declined paths and the two
// rule maps, in this order.
#include "project/ProjectFile.h"

#include <fstream>
#include <map>
#include <sstream>

#include "platform/Archive.h"
#include "platform/FileStatus.h"
#include "project/MirtDoc.h"

namespace {
constexpr int32_t kProjectVersion = 5;

void StoreMap(CArchiveWriter& ar, const std::map<std::string, std::string>& entries) {
    ar.WriteCount(entries.size());
    for (const auto& [key, value] : entries) {
        ar.WriteString(key);
        ar.WriteString(value);
    }
}

template <class TMap> bool LoadMap(CArchiveReader& ar, TMap& map) {
    uint32_t nCount = 0;
    if (!ar.ReadCount(nCount))
        return false;
    for (uint32_t i = 0; i < nCount; ++i) {
        std::string key, value;
        if (!ar.ReadString(key) || !ar.ReadString(value))
            return false;
        map.SetAt(key, value);
    }
    return true;
}

bool LoadFiles(CMirtDoc& doc, CArchiveReader& ar, int32_t nVersion) {
    int32_t nFiles = 0;
    if (!ar.ReadInt32(nFiles))
        return false;
    if (nFiles < 0) {
        ar.Fail("negative number of files");
        return false;
    }
    for (int32_t i = 0; i < nFiles; ++i) {
        auto* pFile = new CSpellFile("", STATUS_NOT_CHECKED, nullptr);
        pFile->AddRef();
        bool bAccepted =
            nVersion > 0 ? pFile->Load(ar, doc.GetParsers()) : ar.ReadString(pFile->m_strPath);
        if (bAccepted) {
            doc.AppendFile(pFile);
        } else {
            pFile->Release();
            if (ar.HasFailed())
                return false;
        }
    }
    return true;
}

bool LoadFolders(CMirtDoc& doc, CArchiveReader& ar) {
    int32_t nFolders = 0;
    if (!ar.ReadInt32(nFolders))
        return false;
    if (nFolders < 0) {
        ar.Fail("negative number of folders");
        return false;
    }
    for (int32_t i = 0; i < nFolders; ++i) {
        auto pFolder = std::make_unique<CSpellFolder>();
        if (!pFolder->Load(ar))
            return false;
        doc.m_folders.push_back(std::move(pFolder));
    }
    return true;
}

bool LoadOptions(CMirtDoc& doc, CArchiveReader& ar) {
    int32_t nOptionsVersion = 0, nSyntaxChoice = 0, nCheckOptions = 0;
    if (!ar.ReadInt32(nOptionsVersion) || !ar.ReadInt32(nSyntaxChoice) ||
        !ar.ReadInt32(nCheckOptions))
        return false;
    doc.m_options.m_nSyntaxChoice = nSyntaxChoice;
    doc.m_options.m_nCheckOptions = nCheckOptions;
    return true;
}

bool LoadDeclined(CMirtDoc& doc, CArchiveReader& ar) {
    std::vector<std::string> paths;
    if (!ar.ReadStringArray(paths))
        return false;
    doc.m_declinedFiles = std::move(paths);
    return true;
}
} // namespace

void StoreProject(const CMirtDoc& doc, CArchiveWriter& ar) {
    ar.WriteInt32(kProjectVersion);
    ar.WriteInt32(static_cast<int32_t>(doc.m_files.size()));
    for (const CSpellFile* pFile : doc.m_files)
        pFile->Store(ar);
    ar.WriteInt32(static_cast<int32_t>(doc.m_folders.size()));
    for (const auto& pFolder : doc.m_folders)
        pFolder->Store(ar);
    ar.WriteInt32(0); // options record version
    ar.WriteInt32(doc.m_options.m_nSyntaxChoice);
    ar.WriteInt32(doc.m_options.m_nCheckOptions);
    ar.WriteStringArray(doc.m_declinedFiles);
    StoreMap(ar, doc.m_dictionary.GetEntries());
    StoreMap(ar, doc.m_ignoreCalls.GetEntries());
}

bool LoadProject(CMirtDoc& doc, CArchiveReader& ar) {
    int32_t nVersion = 0;
    if (!ar.ReadInt32(nVersion))
        return false;
    if (nVersion < 0 || nVersion > kProjectVersion) {
        ar.Fail("unsupported project file version " + std::to_string(nVersion));
        return false;
    }
    doc.DeleteContents();
    std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
    if (!LoadFiles(doc, ar, nVersion))
        return false;
    if (nVersion > 1 && !LoadFolders(doc, ar))
        return false;
    if (nVersion > 2 && !LoadOptions(doc, ar))
        return false;
    if (nVersion > 3 && !LoadDeclined(doc, ar))
        return false;
    if (!LoadMap(ar, doc.m_dictionary))
        return false;
    return nVersion <= 4 || LoadMap(ar, doc.m_ignoreCalls);
}

bool ReadProjectFile(CMirtDoc& doc, const std::string& strPath, std::string& strMessage) {
    SFileStatus status;
    if (GetFileStatus(strPath, status) && !status.bRegular) {
        strMessage = "Unable to read project file " + strPath + ": not a regular file\n";
        return false;
    }
    std::ifstream in(strPath, std::ios::binary);
    std::ostringstream data;
    if (in)
        data << in.rdbuf();
    if (!in || in.bad()) {
        strMessage = "Unable to open project file " + strPath + "\n";
        return false;
    }
    std::string text = data.str();
    CArchiveReader ar(text);
    if (!LoadProject(doc, ar)) {
        strMessage = "Unable to read project file " + strPath + ": " + ar.GetError() + "\n";
        return false;
    }
    return true;
}
