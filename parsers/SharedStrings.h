// A list of strings that copies share until one of them changes its own: findings of
// one word share their suggestions, and the words inside one call share its names, so
// that a word flagged a thousand times keeps one list in memory.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CSharedStrings {
public:
    using value_type = std::string;
    using const_iterator = std::vector<std::string>::const_iterator;
    using iterator = const_iterator;

    CSharedStrings() = default;                    // empty, and no list to share
    CSharedStrings(std::vector<std::string> list); // NOLINT(google-explicit-constructor)
    CSharedStrings(std::initializer_list<std::string> list);

    const std::vector<std::string>& Get() const { return m_pList ? *m_pList : Empty(); }
    operator const std::vector<std::string>&() const { return Get(); } // NOLINT
    size_t size() const { return Get().size(); }
    bool empty() const { return Get().empty(); }
    const std::string& operator[](size_t nIndex) const { return Get()[nIndex]; }
    const std::string& front() const { return Get().front(); }
    const_iterator begin() const { return Get().begin(); }
    const_iterator end() const { return Get().end(); }
    auto rbegin() const { return Get().rbegin(); }
    auto rend() const { return Get().rend(); }

    // The changes give this copy a list of its own.
    void Insert(size_t nIndex, std::string strText);
    void Erase(size_t nIndex);
    void push_back(std::string strText) { Insert(size(), std::move(strText)); }
    // True when both hold one list, not merely equal ones.
    bool SharesWith(const CSharedStrings& other) const { return m_pList == other.m_pList; }

    friend bool operator==(const CSharedStrings& a, const CSharedStrings& b) {
        return a.SharesWith(b) || a.Get() == b.Get();
    }
    friend bool operator==(const CSharedStrings& a, const std::vector<std::string>& b) {
        return a.Get() == b;
    }

private:
    static const std::vector<std::string>& Empty();

    std::shared_ptr<const std::vector<std::string>> m_pList;
};
