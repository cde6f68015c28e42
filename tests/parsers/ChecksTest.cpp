// The word checks of the parsers, with a fake engine that shows which words reach it.
// Where a case relies on a built-in list holding (or not holding) a word, it asserts
// that first.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "parsers/KeywordList.h"
#include "parsers/MirtParserCpp.h"
#include "parsers/MirtParserRc.h"
#include "parsers/WordCategory.h"
#include "tests/parsers/WordTable.h"
#include "tests/support/FakeSpellEngine.h"
#include "tests/support/KeywordEntries.h"

namespace {
using CStrings = std::vector<std::string>;

const CKeywordList& English() {
    return GetKeywordList(KEYWORDS_ENGLISH);
}

class Checks : public ::testing::Test {
protected:
    void SetUp() override {
        base.SetContext(nullptr, &engine);
        cpp.SetContext(nullptr, &engine);
    }
    // Runs one check and returns its suggestions; the words asked stay in the engine.
    CStrings Run(CMirtParser& parser, int (CMirtParser::*pCheck)(const std::string&, CStrings&),
                 const std::string& word) {
        CStrings suggestions;
        int nResult = (parser.*pCheck)(word, suggestions);
        EXPECT_EQ(nResult, suggestions.empty() ? 1 : 0) << word;
        return suggestions;
    }
    // True when the check sent nothing to the engine and left no suggestion.
    bool AcceptedUnasked(CMirtParser& parser,
                         int (CMirtParser::*pCheck)(const std::string&, CStrings&),
                         const std::string& word) {
        engine.ClearAskedWords();
        CStrings suggestions = Run(parser, pCheck, word);
        return suggestions.empty() && engine.GetAskedWords().empty();
    }
    // The first entry of the list that the base parser would send to the engine.
    std::string FirstEntryBaseAsksAbout(int nId,
                                        int (CMirtParser::*pCheck)(const std::string&, CStrings&)) {
        for (const std::string& entry : KeywordEntries(nId)) {
            if (!AcceptedUnasked(base, pCheck, entry))
                return entry;
        }
        return "";
    }

    CFakeSpellEngine engine;
    CMirtParser base;
    CMirtParserCpp cpp;
    static constexpr auto Language = &CMirtParser::CheckLanguageWord;
    static constexpr auto Comment = &CMirtParser::CheckCommentWord;
    static constexpr auto Code = &CMirtParser::CheckCodeWord;
};
} // namespace

TEST_F(Checks, LanguageWordsWithOtherThanLettersAreNeverAsked) {
    engine.RejectUnknownWords({"x"});
    for (const char* w : {"", "abc1", "don't", "na\xc3\xafve", "&Open", "e-mail", "snake_case"})
        EXPECT_TRUE(AcceptedUnasked(base, Language, w)) << w;
}

TEST_F(Checks, EnglishLanguageWordsAreAcceptedWithoutTheEngine) {
    ASSERT_TRUE(English().Find("house"));
    engine.RejectUnknownWords({"x"});
    EXPECT_TRUE(AcceptedUnasked(base, Language, "house"));
    EXPECT_TRUE(AcceptedUnasked(base, Language, "HOUSE"));
}

TEST_F(Checks, TheEngineDecidesTheRest) {
    ASSERT_FALSE(English().Find("wrold"));
    ASSERT_FALSE(English().Find("frobz"));
    engine.Reject("Wrold", {"World", "Would"});
    EXPECT_EQ(Run(base, Language, "Wrold"), (CStrings{"World", "Would"}));
    EXPECT_EQ(Run(base, Language, "Frobz"), CStrings{});
    EXPECT_EQ(engine.GetAskedWords(), (CStrings{"Wrold", "Frobz"}));
}

TEST_F(Checks, WithoutAnEngineEveryWordIsAccepted) {
    CMirtParser parser;
    CStrings suggestions;
    EXPECT_EQ(parser.CheckLanguageWord("Wrold", suggestions), 1);
    EXPECT_EQ(parser.CheckCodeWord("Wrold", suggestions), 1);
    EXPECT_TRUE(suggestions.empty());
}

TEST_F(Checks, CommentWordsKnownAsIdentifiersOrWrittenLikeThemAreAccepted) {
    ASSERT_FALSE(English().Find("getvalue"));
    engine.RejectUnknownWords({"get value"});
    EXPECT_TRUE(AcceptedUnasked(base, Comment, "getValue"));
    EXPECT_TRUE(AcceptedUnasked(base, Comment, "GETVALUE"));
    // Suggestions of a comment word are kept as the engine gave them.
    EXPECT_EQ(Run(base, Comment, "getvalue"), CStrings{"get value"});

    CWordList words;
    base.ParseLine("getvalue = 1;", words);
    base.BeginFile("other.c"); // identifiers outlive the file
    EXPECT_TRUE(AcceptedUnasked(base, Comment, "getvalue"));
    // The identifier look-up is exact.
    EXPECT_EQ(Run(base, Comment, "Getvalue"), CStrings{"get value"});
}

