// The Word engine against a recording fake Word: the calls it sends, its cache, and
// how it leaves nothing running when Word fails.
#include <gtest/gtest.h>

#include <memory>

#include "engines/MirtSpellEngineMsWord.h"
#include "tests/engines/FakeWordServer.h"

namespace {
using Lines = std::vector<std::string>;

const Lines kStartCalls = {
    "create Word.Application",
    "Application put 0x17 (bool false)",
    "Application get 0x58 ()",
    "Application put 0x5b (i4 0)",
    "Application put 0x58 (i4 -3000)",
    "Application get 0x6 ()",
    "Documents call 0xe (missing, missing, missing, i2 1)",
};

const Lines kStopCalls = {
    "Application put 0x17 (bool false)",
    "Document put 0x28 (bool true)",
    "Document call 0x451 (i2 0, missing, missing)",
    "Application put 0x58 (i4 120)",
    "Application call 0x451 (i2 0, missing, missing)",
};

const char* const kQuit = "Application call 0x451 (i2 0, missing, missing)";

// GetSpellingSuggestions: the word, CustomDictionary, IgnoreUppercase = 1, and eleven
// omitted options.
std::string SuggestCall(const std::string& strWord) {
    std::string line = "Application call 0x147 (str \"" + strWord + "\", missing, i2 1";
    for (int i = 0; i < 11; ++i)
        line += ", missing";
    return line + ")";
}

const char* const kCount = "Suggestions get 0x1 ()";
const char* const kName = "Suggestion get 0x0 ()";
std::string ItemCall(int nIndex) {
    return "Suggestions call 0x0 (i4 " + std::to_string(nIndex) + ")";
}

// The first of the calls recorded since the last look, or "" when there were none.
std::string FirstCall(CFakeWordServer& server) {
    const Lines calls = server.TakeCalls();
    return calls.empty() ? "" : calls.front();
}

class MsWordEngine : public ::testing::Test {
protected:
    MsWordEngine() {
        server->SetSuggestions("recieve", {"receive", "relieve"});
        server->SetSuggestions("Recieve", {"Receive"});
    }

    void StartRun() {
        ASSERT_EQ(engine.Start(), 1);
        server->TakeCalls();
    }

    // Word quit (or went away) and the engine holds none of its objects.
    void ExpectNothingRunning() {
        EXPECT_FALSE(server->IsRunning());
        EXPECT_EQ(server->LiveObjects(), Lines{});
    }

    std::shared_ptr<CFakeWordServer> server = std::make_shared<CFakeWordServer>();
    CMirtSpellEngineMsWord engine{server};
};
} // namespace

TEST_F(MsWordEngine, StartHidesWordOffScreenWithOneNewDocument) {
    EXPECT_EQ(engine.Start(), 1);
    EXPECT_EQ(server->TakeCalls(), kStartCalls);
    EXPECT_TRUE(server->IsRunning());
    EXPECT_FALSE(engine.HasFailed());
    // The Documents collection is released; application and document are kept.
    EXPECT_EQ(server->LiveObjects(), (Lines{"Application", "Document"}));
}

TEST_F(MsWordEngine, WithoutWordStartFailsAfterTheCreationAlone) {
    server->m_bInstalled = false;
    EXPECT_EQ(engine.Start(), 0);
    EXPECT_EQ(server->TakeCalls(), Lines{"create Word.Application"});
    Lines suggestions;
    EXPECT_EQ(engine.CheckWord("recieve", suggestions), 0);
    EXPECT_TRUE(suggestions.empty());
    EXPECT_EQ(engine.Stop(), 1);
    EXPECT_EQ(server->TakeCalls(), Lines{});
}

TEST_F(MsWordEngine, ThisPlatformHasNoWordToStart) {
    CMirtSpellEngineMsWord platformEngine(CreateAutomationPort());
    EXPECT_EQ(platformEngine.Start(), 0);
    EXPECT_EQ(platformEngine.Stop(), 1);
}

TEST_F(MsWordEngine, UnknownWordAppendsWordsSuggestionsAfterExistingEntries) {
    StartRun();
    Lines suggestions = {"already"};
    EXPECT_EQ(engine.CheckWord("recieve", suggestions), 1);
    EXPECT_EQ(suggestions, (Lines{"already", "receive", "relieve"}));
    // Count is read before every step, the last read ending the loop.
    EXPECT_EQ(server->TakeCalls(), (Lines{SuggestCall("recieve"), kCount, ItemCall(1), kName,
                                          kCount, ItemCall(2), kName, kCount}));
    // Suggestions and items are released once read.
    EXPECT_EQ(server->LiveObjects(), (Lines{"Application", "Document"}));
}

