// Display filter: presets and the visibility of files and findings.
#include "project/ResultFilter.h"

#include <algorithm>

#include "project/CheckOptions.h"
#include "project/SpellFile.h"

void CResultFilter::Reset() {
    *this = CResultFilter();
}

void CResultFilter::SetMasks(int32_t nSpellingMask, int32_t nProfanityMask) {
    m_bEnabled = 1;
    m_nSpellingMask = nSpellingMask & CHECK_ALL_CATEGORIES;
    m_nProfanityMask = nProfanityMask & CHECK_ALL_CATEGORIES;
}

void CResultFilter::SetPendingOnly() {
    m_bEnabled = 1;
    m_bPendingOnly = 1;
}

void CResultFilter::SetWords(const std::vector<std::string>& words) {
    m_bEnabled = 1;
    m_words = words;
}

void CResultFilter::CopyFrom(const CResultFilter& other) {
    *this = other;
}

int32_t CResultFilter::GetPreset() const {
    if (!m_bEnabled)
        return PRESET_ALL;
    bool bAll = m_nSpellingMask == CHECK_ALL_CATEGORIES && m_nProfanityMask == CHECK_ALL_CATEGORIES;
    if (m_bPendingOnly)
        return m_words.empty() && bAll ? PRESET_PENDING : PRESET_ADVANCED;
    if (!m_words.empty())
        return bAll ? PRESET_SELECTED : PRESET_ADVANCED;
    if (bAll)
        return PRESET_ERRORS;
    if (m_nSpellingMask == 0 && m_nProfanityMask == CHECK_ALL_CATEGORIES)
        return PRESET_PROFANITY;
    for (int32_t nCategory : {1, 2, 4})
        if (m_nSpellingMask == nCategory && m_nProfanityMask == nCategory)
            return nCategory == 1 ? PRESET_LANGUAGE
                                  : (nCategory == 2 ? PRESET_COMMENT : PRESET_CODE);
    return PRESET_ADVANCED;
}

bool CResultFilter::FromPreset(int32_t nPreset, CResultFilter& filter) {
    filter.Reset();
    switch (nPreset) {
    case PRESET_ALL:
        return true;
    case PRESET_PENDING:
        filter.SetPendingOnly();
        return true;
    case PRESET_ERRORS:
        filter.SetMasks(7, 7);
        return true;
    case PRESET_PROFANITY:
        filter.SetMasks(0, 7);
        return true;
    case PRESET_LANGUAGE:
    case PRESET_COMMENT:
    case PRESET_CODE: {
        int32_t nCategory = 1 << (nPreset - PRESET_LANGUAGE);
        filter.SetMasks(nCategory, nCategory);
        return true;
    }
    default:
        return false;
    }
}

bool CResultFilter::Shows(const CSpellError& error) const {
    if (m_bPendingOnly && error.m_nChosen < 0)
        return false;
    int32_t nMask = error.m_nKind == KIND_PROFANITY ? m_nProfanityMask : m_nSpellingMask;
    if ((error.m_nCategory & nMask) == 0)
        return false;
    return m_words.empty() ||
           std::find(m_words.begin(), m_words.end(), error.m_strWord) != m_words.end();
}

void CResultFilter::Apply(CSpellFile& file) const {
    file.m_bVisible = 1;
    for (CSpellError* pError : file.m_errors)
        if (pError->IsCounting())
            pError->m_bVisible = 1;
    if (!m_bEnabled)
        return;
    if (file.m_nStatus != STATUS_CHECKED || !file.HasErrors()) {
        file.m_bVisible = 0;
        return;
    }
    bool bAny = false;
    for (CSpellError* pError : file.m_errors) {
        if (!pError->IsCounting())
            continue;
        pError->m_bVisible = Shows(*pError) ? 1 : 0;
        bAny = bAny || pError->m_bVisible;
    }
    if (!bAny)
        file.m_bVisible = 0;
}
