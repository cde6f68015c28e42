// The most recently opened projects, newest first, kept in the settings section
// "Recent File List" as the values "File1" to "File4".
#pragma once

#include <string>
#include <vector>

class CSettingsStore;

class CRecentFileList {
public:
    static constexpr size_t SIZE = 4;

    void Load(const CSettingsStore& settings);
    // Writes every slot, the empty ones as empty values, so a file taken off the list
    // does not come back at the next start.
    void Save(CSettingsStore& settings) const;
    // Puts the path first; an entry already there moves up.
    void Add(const std::string& strPath);
    void Remove(const std::string& strPath);
    const std::vector<std::string>& GetFiles() const { return m_files; }

private:
    std::vector<std::string> m_files;
};
