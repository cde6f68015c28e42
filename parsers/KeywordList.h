// A sorted word list with one entry per CR LF line, searched in place over its raw
// text, letter case of A to Z ignored. Whole words are found with one probe of a hash
// index of the entries' offsets; prefixes, and lists that are not cleanly sorted, by a
// binary search, whose answers the index gives too for a sorted list.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Ids of the built-in lists.
constexpr int KEYWORDS_ENGLISH = 139;
constexpr int KEYWORDS_LIBRARY = 140;
constexpr int KEYWORDS_CRUNTIME = 141;
constexpr int KEYWORDS_VB = 142;
constexpr int KEYWORDS_ABBREVIATIONS = 144;
constexpr int KEYWORDS_JAVA = 145;
constexpr int KEYWORDS_PERL = 146;
constexpr int KEYWORDS_PHP = 147;
constexpr int KEYWORDS_PROFANITY = 148;

class CKeywordList {
public:
    CKeywordList() = default;
    CKeywordList(const CKeywordList&) = delete;
    CKeywordList& operator=(const CKeywordList&) = delete;

    // Points at the embedded list; nothing is copied. A missing list stays empty.
    void LoadFromResource(int nId);
    // Reads the whole file; false (and an empty list) when it cannot be read.
    [[nodiscard]] bool LoadFromFile(const std::string& strPath);
    // Takes a copy of the text as the list.
    void LoadFromText(std::string_view text);

    bool Find(const std::string& strWord) const;
    bool FindPrefix(const std::string& strWord) const;

    const char* GetData() const { return m_pData; }
    uint32_t GetSize() const { return m_nSize; }
    // True when whole words are looked up in the hash index.
    bool IsIndexed() const { return !m_index.empty(); }

private:
    bool Search(const std::string& strWord, bool bPrefix) const;
    void BuildIndex();
    bool FindInIndex(const std::string& strWord) const;
    bool FindPrefixInEntries(const std::string& strWord) const;
    static uint32_t Tag(uint64_t nHash);
    // Offsets below 2^24 leave a slot's top byte for eight bits of the entry's hash.
    bool IsTagged() const { return m_nSize < (1u << 24); }

    const char* m_pData = nullptr;
    uint32_t m_nSize = 0;
    std::unique_ptr<char[]> m_pOwned; // only for a list read from a file
    // Open addressing, a power of two long: an entry's offset plus one (and its hash
    // tag when tagged), 0 for a free slot.
    std::vector<uint32_t> m_index;
    // The entries' offsets in their order, for prefix look-ups.
    std::vector<uint32_t> m_entries;
};

// The process-wide built-in list of that id (empty for an unknown id).
const CKeywordList& GetKeywordList(int nId);
