// Escaping and unescaping of keys in the program's settings files.
#include "installer/IniKey.h"

#include <cstdint>

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsPlainKeyChar(char16_t ch) {
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') ||
           ch == u'_' || ch == u'-' || ch == u'.';
}

int HexValue(char16_t ch) {
    if (ch >= u'0' && ch <= u'9')
        return ch - u'0';
    if (ch >= u'a' && ch <= u'f')
        return ch - u'a' + 10;
    if (ch >= u'A' && ch <= u'F')
        return ch - u'A' + 10;
    return -1;
}

// The value of nDigits hex digits at nPos, or -1.
long ReadHex(std::u16string_view text, std::size_t nPos, std::size_t nDigits) {
    if (nPos + nDigits > text.size())
        return -1;
    long nValue = 0;
    for (std::size_t i = 0; i < nDigits; ++i) {
        int nDigit = HexValue(text[nPos + i]);
        if (nDigit < 0)
            return -1;
        nValue = nValue * 16 + nDigit;
    }
    return nValue;
}

// Length of the UTF-8 sequence a lead byte starts, and its payload bits; 0 when invalid.
int SequenceLength(unsigned char chLead, char32_t& cp) {
    if (chLead < 0x80) {
        cp = chLead;
        return 1;
    }
    if (chLead >= 0xC2 && chLead <= 0xDF) {
        cp = chLead & 0x1F;
        return 2;
    }
    if (chLead >= 0xE0 && chLead <= 0xEF) {
        cp = chLead & 0x0F;
        return 3;
    }
    if (chLead >= 0xF0 && chLead <= 0xF4) {
        cp = chLead & 0x07;
        return 4;
    }
    return 0;
}

// Decodes one UTF-8 sequence at nPos; returns its length, or 0 when it is not valid.
int DecodeUtf8(std::string_view text, std::size_t nPos, char32_t& cp) {
    int nLength = SequenceLength(static_cast<unsigned char>(text[nPos]), cp);
    if (nLength == 0 || nPos + nLength > text.size())
        return 0;
    for (int i = 1; i < nLength; ++i) {
        auto ch = static_cast<unsigned char>(text[nPos + i]);
        if ((ch & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (ch & 0x3F);
    }
    const char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[nLength] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return nLength;
}
} // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t nPos = 0; nPos < text.size();) {
        char32_t cp = 0;
        int nLength = DecodeUtf8(text, nPos, cp);
        if (nLength == 0) {
            result += u'\uFFFD';
            ++nPos;
            continue;
        }
        nPos += static_cast<std::size_t>(nLength);
        if (cp < 0x10000) {
            result += static_cast<char16_t>(cp);
        } else {
            result += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            result += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
    return result;
}

std::u16string UnescapeIniKey(std::string_view text) {
    const std::u16string decoded = Utf8ToUtf16(text);
    std::u16string result;
    for (std::size_t i = 0; i < decoded.size();) {
        char16_t ch = decoded[i];
        if (ch == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        bool bWide = ch == u'%' && i + 1 < decoded.size() && decoded[i + 1] == u'U';
        std::size_t nDigitsAt = i + (bWide ? 2 : 1);
        long nCode = ch == u'%' ? ReadHex(decoded, nDigitsAt, bWide ? 4 : 2) : -1;
        if (nCode < 0) {
            result += ch;
            ++i;
            continue;
        }
        result += static_cast<char16_t>(nCode);
        i = nDigitsAt + (bWide ? 4 : 2);
    }
    return result;
}

std::string EscapeIniKey(std::u16string_view key) {
    std::string result;
    for (char16_t ch : key) {
        if (ch == u'/') {
            result += '\\';
        } else if (IsPlainKeyChar(ch)) {
            result += static_cast<char>(ch);
        } else if (ch <= 0xFF) {
            result += '%';
            result += kHexDigits[ch >> 4];
            result += kHexDigits[ch & 0xF];
        } else {
            result += "%U";
            for (int nShift = 12; nShift >= 0; nShift -= 4)
                result += kHexDigits[(ch >> nShift) & 0xF];
        }
    }
    return result;
}

IniKeyPath SplitKeyPath(std::u16string_view key) {
    IniKeyPath path;
    std::size_t nStart = 0;
    while (nStart <= key.size()) {
        std::size_t nEnd = key.find(u'/', nStart);
        if (nEnd == std::u16string_view::npos)
            nEnd = key.size();
        if (nEnd > nStart)
            path.emplace_back(key.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    return path;
}