TEST_F(Checks, CommentWordsGoThroughTheParsersOwnLanguageCheck) {
    ASSERT_FALSE(English().Find("opne"));
    engine.Reject("opne", {"open"});
    EXPECT_EQ(Run(cpp, Comment, "&opne"), CStrings{"&open"});
    EXPECT_TRUE(AcceptedUnasked(base, Comment, "&opne"));
}

TEST_F(Checks, CodeWordsThatAreNoWordsOrAbbreviationsAreAccepted) {
    engine.RejectUnknownWords({"x"});
    for (const char* w : {"", "_x1", "2nd", "hwnd", "HWND", "lpsz"})
        EXPECT_TRUE(AcceptedUnasked(base, Code, w)) << w;
}

TEST_F(Checks, CodeWordsThatBeginEnglishWordsAreAccepted) {
    ASSERT_TRUE(English().FindPrefix("calc"));
    ASSERT_FALSE(English().FindPrefix("cacl"));
    engine.RejectUnknownWords({"Clad"});
    EXPECT_TRUE(AcceptedUnasked(base, Code, "Calc"));
    EXPECT_TRUE(AcceptedUnasked(base, Code, "calc"));
    EXPECT_EQ(Run(base, Code, "Cacl"), CStrings{"Clad"});
    EXPECT_EQ(engine.GetAskedWords(), CStrings{"Cacl"});
}

TEST_F(Checks, LowerCaseCodeWordsLoseTheirTypePrefix) {
    for (const char* w : {"mfile", "pcounter", "lpszname"})
        ASSERT_FALSE(English().FindPrefix(w)) << w;
    ASSERT_TRUE(English().Find("file"));
    ASSERT_TRUE(English().Find("counter"));
    ASSERT_TRUE(English().Find("name"));
    ASSERT_FALSE(English().Find("pszname"));
    engine.RejectUnknownWords({"x"});
    for (const char* w : {"mfile", "pcounter", "lpszname"})
        EXPECT_TRUE(AcceptedUnasked(base, Code, w)) << w;
    // With a capital inside, the prefixes are not tried.
    EXPECT_EQ(Run(base, Code, "mFile"), CStrings{"x"});
}

TEST_F(Checks, LowerCaseCompoundsAreAcceptedOnlyInLowerCase) {
    ASSERT_FALSE(English().FindPrefix("filebuffer"));
    ASSERT_FALSE(English().Find("ilebuffer"));
    ASSERT_TRUE(English().Find("file"));
    ASSERT_TRUE(English().Find("buffer"));
    engine.RejectUnknownWords({"File buffer"});
    EXPECT_TRUE(AcceptedUnasked(base, Code, "filebuffer"));
    // The engine only split the compound: nothing to report.
    EXPECT_EQ(Run(base, Code, "Filebuffer"), CStrings{});
    EXPECT_EQ(engine.GetAskedWords(), CStrings{"Filebuffer"});
}

TEST_F(Checks, CodeSuggestionsLoseBlanksAndApostrophes) {
    ASSERT_FALSE(English().FindPrefix("qf"));
    engine.Reject("Qfilebuffr", {"Q file buffer", "Qfile's buffer"});
    engine.Reject("Qfilebufr", {"Qfilebuf", "Qfile bufr", "Qfile's bufr"});
    EXPECT_EQ(Run(base, Code, "Qfilebuffr"), (CStrings{"Qfilebuffer", "Qfilesbuffer"}));
    EXPECT_EQ(Run(base, Code, "Qfilebufr"), CStrings{});
    // Language words keep them.
    EXPECT_EQ(Run(base, Language, "Qfilebuffr"), (CStrings{"Q file buffer", "Qfile's buffer"}));
}

// "stool's" and "stools" both become "stools": the list holds it once, where the first
// of them stood, and the engine's order is kept otherwise.
TEST_F(Checks, CodeSuggestionsThatReadTheSameAreListedOnce) {
    ASSERT_FALSE(English().FindPrefix("qstoolz"));
    engine.Reject("Qstoolz", {"Qstool's", "Qstools", "Qstool", "Q stools", "Qs tools"});
    EXPECT_EQ(Run(base, Code, "Qstoolz"), (CStrings{"Qstools", "Qstool"}));
    // Language words keep every text the engine gave.
    EXPECT_EQ(Run(base, Language, "Qstoolz").size(), 5u);
}

