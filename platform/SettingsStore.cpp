// In-memory settings store.
#include "platform/SettingsStore.h"

#include <cstdlib>

int CMemorySettingsStore::GetInt(const std::string& strSection, const std::string& strName,
                                 int nDefault) const {
    auto it = m_values.find({strSection, strName});
    if (it == m_values.end())
        return nDefault;
    return static_cast<int>(std::strtol(it->second.c_str(), nullptr, 10));
}

std::string CMemorySettingsStore::GetString(const std::string& strSection,
                                            const std::string& strName,
                                            const std::string& strDefault) const {
    auto it = m_values.find({strSection, strName});
    return it == m_values.end() ? strDefault : it->second;
}

void CMemorySettingsStore::WriteInt(const std::string& strSection, const std::string& strName,
                                    int nValue) {
    m_values[{strSection, strName}] = std::to_string(nValue);
}

void CMemorySettingsStore::WriteString(const std::string& strSection, const std::string& strName,
                                       const std::string& strValue) {
    m_values[{strSection, strName}] = strValue;
}

bool CMemorySettingsStore::Has(const std::string& strSection, const std::string& strName) const {
    return m_values.count({strSection, strName}) != 0;
}
