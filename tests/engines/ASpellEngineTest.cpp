// The Aspell engine with the Aspell folder of this build, and with copies of it that
// are changed or cut short.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "engines/MirtSpellEngineASpell.h"
#include "platform/ConsoleOutput.h"
#include "platform/ProgramFolder.h"
#include "tests/support/TempDir.h"

namespace {
using Lines = std::vector<std::string>;

bool Contains(const Lines& lines, const std::string& strWord) {
    return std::find(lines.begin(), lines.end(), strWord) != lines.end();
}

// Copies one folder of the build's Aspell folder into the program folder given.
void CopyAspellFolder(const std::string& strSubfolder, const std::string& strProgramFolder) {
    namespace fs = std::filesystem;
    fs::create_directories(strProgramFolder + "Aspell/" + strSubfolder);
    fs::copy(GetProgramFolder() + "Aspell/" + strSubfolder,
             strProgramFolder + "Aspell/" + strSubfolder, fs::copy_options::recursive);
}

// Starts the engine and returns what it printed.
std::string StartCapturingOutput(CMirtSpellEngineASpell& engine, int& nResult) {
    ::testing::internal::CaptureStdout();
    nResult = engine.Start();
    ConsoleFlush();
    return ::testing::internal::GetCapturedStdout();
}

class ASpellEngine : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(engine.Start(), 1); }
    void TearDown() override { EXPECT_EQ(engine.Stop(), 1); }

    CMirtSpellEngineASpell engine{GetProgramFolder()};
};
} // namespace

TEST_F(ASpellEngine, UsesTheAspellFolderBesideTheProgram) {
    const std::string strFolder = GetProgramFolder();
    EXPECT_EQ(engine.GetSpellerOption("dict-dir"), strFolder + "Aspell/dict");
    EXPECT_EQ(engine.GetSpellerOption("data-dir"), strFolder + "Aspell/data");
    EXPECT_EQ(engine.GetSpellerOption("home-dir"), strFolder + "Aspell");
    EXPECT_EQ(engine.GetSpellerOption("encoding"), "utf-8");
}

TEST_F(ASpellEngine, SpellsUsEnglish) {
    Lines suggestions;
    EXPECT_EQ(engine.CheckWord("color", suggestions), 1);
    EXPECT_EQ(suggestions, Lines{});
    EXPECT_EQ(engine.CheckWord("colour", suggestions), 1);
    EXPECT_TRUE(Contains(suggestions, "color"));
}

TEST_F(ASpellEngine, MisspelledWordGetsSuggestionsAfterExistingEntries) {
    Lines alone;
    EXPECT_EQ(engine.CheckWord("recieve", alone), 1);
    ASSERT_FALSE(alone.empty());
    EXPECT_TRUE(Contains(alone, "receive"));

    Lines suggestions = {"first", "second"};
    EXPECT_EQ(engine.CheckWord("recieve", suggestions), 1);
    Lines expected = {"first", "second"};
    expected.insert(expected.end(), alone.begin(), alone.end());
    EXPECT_EQ(suggestions, expected);
}

TEST_F(ASpellEngine, CorrectWordLeavesTheListAsItWas) {
    for (const char* pszWord : {"receive", "Receive", "engine", "don't"}) {
        Lines suggestions = {"kept"};
        EXPECT_EQ(engine.CheckWord(pszWord, suggestions), 1) << pszWord;
        EXPECT_EQ(suggestions, Lines{"kept"}) << pszWord;
    }
}

// Asking Aspell for suggestions on a word of megabytes overflows the stack.
TEST_F(ASpellEngine, AHugeWordIsJudgedWithoutSuggestions) {
    std::string strWord;
    while (strWord.size() < 12'000'000)
        strWord += "abcdefghij";
    Lines suggestions = {"kept"};
    EXPECT_EQ(engine.CheckWord(strWord, suggestions), 1);
    EXPECT_EQ(suggestions, Lines{"kept"});
}

