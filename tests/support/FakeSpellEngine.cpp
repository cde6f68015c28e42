// The scriptable test engine.
#include "tests/support/FakeSpellEngine.h"

void CFakeSpellEngine::Reject(const std::string& strWord, std::vector<std::string> suggestions) {
    std::lock_guard lock(m_mutex);
    m_rejected[strWord] = std::move(suggestions);
}

void CFakeSpellEngine::RejectUnknownWords(std::vector<std::string> suggestions) {
    std::lock_guard lock(m_mutex);
    m_unknownSuggestions = std::move(suggestions);
}

void CFakeSpellEngine::SetStartResult(int nResult) {
    std::lock_guard lock(m_mutex);
    m_nStartResult = nResult;
}

void CFakeSpellEngine::SetFailed(bool bFailed) {
    std::lock_guard lock(m_mutex);
    m_bFailed = bFailed;
}

void CFakeSpellEngine::SetName(const std::string& strName) {
    std::lock_guard lock(m_mutex);
    m_strName = strName;
}

int CFakeSpellEngine::Start() {
    std::function<void()> onStart;
    {
        std::lock_guard lock(m_mutex);
        ++m_nStarts;
        onStart = m_onStart;
    }
    if (onStart)
        onStart();
    std::lock_guard lock(m_mutex);
    return m_nStartResult;
}

void CFakeSpellEngine::SetOnStart(std::function<void()> onStart) {
    std::lock_guard lock(m_mutex);
    m_onStart = std::move(onStart);
}

int CFakeSpellEngine::Stop() {
    std::lock_guard lock(m_mutex);
    ++m_nStops;
    return 1;
}

void CFakeSpellEngine::SetOnWord(std::function<void(const std::string&)> onWord) {
    std::lock_guard lock(m_mutex);
    m_onWord = std::move(onWord);
}

int CFakeSpellEngine::CheckWord(std::string strWord, std::vector<std::string>& suggestions) {
    std::function<void(const std::string&)> onWord;
    {
        std::lock_guard lock(m_mutex);
        m_asked.push_back(strWord);
        auto it = m_rejected.find(strWord);
        if (it != m_rejected.end())
            suggestions.insert(suggestions.end(), it->second.begin(), it->second.end());
        else if (m_unknownSuggestions)
            suggestions.insert(suggestions.end(), m_unknownSuggestions->begin(),
                               m_unknownSuggestions->end());
        onWord = m_onWord;
    }
    if (onWord)
        onWord(strWord);
    return 1;
}

void CFakeSpellEngine::SetPeerOnWord(std::function<void(const std::string&)> onWord) {
    std::lock_guard lock(m_mutex);
    m_onPeerWord = std::move(onWord);
}

std::unique_ptr<CMirtSpellEngine> CFakeSpellEngine::MakePeer() const {
    std::lock_guard lock(m_mutex);
    if (!m_onPeerWord)
        return nullptr;
    auto pPeer = std::make_unique<CFakeSpellEngine>();
    pPeer->m_rejected = m_rejected;
    pPeer->m_unknownSuggestions = m_unknownSuggestions;
    pPeer->m_strName = m_strName;
    pPeer->m_onWord = m_onPeerWord;
    return pPeer;
}

std::string CFakeSpellEngine::GetName() const {
    std::lock_guard lock(m_mutex);
    return m_strName;
}

std::string CFakeSpellEngine::GetDescription() const {
    return "Scriptable test engine";
}

bool CFakeSpellEngine::HasFailed() const {
    std::lock_guard lock(m_mutex);
    return m_bFailed;
}

std::vector<std::string> CFakeSpellEngine::GetAskedWords() const {
    std::lock_guard lock(m_mutex);
    return m_asked;
}

void CFakeSpellEngine::ClearAskedWords() {
    std::lock_guard lock(m_mutex);
    m_asked.clear();
}

int CFakeSpellEngine::GetStartCount() const {
    std::lock_guard lock(m_mutex);
    return m_nStarts;
}

int CFakeSpellEngine::GetStopCount() const {
    std::lock_guard lock(m_mutex);
    return m_nStops;
}
