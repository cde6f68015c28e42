// A finding's suggestions. Findings of one word share one list until one of them
// changes its own, so that a word flagged a thousand times keeps one list in memory.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class CSuggestions {
public:
    using value_type = std::string;
    using const_iterator = std::vector<std::string>::const_iterator;
    using iterator = const_iterator;

    CSuggestions();
    CSuggestions(std::vector<std::string> list); // NOLINT(google-explicit-constructor)
    CSuggestions(std::initializer_list<std::string> list);

    const std::vector<std::string>& Get() const { return *m_pList; }
    operator const std::vector<std::string>&() const { return *m_pList; } // NOLINT
    size_t size() const { return m_pList->size(); }
    bool empty() const { return m_pList->empty(); }
    const std::string& operator[](size_t nIndex) const { return (*m_pList)[nIndex]; }
    const std::string& front() const { return m_pList->front(); }
    const_iterator begin() const { return m_pList->begin(); }
    const_iterator end() const { return m_pList->end(); }
    auto rbegin() const { return m_pList->rbegin(); }
    auto rend() const { return m_pList->rend(); }

    // The changes give this finding a list of its own.
    void Insert(size_t nIndex, std::string strText);
    void Erase(size_t nIndex);
    // True when both hold one list, not merely equal ones.
    bool SharesWith(const CSuggestions& other) const { return m_pList == other.m_pList; }

    friend bool operator==(const CSuggestions& a, const CSuggestions& b) {
        return a.SharesWith(b) || a.Get() == b.Get();
    }
    friend bool operator==(const CSuggestions& a, const std::vector<std::string>& b) {
        return a.Get() == b;
    }

private:
    std::shared_ptr<const std::vector<std::string>> m_pList;
};
