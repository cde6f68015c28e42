// Engine answers of one run, behind a lock.
#include "engines/SpellAnswerCache.h"

bool CSpellAnswerCache::Lookup(const std::string& strWord,
                               std::vector<std::string>& suggestions) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_answers.find(strWord);
    if (it == m_answers.end())
        return false;
    suggestions.insert(suggestions.end(), it->second.begin(), it->second.end());
    return true;
}

void CSpellAnswerCache::Store(const std::string& strWord,
                              const std::vector<std::string>& suggestions) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.try_emplace(strWord, suggestions);
}

size_t CSpellAnswerCache::GetSize() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_answers.size();
}
