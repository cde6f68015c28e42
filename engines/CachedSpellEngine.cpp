// Cached engine: the cache first, the engine for the rest.
#include "engines/CachedSpellEngine.h"

CCachedSpellEngine::CCachedSpellEngine(CMirtSpellEngine& engine, CSpellAnswerCache& cache)
    : m_engine(engine), m_cache(cache) {}

int CCachedSpellEngine::Start() {
    return m_engine.Start();
}

int CCachedSpellEngine::Stop() {
    return m_engine.Stop();
}

int CCachedSpellEngine::CheckWord(std::string strWord, std::vector<std::string>& suggestions) {
    if (m_cache.Lookup(strWord, suggestions)) {
        ++m_nCacheHits;
        return 1;
    }
    ++m_nEngineCalls;
    const size_t nBefore = suggestions.size();
    const int nAnswered = m_engine.CheckWord(strWord, suggestions);
    // A failed engine's silence is no answer either.
    if (nAnswered == 1 && !m_engine.HasFailed()) {
        std::vector<std::string> answer(suggestions.begin() + static_cast<ptrdiff_t>(nBefore),
                                        suggestions.end());
        m_cache.Store(strWord, answer);
    }
    return nAnswered;
}

std::string CCachedSpellEngine::GetName() const {
    return m_engine.GetName();
}

std::string CCachedSpellEngine::GetDescription() const {
    return m_engine.GetDescription();
}

bool CCachedSpellEngine::HasFailed() const {
    return m_engine.HasFailed();
}
