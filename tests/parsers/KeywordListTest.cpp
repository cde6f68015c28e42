// The in-place search over hand-made lists: exact and prefix look-ups, letter case,
// the ends of a list, lists not written with CR LF, loading from files, and searches
// that must stay inside the list's bytes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "parsers/KeywordList.h"
#include "tests/support/TempDir.h"

namespace {
// Loads the text through a file, so the list lives in a heap block of exactly its
// size: AddressSanitizer reports any byte read past either end.
class CListFromText {
public:
    explicit CListFromText(const std::string& strText) {
        std::string path = m_dir.WriteFile("list.txt", strText);
        m_bLoaded = m_list.LoadFromFile(path);
    }
    const CKeywordList& operator*() const { return m_list; }
    const CKeywordList* operator->() const { return &m_list; }
    bool Loaded() const { return m_bLoaded; }

private:
    CTempDir m_dir;
    CKeywordList m_list;
    bool m_bLoaded = false;
};

const char kFruit[] = "apple\r\napples\r\nBanana\r\ncherry\r\nkiwi\r\nlemon\r\nmango\r\n"
                      "orange\r\npapaya\r\npear\r\nquince\r\nzucchini\r\n";
} // namespace

TEST(KeywordList, FindsWordsWhateverTheirLetterCase) {
    CListFromText list(kFruit);
    ASSERT_TRUE(list.Loaded());
    EXPECT_TRUE(list->Find("cherry"));
    EXPECT_TRUE(list->Find("CHERRY"));
    EXPECT_TRUE(list->Find("banana"));
    EXPECT_TRUE(list->Find("BaNaNa"));
    EXPECT_FALSE(list->Find("cherries"));
    EXPECT_FALSE(list->Find("cherr"));
    EXPECT_FALSE(list->Find("grape"));
}

TEST(KeywordList, FindsTheFirstAndTheLastEntry) {
    CListFromText list(kFruit);
    EXPECT_TRUE(list->Find("apple"));
    EXPECT_TRUE(list->Find("zucchini"));
    EXPECT_TRUE(list->FindPrefix("a"));
    EXPECT_TRUE(list->FindPrefix("zucchini"));
    // Words sorting before the first and after the last entry.
    EXPECT_FALSE(list->Find("aardvark"));
    EXPECT_FALSE(list->Find("zzz"));
    EXPECT_FALSE(list->FindPrefix("zzz"));
    EXPECT_FALSE(list->FindPrefix("0"));
}

TEST(KeywordList, PrefixLookUpCountsEqualAndLongerEntries) {
    CListFromText list(kFruit);
    EXPECT_TRUE(list->FindPrefix("ap"));
    EXPECT_TRUE(list->FindPrefix("APPLE"));
    EXPECT_TRUE(list->FindPrefix("apples"));
    EXPECT_TRUE(list->FindPrefix("pe"));
    EXPECT_TRUE(list->FindPrefix("qui"));
    EXPECT_FALSE(list->FindPrefix("pb"));
    EXPECT_FALSE(list->FindPrefix("peach"));
    // Longer than every entry that shares its beginning.
    EXPECT_FALSE(list->FindPrefix("applesauce"));
    EXPECT_FALSE(list->FindPrefix("zucchinis"));
    EXPECT_FALSE(list->FindPrefix("pears"));
}

TEST(KeywordList, ShorterEntryIsFoundBeforeTheLongerOneItBegins) {
    CListFromText list("in\r\ninit\r\ninitial\r\ninitialize\r\ninitializer\r\n");
    EXPECT_TRUE(list->Find("in"));
    EXPECT_TRUE(list->Find("init"));
    EXPECT_TRUE(list->Find("Initial"));
    EXPECT_TRUE(list->Find("initialize"));
    EXPECT_TRUE(list->Find("initializer"));
    EXPECT_FALSE(list->Find("i"));
    EXPECT_FALSE(list->Find("ini"));
    EXPECT_FALSE(list->Find("initia"));
    EXPECT_FALSE(list->Find("initializers"));
    EXPECT_TRUE(list->FindPrefix("i"));
    EXPECT_TRUE(list->FindPrefix("initializ"));
    EXPECT_FALSE(list->FindPrefix("initializers"));
}

TEST(KeywordList, EntriesDifferingOnlyInCaseAreBothFound) {
    CListFromText list("Abandon\r\nabandon\r\nabandoned\r\nMIX\r\nMix\r\nmix\r\nzeta\r\n");
    for (const char* word : {"abandon", "Abandon", "ABANDON", "mix", "Mix", "MIX", "mIx"})
        EXPECT_TRUE(list->Find(word)) << word;
    EXPECT_TRUE(list->FindPrefix("ABANDONE"));
    EXPECT_FALSE(list->Find("mixes"));
    EXPECT_FALSE(list->Find("abandonment"));
}

