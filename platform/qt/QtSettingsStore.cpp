// QSettings-backed settings store.
#include "platform/qt/QtSettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace {
// A value name such as "C/C++/C#" stays one key inside its section: QSettings takes
// its slashes as group separators but writes the whole path below the section as one
// key, and reads it back the same way. Names that differ only in repeated or trailing
// slashes share one value.
QString KeyOf(const std::string& strSection, const std::string& strName) {
    QString name = QString::fromStdString(strName);
    if (strSection.empty())
        return name;
    return QString::fromStdString(strSection) + "/" + name;
}
} // namespace

CQtSettingsStore::CQtSettingsStore()
    : m_pSettings(std::make_unique<QSettings>("Halvenik", "Mirtora")) {}

CQtSettingsStore::~CQtSettingsStore() = default;

int CQtSettingsStore::GetInt(const std::string& strSection, const std::string& strName,
                             int nDefault) const {
    QVariant value = m_pSettings->value(KeyOf(strSection, strName));
    bool bOk = false;
    int n = value.toInt(&bOk);
    return bOk ? n : nDefault;
}

std::string CQtSettingsStore::GetString(const std::string& strSection, const std::string& strName,
                                        const std::string& strDefault) const {
    QVariant value = m_pSettings->value(KeyOf(strSection, strName));
    if (!value.isValid())
        return strDefault;
    // A hand-edited value with unquoted commas comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(", ").toStdString();
    return value.toString().toStdString();
}

void CQtSettingsStore::WriteInt(const std::string& strSection, const std::string& strName,
                                int nValue) {
    m_pSettings->setValue(KeyOf(strSection, strName), nValue);
}

void CQtSettingsStore::WriteString(const std::string& strSection, const std::string& strName,
                                   const std::string& strValue) {
    m_pSettings->setValue(KeyOf(strSection, strName), QString::fromStdString(strValue));
}

void CQtSettingsStore::Sync() {
    m_pSettings->sync();
}
