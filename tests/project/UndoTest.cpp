// Undo of every kind of decision, the Undo entry's text, and the rule operations that
// undo builds on, on findings made by a real check of files in a temporary folder.
#include "tests/project/DecisionFixture.h"

namespace {
// a.txt: [0] teh/1, [1] teh/2, [2] teh/1 (line 2), [3] wrod/4 inside TRACE; b.txt: [0] teh/1.
class Undo : public DecisionTest {
protected:
    void SetUp() override {
        DecisionTest::SetUp();
        engine.Reject("wrod", {"word", "ward", "word"});
        Add("a.txt", "1:teh 2:teh\n1:teh 4:wrod@TRACE\n");
        Add("b.txt", "1:teh\n");
        Run();
        ASSERT_EQ(File(0)->m_errors.size(), 4u);
        ASSERT_EQ(File(1)->m_errors.size(), 1u);
        doc.SetModifiedFlag(false);
    }
    size_t Rebuilds() {
        size_t n = 0;
        for (const auto& code : view.Codes())
            n += code == std::make_pair(NOTIFY_REBUILD, 0);
        return n;
    }
    // Throws, and so fails the test, when the stack is empty.
    const CMirtUndoAction& Newest() const {
        return doc.GetDecisions().GetUndoAction(doc.GetDecisions().GetUndoCount() - 1);
    }
};
} // namespace

TEST_F(Undo, EveryKindOfActionIsUndoneNewestFirst) {
    EXPECT_EQ(doc.GetUndoText(), "&Undo\tCtrl+Z");
    EXPECT_FALSE(doc.CanUndo());
    IgnoreOne(Error(0, 0));
    EXPECT_EQ(doc.GetUndoText(), "&Undo Ignore 'teh' in 'a.txt'\tCtrl+Z");
    EXPECT_TRUE(doc.IsModified());
    ChooseOne(Error(0, 1), 1);
    EXPECT_EQ(doc.GetUndoText(), "&Undo Replace 'teh' with 'ten' in 'a.txt'\tCtrl+Z");
    doc.IgnoreAllWord("teh", 1);
    EXPECT_EQ(doc.GetUndoText(), "&Undo Ignore all 'teh'\tCtrl+Z");
    doc.ReplaceAllWord("wrod", 4, "ward");
    EXPECT_EQ(doc.GetUndoText(), "&Undo Replace all 'wrod' with 'ward'\tCtrl+Z");
    doc.IgnoreCallsTo("TRACE");
    EXPECT_EQ(doc.GetUndoText(), "&Undo Ignore calls to 'TRACE'\tCtrl+Z");
    EXPECT_EQ(Ignored(0), (Flags{1, 0, 1, 1}));
    EXPECT_EQ(Chosen(0), (Flags{-1, 1, -1, 1}));
    size_t nRebuilds = Rebuilds();

    doc.UndoLast();
    EXPECT_EQ(doc.m_ignoreCalls.GetCount(), 0u);
    EXPECT_EQ(Ignored(0), (Flags{1, 0, 1, 0}));
    EXPECT_EQ(doc.GetUndoText(), "&Undo Replace all 'wrod' with 'ward'\tCtrl+Z");
    doc.UndoLast();
    EXPECT_EQ(Entry("wrod"), "(none)");
    EXPECT_EQ(Chosen(0), (Flags{-1, 1, -1, -1}));
    EXPECT_EQ(Error(0, 3)->m_suggestions, (Strings{"word", "ward", "word"}));
    doc.UndoLast();
    EXPECT_EQ(Entry("teh"), "(none)");
    EXPECT_EQ(Ignored(0), (Flags{1, 0, 0, 0}));
    EXPECT_EQ(Ignored(1), (Flags{0}));
    EXPECT_EQ(doc.GetUndoText(), "&Undo Replace 'teh' with 'ten' in 'a.txt'\tCtrl+Z");
    doc.UndoLast();
    EXPECT_EQ(Chosen(0), (Flags{-1, -1, -1, -1}));
    doc.UndoLast();
    EXPECT_EQ(Ignored(0), (Flags{0, 0, 0, 0}));
    EXPECT_EQ(doc.GetUndoText(), "&Undo\tCtrl+Z");
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(Rebuilds(), nRebuilds + 5);

    doc.SetModifiedFlag(false);
    doc.UndoLast();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Rebuilds(), nRebuilds + 5);
}

