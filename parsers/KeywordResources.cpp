// The built-in word lists, embedded byte for byte by the generated assembly source
// (cmake/Keywords.cmake): each list lies between its begin and end symbols.
#include "parsers/KeywordResources.h"

#include <array>
#include <cstdint>

#define MIRT_KEYWORD_SYMBOLS(id)                                                                   \
    extern "C" __attribute__((visibility("hidden"))) const char mirt_keywords_##id##_begin[];      \
    extern "C" __attribute__((visibility("hidden"))) const char mirt_keywords_##id##_end[];

MIRT_KEYWORD_SYMBOLS(139)
MIRT_KEYWORD_SYMBOLS(140)
MIRT_KEYWORD_SYMBOLS(141)
MIRT_KEYWORD_SYMBOLS(142)
MIRT_KEYWORD_SYMBOLS(144)
MIRT_KEYWORD_SYMBOLS(145)
MIRT_KEYWORD_SYMBOLS(146)
MIRT_KEYWORD_SYMBOLS(147)
MIRT_KEYWORD_SYMBOLS(148)

namespace {
struct SKeywordResource {
    int nId;
    const char* pBegin;
    const char* pEnd;
};

#define MIRT_KEYWORD_ENTRY(id)                                                                     \
    { id, mirt_keywords_##id##_begin, mirt_keywords_##id##_end }

const std::array<SKeywordResource, 9> kResources = {{
    MIRT_KEYWORD_ENTRY(139),
    MIRT_KEYWORD_ENTRY(140),
    MIRT_KEYWORD_ENTRY(141),
    MIRT_KEYWORD_ENTRY(142),
    MIRT_KEYWORD_ENTRY(144),
    MIRT_KEYWORD_ENTRY(145),
    MIRT_KEYWORD_ENTRY(146),
    MIRT_KEYWORD_ENTRY(147),
    MIRT_KEYWORD_ENTRY(148),
}};
} // namespace

bool FindKeywordResource(int nId, const char** ppData, uint32_t* pnSize) {
    for (const SKeywordResource& res : kResources) {
        // The two symbols are separate objects to the compiler: measure by address.
        auto nBegin = reinterpret_cast<uintptr_t>(res.pBegin);
        auto nEnd = reinterpret_cast<uintptr_t>(res.pEnd);
        if (res.nId == nId && nEnd > nBegin) {
            *ppData = res.pBegin;
            *pnSize = static_cast<uint32_t>(nEnd - nBegin);
            return true;
        }
    }
    return false;
}
