// Choosing and adding suggestions of one finding, each recorded for undo under the
// same lock as the change itself.
#include "tests/project/DecisionFixture.h"

namespace {
class FindingChoice : public DecisionTest {
protected:
    void SetUp() override {
        DecisionTest::SetUp();
        engine.Reject("wrd", {"word", "ward", "weird"});
        Add("a.txt", "1:wrd 1:wrd\n");
        Run();
        ASSERT_EQ(File(0)->m_errors.size(), 2u);
    }
};
} // namespace

TEST_F(FindingChoice, ChoosingRecordsTheStateBeforeAndUndoGivesItBack) {
    ASSERT_TRUE(doc.ChooseSuggestion(Error(0, 0), 2));
    EXPECT_EQ(Chosen(0), (Flags{2, -1}));
    EXPECT_EQ(doc.GetUndoText(), "&Undo Replace 'wrd' with 'weird' in 'a.txt'\tCtrl+Z");
    ASSERT_TRUE(doc.ChooseSuggestion(Error(0, 0), -1));
    EXPECT_EQ(Chosen(0), (Flags{-1, -1}));
    doc.UndoLast();
    EXPECT_EQ(Chosen(0), (Flags{2, -1}));
    doc.UndoLast();
    EXPECT_EQ(Chosen(0), (Flags{-1, -1}));
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(FindingChoice, AnIndexTheFindingLacksChangesNothing) {
    EXPECT_FALSE(doc.ChooseSuggestion(Error(0, 0), 3));
    EXPECT_FALSE(doc.ChooseSuggestion(Error(0, 0), -2));
    EXPECT_EQ(Chosen(0), (Flags{-1, -1}));
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(FindingChoice, AddedSuggestionGoesFirstAndTheFormerChoiceKeepsItsText) {
    ASSERT_TRUE(doc.ChooseSuggestion(Error(0, 0), 2));
    doc.SetModifiedFlag(false);
    ASSERT_TRUE(doc.AddSuggestion(Error(0, 0), "wired"));
    EXPECT_EQ(Error(0, 0)->m_suggestions, (Strings{"wired", "word", "ward", "weird"}));
    EXPECT_EQ(Chosen(0), (Flags{0, -1}));
    EXPECT_TRUE(doc.IsModified());
    // Undo takes the choice back to the former suggestion, whose index moved with it.
    doc.UndoLast();
    EXPECT_EQ(Chosen(0), (Flags{3, -1}));
    EXPECT_EQ(Error(0, 0)->m_suggestions[3], "weird");
}

TEST_F(FindingChoice, AddingToAFindingWithoutChoiceChoosesTheNewText) {
    ASSERT_TRUE(doc.AddSuggestion(Error(0, 1), "wordy"));
    EXPECT_EQ(Error(0, 1)->m_suggestions.front(), "wordy");
    EXPECT_EQ(Chosen(0), (Flags{-1, 0}));
    doc.UndoLast();
    EXPECT_EQ(Chosen(0), (Flags{-1, -1}));
}