TEST_F(ASpellEngine, StoppedEngineAnswersNothingAndStopsAgain) {
    EXPECT_EQ(engine.Stop(), 1);
    Lines suggestions = {"kept"};
    EXPECT_EQ(engine.CheckWord("recieve", suggestions), 0);
    EXPECT_EQ(suggestions, Lines{"kept"});
    EXPECT_EQ(engine.GetSpellerOption("dict-dir"), "");
    EXPECT_EQ(engine.Stop(), 1);
}

TEST(ASpellEngineFolder, EachRunBuildsAFreshSpeller) {
    CTempDir program;
    const std::string strFolder = program.Path() + "/";
    CopyAspellFolder("dict", strFolder);
    CopyAspellFolder("data", strFolder);
    CMirtSpellEngineASpell engine(strFolder);

    ASSERT_EQ(engine.Start(), 1);
    Lines first;
    EXPECT_EQ(engine.CheckWord("mirtoraword", first), 1);
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(engine.Stop(), 1);

    // A personal word list in the home folder counts from the next run on.
    program.WriteFile("Aspell/.aspell.en.pws", "personal_ws-1.1 en 1\nmirtoraword\n");
    ASSERT_EQ(engine.Start(), 1);
    Lines second;
    EXPECT_EQ(engine.CheckWord("mirtoraword", second), 1);
    EXPECT_EQ(second, Lines{});
    EXPECT_EQ(engine.Stop(), 1);
}

TEST(ASpellEngineFolder, MissingAspellFolderPrintsAspellsMessage) {
    CTempDir program;
    CMirtSpellEngineASpell engine(program.Path() + "/");
    int nResult = -1;
    const std::string strOutput = StartCapturingOutput(engine, nResult);
    EXPECT_EQ(nResult, 0);
    // Aspell's message names the language it found no word list for; one line.
    EXPECT_NE(strOutput.find("en_US"), std::string::npos) << strOutput;
    EXPECT_EQ(std::count(strOutput.begin(), strOutput.end(), '\n'), 1) << strOutput;
    EXPECT_TRUE(strOutput.ends_with('\n')) << strOutput;
    Lines suggestions;
    EXPECT_EQ(engine.CheckWord("recieve", suggestions), 0);
    EXPECT_EQ(engine.Stop(), 1);
}

TEST(ASpellEngineFolder, DictionariesWithoutTheirDataDoNotStart) {
    CTempDir program;
    CopyAspellFolder("dict", program.Path() + "/");
    CMirtSpellEngineASpell engine(program.Path() + "/");
    int nResult = -1;
    const std::string strOutput = StartCapturingOutput(engine, nResult);
    EXPECT_EQ(nResult, 0);
    EXPECT_FALSE(strOutput.empty());
    EXPECT_TRUE(strOutput.ends_with('\n')) << strOutput;
}

// The speller is renewed now and then during a long run, and a peer is a speller of
// its own: the answers stay those of the first speller either way.
TEST_F(ASpellEngine, AnswersStayTheSameAcrossRenewalsAndPeers) {
    const Lines words = {"recieve", "adress", "wierd", "teh", "mispeled", "occured"};
    std::vector<Lines> first;
    for (const std::string& word : words) {
        Lines list;
        ASSERT_EQ(engine.CheckWord(word, list), 1);
        EXPECT_FALSE(list.empty()) << word;
        first.push_back(list);
    }
    // Enough suggestion searches to pass several renewals.
    for (int i = 0; i < 700; ++i) {
        Lines list;
        engine.CheckWord(words[static_cast<size_t>(i) % words.size()] + "x", list);
    }
    std::unique_ptr<CMirtSpellEngine> pPeer = engine.MakePeer();
    ASSERT_NE(pPeer, nullptr);
    EXPECT_EQ(pPeer->GetName(), engine.GetName());
    ASSERT_EQ(pPeer->Start(), 1);
    for (size_t k = 0; k < words.size(); ++k) {
        Lines again, fromPeer;
        ASSERT_EQ(engine.CheckWord(words[k], again), 1);
        ASSERT_EQ(pPeer->CheckWord(words[k], fromPeer), 1);
        EXPECT_EQ(again, first[k]) << words[k];
        EXPECT_EQ(fromPeer, first[k]) << words[k];
    }
    EXPECT_EQ(pPeer->Stop(), 1);
}
