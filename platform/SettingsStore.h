// The program's settings: named integers and strings in sections, as the per-user
// store keeps them. An empty section addresses the application's own key.
#pragma once

#include <map>
#include <string>

class CSettingsStore {
public:
    virtual ~CSettingsStore() = default;

    virtual int GetInt(const std::string& strSection, const std::string& strName,
                       int nDefault) const = 0;
    virtual std::string GetString(const std::string& strSection, const std::string& strName,
                                  const std::string& strDefault) const = 0;
    virtual void WriteInt(const std::string& strSection, const std::string& strName,
                          int nValue) = 0;
    virtual void WriteString(const std::string& strSection, const std::string& strName,
                             const std::string& strValue) = 0;
};

// Keeps everything in memory; used by the tests and wherever nothing should persist.
class CMemorySettingsStore : public CSettingsStore {
public:
    int GetInt(const std::string& strSection, const std::string& strName,
               int nDefault) const override;
    std::string GetString(const std::string& strSection, const std::string& strName,
                          const std::string& strDefault) const override;
    void WriteInt(const std::string& strSection, const std::string& strName, int nValue) override;
    void WriteString(const std::string& strSection, const std::string& strName,
                     const std::string& strValue) override;

    bool Has(const std::string& strSection, const std::string& strName) const;

private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};
