// The record behind each row of the results list. Each holds references to what its
// row shows, so a file or finding that leaves the document meanwhile stays valid
// until the list is rebuilt.
#pragma once

#include <string>

#include "project/RefCounter.h"
#include "project/SpellError.h"
#include "project/SpellFile.h"

struct SListItemData {
    virtual ~SListItemData() = default;
    virtual bool IsErrorRow() const = 0;
    // The path of the row's file; it never changes while the record lives.
    virtual std::string GetKey() const = 0;
};

struct SListItemDataFile : SListItemData {
    explicit SListItemDataFile(CSpellFile* pFile) : m_pFile(pFile) {}
    bool IsErrorRow() const override { return false; }
    std::string GetKey() const override { return m_pFile->m_strPath; }

    CRefPtr<CSpellFile> m_pFile;
};

struct SListItemDataSpellError : SListItemData {
    SListItemDataSpellError(CSpellError* pError, CSpellFile* pFile)
        : m_pError(pError), m_pFile(pFile) {}
    bool IsErrorRow() const override { return true; }
    std::string GetKey() const override { return m_pFile->m_strPath; }

    CRefPtr<CSpellError> m_pError;
    // The finding does not count its file; the row keeps it for the key.
    CRefPtr<CSpellFile> m_pFile;
};
