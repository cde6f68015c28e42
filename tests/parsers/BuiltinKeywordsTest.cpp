// The built-in lists: the committed files are in the searchable form, the program
// holds them byte for byte, every entry is found, and the search agrees with a plain
// scan of the same list.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "parsers/KeywordList.h"
#include "parsers/KeywordResources.h"
#include "tests/support/TempDir.h"

namespace {
const std::vector<int> kBuiltinIds = {139};

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
    for (int nId : kBuiltinIds) {
        SCOPED_TRACE(nId);
        std::string text = ReadWholeFile(ListPath(nId));
        ASSERT_FALSE(text.empty());
        ASSERT_TRUE(text.ends_with("\r\n"));
        size_t nEntries = 0;
        std::string prevLower, prev;
        for (size_t nStart = 0; nStart < text.size(); ++nEntries) {
            size_t nCr = text.find('\r', nStart);
            ASSERT_NE(nCr, std::string::npos);
            ASSERT_EQ(text[nCr + 1], '\n') << "CR without LF after entry " << nEntries;
            std::string entry = text.substr(nStart, nCr - nStart);
            ASSERT_FALSE(entry.empty()) << "empty entry after " << prev;
            ASSERT_EQ(entry.find('\n'), std::string::npos) << "bare LF in " << entry;
            std::string lower = Lower(entry);
            // Folded forms ascend; equal folded forms are case variants, never twins.
            ASSERT_LE(prevLower, lower) << prev << " before " << entry;
            if (prevLower == lower) {
                ASSERT_NE(prev, entry) << "duplicate " << entry;
            }
            prevLower = lower;
            prev = entry;
            nStart = nCr + 2;
        }
        EXPECT_GT(nEntries, 0u);
    }
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
} // namespace

TEST(BuiltinKeywords, SearchAgreesWithALinearScan) {
    std::mt19937 rng(20240601);
    for (int nId : kBuiltinIds) {
        SCOPED_TRACE(nId);
        const CKeywordList& list = GetKeywordList(nId);
        std::vector<std::string> entries = SplitEntries(EmbeddedText(nId));
        std::vector<std::string> lowered;
        for (const std::string& entry : entries)
            lowered.push_back(Lower(entry));
        size_t nHits = 0, nPrefixHits = 0;
        for (int nRound = 0; nRound < 400; ++nRound) {
            std::string word = RandomWord(entries, rng);
            std::string lower = Lower(word);
            bool bExact = false, bPrefix = false;
            for (const std::string& entry : lowered) {
                bExact = bExact || entry == lower;
                bPrefix = bPrefix || entry.starts_with(lower);
            }
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
