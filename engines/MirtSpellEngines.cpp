// Engine registry: creation order, selection from the settings, ownership.
#include "engines/MirtSpellEngines.h"

#include <stdexcept>
#include <utility>

#include "engines/MirtSpellEngineASpell.h"
#include "engines/MirtSpellEngineMsWord.h"
#include "platform/SettingsStore.h"

CMirtSpellEngines& CMirtSpellEngines::Instance() {
    static CMirtSpellEngines registry;
    return registry;
}

CMirtSpellEngines::~CMirtSpellEngines() {
    Reset();
}

void CMirtSpellEngines::LoadEngines(const CSettingsStore& settings,
                                    const std::string& strProgramFolder,
                                    std::shared_ptr<CAutomationPort> pAutomation) {
    Reset();
    Add(std::make_unique<CMirtSpellEngineASpell>(strProgramFolder));
    Add(std::make_unique<CMirtSpellEngineMsWord>(std::move(pAutomation)));
    const int nStored = settings.GetInt("", SPELL_ENGINE_SETTING, ENGINE_ASPELL);
    // A negative value would name no engine either; it gets the same default.
    m_nCurrent = (nStored < 0 || nStored >= GetSize()) ? ENGINE_ASPELL : nStored;
}

int32_t CMirtSpellEngines::Add(std::unique_ptr<CMirtSpellEngine> pEngine) {
    m_engines.push_back(std::move(pEngine));
    return GetSize() - 1;
}

CMirtSpellEngine* CMirtSpellEngines::GetAt(int32_t nIndex) const {
    if (nIndex < 0 || nIndex >= GetSize())
        throw std::out_of_range("no spelling engine with index " + std::to_string(nIndex));
    return m_engines[static_cast<size_t>(nIndex)].get();
}

void CMirtSpellEngines::Reset() {
    // In index order, as the engines were created.
    for (auto& pEngine : m_engines)
        pEngine.reset();
    m_engines.clear();
    m_nCurrent = ENGINE_ASPELL;
}
