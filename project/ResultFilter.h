// The results list's display filter: which files and findings it shows. Applying it
// marks the records visible or not; the HTML report then lists only what is visible.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CSpellError;
class CSpellFile;

// The filter box entries, each naming the filter that shows it.
enum EFilterPreset : int32_t {
    PRESET_ALL = 0,
    PRESET_PENDING = 1,
    PRESET_ERRORS = 2,
    PRESET_PROFANITY = 3,
    PRESET_LANGUAGE = 4,
    PRESET_COMMENT = 5,
    PRESET_CODE = 6,
    PRESET_SELECTED = 7,
    PRESET_ADVANCED = 8
};

class CResultFilter {
public:
    // Shows every file and every finding that counts.
    void Reset();
    // Each mask is a set of category bits (1, 2, 4); other bits are dropped.
    void SetMasks(int32_t nSpellingMask, int32_t nProfanityMask);
    void SetPendingOnly();
    void SetWords(const std::vector<std::string>& words);
    void CopyFrom(const CResultFilter& other);
    // The filter box entry that shows this filter.
    int32_t GetPreset() const;
    // The filter of a filter box entry; false for entries that need more than the
    // entry (the selected words, the advanced dialog).
    [[nodiscard]] static bool FromPreset(int32_t nPreset, CResultFilter& filter);

    // Marks the file and its findings that count visible or not. Reads the findings:
    // the caller holds the document lock.
    void Apply(CSpellFile& file) const;

    int32_t m_bEnabled = 0;
    int32_t m_nSpellingMask = 7;
    int32_t m_nProfanityMask = 7;
    std::vector<std::string> m_words;
    int32_t m_bPendingOnly = 0;

private:
    bool Shows(const CSpellError& error) const;
};
