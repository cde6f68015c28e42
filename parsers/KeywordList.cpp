// Keyword lists: in-place binary search over CR LF text.
#include "parsers/KeywordList.h"

#include <algorithm>

#include <array>
#include <cstdint>
#include <cstdio>

#include <sys/stat.h>

#include "parsers/KeywordResources.h"

namespace {
unsigned char Fold(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

bool IsEntryEnd(const char* p, const char* pEnd) {
    return p == pEnd || *p == '\r' || *p == '\n';
}

// Compares the first L bytes of the entry at p with the word. The entry ends at its
// CR, at the LF of a file written with bare LF, or at the end of the text; an entry
// that ends first sorts before the word, as in the list's order. Stopping there also
// keeps a word holding CR LF from matching across two entries.
int CompareEntry(const char* p, const char* pEnd, const std::string& word) {
    for (size_t k = 0; k < word.size(); ++k, ++p) {
        if (IsEntryEnd(p, pEnd))
            return -1;
        unsigned char a = Fold(static_cast<unsigned char>(*p));
        unsigned char b = Fold(static_cast<unsigned char>(word[k]));
        if (a != b)
            return a < b ? -1 : 1;
    }
    return 0;
}

uint64_t HashFolded(const char* p, size_t n) {
    uint64_t h = 14695981039346656037ull; // FNV-1a
    for (size_t k = 0; k < n; ++k)
        h = (h ^ Fold(static_cast<unsigned char>(p[k]))) * 1099511628211ull;
    return h;
}

// The entries' starts and lengths, or nothing when the list is not one that the binary
// search reads exactly: an empty entry, or one out of order, stops it early.
struct SEntry {
    uint32_t nOffset;
    uint32_t nLength;
};

int CompareFolded(const char* a, size_t na, const char* b, size_t nb) {
    for (size_t k = 0; k < na && k < nb; ++k) {
        unsigned char x = Fold(static_cast<unsigned char>(a[k]));
        unsigned char y = Fold(static_cast<unsigned char>(b[k]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return na < nb ? -1 : (na > nb ? 1 : 0);
}

std::vector<SEntry> SortedEntries(const char* pData, uint32_t nSize) {
    std::vector<SEntry> entries;
    uint32_t nLine = 0;
    while (nLine < nSize) {
        uint32_t nEnd = nLine;
        while (!IsEntryEnd(pData + nEnd, pData + nSize))
            ++nEnd;
        const SEntry entry{nLine, nEnd - nLine};
        if (entry.nLength == 0)
            return {};
        if (!entries.empty()) {
            const SEntry& last = entries.back();
            if (CompareFolded(pData + last.nOffset, last.nLength, pData + nLine, entry.nLength) > 0)
                return {};
        }
        entries.push_back(entry);
        while (nEnd < nSize && pData[nEnd] != '\n')
            ++nEnd;
        nLine = nEnd + 1;
    }
    return entries;
}

constexpr std::array<int, 9> kBuiltinIds = {
    KEYWORDS_ENGLISH, KEYWORDS_LIBRARY,       KEYWORDS_CRUNTIME,
    KEYWORDS_VB,      KEYWORDS_ABBREVIATIONS, KEYWORDS_JAVA,
    KEYWORDS_PERL,    KEYWORDS_PHP,           KEYWORDS_PROFANITY};
} // namespace

void CKeywordList::LoadFromResource(int nId) {
    const char* pData = nullptr;
    uint32_t nSize = 0;
    m_pOwned.reset();
    if (FindKeywordResource(nId, &pData, &nSize) && nSize > 0) {
        m_pData = pData;
        m_nSize = nSize;
    } else {
        m_pData = nullptr;
        m_nSize = 0;
    }
    BuildIndex();
}

void CKeywordList::LoadFromText(std::string_view text) {
    m_nSize = static_cast<uint32_t>(std::min<size_t>(text.size(), UINT32_MAX));
    m_pOwned = std::make_unique_for_overwrite<char[]>(m_nSize == 0 ? 1 : m_nSize);
    std::copy_n(text.data(), m_nSize, m_pOwned.get());
    m_pData = m_pOwned.get();
    BuildIndex();
}

bool CKeywordList::LoadFromFile(const std::string& strPath) {
    m_index.clear(); // they point into the text about to go
    m_entries.clear();
    m_pOwned.reset();
    m_pData = nullptr;
    m_nSize = 0;
    // A pipe would block the open: only a regular file is opened at all.
    struct stat pathStatus {};
    if (stat(strPath.c_str(), &pathStatus) != 0 || !S_ISREG(pathStatus.st_mode))
        return false;
    FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (pFile == nullptr)
        return false;
    // A folder opens too on Linux, and its "length" is no byte count: only a regular
    // file whose size fits the list's 32-bit size is read.
    struct stat st {};
    bool bOk = fstat(fileno(pFile), &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0 &&
               static_cast<uint64_t>(st.st_size) <= UINT32_MAX;
    if (bOk && st.st_size > 0) {
        auto nSize = static_cast<size_t>(st.st_size);
        auto pBlock = std::make_unique_for_overwrite<char[]>(nSize);
        bOk = std::fread(pBlock.get(), 1, nSize, pFile) == nSize;
        if (bOk) {
            m_pOwned = std::move(pBlock);
            m_pData = m_pOwned.get();
            m_nSize = static_cast<uint32_t>(nSize);
        }
    }
    std::fclose(pFile);
    BuildIndex();
    return bOk;
}

bool CKeywordList::Find(const std::string& strWord) const {
    return IsIndexed() ? FindInIndex(strWord) : Search(strWord, false);
}

bool CKeywordList::FindPrefix(const std::string& strWord) const {
    return IsIndexed() ? FindPrefixInEntries(strWord) : Search(strWord, true);
}

// The entries that begin with the word follow one another in the sorted list, from
// the first entry that does not sort before the word.
bool CKeywordList::FindPrefixInEntries(const std::string& strWord) const {
    const char* pEnd = m_pData + m_nSize;
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), strWord,
                               [this, pEnd](uint32_t nOffset, const std::string& word) {
                                   return CompareEntry(m_pData + nOffset, pEnd, word) < 0;
                               });
    return it != m_entries.end() && CompareEntry(m_pData + *it, pEnd, strWord) == 0;
}

bool CKeywordList::Search(const std::string& strWord, bool bPrefix) const {
    const char* pEnd = m_pData + m_nSize;
    const char* pBase = m_pData;
    size_t nRegion = m_pData ? m_nSize : 0;
    while (nRegion > 0) {
        size_t m = nRegion / 2;
        size_t j = m;
        while (j > 0 && pBase[j - 1] != '\n')
            --j;
        size_t e = m;
        while (e < nRegion && pBase[e] != '\n')
            ++e;
        if (j == e)
            return false;
        int c = CompareEntry(pBase + j, pEnd, strWord);
        if (c < 0) {
            // The new region starts with the LF that ends the probed entry.
            pBase += e;
            nRegion -= e;
        } else if (c == 0 && (bPrefix || IsEntryEnd(pBase + j + strWord.size(), pBase + e))) {
            // The entry is exactly the word when it ends right after it.
            return true;
        } else {
            // The entry sorts after the word, or only begins with it: look before it.
            nRegion = j;
        }
    }
    return false;
}

// Half the slots stay free at most, so a miss ends after a probe or two. In a list
// shorter than 16 MB a slot's top byte holds eight bits of the entry's hash, so that
// most probes of other entries end without reading the list's text.
void CKeywordList::BuildIndex() {
    m_index.clear();
    m_entries.clear();
    std::vector<SEntry> entries = SortedEntries(m_pData, m_pData ? m_nSize : 0);
    if (entries.empty())
        return;
    size_t nSlots = 2;
    while (nSlots < 2 * entries.size())
        nSlots *= 2;
    m_index.assign(nSlots, 0);
    m_entries.reserve(entries.size());
    for (const SEntry& entry : entries) {
        const uint64_t nHash = HashFolded(m_pData + entry.nOffset, entry.nLength);
        size_t i = nHash & (nSlots - 1);
        while (m_index[i] != 0)
            i = (i + 1) & (nSlots - 1);
        m_index[i] = (entry.nOffset + 1) | (IsTagged() ? Tag(nHash) : 0);
        m_entries.push_back(entry.nOffset);
    }
}

uint32_t CKeywordList::Tag(uint64_t nHash) {
    return static_cast<uint32_t>(nHash >> 56) << 24;
}

bool CKeywordList::FindInIndex(const std::string& strWord) const {
    const char* pEnd = m_pData + m_nSize;
    const size_t nMask = m_index.size() - 1;
    const uint64_t nHash = HashFolded(strWord.data(), strWord.size());
    const uint32_t nTag = IsTagged() ? Tag(nHash) : 0;
    const uint32_t nTagMask = IsTagged() ? 0xFF000000u : 0;
    for (size_t i = nHash & nMask; m_index[i] != 0; i = (i + 1) & nMask) {
        if ((m_index[i] & nTagMask) != nTag)
            continue;
        const char* pEntry = m_pData + ((m_index[i] & ~nTagMask) - 1);
        if (static_cast<size_t>(pEnd - pEntry) >= strWord.size() &&
            CompareEntry(pEntry, pEnd, strWord) == 0 && IsEntryEnd(pEntry + strWord.size(), pEnd))
            return true;
    }
    return false;
}

const CKeywordList& GetKeywordList(int nId) {
    struct SBuiltinLists {
        SBuiltinLists() {
            for (size_t i = 0; i < kBuiltinIds.size(); ++i)
                lists[i].LoadFromResource(kBuiltinIds[i]);
        }
        std::array<CKeywordList, kBuiltinIds.size()> lists;
        CKeywordList empty;
    };
    static const SBuiltinLists builtins;
    for (size_t i = 0; i < kBuiltinIds.size(); ++i)
        if (kBuiltinIds[i] == nId)
            return builtins.lists[i];
    return builtins.empty;
}
