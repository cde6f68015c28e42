// Project dictionary accessors.
#include "engines/MirtUserDictionary.h"

#include <array>

namespace {
size_t SlotOf(int32_t nContext) {
    return nContext == 2 ? 1 : nContext == 4 ? 2 : 0;
}

std::array<std::string, 3> Split(const std::string& strValue) {
    std::array<std::string, 3> texts;
    CMirtUserDictionary::SplitValue(strValue, texts[0], texts[1], texts[2]);
    return texts;
}

std::string Join(const std::array<std::string, 3>& texts) {
    return texts[0] + "\n" + texts[1] + "\n" + texts[2] + "\n";
}
} // namespace

// Each text ends at its line feed; a missing line feed leaves that text and the
// following ones empty.
void CMirtUserDictionary::SplitValue(const std::string& strValue, std::string& strStrings,
                                     std::string& strComments, std::string& strCode) {
    std::string* texts[3] = {&strStrings, &strComments, &strCode};
    for (std::string* pText : texts)
        pText->clear();
    size_t nStart = 0;
    for (std::string* pText : texts) {
        size_t nEnd = strValue.find('\n', nStart);
        if (nEnd == std::string::npos)
            return;
        *pText = strValue.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
    }
}

bool CMirtUserDictionary::LookupReplacement(const std::string& strWord, int32_t nContext,
                                            std::string& strText) const {
    auto it = m_entries.find(strWord);
    if (it == m_entries.end())
        return false;
    strText = Split(it->second)[SlotOf(nContext)];
    return !strText.empty();
}

bool CMirtUserDictionary::LookupEntry(const std::string& strWord, std::string& strStrings,
                                      std::string& strComments, std::string& strCode) const {
    auto it = m_entries.find(strWord);
    if (it == m_entries.end())
        return false;
    SplitValue(it->second, strStrings, strComments, strCode);
    return true;
}

void CMirtUserDictionary::SetReplacement(const std::string& strWord, int32_t nContext,
                                         const std::string& strText) {
    auto it = m_entries.find(strWord);
    std::array<std::string, 3> texts;
    if (it != m_entries.end())
        texts = Split(it->second);
    texts[SlotOf(nContext)] = strText;
    if (texts[0].empty() && texts[1].empty() && texts[2].empty()) {
        if (it != m_entries.end())
            m_entries.erase(it);
        return;
    }
    m_entries[strWord] = Join(texts);
}

void CMirtUserDictionary::RemoveReplacement(const std::string& strWord, int32_t nContext) {
    if (m_entries.count(strWord) != 0)
        SetReplacement(strWord, nContext, "");
}
