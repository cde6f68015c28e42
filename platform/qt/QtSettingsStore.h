// Settings in QSettings("Halvenik", "Mirtora"): an INI file under $XDG_CONFIG_HOME.
#pragma once

#include <memory>

#include "platform/SettingsStore.h"

class QSettings;

class CQtSettingsStore : public CSettingsStore {
public:
    CQtSettingsStore();
    ~CQtSettingsStore() override;

    int GetInt(const std::string& strSection, const std::string& strName,
               int nDefault) const override;
    std::string GetString(const std::string& strSection, const std::string& strName,
                          const std::string& strDefault) const override;
    void WriteInt(const std::string& strSection, const std::string& strName, int nValue) override;
    void WriteString(const std::string& strSection, const std::string& strName,
                     const std::string& strValue) override;

    // Writes pending changes to the file.
    void Sync();

private:
    std::unique_ptr<QSettings> m_pSettings;
};
