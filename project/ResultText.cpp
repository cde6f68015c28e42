// Result counts text.
#include "project/ResultText.h"

#include <cstdio>

std::string FormatResultCounts(long nSpelling, long nProfanity) {
    std::string text;
    char buffer[64];
    if (nSpelling > 0) {
        std::snprintf(buffer, sizeof(buffer), " - %ld error%s", nSpelling,
                      nSpelling > 1 ? "s" : "");
        text += buffer;
    }
    if (nProfanity > 0) {
        std::snprintf(buffer, sizeof(buffer), "%s%ld bad word%s", text.empty() ? " - " : ", ",
                      nProfanity, nProfanity > 1 ? "s" : "");
        text += buffer;
    }
    return text;
}