TEST_F(MsWordEngine, ARepeatedWordIsAnsweredFromTheCacheWithoutACall) {
    StartRun();
    Lines first, second = {"x"};
    ASSERT_EQ(engine.CheckWord("recieve", first), 1);
    server->TakeCalls();
    EXPECT_EQ(engine.CheckWord("recieve", second), 1);
    EXPECT_EQ(second, (Lines{"x", "receive", "relieve"}));
    EXPECT_EQ(server->TakeCalls(), Lines{});
}

TEST_F(MsWordEngine, TheCacheIsKeyedByExactLetterCase) {
    StartRun();
    Lines lower, upper;
    ASSERT_EQ(engine.CheckWord("recieve", lower), 1);
    server->TakeCalls();
    EXPECT_EQ(engine.CheckWord("Recieve", upper), 1);
    EXPECT_EQ(upper, Lines{"Receive"});
    EXPECT_EQ(FirstCall(*server), SuggestCall("Recieve"));
}

TEST_F(MsWordEngine, ACorrectWordIsCachedWithNoSuggestions) {
    StartRun();
    Lines suggestions = {"kept"};
    EXPECT_EQ(engine.CheckWord("receive", suggestions), 1);
    EXPECT_EQ(suggestions, Lines{"kept"});
    EXPECT_EQ(server->TakeCalls(), (Lines{SuggestCall("receive"), kCount}));
    EXPECT_EQ(engine.CheckWord("receive", suggestions), 1);
    EXPECT_EQ(suggestions, Lines{"kept"});
    EXPECT_EQ(server->TakeCalls(), Lines{});
}

TEST_F(MsWordEngine, AFailedSuggestionCallAppendsNothingAndIsAskedAgain) {
    server->FailCall(SuggestCall("recieve"));
    StartRun();
    Lines suggestions = {"kept"};
    EXPECT_EQ(engine.CheckWord("recieve", suggestions), 0);
    EXPECT_EQ(engine.CheckWord("recieve", suggestions), 0);
    EXPECT_EQ(suggestions, Lines{"kept"});
    EXPECT_EQ(server->TakeCalls(), (Lines{SuggestCall("recieve"), SuggestCall("recieve")}));
    // Only that word is affected: Word stays in use for the others.
    EXPECT_FALSE(engine.HasFailed());
    EXPECT_EQ(engine.CheckWord("Recieve", suggestions), 1);
    EXPECT_EQ(suggestions, (Lines{"kept", "Receive"}));
}

TEST_F(MsWordEngine, StopClosesTheDocumentRestoresTopAndQuits) {
    server->m_nTop = 120;
    StartRun();
    EXPECT_EQ(engine.Stop(), 1);
    EXPECT_EQ(server->TakeCalls(), kStopCalls);
    ExpectNothingRunning();
}

TEST_F(MsWordEngine, StopEmptiesTheCacheSoTheNextRunAsksAgain) {
    StartRun();
    Lines suggestions;
    ASSERT_EQ(engine.CheckWord("recieve", suggestions), 1);
    ASSERT_EQ(engine.Stop(), 1);
    StartRun();
    suggestions.clear();
    EXPECT_EQ(engine.CheckWord("recieve", suggestions), 1);
    EXPECT_EQ(suggestions, (Lines{"receive", "relieve"}));
    EXPECT_EQ(FirstCall(*server), SuggestCall("recieve"));
}

TEST_F(MsWordEngine, EachRunRestoresTheTopItReadItself) {
    server->m_nTop = 40;
    StartRun();
    ASSERT_EQ(engine.Stop(), 1);
    server->m_nTop = -7;
    StartRun();
    ASSERT_EQ(engine.Stop(), 1);
    const Lines calls = server->TakeCalls();
    ASSERT_EQ(calls.size(), kStopCalls.size());
    EXPECT_EQ(calls[3], "Application put 0x58 (i4 -7)");
}

TEST_F(MsWordEngine, StopOnAStoppedEngineCallsNothing) {
    EXPECT_EQ(engine.Stop(), 1);
    StartRun();
    ASSERT_EQ(engine.Stop(), 1);
    server->TakeCalls();
    EXPECT_EQ(engine.Stop(), 1);
    EXPECT_EQ(server->TakeCalls(), Lines{});
}

