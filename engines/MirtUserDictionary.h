// The project dictionary: per word, a rule for each of the three contexts (strings,
// comments, code). A rule is "<ignore>" or a replacement text; an empty text means no
// rule. The stored value holds the three texts, each followed by a line feed.
#pragma once

#include <cstdint>
#include <map>
#include <string>

constexpr const char* IGNORE_RULE = "<ignore>";

class CMirtUserDictionary {
public:
    // Context 1 strings, 2 comments, 4 code; any other value reads the strings text.
    bool LookupReplacement(const std::string& strWord, int32_t nContext,
                           std::string& strText) const;
    bool LookupEntry(const std::string& strWord, std::string& strStrings, std::string& strComments,
                     std::string& strCode) const;
    void SetReplacement(const std::string& strWord, int32_t nContext, const std::string& strText);
    void RemoveReplacement(const std::string& strWord, int32_t nContext);

    // Raw access for the project file: the value as stored.
    void SetAt(const std::string& strWord, const std::string& strValue) {
        m_entries[strWord] = strValue;
    }
    const std::map<std::string, std::string>& GetEntries() const { return m_entries; }
    size_t GetCount() const { return m_entries.size(); }
    void RemoveAll() { m_entries.clear(); }

    // Splits a stored value into its three texts.
    static void SplitValue(const std::string& strValue, std::string& strStrings,
                           std::string& strComments, std::string& strCode);

private:
    std::map<std::string, std::string> m_entries;
};