TEST(KeywordList, FoldsOnlyAToZ) {
    // Bytes outside A to Z compare by value: "_" (0x5F) sorts before "a" (0x61),
    // but after "A" folded to "a" would not; UTF-8 letters are never folded.
    CListFromText list("a_b\r\nab\r\nabc\r\ncaf\xc3\xa9\r\ndon't\r\nx-ray\r\n");
    EXPECT_TRUE(list->Find("A_B"));
    EXPECT_TRUE(list->Find("AB"));
    EXPECT_TRUE(list->Find("CAF\xc3\xa9"));
    EXPECT_FALSE(list->Find("CAF\xc3\x89")); // upper-case E acute is another word
    EXPECT_TRUE(list->Find("Don't"));
    EXPECT_TRUE(list->Find("X-RAY"));
    EXPECT_FALSE(list->Find("dont"));
    EXPECT_TRUE(list->FindPrefix("caf\xc3"));
}

TEST(KeywordList, EmptyListFindsNothing) {
    CKeywordList list;
    EXPECT_EQ(list.GetSize(), 0u);
    EXPECT_FALSE(list.Find("a"));
    EXPECT_FALSE(list.Find(""));
    EXPECT_FALSE(list.FindPrefix(""));
    EXPECT_FALSE(list.FindPrefix("abc"));

    CListFromText emptyFile("");
    EXPECT_TRUE(emptyFile.Loaded());
    EXPECT_EQ(emptyFile->GetSize(), 0u);
    EXPECT_FALSE(emptyFile->Find("a"));
    EXPECT_FALSE(emptyFile->FindPrefix(""));
}

TEST(KeywordList, SingleEntryList) {
    CListFromText list("word\r\n");
    EXPECT_TRUE(list->Find("WORD"));
    EXPECT_FALSE(list->Find("wor"));
    EXPECT_FALSE(list->Find("words"));
    EXPECT_FALSE(list->Find("a"));
    EXPECT_FALSE(list->Find("z"));
    EXPECT_TRUE(list->FindPrefix("w"));
    EXPECT_FALSE(list->FindPrefix("x"));
}

// User keyword files written on Linux end their lines with a bare LF, and the last
// line may have no line end at all: a word must still match whole entries only.
TEST(KeywordList, BareLineFeedsAndAMissingLastLineEnd) {
    CListFromText lf("abc\nabcdef\nmiddle\nxyz\n");
    EXPECT_TRUE(lf->Find("abc"));
    EXPECT_TRUE(lf->Find("ABCDEF"));
    EXPECT_TRUE(lf->Find("middle"));
    EXPECT_TRUE(lf->Find("xyz"));
    EXPECT_FALSE(lf->Find("ab"));
    EXPECT_FALSE(lf->Find("abcde"));
    EXPECT_FALSE(lf->Find("xy"));
    EXPECT_TRUE(lf->FindPrefix("abcd"));
    EXPECT_FALSE(lf->FindPrefix("xyzz"));

    CListFromText open("alpha\r\nbeta\r\ngamma");
    EXPECT_TRUE(open->Find("gamma"));
    EXPECT_TRUE(open->Find("alpha"));
    EXPECT_FALSE(open->Find("gam"));
    EXPECT_FALSE(open->Find("gammas"));
    EXPECT_TRUE(open->FindPrefix("gam"));
    EXPECT_FALSE(open->FindPrefix("gammas"));
    EXPECT_FALSE(open->Find("zeta"));
}

TEST(KeywordList, WordWithLineBreaksNeverSpansTwoEntries) {
    CListFromText list("abc\r\nabd\r\nxyz\r\n");
    EXPECT_FALSE(list->Find("abc\r\nabd"));
    EXPECT_FALSE(list->FindPrefix("abc\r\nab"));
    EXPECT_FALSE(list->FindPrefix("abc\r"));
    EXPECT_FALSE(list->Find("xyz\r\n"));
    EXPECT_FALSE(list->Find("xyz\r\nq"));
}

TEST(KeywordList, LoadFromFileFailsOnMissingOrUnreadableFiles) {
    CTempDir dir;
    CKeywordList list;
    ASSERT_TRUE(list.LoadFromFile(dir.WriteFile("ok.txt", "one\r\ntwo\r\n")));
    EXPECT_TRUE(list.Find("two"));

    // A failed load leaves the list empty, even one that held words before.
    EXPECT_FALSE(list.LoadFromFile(dir / "missing.txt"));
    EXPECT_EQ(list.GetSize(), 0u);
    EXPECT_EQ(list.GetData(), nullptr);
    EXPECT_FALSE(list.Find("two"));

    ASSERT_TRUE(list.LoadFromFile(dir / "ok.txt"));
    EXPECT_FALSE(list.LoadFromFile(dir.MakeDir("folder")));
    EXPECT_EQ(list.GetSize(), 0u);
    EXPECT_FALSE(list.FindPrefix("o"));

    // A pipe is refused before it is opened, so the load cannot block on it.
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(list.LoadFromFile(dir / "pipe"));
}