TEST_F(Undo, IgnoreAllOverAFindingIgnoredAlreadyRestoresBoth) {
    IgnoreOne(Error(0, 2));
    doc.IgnoreAllWord("teh", 1);
    EXPECT_EQ(Entry("teh"), "<ignore>\n\n\n");
    EXPECT_EQ(Ignored(0), (Flags{1, 0, 1, 0}));
    EXPECT_EQ(Ignored(1), (Flags{1}));
    doc.UndoLast();
    EXPECT_EQ(Ignored(0), (Flags{0, 0, 1, 0}));
    EXPECT_EQ(Ignored(1), (Flags{0}));
    EXPECT_EQ(doc.GetUndoText(), "&Undo Ignore 'teh' in 'a.txt'\tCtrl+Z");
}

TEST_F(Undo, UndoOfReplaceAllBringsBackAFindingIgnoredByHand) {
    IgnoreOne(Error(0, 2));
    doc.ReplaceAllWord("teh", 1, "the");
    EXPECT_EQ(Ignored(0), (Flags{0, 0, 0, 0}));
    doc.UndoLast();
    EXPECT_EQ(Ignored(0), (Flags{0, 0, 1, 0}));
    EXPECT_EQ(Error(0, 2)->m_nChosen, -1);
}

TEST_F(Undo, ReplaceAllWithIgnoreIsIgnoreAll) {
    doc.ReplaceAllWord("teh", 1, "<ignore>");
    EXPECT_EQ(doc.GetUndoText(), "&Undo Ignore all 'teh'\tCtrl+Z");
    ASSERT_EQ(doc.GetDecisions().GetUndoCount(), 1u);
    EXPECT_EQ(Newest().GetType(), UNDO_IGNORE_ALL);
    EXPECT_EQ(Entry("teh"), "<ignore>\n\n\n");
    EXPECT_EQ(Ignored(0), (Flags{1, 0, 1, 0}));
    EXPECT_EQ(Chosen(0), (Flags{-1, -1, -1, -1}));
    EXPECT_EQ(Error(0, 0)->m_suggestions, (Strings{"the", "ten"}));
}

TEST_F(Undo, UndoOfReplaceAllRemovesOnlyThatCategorysRule) {
    doc.IgnoreAllWord("teh", 1);
    doc.ReplaceAllWord("teh", 2, "THE");
    EXPECT_EQ(Entry("teh"), "<ignore>\nTHE\n\n");
    EXPECT_EQ(Error(0, 1)->m_suggestions, (Strings{"THE", "the", "ten"}));
    EXPECT_EQ(Chosen(0), (Flags{-1, 0, -1, -1}));
    doc.UndoLast();
    EXPECT_EQ(Entry("teh"), "<ignore>\n\n\n");
    EXPECT_EQ(Error(0, 1)->m_suggestions, (Strings{"the", "ten"}));
    EXPECT_EQ(Chosen(0), (Flags{-1, -1, -1, -1}));
    EXPECT_EQ(Ignored(0), (Flags{1, 0, 1, 0}));
}

TEST_F(Undo, ReplaceAllTakesTheFirstEqualSuggestionANewFindingTheLast) {
    doc.ReplaceAllWord("wrod", 4, "word");
    EXPECT_EQ(Chosen(0), (Flags{-1, -1, -1, 0}));
    EXPECT_EQ(Error(0, 3)->m_suggestions, (Strings{"word", "ward", "word"}));
    EXPECT_EQ(Ignored(0)[3], 0);
    Add("c.txt", "4:wrod\n");
    Run();
    EXPECT_EQ(Chosen(2), (Flags{2}));
    EXPECT_EQ(Error(2, 0)->m_suggestions, (Strings{"word", "ward", "word"}));
}

// Undoing Replace all takes the replacement out of the list; the user's earlier
// choice must still name the same word afterwards.
TEST_F(Undo, UndoOfReplaceAllGivesBackTheUsersChoice) {
    ChooseOne(Error(0, 0), 1);
    doc.ReplaceAllWord("teh", 1, "the");
    EXPECT_EQ(Chosen(0), (Flags{0, -1, 0, -1}));
    EXPECT_EQ(Chosen(1), (Flags{0}));
    doc.UndoLast();
    EXPECT_EQ(Error(0, 0)->m_suggestions, (Strings{"the", "ten"}));
    EXPECT_EQ(Chosen(0), (Flags{1, -1, -1, -1}));
    EXPECT_EQ(Chosen(1), (Flags{-1}));
    EXPECT_EQ(Error(1, 0)->m_suggestions, (Strings{"the", "ten"}));
    doc.UndoLast();
    EXPECT_EQ(Chosen(0), (Flags{-1, -1, -1, -1}));
}

