// The engine registry: which engine the stored setting selects, the order of the
// engines, and what the registry owns.
#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

#include "engines/MirtSpellEngineASpell.h"
#include "engines/MirtSpellEngines.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "tests/engines/FakeWordServer.h"

namespace {
// Does nothing but note its destruction.
class CNotingEngine : public CMirtSpellEngine {
public:
    CNotingEngine(std::vector<int>& destroyed, int nId) : m_destroyed(destroyed), m_nId(nId) {}
    ~CNotingEngine() override { m_destroyed.push_back(m_nId); }
    int Start() override { return 1; }
    int Stop() override { return 1; }
    int CheckWord(std::string, std::vector<std::string>&) override { return 1; }
    std::string GetName() const override { return "noting"; }
    std::string GetDescription() const override { return ""; }

private:
    std::vector<int>& m_destroyed;
    int m_nId;
};

class SpellEngines : public ::testing::Test {
protected:
    void TearDown() override { registry.Reset(); }

    // Loads the engines with the setting stored as given (nothing stored for null).
    std::string CurrentNameFor(const int* pnStored) {
        CMemorySettingsStore settings;
        if (pnStored)
            settings.WriteInt("", "SpellEngine", *pnStored);
        registry.LoadEngines(settings, GetProgramFolder(), server);
        if (pnStored) {
            EXPECT_EQ(settings.GetInt("", "SpellEngine", -99), *pnStored);
        }
        return registry.GetCurrent()->GetName();
    }

    CMirtSpellEngines& registry = CMirtSpellEngines::Instance();
    std::shared_ptr<CFakeWordServer> server = std::make_shared<CFakeWordServer>();
};
} // namespace

TEST_F(SpellEngines, NothingStoredSelectsAspell) {
    EXPECT_EQ(CurrentNameFor(nullptr), "ASpell");
    EXPECT_EQ(registry.m_nCurrent, 0);
}

TEST_F(SpellEngines, OneSelectsWord) {
    const int nStored = 1;
    EXPECT_EQ(CurrentNameFor(&nStored), "MS Word");
    EXPECT_EQ(registry.m_nCurrent, 1);
}

TEST_F(SpellEngines, AValueNamingNoEngineSelectsAspellAndStaysStored) {
    for (int nStored : {2, 7, INT_MAX, -1, INT_MIN}) {
        EXPECT_EQ(CurrentNameFor(&nStored), "ASpell") << nStored;
        EXPECT_EQ(registry.m_nCurrent, 0) << nStored;
    }
}

TEST_F(SpellEngines, EnginesComeInIndexOrderWithEmptyDescriptions) {
    CurrentNameFor(nullptr);
    ASSERT_EQ(registry.GetSize(), 2);
    EXPECT_EQ(registry.GetAt(0)->GetName(), "ASpell");
    EXPECT_EQ(registry.GetAt(1)->GetName(), "MS Word");
    EXPECT_EQ(registry.GetAt(0)->GetDescription(), "");
    EXPECT_EQ(registry.GetAt(1)->GetDescription(), "");
}

TEST_F(SpellEngines, LoadingTwiceKeepsTwoEngines) {
    CurrentNameFor(nullptr);
    const int nStored = 1;
    EXPECT_EQ(CurrentNameFor(&nStored), "MS Word");
    EXPECT_EQ(registry.GetSize(), 2);
}

TEST_F(SpellEngines, EnginesAreWiredButNotStarted) {
    CurrentNameFor(nullptr);
    EXPECT_EQ(server->TakeCalls(), std::vector<std::string>{});
    // The Word engine talks to the port it was given.
    ASSERT_EQ(registry.GetAt(1)->Start(), 1);
    const std::vector<std::string> calls = server->TakeCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "create Word.Application");
    EXPECT_EQ(registry.GetAt(1)->Stop(), 1);
    // The Aspell engine looks beside the program.
    auto* pASpell = dynamic_cast<CMirtSpellEngineASpell*>(registry.GetAt(0));
    ASSERT_NE(pASpell, nullptr);
    EXPECT_EQ(pASpell->GetSpellerOption("dict-dir"), "");
    ASSERT_EQ(pASpell->Start(), 1);
    EXPECT_EQ(pASpell->GetSpellerOption("dict-dir"), GetProgramFolder() + "Aspell/dict");
    EXPECT_EQ(pASpell->Stop(), 1);
}

TEST_F(SpellEngines, AnIndexOutsideTheRegistryIsRejected) {
    EXPECT_THROW(registry.GetCurrent(), std::out_of_range);
    CurrentNameFor(nullptr);
    EXPECT_THROW(registry.GetAt(2), std::out_of_range);
    EXPECT_THROW(registry.GetAt(-1), std::out_of_range);
    registry.m_nCurrent = 2;
    EXPECT_THROW(registry.GetCurrent(), std::out_of_range);
}

TEST_F(SpellEngines, ResetDeletesTheEnginesInIndexOrder) {
    std::vector<int> destroyed;
    EXPECT_EQ(registry.Add(std::make_unique<CNotingEngine>(destroyed, 10)), 0);
    EXPECT_EQ(registry.Add(std::make_unique<CNotingEngine>(destroyed, 11)), 1);
    EXPECT_EQ(registry.Add(std::make_unique<CNotingEngine>(destroyed, 12)), 2);
    registry.m_nCurrent = 2;
    registry.Reset();
    EXPECT_EQ(destroyed, (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(registry.GetSize(), 0);
    EXPECT_EQ(registry.m_nCurrent, 0);
}
