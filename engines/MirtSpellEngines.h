// The process-wide registry of spelling engines and the choice of the current one.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engines/MirtSpellEngine.h"
#include "platform/Automation.h"

class CSettingsStore;

// The setting that keeps the index of the current engine.
inline constexpr const char* SPELL_ENGINE_SETTING = "SpellEngine";

class CMirtSpellEngines {
public:
    // Engine indices are what the setting stores; they follow the order of creation.
    static constexpr int32_t ENGINE_ASPELL = 0;
    static constexpr int32_t ENGINE_MSWORD = 1;

    static CMirtSpellEngines& Instance();

    CMirtSpellEngines(const CMirtSpellEngines&) = delete;
    CMirtSpellEngines& operator=(const CMirtSpellEngines&) = delete;

    // Creates the engines in index order (replacing any there were) and selects the
    // stored one; a value that names no engine selects engine 0 and is left stored
    // as it is. No engine is started.
    void LoadEngines(const CSettingsStore& settings, const std::string& strProgramFolder,
                     std::shared_ptr<CAutomationPort> pAutomation = CreateAutomationPort());

    // Appends an engine and returns its index.
    int32_t Add(std::unique_ptr<CMirtSpellEngine> pEngine);
    // The engine at m_nCurrent. Throws std::out_of_range when no engine has that index.
    CMirtSpellEngine* GetCurrent() const { return GetAt(m_nCurrent); }
    int32_t GetSize() const { return static_cast<int32_t>(m_engines.size()); }
    // Throws std::out_of_range for an index outside the registry.
    CMirtSpellEngine* GetAt(int32_t nIndex) const;

    // Deletes every engine in index order and selects index 0; for tests and exit.
    void Reset();

    // Written by the Options dialog on the user-interface thread and read once per check
    // run on the checking thread; the engines themselves never change while the window
    // is open.
    std::atomic<int32_t> m_nCurrent{0};

private:
    CMirtSpellEngines() = default;
    ~CMirtSpellEngines();

    std::vector<std::unique_ptr<CMirtSpellEngine>> m_engines;
};