TEST_F(Undo, RemovingAFileDropsItsRecordsAndTheActionsLeftEmpty) {
    IgnoreOne(Error(0, 0));
    IgnoreOne(Error(1, 0));
    EXPECT_EQ(doc.GetUndoText(), "&Undo Ignore 'teh' in 'b.txt'\tCtrl+Z");
    doc.IgnoreAllWord("teh", 1);
    ASSERT_EQ(Newest().GetRecords().size(), 3u);
    doc.IgnoreAllWord("nowhere", 2);
    ASSERT_TRUE(Newest().GetRecords().empty());

    doc.RemoveFile(File(1)->m_strPath);
    ASSERT_EQ(doc.GetDecisions().GetUndoCount(), 3u);
    EXPECT_EQ(doc.GetDecisions().GetUndoAction(0).Describe(), "Ignore 'teh' in 'a.txt'");
    EXPECT_EQ(doc.GetDecisions().GetUndoAction(1).GetRecords().size(), 2u);
    EXPECT_EQ(doc.GetUndoText(), "&Undo Ignore all 'nowhere'\tCtrl+Z");

    doc.RemoveFile(File(0)->m_strPath);
    ASSERT_EQ(doc.GetDecisions().GetUndoCount(), 1u);
    EXPECT_EQ(doc.GetDecisions().GetUndoAction(0).GetWord(), "nowhere");
    doc.UndoLast();
    EXPECT_EQ(doc.GetUndoText(), "&Undo\tCtrl+Z");
}

TEST_F(Undo, RemovingTheOnlyFileOfTheNewestActionShowsTheNextOlder) {
    doc.IgnoreCallsTo("TRACE");
    IgnoreOne(Error(1, 0));
    doc.RemoveFile(File(1)->m_strPath);
    EXPECT_EQ(doc.GetUndoText(), "&Undo Ignore calls to 'TRACE'\tCtrl+Z");
    doc.RemoveFile(File(0)->m_strPath);
    EXPECT_EQ(doc.GetUndoText(), "&Undo\tCtrl+Z");
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(Undo, NewContentsEmptyTheStack) {
    doc.IgnoreAllWord("teh", 1);
    doc.DeleteContents();
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(doc.m_dictionary.GetCount(), 0u);
}

TEST_F(Undo, AfterANewRunTheRuleStillLeavesTheCurrentFindings) {
    doc.IgnoreAllWord("teh", 1);
    doc.ResetResults();
    Run();
    EXPECT_EQ(Ignored(0), (Flags{1, 0, 1, 0}));
    doc.UndoLast();
    EXPECT_EQ(Ignored(0), (Flags{0, 0, 0, 0}));
    EXPECT_EQ(Ignored(1), (Flags{0}));
}

TEST_F(Undo, RecordingRefusesASuggestionTheFindingDoesNotHave) {
    EXPECT_FALSE(doc.GetDecisions().RecordFindingChange(Error(0, 0), 2));
    EXPECT_FALSE(doc.GetDecisions().RecordFindingChange(Error(0, 0), -2));
    EXPECT_FALSE(doc.GetDecisions().RecordFindingChange(nullptr, -1));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Undo, RemovingRulesReopensFindingsWithoutAnUndoAction) {
    doc.IgnoreCallsTo("TRACE");
    doc.IgnoreAllWord("teh", 1);
    doc.ReplaceAllWord("wrod", 4, "ward");
    ASSERT_EQ(doc.GetDecisions().GetUndoCount(), 3u);
    doc.SetModifiedFlag(false);

    doc.RemoveIgnoredCall("TRACE");
    EXPECT_FALSE(doc.m_ignoreCalls.Has("TRACE"));
    EXPECT_TRUE(doc.IsModified());
    doc.RemoveDictionaryWord("teh", 1);
    EXPECT_EQ(Entry("teh"), "(none)");
    EXPECT_EQ(Ignored(0), (Flags{0, 0, 0, 0}));
    EXPECT_EQ(Ignored(1), (Flags{0}));
    doc.RemoveDictionaryWord("wrod", 4);
    EXPECT_EQ(Entry("wrod"), "(none)");
    EXPECT_EQ(Chosen(0)[3], -1);
    EXPECT_EQ(Error(0, 3)->m_suggestions, (Strings{"word", "word"}));
    EXPECT_EQ(doc.GetDecisions().GetUndoCount(), 3u);

    doc.SetModifiedFlag(false);
    doc.RemoveDictionaryWord("absent", 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Undo, DictionaryWordsKeepTheirLetterCase) {
    engine.Reject("Teh", {"The"});
    Add("c.txt", "1:Teh 1:teh\n");
    Run();
    doc.IgnoreAllWord("teh", 1);
    EXPECT_EQ(Ignored(2), (Flags{0, 1}));
    doc.ReplaceAllWord("Teh", 1, "THE");
    EXPECT_EQ(Chosen(2), (Flags{0, -1}));
    EXPECT_EQ(Error(2, 0)->m_suggestions, (Strings{"THE", "The"}));
}
