// The registry copy, carried out on the program's settings files. A hive is a folder of
// them: the key Software\Org\App\Group... is the group Group... of the file Org/App.conf
// below the hive, and the key Software\Org is the folder Org (each App.conf in it one
// subkey) together with Org.conf beside it, which holds the organisation's own values.
#pragma once

#include "installer/IniKey.h"

#include <string>

class CRegistryCopier {
public:
    explicit CRegistryCopier(std::string strHive) : m_strHive(std::move(strHive)) {}

    // Copies the key tree strOld into strNew: values of the same name are replaced, the
    // destination's other values and groups stay. A path that names no settings file or
    // folder (empty, "Software" alone, another root, "." or ".." in a name) copies
    // nothing, and so does a copy between a folder and a file.
    void CopyKey(const std::string& strOld, const std::string& strNew) const;

private:
    void CopyOrganisation(const std::string& strOldOrg, const std::string& strNewOrg) const;
    void CopyFileTree(const std::string& strOldFile, const IniKeyPath& oldGroups,
                      const std::string& strNewFile, const IniKeyPath& newGroups) const;

    std::string m_strHive;
};

// The per-user hive: $XDG_CONFIG_HOME, or ~/.config when it is unset.
std::string UserHive();
// The machine-wide hive: the first folder of $XDG_CONFIG_DIRS, or /etc/xdg when unset.
std::string MachineHive();
