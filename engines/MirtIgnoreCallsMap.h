// Names of functions whose call arguments are not reported; a set kept as a map from
// name to an (empty) value, as the project file stores it.
#pragma once

#include <map>
#include <string>

class CMirtIgnoreCallsMap {
public:
    bool Has(const std::string& strName) const { return m_entries.count(strName) != 0; }
    void SetAt(const std::string& strName, const std::string& strValue = "") {
        m_entries[strName] = strValue;
    }
    bool RemoveKey(const std::string& strName) { return m_entries.erase(strName) != 0; }
    const std::map<std::string, std::string>& GetEntries() const { return m_entries; }
    size_t GetCount() const { return m_entries.size(); }
    void RemoveAll() { m_entries.clear(); }

private:
    std::map<std::string, std::string> m_entries;
};
