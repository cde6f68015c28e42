// Loading tessmor and laying out the installer's parameter block.
#include "tests/installer/TessmorLibrary.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

CTessmorLibrary::CTessmorLibrary() {
    m_pHandle = dlopen(TESSMOR_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (m_pHandle == nullptr)
        return;
    m_pCopyRegistryKey = reinterpret_cast<EntryPoint>(dlsym(m_pHandle, "Halvenik_CopyRegistryKey"));
    m_pCopyFolder = reinterpret_cast<EntryPoint>(dlsym(m_pHandle, "Halvenik_CopyFolder"));
}

CTessmorLibrary::~CTessmorLibrary() {
    if (m_pHandle != nullptr)
        dlclose(m_pHandle);
}

void CParameterBlock::AddSlot(const std::string& strSlotName, const std::string& strValue) {
    m_names.resize(m_names.size() + m_nNameWidth, '\0');
    m_values.resize(m_values.size() + m_nValueWidth, '\0');
    std::memcpy(m_names.data() + std::size_t(m_nCount) * m_nNameWidth, strSlotName.data(),
                std::min<std::size_t>(strSlotName.size(), m_nNameWidth));
    std::memcpy(m_values.data() + std::size_t(m_nCount) * m_nValueWidth, strValue.data(),
                std::min<std::size_t>(strValue.size(), m_nValueWidth));
    ++m_nCount;
}

const void* CParameterBlock::Data(std::int64_t nCount) {
    // 12 bytes the entry points never read, three 32-bit fields, then two native pointers.
    m_header.assign(24 + 2 * sizeof(void*), 0xAB);
    const std::uint32_t fields[3] = {m_nNameWidth, m_nValueWidth,
                                     nCount < 0 ? m_nCount : std::uint32_t(nCount)};
    std::memcpy(m_header.data() + 12, fields, sizeof fields);
    const char* pointers[2] = {m_names.data(), m_values.data()};
    std::memcpy(m_header.data() + 24, pointers, sizeof pointers);
    return m_header.data();
}

const void* CParameterBlock::DataWithoutNames() {
    Data();
    std::memset(m_header.data() + 24, 0, sizeof(void*));
    return m_header.data();
}

CScopedEnv::CScopedEnv(const char* pszName, const std::string& strValue) : m_strName(pszName) {
    if (const char* pszOld = std::getenv(pszName)) {
        m_bHadValue = true;
        m_strOldValue = pszOld;
    }
    setenv(pszName, strValue.c_str(), 1);
}

CScopedEnv::~CScopedEnv() {
    if (m_bHadValue)
        setenv(m_strName.c_str(), m_strOldValue.c_str(), 1);
    else
        unsetenv(m_strName.c_str());
}