TEST_F(MsWordEngine, AFailingStartStepQuitsWordAndReleasesEverything) {
    // Each call of Start after the creation, failing in turn.
    for (size_t nStep = 1; nStep < kStartCalls.size(); ++nStep) {
        SCOPED_TRACE(kStartCalls[nStep]);
        auto failing = std::make_shared<CFakeWordServer>();
        failing->FailCall(kStartCalls[nStep]);
        CMirtSpellEngineMsWord failingEngine(failing);
        EXPECT_EQ(failingEngine.Start(), 0);
        Lines expected(kStartCalls.begin(), kStartCalls.begin() + nStep + 1);
        expected.push_back(kQuit);
        EXPECT_EQ(failing->TakeCalls(), expected);
        EXPECT_FALSE(failing->IsRunning());
        EXPECT_EQ(failing->LiveObjects(), Lines{});
    }
}

TEST_F(MsWordEngine, AFailingCallWhileReadingSuggestionsEndsTheEngine) {
    for (const std::string& strFailing : {std::string(kCount), ItemCall(2), std::string(kName)}) {
        SCOPED_TRACE(strFailing);
        auto failing = std::make_shared<CFakeWordServer>();
        failing->SetSuggestions("recieve", {"receive", "relieve"});
        failing->FailCall(strFailing);
        CMirtSpellEngineMsWord failingEngine(failing);
        ASSERT_EQ(failingEngine.Start(), 1);
        Lines suggestions = {"kept"};
        EXPECT_EQ(failingEngine.CheckWord("recieve", suggestions), 0);
        EXPECT_EQ(suggestions, Lines{"kept"});
        EXPECT_TRUE(failingEngine.HasFailed());
        const Lines calls = failing->TakeCalls();
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back(), kQuit);
        EXPECT_FALSE(failing->IsRunning());
        EXPECT_EQ(failing->LiveObjects(), Lines{});
        // No further word is answered, and Stop has nothing left to do.
        EXPECT_EQ(failingEngine.CheckWord("Recieve", suggestions), 0);
        EXPECT_EQ(failingEngine.Stop(), 1);
        EXPECT_EQ(failing->TakeCalls(), Lines{});
    }
}

TEST_F(MsWordEngine, WordGoingAwayMidRunLeavesNoHandleBehind) {
    server->LoseWordAt(ItemCall(1));
    StartRun();
    Lines suggestions;
    EXPECT_EQ(engine.CheckWord("recieve", suggestions), 0);
    EXPECT_TRUE(engine.HasFailed());
    // The quit is still tried, and fails like every call after the loss.
    EXPECT_EQ(server->TakeCalls(), (Lines{SuggestCall("recieve"), kCount, ItemCall(1), kQuit}));
    ExpectNothingRunning();
}

TEST_F(MsWordEngine, ANewRunAfterAFailureStartsAFreshWord) {
    server->FailCall(kCount);
    StartRun();
    Lines suggestions;
    ASSERT_EQ(engine.CheckWord("recieve", suggestions), 0);
    ASSERT_TRUE(engine.HasFailed());
    EXPECT_EQ(engine.Start(), 1);
    EXPECT_FALSE(engine.HasFailed());
    EXPECT_TRUE(server->IsRunning());
}

TEST_F(MsWordEngine, AFailingStopStepStillQuitsWord) {
    server->FailCall("Document call 0x451 (i2 0, missing, missing)");
    StartRun();
    EXPECT_EQ(engine.Stop(), 1);
    EXPECT_EQ(server->TakeCalls(),
              (Lines{"Application put 0x17 (bool false)", "Document put 0x28 (bool true)",
                     "Document call 0x451 (i2 0, missing, missing)", kQuit}));
    ExpectNothingRunning();
}

TEST_F(MsWordEngine, DestroyingTheEngineReleasesWithoutQuitting) {
    {
        CMirtSpellEngineMsWord started(server);
        ASSERT_EQ(started.Start(), 1);
        Lines suggestions;
        ASSERT_EQ(started.CheckWord("recieve", suggestions), 1);
        server->TakeCalls();
    }
    EXPECT_EQ(server->TakeCalls(), Lines{});
    EXPECT_EQ(server->LiveObjects(), Lines{});
}
