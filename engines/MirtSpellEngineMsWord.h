// The engine that asks Microsoft Word for suggestions through the automation port:
// one hidden, off-screen Word with one empty document per check run.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engines/MirtSpellEngine.h"
#include "platform/Automation.h"

class CMirtSpellEngineMsWord : public CMirtSpellEngine {
public:
    explicit CMirtSpellEngineMsWord(std::shared_ptr<CAutomationPort> pAutomation);
    // Releases both handles and the cache; Word is not told to quit here, since every
    // run already ends with Stop.
    ~CMirtSpellEngineMsWord() override = default;

    [[nodiscard]] int Start() override;
    int Stop() override;
    // Word's answers are kept for the rest of the run, correct words as empty lists.
    int CheckWord(std::string strWord, std::vector<std::string>& suggestions) override;
    std::string GetName() const override { return "MS Word"; }
    std::string GetDescription() const override { return ""; }
    bool HasFailed() const override { return m_bFailed; }

private:
    [[nodiscard]] bool HideApplication();
    [[nodiscard]] bool OpenDocument();
    [[nodiscard]] bool CloseDocument();
    [[nodiscard]] bool ReadSuggestions(CAutomationObject& suggestionsObject,
                                       std::vector<std::string>& list);
    // Asks Word to quit, whatever state it is in, and releases every handle and the
    // cache: no hidden instance is left running, after a failed call neither.
    void QuitAndRelease();

    std::shared_ptr<CAutomationPort> m_pAutomation;
    AutomationObjectPtr m_pApplication;
    AutomationObjectPtr m_pDocument;
    int32_t m_nSavedTop = 0;
    std::unordered_map<std::string, std::vector<std::string>> m_cache;
    bool m_bFailed = false;
};
