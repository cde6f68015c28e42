// Recent file list.
#include "platform/RecentFileList.h"

#include <algorithm>

#include "platform/SettingsStore.h"

namespace {
constexpr const char* kSection = "Recent File List";

std::string EntryName(size_t nIndex) {
    return "File" + std::to_string(nIndex + 1);
}
} // namespace

void CRecentFileList::Load(const CSettingsStore& settings) {
    m_files.clear();
    for (size_t i = 0; i < SIZE; ++i) {
        std::string strPath = settings.GetString(kSection, EntryName(i), "");
        if (!strPath.empty() && std::find(m_files.begin(), m_files.end(), strPath) == m_files.end())
            m_files.push_back(strPath);
    }
}

void CRecentFileList::Save(CSettingsStore& settings) const {
    for (size_t i = 0; i < SIZE; ++i)
        settings.WriteString(kSection, EntryName(i), i < m_files.size() ? m_files[i] : "");
}

void CRecentFileList::Add(const std::string& strPath) {
    Remove(strPath);
    m_files.insert(m_files.begin(), strPath);
    if (m_files.size() > SIZE)
        m_files.resize(SIZE);
}

void CRecentFileList::Remove(const std::string& strPath) {
    std::erase(m_files, strPath);
}