TEST_F(Checks, CompoundWordsSplitIntoListedWordsOfThreeLettersOrMore) {
    for (const char* w : {"file", "name", "buffer", "cat"})
        ASSERT_TRUE(English().Find(w)) << w;
    for (const char* w : {"filenamebuffer", "anf", "anfile", "catcatcat"})
        ASSERT_FALSE(English().Find(w)) << w;
    ASSERT_FALSE(English().FindPrefix("xqz"));
    EXPECT_TRUE(base.IsCompoundWord("filename"));
    EXPECT_TRUE(base.IsCompoundWord("filenamebuffer"));
    EXPECT_TRUE(base.IsCompoundWord("file"));
    EXPECT_FALSE(base.IsCompoundWord("xqzfile"));
    EXPECT_FALSE(base.IsCompoundWord("anfile")); // "an" is too short to be a piece
    EXPECT_FALSE(base.IsCompoundWord(""));
    // A long run of pieces is decided without trying every split.
    std::string many;
    for (int i = 0; i < 100; ++i)
        many += "cat";
    EXPECT_TRUE(base.IsCompoundWord(many));
    EXPECT_FALSE(base.IsCompoundWord(many + "xqz"));
}

namespace {
// The compound rule as written: try every split with both sides compound.
bool CompoundByEverySplit(const std::string& w) {
    if (English().Find(w))
        return true;
    if (w.size() < 6)
        return false;
    for (size_t i = 3; i <= w.size() - 3; ++i)
        if (CompoundByEverySplit(w.substr(0, i)) && CompoundByEverySplit(w.substr(i)))
            return true;
    return false;
}
} // namespace

TEST_F(Checks, CompoundTestAgreesWithTryingEverySplit) {
    ASSERT_TRUE(English().Find("file"));
    for (const char* w :
         {"filename", "readonly", "outputfilename", "setupinfo", "notaword", "bookcasefile",
          "catdogcat", "abcdefghij", "printerdriver", "windowtitlebar", "xfilename", "filenamex",
          "untitledcopy", "errorcodes", "inkjet", "towhomitmay"})
        EXPECT_EQ(base.IsCompoundWord(w), CompoundByEverySplit(w)) << w;
}

TEST_F(Checks, ProfanityIsMaskedWithOneStarPerCharacter) {
    std::string word;
    for (const std::string& entry : KeywordEntries(KEYWORDS_PROFANITY))
        if (entry.size() == 5 && entry.find('-') == std::string::npos)
            word = entry;
    ASSERT_FALSE(word.empty()) << "the profanity list holds a five-letter word";
    CStrings suggestions;
    base.CheckProfanity(word, suggestions);
    EXPECT_EQ(suggestions, CStrings{"*****"});
    std::string upper = word;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    suggestions.clear();
    cpp.CheckProfanity(upper, suggestions);
    EXPECT_EQ(suggestions, CStrings{"*****"});
    ASSERT_FALSE(GetKeywordList(KEYWORDS_PROFANITY).Find("house"));
    suggestions.clear();
    EXPECT_EQ(base.CheckProfanity("house", suggestions), 1);
    EXPECT_TRUE(suggestions.empty());
    EXPECT_TRUE(engine.GetAskedWords().empty());
}

TEST_F(Checks, AcceleratorMarkersAreCheckedWithoutAndPutBack) {
    ASSERT_FALSE(English().Find("opne"));
    ASSERT_FALSE(English().Find("exti"));
    engine.Reject("Opne", {"Open", "Opens"});
    engine.Reject("Exti", {"Exit", "Edit"});
    const std::vector<std::pair<std::string, CStrings>> cases = {
        {"&Opne", {"&Open", "&Opens"}},  {"Op&ne", {"Ope&n", "Ope&ns"}},
        {"Opne&", {"Open&", "Opens&"}},  {"E&xti", {"E&xit", "Edit"}}, // no "x" in Edit: left alone
        {"&O&pne", {"&Open", "&Opens"}},
    };
    for (const auto& [word, expected] : cases) {
        CStrings suggestions;
        EXPECT_EQ(base.CheckAcceleratorWord(word, suggestions), 1) << word;
        EXPECT_EQ(suggestions, expected) << word;
    }
    EXPECT_EQ(engine.GetAskedWords(), (CStrings{"Opne", "Opne", "Opne", "Exti", "Opne"}));
}

