// The default engine: GNU Aspell with the US English dictionaries of the Aspell
// folder beside the program.
#pragma once

#include <memory>
#include <string>

#include "engines/MirtSpellEngine.h"

struct AspellSpeller;

class CMirtSpellEngineASpell : public CMirtSpellEngine {
public:
    // strProgramFolder ends with "/"; the Aspell folder is looked for inside it.
    explicit CMirtSpellEngineASpell(std::string strProgramFolder);
    ~CMirtSpellEngineASpell() override;

    // Builds a fresh speller, so dictionary changes take effect at the next run.
    // On failure Aspell's own message goes to standard output.
    [[nodiscard]] int Start() override;
    int Stop() override;
    int CheckWord(std::string strWord, std::vector<std::string>& suggestions) override;
    std::string GetName() const override { return "ASpell"; }
    std::string GetDescription() const override { return ""; }
    std::unique_ptr<CMirtSpellEngine> MakePeer() const override;

    // The value the running speller holds for an Aspell option; empty when stopped.
    std::string GetSpellerOption(const std::string& strKey) const;

private:
    struct SSpellerDeleter {
        void operator()(AspellSpeller* pSpeller) const;
    };

    using CSpellerPtr = std::unique_ptr<AspellSpeller, SSpellerDeleter>;
    CSpellerPtr NewSpeller(std::string& strError) const;
    void RenewAfterSuggestions();

    std::string m_strProgramFolder;
    CSpellerPtr m_pSpeller;
    unsigned m_nSuggestCalls = 0;
};
