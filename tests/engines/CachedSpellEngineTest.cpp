// The run's answer cache in front of an engine: each distinct word reaches the engine
// once, the answer comes back as the engine gave it, and a call the engine could not
// answer is never kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engines/CachedSpellEngine.h"
#include "engines/SpellAnswerCache.h"
#include "tests/support/FakeSpellEngine.h"

namespace {
using CStrings = std::vector<std::string>;

// Answers only when told to, and notes every word it is asked.
class CFlakyEngine : public CMirtSpellEngine {
public:
    int Start() override { return 1; }
    int Stop() override { return 1; }
    int CheckWord(std::string strWord, std::vector<std::string>& suggestions) override {
        m_asked.push_back(strWord);
        if (!m_bAnswers)
            return 0;
        suggestions.push_back(strWord + "!");
        return 1;
    }
    std::string GetName() const override { return "flaky"; }
    std::string GetDescription() const override { return ""; }
    bool HasFailed() const override { return m_bFailed; }

    bool m_bAnswers = true;
    bool m_bFailed = false;
    CStrings m_asked;
};
} // namespace

TEST(CachedSpellEngine, AsksTheEngineOncePerWordAndRepeatsItsAnswer) {
    CFakeSpellEngine engine;
    engine.Reject("teh", {"the", "ten", "tea"});
    CSpellAnswerCache cache;
    CCachedSpellEngine cached(engine, cache);

    CStrings first, second, known;
    EXPECT_EQ(cached.CheckWord("teh", first), 1);
    EXPECT_EQ(cached.CheckWord("teh", second), 1);
    EXPECT_EQ(cached.CheckWord("word", known), 1);
    EXPECT_EQ(cached.CheckWord("word", known), 1);
    EXPECT_EQ(first, (CStrings{"the", "ten", "tea"}));
    EXPECT_EQ(second, first);
    EXPECT_TRUE(known.empty()); // a correct word is an answer too: it is kept as one
    EXPECT_EQ(engine.GetAskedWords(), (CStrings{"teh", "word"}));
    EXPECT_EQ(cached.GetEngineCalls(), 2u);
    EXPECT_EQ(cached.GetCacheHits(), 2u);
    EXPECT_EQ(cache.GetSize(), 2u);
}

// The engine appends; so does the cache, and only the engine's own part is kept.
TEST(CachedSpellEngine, KeepsWhatTheListHeldBefore) {
    CFakeSpellEngine engine;
    engine.Reject("recieve", {"receive"});
    CSpellAnswerCache cache;
    CCachedSpellEngine cached(engine, cache);
    CStrings list{"rule"};
    cached.CheckWord("recieve", list);
    EXPECT_EQ(list, (CStrings{"rule", "receive"}));
    CStrings again{"other"};
    cached.CheckWord("recieve", again);
    EXPECT_EQ(again, (CStrings{"other", "receive"}));
}

// Letter case is part of the word: the engine may answer "Teh" and "teh" differently.
TEST(CachedSpellEngine, WordsDifferingInCaseAreAskedApart) {
    CFakeSpellEngine engine;
    engine.Reject("teh", {"the"});
    CSpellAnswerCache cache;
    CCachedSpellEngine cached(engine, cache);
    CStrings lower, upper;
    cached.CheckWord("teh", lower);
    cached.CheckWord("Teh", upper);
    EXPECT_EQ(lower, CStrings{"the"});
    EXPECT_TRUE(upper.empty());
    EXPECT_EQ(engine.GetAskedWords(), (CStrings{"teh", "Teh"}));
}

TEST(CachedSpellEngine, UnansweredAndFailedCallsAreAskedAgain) {
    CFlakyEngine engine;
    CSpellAnswerCache cache;
    CCachedSpellEngine cached(engine, cache);
    CStrings list;
    engine.m_bAnswers = false;
    EXPECT_EQ(cached.CheckWord("abc", list), 0);
    engine.m_bAnswers = true;
    engine.m_bFailed = true;
    EXPECT_EQ(cached.CheckWord("abc", list), 1);
    EXPECT_TRUE(cached.HasFailed());
    engine.m_bFailed = false;
    list.clear();
    EXPECT_EQ(cached.CheckWord("abc", list), 1);
    EXPECT_EQ(cached.CheckWord("abc", list), 1);
    EXPECT_EQ(engine.m_asked, (CStrings{"abc", "abc", "abc"}));
    EXPECT_EQ(list, (CStrings{"abc!", "abc!"}));
    EXPECT_EQ(cache.GetSize(), 1u);
}

// Two engines sharing a cache (two threads' spellers): the first answer stored wins and
// the second engine is not asked for a word the first already answered.
TEST(CachedSpellEngine, EnginesSharingACacheShareTheirAnswers) {
    CFakeSpellEngine one, two;
    one.Reject("wrod", {"word"});
    two.Reject("wrod", {"word"});
    CSpellAnswerCache cache;
    CCachedSpellEngine first(one, cache), second(two, cache);
    CStrings a, b;
    first.CheckWord("wrod", a);
    second.CheckWord("wrod", b);
    EXPECT_EQ(a, b);
    EXPECT_TRUE(two.GetAskedWords().empty());
    cache.Store("wrod", {"other"});
    CStrings c;
    second.CheckWord("wrod", c);
    EXPECT_EQ(c, CStrings{"word"});
}

TEST(CachedSpellEngine, ForwardsTheEngineItWraps) {
    CFakeSpellEngine engine;
    engine.SetName("Named");
    CSpellAnswerCache cache;
    CCachedSpellEngine cached(engine, cache);
    EXPECT_EQ(cached.GetName(), "Named");
    EXPECT_EQ(cached.GetDescription(), engine.GetDescription());
    EXPECT_EQ(cached.Start(), 1);
    EXPECT_EQ(cached.Stop(), 1);
    EXPECT_EQ(engine.GetStartCount(), 1);
    EXPECT_EQ(engine.GetStopCount(), 1);
    engine.SetFailed(true);
    EXPECT_TRUE(cached.HasFailed());
}
