// The installer's side of tessmor for the tests: the library loaded with dlopen, and the
// parameter block built as the installer lays it out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CTessmorLibrary {
public:
    CTessmorLibrary();
    ~CTessmorLibrary();
    CTessmorLibrary(const CTessmorLibrary&) = delete;
    CTessmorLibrary& operator=(const CTessmorLibrary&) = delete;

    bool IsLoaded() const { return m_pCopyRegistryKey != nullptr && m_pCopyFolder != nullptr; }
    std::int32_t CopyRegistryKey(const void* pBlock) const { return m_pCopyRegistryKey(pBlock); }
    std::int32_t CopyFolder(const void* pBlock) const { return m_pCopyFolder(pBlock); }

private:
    using EntryPoint = std::int32_t (*)(const void*);
    void* m_pHandle = nullptr;
    EntryPoint m_pCopyRegistryKey = nullptr;
    EntryPoint m_pCopyFolder = nullptr;
};

// Names and values in fixed-width slots, and the block header that points at them.
class CParameterBlock {
public:
    CParameterBlock(std::uint32_t nNameWidth = 64, std::uint32_t nValueWidth = 1024)
        : m_nNameWidth(nNameWidth), m_nValueWidth(nValueWidth) {}

    // Adds the variable "%" + strName + "%".
    void Add(const std::string& strName, const std::string& strValue) {
        AddSlot("%" + strName + "%", strValue);
    }
    // Adds a slot whose name text is taken as it is; text longer than a slot is cut.
    void AddSlot(const std::string& strSlotName, const std::string& strValue);
    // The block as the entry points read it; nCount overrides the number of variables.
    const void* Data(std::int64_t nCount = -1);
    // The same block with a null names area.
    const void* DataWithoutNames();

private:
    std::uint32_t m_nNameWidth;
    std::uint32_t m_nValueWidth;
    std::uint32_t m_nCount = 0;
    std::vector<char> m_names;
    std::vector<char> m_values;
    std::vector<unsigned char> m_header;
};

// Sets an environment variable for the life of the object, then restores it.
class CScopedEnv {
public:
    CScopedEnv(const char* pszName, const std::string& strValue);
    ~CScopedEnv();
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    std::string m_strName;
    bool m_bHadValue = false;
    std::string m_strOldValue;
};
