// Shared lists of strings.
#include "parsers/SharedStrings.h"

#include <utility>

const std::vector<std::string>& CSharedStrings::Empty() {
    static const std::vector<std::string> empty;
    return empty;
}

// An empty list needs no block to share.
CSharedStrings::CSharedStrings(std::vector<std::string> list)
    : m_pList(list.empty() ? nullptr
                           : std::make_shared<const std::vector<std::string>>(std::move(list))) {}

CSharedStrings::CSharedStrings(std::initializer_list<std::string> list)
    : CSharedStrings(std::vector<std::string>(list)) {}

void CSharedStrings::Insert(size_t nIndex, std::string strText) {
    std::vector<std::string> list = Get();
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(nIndex), std::move(strText));
    *this = CSharedStrings(std::move(list));
}

void CSharedStrings::Erase(size_t nIndex) {
    std::vector<std::string> list = Get();
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(nIndex));
    *this = CSharedStrings(std::move(list));
}
