// Placeholder until the lists are embedded: no list is found.
#include "parsers/KeywordResources.h"

bool FindKeywordResource(int, const char**, uint32_t*) {
    return false;
}
