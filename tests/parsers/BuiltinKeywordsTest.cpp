// The built-in lists: the committed files are in the searchable form, the program
// holds them byte for byte, every entry is found, and the search agrees with a plain
// scan of the same list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "parsers/KeywordList.h"
#include "parsers/KeywordResources.h"
#include "tests/support/KeywordEntries.h"
#include "tests/support/TempDir.h"

namespace {
const std::vector<int> kBuiltinIds = {139, 140, 141, 142, 144, 145, 146, 147, 148};

std::string ListPath(int nId) {
    return std::string(MIRT_SOURCE_DIR) + "/resources/keywords/" + std::to_string(nId) + ".txt";
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Entries of a CR LF text; the format test makes sure that no other shape slips by.
std::vector<std::string> SplitEntries(std::string_view text) {
    std::vector<std::string> entries;
    size_t nStart = 0;
    while (nStart < text.size()) {
        size_t nEnd = text.find("\r\n", nStart);
        if (nEnd == std::string_view::npos)
            nEnd = text.size();
        entries.emplace_back(text.substr(nStart, nEnd - nStart));
        nStart = nEnd + 2;
    }
    return entries;
}

std::string_view EmbeddedText(int nId) {
    const CKeywordList& list = GetKeywordList(nId);
    return {list.GetData(), list.GetSize()};
}
} // namespace

TEST(BuiltinKeywords, CommittedListsAreSortedCrLfListsWithoutDuplicates) {
    for (int nId : kBuiltinIds)
        EXPECT_TRUE(IsSortedCrLfList(ReadWholeFile(ListPath(nId)))) << nId;
}

TEST(BuiltinKeywords, ProgramHoldsEachListByteForByte) {
    for (int nId : kBuiltinIds) {
        SCOPED_TRACE(nId);
        const char* pData = nullptr;
        uint32_t nSize = 0;
        ASSERT_TRUE(FindKeywordResource(nId, &pData, &nSize));
        EXPECT_EQ(std::string_view(pData, nSize), ReadWholeFile(ListPath(nId)));
        // The list searches the embedded bytes themselves; nothing is copied.
        EXPECT_EQ(GetKeywordList(nId).GetData(), pData);
        EXPECT_EQ(GetKeywordList(nId).GetSize(), nSize);
        EXPECT_EQ(&GetKeywordList(nId), &GetKeywordList(nId));
    }
}

TEST(BuiltinKeywords, UnknownIdIsAnEmptyList) {
    const char* pData = nullptr;
    uint32_t nSize = 0;
    for (int nId : {0, 143, 149, -1}) {
        EXPECT_FALSE(FindKeywordResource(nId, &pData, &nSize)) << nId;
        EXPECT_EQ(GetKeywordList(nId).GetSize(), 0u);
        EXPECT_FALSE(GetKeywordList(nId).Find("the"));
    }
}

TEST(BuiltinKeywords, EnglishListIgnoresCaseAndTellsWordsFromPrefixes) {
    const CKeywordList& english = GetKeywordList(KEYWORDS_ENGLISH);
    EXPECT_TRUE(english.Find("ABANDON"));
    EXPECT_TRUE(english.Find("abandon"));
    EXPECT_FALSE(english.Find("aband"));
    EXPECT_TRUE(english.FindPrefix("aband"));
    EXPECT_TRUE(english.FindPrefix("Calc"));
    EXPECT_TRUE(english.FindPrefix("Init"));
    EXPECT_FALSE(english.FindPrefix("Cacl"));
    EXPECT_FALSE(english.FindPrefix("abandonz"));
    EXPECT_TRUE(english.Find("file"));
    EXPECT_TRUE(english.Find("name"));
    EXPECT_TRUE(english.Find("don't"));
    EXPECT_FALSE(english.Find("recieve"));
    EXPECT_FALSE(english.Find("teh"));
    // Possessive forms are left out; the plain word is in.
    EXPECT_TRUE(english.Find("America"));
    EXPECT_FALSE(english.Find("America's"));
}

TEST(BuiltinKeywords, ListsHoldTheirVocabularies) {
    struct SSample {
        int nId;
        std::vector<const char*> words;
    };
    const std::vector<SSample> samples = {
        {KEYWORDS_LIBRARY,
         {"vsnprintf", "SetupGetTargetPathW", "CreateFileW", "pthread_create", "emplace_back",
          "QString"}},
        {KEYWORDS_CRUNTIME, {"memccpy", "timercmp", "strnlen", "mkfifo"}},
        {KEYWORDS_VB, {"CBool", "Sub", "Private", "RegCreateKey", "ReDim", "vbCrLf"}},
        {KEYWORDS_ABBREVIATIONS, {"bufhdr", "dbname", "penv", "hdrstop"}},
        {KEYWORDS_PERL, {"chomp", "bless", "getservbyport", "ucfirst", "tr", "qq"}},
        {KEYWORDS_PHP, {"addcslashes", "gzencode", "realpath", "strspn"}},
    };
    for (const SSample& sample : samples)
        for (const char* word : sample.words)
            EXPECT_TRUE(GetKeywordList(sample.nId).Find(word)) << sample.nId << " " << word;
}

// What comments of real code hold and no English dictionary has: technical terms,
// documentation commands, the parts of addresses, and library names.
TEST(BuiltinKeywords, ListsHoldTheVocabularyOfCode) {
    const CKeywordList& english = GetKeywordList(KEYWORDS_ENGLISH);
    for (const char* word :
         {"typedefs", "namespaces", "mutexes", "changeset", "gzip", "whitespace", "GitHub"})
        EXPECT_TRUE(english.Find(word)) << word;
    for (const char* word : {"tparam", "ingroup", "addtogroup", "defgroup", "retval", "endcond",
                             "endlink", "inheritDoc", "linkplain", "docRoot"})
        EXPECT_TRUE(english.Find(word)) << word;
    for (const char* word : {"http", "https", "www", "mailto", "ftp"})
        EXPECT_TRUE(english.Find(word)) << word;
    for (const char* word : {"mvwaddch", "gzdopen", "Bytef", "initscr", "destructor", "allocators"})
        EXPECT_TRUE(GetKeywordList(KEYWORDS_LIBRARY).Find(word)) << word;
    for (const char* word : {"bytef", "gzdopen", "mvwaddch"})
        EXPECT_TRUE(GetKeywordList(KEYWORDS_CRUNTIME).Find(word)) << word;
}

// The vocabularies harvested from code carry typos of that code; none may reach a
// list that accepts words, whichever list it would have gone to.
TEST(BuiltinKeywords, TyposOfHarvestedCodeAreInNoList) {
    for (const char* word : {"documnents", "probeing", "lexigraphically", "unabvailable",
                             "trucation", "onstructor", "pqiative", "referencible", "Accordian",
                             "Authetication", "endianess", "fonctionnalities"})
        for (int nId :
             {KEYWORDS_ENGLISH, KEYWORDS_LIBRARY, KEYWORDS_CRUNTIME, KEYWORDS_ABBREVIATIONS})
            EXPECT_FALSE(GetKeywordList(nId).Find(word)) << nId << " " << word;
}

TEST(BuiltinKeywords, JavaListIsExactlyItsSeventeenWords) {
    const std::vector<std::string> expected = {
        "arraycopy",   "boolean",   "customizer", "deflater",    "inet",        "inflater",
        "initializer", "iterator",  "javax",      "multicaster", "println",     "serializable",
        "servlet",     "tokenizer", "unicast",    "unmarshal",   "unreferenced"};
    EXPECT_EQ(SplitEntries(EmbeddedText(KEYWORDS_JAVA)), expected);
}

TEST(BuiltinKeywords, ListSizesAreInTheirRanges) {
    auto count = [](int nId) { return SplitEntries(EmbeddedText(nId)).size(); };
    EXPECT_GE(count(KEYWORDS_ENGLISH), 85000u);
    EXPECT_LE(count(KEYWORDS_ENGLISH), 95000u);
    EXPECT_GE(count(KEYWORDS_LIBRARY), 20000u);
    EXPECT_GE(count(KEYWORDS_ABBREVIATIONS), 2000u);
    EXPECT_LE(count(KEYWORDS_ABBREVIATIONS), 5000u);
    EXPECT_GE(count(KEYWORDS_PROFANITY), 300u);
    EXPECT_LE(count(KEYWORDS_PROFANITY), 450u);
}

// Mined lists must not silence misspellings found in real headers, and code parts
// shorter than four letters are never checked, so listing them would be dead weight.
TEST(BuiltinKeywords, MinedListsHoldNoKnownMisspellingOrShortPart) {
    const std::vector<const char*> misspellings = {"transfered", "ojbect",   "capabilites",
                                                   "overriden",  "prefered", "syncronous",
                                                   "recieve",    "seperate"};
    for (int nId : {KEYWORDS_LIBRARY, KEYWORDS_CRUNTIME, KEYWORDS_ABBREVIATIONS}) {
        for (const char* word : misspellings)
            EXPECT_FALSE(GetKeywordList(nId).Find(word)) << nId << " " << word;
        for (const std::string& entry : SplitEntries(EmbeddedText(nId)))
            ASSERT_GE(entry.size(), 4u) << nId << " " << entry;
    }
}

TEST(BuiltinKeywords, ProfanityListIsLowerCaseLettersAndHyphens) {
    for (const std::string& entry : SplitEntries(EmbeddedText(KEYWORDS_PROFANITY))) {
        bool bPlain = std::all_of(entry.begin(), entry.end(),
                                  [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
        EXPECT_TRUE(bPlain) << entry;
    }
}

// Words that are decent in some common use, and names, are not flagged.
TEST(BuiltinKeywords, ProfanityListKeepsOnlyWordsIndecentInEveryUse) {
    const CKeywordList& profanity = GetKeywordList(KEYWORDS_PROFANITY);
    for (const char* word : {"snatch", "Dick", "Wang", "Hoare", "Cox", "knob", "pawn", "flange",
                             "screwing", "sex", "hell", "god", "penis"})
        EXPECT_FALSE(profanity.Find(word)) << word;
    for (const char* word : {"fuck", "shit", "cunt", "motherfucker", "asshole"})
        EXPECT_TRUE(profanity.Find(word)) << word;
}

TEST(BuiltinKeywords, TheCommentMarkerXxxIsNoIndecentWord) {
    EXPECT_FALSE(GetKeywordList(KEYWORDS_PROFANITY).Find("XXX"));
}

TEST(BuiltinKeywords, EveryEntryIsFoundExactlyAndAsPrefix) {
    for (int nId : kBuiltinIds) {
        SCOPED_TRACE(nId);
        const CKeywordList& list = GetKeywordList(nId);
        std::vector<std::string> entries = SplitEntries(EmbeddedText(nId));
        ASSERT_FALSE(entries.empty());
        size_t nMissed = 0;
        for (const std::string& entry : entries) {
            bool bFound = list.Find(entry) && list.FindPrefix(entry) && list.Find(Lower(entry)) &&
                          list.FindPrefix(entry.substr(0, (entry.size() + 1) / 2));
            if (!bFound && ++nMissed <= 5)
                ADD_FAILURE() << "not found: " << entry;
        }
        EXPECT_EQ(nMissed, 0u);
    }
}

namespace {
// A word near the list's own entries, so that hits and near misses are both common.
std::string RandomWord(const std::vector<std::string>& entries, std::mt19937& rng) {
    static const std::string kAlphabet = "abcdefghijklmnopqrstuvwxyzAEIOUXZ'-_09\xc3\xa9";
    auto pick = [&rng](size_t n) { return static_cast<size_t>(rng() % n); };
    std::string word = entries[pick(entries.size())];
    switch (pick(7)) {
    case 0: // a different letter case
        for (char& c : word)
            if (pick(2) && c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        break;
    case 1:
        word.resize(1 + pick(word.size()));
        break;
    case 2:
        word += kAlphabet[pick(kAlphabet.size())];
        break;
    case 3:
        word[pick(word.size())] = kAlphabet[pick(kAlphabet.size())];
        break;
    case 4:
        word.erase(pick(word.size()), 1);
        break;
    case 5:
        word.clear();
        for (size_t n = 1 + pick(8); n > 0; --n)
            word += kAlphabet[pick(kAlphabet.size())];
        break;
    default:
        break;
    }
    return word;
}

// Walks the whole folded text (which starts with an LF) for an entry that begins with
// the word, or that is the word when bExact. memmem keeps this fast in a debug build.
bool ScanFor(const std::string& text, const std::string& word, bool bExact) {
    const std::string needle = "\n" + word + (bExact ? "\r\n" : "");
    return memmem(text.data(), text.size(), needle.data(), needle.size()) != nullptr;
}
} // namespace

TEST(BuiltinKeywords, SearchAgreesWithALinearScan) {
    std::mt19937 rng(20240601);
    for (int nId : kBuiltinIds) {
        SCOPED_TRACE(nId);
        const CKeywordList& list = GetKeywordList(nId);
        std::vector<std::string> entries = SplitEntries(EmbeddedText(nId));
        // The folded text with an LF in front, so every entry starts after an LF.
        const std::string scanned = "\n" + Lower(EmbeddedText(nId));
        size_t nHits = 0, nPrefixHits = 0;
        for (int nRound = 0; nRound < 1000; ++nRound) {
            std::string word = RandomWord(entries, rng);
            std::string lower = Lower(word);
            bool bExact = ScanFor(scanned, lower, true);
            bool bPrefix = ScanFor(scanned, lower, false);
            ASSERT_EQ(list.Find(word), bExact) << word;
            ASSERT_EQ(list.FindPrefix(word), bPrefix) << word;
            nHits += bExact;
            nPrefixHits += bPrefix && !bExact;
        }
        // Both answers must have come up, or the comparison proved little.
        EXPECT_GT(nHits, 0u);
        EXPECT_GT(nPrefixHits, 0u);
    }
}
