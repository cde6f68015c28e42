// UTF-8 case folding through the C library's built-in UTF-8 locale.
#include "platform/TextFold.h"

#include <cwctype>
#include <locale.h>
#include <wctype.h>

namespace {
bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The character at text[i]: its code point and length, or false for a byte that does
// not start a valid sequence.
bool Decode(std::string_view text, size_t i, char32_t& cp, size_t& nLength) {
    auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
        cp = c;
        nLength = 1;
        return true;
    }
    if (c >= 0xC2 && c <= 0xDF) {
        cp = c & 0x1F;
        nLength = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        cp = c & 0x0F;
        nLength = 3;
    } else if (c >= 0xF0 && c <= 0xF4) {
        cp = c & 0x07;
        nLength = 4;
    } else {
        return false;
    }
    if (i + nLength > text.size())
        return false;
    for (size_t k = 1; k < nLength; ++k) {
        auto next = static_cast<unsigned char>(text[i + k]);
        if (!IsContinuation(next))
            return false;
        cp = (cp << 6) | (next & 0x3F);
    }
    return true;
}

void Encode(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Independent of the locale the program runs in.
locale_t Utf8Locale() {
    static locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

char32_t Lower(char32_t cp) {
    if (cp < 0x80)
        return cp >= 'A' && cp <= 'Z' ? cp + ('a' - 'A') : cp;
    locale_t locale = Utf8Locale();
    if (locale == static_cast<locale_t>(nullptr))
        return cp;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), locale));
}
} // namespace

std::string FoldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        size_t nLength = 1;
        if (Decode(text, i, cp, nLength))
            Encode(Lower(cp), out);
        else
            out += text[i];
        i += nLength;
    }
    return out;
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
    return FoldCase(a).compare(FoldCase(b));
}

size_t CharacterStartBefore(std::string_view text, size_t nOffset) {
    if (nOffset >= text.size())
        return text.size();
    while (nOffset > 0 && IsContinuation(static_cast<unsigned char>(text[nOffset])))
        --nOffset;
    return nOffset;
}

size_t CharacterStartAfter(std::string_view text, size_t nOffset) {
    while (nOffset < text.size() && IsContinuation(static_cast<unsigned char>(text[nOffset])))
        ++nOffset;
    return nOffset;
}
