// An engine that asks another engine only about words its cache has no answer for.
// Only answered calls are kept: a call the engine could not answer is asked again.
#pragma once

#include <cstdint>

#include "engines/MirtSpellEngine.h"
#include "engines/SpellAnswerCache.h"

class CCachedSpellEngine : public CMirtSpellEngine {
public:
    CCachedSpellEngine(CMirtSpellEngine& engine, CSpellAnswerCache& cache);

    [[nodiscard]] int Start() override;
    int Stop() override;
    int CheckWord(std::string strWord, std::vector<std::string>& suggestions) override;
    std::string GetName() const override;
    std::string GetDescription() const override;
    bool HasFailed() const override;

    // Calls passed on to the engine, and calls answered from the cache.
    uint64_t GetEngineCalls() const { return m_nEngineCalls; }
    uint64_t GetCacheHits() const { return m_nCacheHits; }

private:
    CMirtSpellEngine& m_engine;
    CSpellAnswerCache& m_cache;
    uint64_t m_nEngineCalls = 0;
    uint64_t m_nCacheHits = 0;
};