TEST_F(Checks, AcceleratorCheckLeavesWordsWithoutMarkersAlone) {
    engine.RejectUnknownWords({"x"});
    CStrings suggestions;
    EXPECT_EQ(base.CheckAcceleratorWord("Opne", suggestions), 0);
    EXPECT_EQ(base.CheckAcceleratorWord("&&", suggestions), 1);
    EXPECT_TRUE(suggestions.empty());
    EXPECT_TRUE(engine.GetAskedWords().empty());
}

TEST_F(Checks, CppLanguageWordsCheckAcceleratorsFirst) {
    ASSERT_TRUE(English().Find("exit"));
    engine.Reject("Opne", {"Opel"});
    EXPECT_EQ(Run(cpp, Language, "&Opne"), CStrings{"&Opel"});
    EXPECT_TRUE(AcceptedUnasked(cpp, Language, "E&xit"));
    EXPECT_EQ(Run(cpp, Language, "Opne"), CStrings{"Opel"});
    CMirtParserRc rc;
    rc.SetContext(nullptr, &engine);
    EXPECT_EQ(Run(rc, Language, "&Opne"), CStrings{"&Opel"});
}

TEST_F(Checks, CppAcceptsLibraryIdentifiersInComments) {
    engine.RejectUnknownWords({"x"});
    std::string word = FirstEntryBaseAsksAbout(KEYWORDS_LIBRARY, Comment);
    ASSERT_FALSE(word.empty()) << "list 140 holds a word the base comment check asks about";
    EXPECT_TRUE(AcceptedUnasked(cpp, Comment, word)) << word;
}

TEST_F(Checks, CppAcceptsAbbreviationsAndRuntimeNamesInCode) {
    engine.RejectUnknownWords({"x"});
    for (int nId : {KEYWORDS_ABBREVIATIONS, KEYWORDS_CRUNTIME}) {
        std::string word = FirstEntryBaseAsksAbout(nId, Code);
        ASSERT_FALSE(word.empty())
            << "list " << nId << " holds a word the base code check asks about";
        EXPECT_TRUE(AcceptedUnasked(cpp, Code, word)) << word;
    }
}

TEST(CheckHelpers, CategoryNames) {
    EXPECT_EQ(CMirtParser::GetCategoryName(1), "Language");
    EXPECT_EQ(CMirtParser::GetCategoryName(2), "Comment");
    EXPECT_EQ(CMirtParser::GetCategoryName(4), "Code");
    for (int n : {0, 3, 8, -1, 16})
        EXPECT_EQ(CMirtParser::GetCategoryName(n), "") << n;
}

// A literal naming a file holds no text to check; any other literal is read.
TEST(CheckHelpers, FileNameLiteralsHaveAShortExtensionAndNoBlanks) {
    CMirtParserCpp p;
    auto literalWords = [&p](const std::string& literal) {
        CWordList words;
        p.ParseLine("f(\"" + literal + "\");", words);
        return std::count_if(words.begin(), words.end(),
                             [](const SWord& w) { return w.nCategory == CATEGORY_LANGUAGE; });
    };
    for (const char* s :
         {"readme.txt", "res\\app.ico", "first,second.txt", "one;two.h", "dir/f.rc2"})
        EXPECT_EQ(literalWords(s), 0) << s;
    for (const char* s : {"file.html", "see a.txt", "some?x.h", "some*x.h", "x<some>y.h",
                          "some|x.h", "tab\tname.h", "ab", "a.", "x.abcd"})
        EXPECT_GT(literalWords(s), 0) << s;
}

TEST(CheckHelpers, TokensMatchIgnoringCaseAndMayRunPastTheText) {
    CMirtParser p;
    EXPECT_EQ(p.MatchToken("x /* y", 2, "/*"), 2);
    EXPECT_EQ(p.MatchToken("REM text", 0, "rem"), 3);
    EXPECT_EQ(p.MatchToken("ab", 0, "abc"), 3); // the text ends first: the rest agrees
    EXPECT_EQ(p.MatchToken("abd", 0, "abc"), 0);
    EXPECT_EQ(p.MatchToken("abc", 1, "abc"), 0);
    EXPECT_EQ(p.MatchToken("abc", 0, ""), 0);
    EXPECT_EQ(p.MatchToken("abc", 9, "a"), 0);
}

TEST(CheckHelpers, ConsonantsExcludeYAndVowels) {
    CMirtParser p;
    for (const char* s : {"hwnd", "HWND", "str", "b"})
        EXPECT_TRUE(p.IsAllConsonants(s)) << s;
    for (const char* s : {"", "y", "msg1", "hwnd_", "cat"})
        EXPECT_FALSE(p.IsAllConsonants(s)) << s;
}
