// One folder of the project with its file masks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CArchiveReader;
class CArchiveWriter;

class CSpellFolder {
public:
    CSpellFolder() = default;
    CSpellFolder(const std::string& strPath, const std::string& strMask, int32_t bIncludeSubfolders)
        : m_strPath(strPath), m_strMask(strMask), m_bIncludeSubfolders(bIncludeSubfolders) {}

    void Store(CArchiveWriter& ar) const;
    [[nodiscard]] bool Load(CArchiveReader& ar);

    std::string m_strPath;
    std::string m_strMask; // masks separated by blanks, commas or semicolons
    int32_t m_bIncludeSubfolders = 0;
};

using CSpellFolders = std::vector<std::unique_ptr<CSpellFolder>>;