TEST(KeywordList, LoadFromFileFailsWithoutReadPermission) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the super-user reads every file";
    CTempDir dir;
    std::string path = dir.WriteFile("secret.txt", "one\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    CKeywordList list;
    EXPECT_FALSE(list.LoadFromFile(path));
    EXPECT_EQ(list.GetSize(), 0u);
    EXPECT_FALSE(list.Find("one"));
}

TEST(KeywordList, LoadFromFileKeepsTheBytes) {
    CTempDir dir;
    const std::string text = "a\r\nb\xff\r\nc\r\n";
    CKeywordList list;
    ASSERT_TRUE(list.LoadFromFile(dir.WriteFile("l.txt", text)));
    ASSERT_EQ(list.GetSize(), text.size());
    EXPECT_EQ(std::string(list.GetData(), list.GetSize()), text);
    EXPECT_TRUE(list.Find("B\xff"));
}

// Each text lies in a heap block of exactly its size (see CListFromText), so under
// AddressSanitizer a byte read before or after it fails the test. The texts end in
// every way a user's file may: CR LF, bare LF, a lone CR, or no line end.
TEST(KeywordList, SearchStaysInsideTheList) {
    const std::vector<std::string> texts = {"alpha\r\nbeta\r\ngamma\r\nomega",
                                            "alpha\r\nbeta\r\ngamma\r\nomega\r\n",
                                            "z",
                                            "\n",
                                            "\r\n",
                                            "\r",
                                            "\n\n\n",
                                            "zz\r",
                                            "a\nb\nc\n",
                                            "\xff\xfe\xfd"};
    const std::vector<std::string> words = {
        "",         "a",  "alpha", "omega",  "omegas", "zzzzzzzz", "\xff\xff\xff\xff\xff",
        "\r\n\r\n", "\r", "z",     "zz\r\n", "c\nd"};
    for (const std::string& text : texts) {
        CListFromText list(text);
        ASSERT_TRUE(list.Loaded());
        for (const std::string& word : words) {
            // Any answer will do for these malformed lists; reading outside them will not.
            (void)list->Find(word);
            (void)list->FindPrefix(word);
        }
    }
    CListFromText last("alpha\r\nbeta\r\ngamma\r\nomega");
    EXPECT_TRUE(last->Find("omega"));
    EXPECT_FALSE(last->Find("omegas"));
    EXPECT_FALSE(last->FindPrefix("omegas"));
}

// The hash index answers whole-word look-ups for a cleanly sorted list; a list with an
// empty entry or one out of order keeps the binary search. Either way Find gives the
// answers a scan of the entries would.
TEST(KeywordList, IndexedAndUnindexedListsAnswerAsAScanWould) {
    struct SCase {
        std::string strText;
        bool bIndexed;
    };
    const std::vector<SCase> cases = {
        {"apple\r\nBanana\r\ncherry\r\n", true},
        {"a\nab\nabc\nb\n", true},
        {"solo", true},
        {"apple\r\n\r\ncherry\r\n", false}, // an empty entry
        {"pear\r\napple\r\n", false},       // out of order
        {"", false},
    };
    const std::vector<std::string> words = {
        "",    "apple", "APPLE", "banana", "Cherry", "cherr", "a",         "ab",
        "abc", "abcd",  "b",     "solo",   "sol",    "pear",  "apple\r\n", "cherry\r"};
    for (const SCase& c : cases) {
        CListFromText list(c.strText);
        ASSERT_TRUE(list.Loaded());
        EXPECT_EQ(list->IsIndexed(), c.bIndexed) << c.strText;
        if (!c.bIndexed)
            continue;
        for (const std::string& word : words) {
            bool bScan = false, bScanPrefix = false;
            std::string entry;
            auto same = [](char x, char y) { return std::tolower(x) == std::tolower(y); };
            for (char ch : c.strText + "\n") {
                if (ch == '\r' || ch == '\n') {
                    const bool bStarts = !entry.empty() && entry.size() >= word.size() &&
                                         std::equal(word.begin(), word.end(), entry.begin(), same);
                    bScanPrefix = bScanPrefix || bStarts;
                    bScan = bScan || (bStarts && entry.size() == word.size());
                    entry.clear();
                } else {
                    entry += ch;
                }
            }
            EXPECT_EQ(list->Find(word), bScan) << c.strText << " / " << word;
            EXPECT_EQ(list->FindPrefix(word), bScanPrefix) << c.strText << " / " << word;
        }
    }
}

// Every built-in list is sorted as the index needs, so none falls back to the search.
TEST(KeywordList, EveryBuiltinListIsIndexed) {
    for (int nId :
         {KEYWORDS_ENGLISH, KEYWORDS_LIBRARY, KEYWORDS_CRUNTIME, KEYWORDS_VB,
          KEYWORDS_ABBREVIATIONS, KEYWORDS_JAVA, KEYWORDS_PERL, KEYWORDS_PHP, KEYWORDS_PROFANITY})
        EXPECT_TRUE(GetKeywordList(nId).IsIndexed()) << nId;
}
