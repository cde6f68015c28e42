// Archive reader and writer.
#include "platform/Archive.h"

#include <cstring>

namespace {
constexpr uint8_t kLongLength = 0xFF;
constexpr uint16_t kWideMarker = 0xFFFE;
constexpr uint16_t kHugeLength = 0xFFFF;
constexpr uint16_t kHugeCount = 0xFFFF;

void AppendUtf8(std::string& out, uint32_t cp) {
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
} // namespace

std::string Utf16ToUtf8(const std::vector<uint16_t>& units) {
    std::string out;
    for (size_t i = 0; i < units.size(); ++i) {
        uint32_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

void CArchiveWriter::WriteBytes(const void* pData, size_t nSize) {
    m_data.append(static_cast<const char*>(pData), nSize);
}

void CArchiveWriter::WriteUInt16(uint16_t nValue) {
    uint8_t bytes[2] = {static_cast<uint8_t>(nValue), static_cast<uint8_t>(nValue >> 8)};
    WriteBytes(bytes, 2);
}

void CArchiveWriter::WriteUInt32(uint32_t nValue) {
    uint8_t bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(nValue >> (8 * i));
    WriteBytes(bytes, 4);
}

void CArchiveWriter::WriteInt32(int32_t nValue) {
    WriteUInt32(static_cast<uint32_t>(nValue));
}

void CArchiveWriter::WriteInt64(int64_t nValue) {
    uint64_t v = static_cast<uint64_t>(nValue);
    WriteUInt32(static_cast<uint32_t>(v));
    WriteUInt32(static_cast<uint32_t>(v >> 32));
}

void CArchiveWriter::WriteString(const std::string& str) {
    size_t n = str.size();
    if (n < kLongLength) {
        uint8_t b = static_cast<uint8_t>(n);
        WriteBytes(&b, 1);
    } else {
        WriteBytes(&kLongLength, 1);
        if (n < kWideMarker) {
            WriteUInt16(static_cast<uint16_t>(n));
        } else {
            WriteUInt16(kHugeLength);
            WriteUInt32(static_cast<uint32_t>(n));
        }
    }
    WriteBytes(str.data(), n);
}

void CArchiveWriter::WriteCount(size_t nCount) {
    if (nCount < kHugeCount) {
        WriteUInt16(static_cast<uint16_t>(nCount));
    } else {
        WriteUInt16(kHugeCount);
        WriteUInt32(static_cast<uint32_t>(nCount));
    }
}

void CArchiveWriter::WriteStringArray(const std::vector<std::string>& strings) {
    WriteCount(strings.size());
    for (const std::string& s : strings)
        WriteString(s);
}

void CArchiveReader::Fail(const std::string& strReason) {
    if (!m_bFailed) {
        m_bFailed = true;
        m_strError = strReason;
    }
}

bool CArchiveReader::ReadBytes(void* pData, size_t nSize) {
    if (m_bFailed)
        return false;
    if (GetRemaining() < nSize) {
        Fail("unexpected end of data");
        return false;
    }
    std::memcpy(pData, m_data.data() + m_nPos, nSize);
    m_nPos += nSize;
    return true;
}

bool CArchiveReader::ReadUInt16(uint16_t& nValue) {
    uint8_t b[2];
    if (!ReadBytes(b, 2))
        return false;
    nValue = static_cast<uint16_t>(b[0] | (b[1] << 8));
    return true;
}

bool CArchiveReader::ReadUInt32(uint32_t& nValue) {
    uint8_t b[4];
    if (!ReadBytes(b, 4))
        return false;
    nValue = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
             (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
    return true;
}

bool CArchiveReader::ReadInt32(int32_t& nValue) {
    uint32_t v;
    if (!ReadUInt32(v))
        return false;
    nValue = static_cast<int32_t>(v);
    return true;
}

bool CArchiveReader::ReadInt64(int64_t& nValue) {
    uint32_t lo, hi;
    if (!ReadUInt32(lo) || !ReadUInt32(hi))
        return false;
    nValue = static_cast<int64_t>((static_cast<uint64_t>(hi) << 32) | lo);
    return true;
}

// Reads one length prefix; bWide reports the UTF-16 marker, after which a second
// prefix of the same form gives the number of 16-bit characters.
bool CArchiveReader::ReadLength(uint32_t& nLength, bool& bWide) {
    uint8_t b;
    if (!ReadBytes(&b, 1))
        return false;
    if (b < kLongLength) {
        nLength = b;
        return true;
    }
    uint16_t w;
    if (!ReadUInt16(w))
        return false;
    if (w == kWideMarker) {
        if (bWide) {
            Fail("malformed string length");
            return false;
        }
        bWide = true;
        return ReadLength(nLength, bWide);
    }
    if (w < kHugeLength) {
        nLength = w;
        return true;
    }
    return ReadUInt32(nLength);
}

bool CArchiveReader::ReadWideText(uint32_t nChars, std::string& str) {
    if (GetRemaining() / 2 < nChars) {
        Fail("unexpected end of data");
        return false;
    }
    std::vector<uint16_t> units(nChars);
    for (uint32_t i = 0; i < nChars; ++i)
        if (!ReadUInt16(units[i]))
            return false;
    str = Utf16ToUtf8(units);
    return true;
}

bool CArchiveReader::ReadString(std::string& str) {
    uint32_t nLength = 0;
    bool bWide = false;
    if (!ReadLength(nLength, bWide))
        return false;
    if (bWide)
        return ReadWideText(nLength, str);
    if (GetRemaining() < nLength) {
        Fail("unexpected end of data");
        return false;
    }
    str.assign(m_data.data() + m_nPos, nLength);
    m_nPos += nLength;
    return true;
}

bool CArchiveReader::ReadCount(uint32_t& nCount) {
    uint16_t w;
    if (!ReadUInt16(w))
        return false;
    if (w < kHugeCount) {
        nCount = w;
        return true;
    }
    return ReadUInt32(nCount);
}

bool CArchiveReader::ReadStringArray(std::vector<std::string>& strings) {
    uint32_t nCount;
    if (!ReadCount(nCount))
        return false;
    // Every string takes at least one byte: a larger count cannot be real.
    if (nCount > GetRemaining()) {
        Fail("unexpected end of data");
        return false;
    }
    std::vector<std::string> result(nCount);
    for (std::string& s : result)
        if (!ReadString(s))
            return false;
    strings = std::move(result);
    return true;
}
