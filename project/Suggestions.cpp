// Shared suggestion lists.
#include "project/Suggestions.h"

#include <utility>

namespace {
const std::shared_ptr<const std::vector<std::string>>& NoSuggestions() {
    static const auto pEmpty = std::make_shared<const std::vector<std::string>>();
    return pEmpty;
}
} // namespace

CSuggestions::CSuggestions() : m_pList(NoSuggestions()) {}

CSuggestions::CSuggestions(std::vector<std::string> list)
    : m_pList(std::make_shared<const std::vector<std::string>>(std::move(list))) {}

CSuggestions::CSuggestions(std::initializer_list<std::string> list)
    : CSuggestions(std::vector<std::string>(list)) {}

void CSuggestions::Insert(size_t nIndex, std::string strText) {
    std::vector<std::string> list = *m_pList;
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(nIndex), std::move(strText));
    *this = CSuggestions(std::move(list));
}

void CSuggestions::Erase(size_t nIndex) {
    std::vector<std::string> list = *m_pList;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(nIndex));
    *this = CSuggestions(std::move(list));
}
