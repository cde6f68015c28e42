// The binary stream of project files: little-endian integers, 64-bit times, strings
// with a 1-, 3- or 7-byte length prefix, and counts in 16 or 32 bits. The reader stops
// at the first truncated or malformed value and keeps the reason.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CArchiveWriter {
public:
    void WriteInt32(int32_t nValue);
    void WriteUInt16(uint16_t nValue);
    void WriteUInt32(uint32_t nValue);
    void WriteInt64(int64_t nValue);
    void WriteString(const std::string& str);
    void WriteCount(size_t nCount);
    void WriteStringArray(const std::vector<std::string>& strings);

    const std::string& GetData() const { return m_data; }

private:
    void WriteBytes(const void* pData, size_t nSize);

    std::string m_data;
};

class CArchiveReader {
public:
    explicit CArchiveReader(std::string_view data) : m_data(data) {}

    // Each read returns false, and leaves the value alone, once the stream has failed.
    [[nodiscard]] bool ReadInt32(int32_t& nValue);
    [[nodiscard]] bool ReadUInt16(uint16_t& nValue);
    [[nodiscard]] bool ReadUInt32(uint32_t& nValue);
    [[nodiscard]] bool ReadInt64(int64_t& nValue);
    [[nodiscard]] bool ReadString(std::string& str);
    [[nodiscard]] bool ReadCount(uint32_t& nCount);
    [[nodiscard]] bool ReadStringArray(std::vector<std::string>& strings);

    // Marks the stream as failed with a reason (for records that cannot be read on).
    void Fail(const std::string& strReason);

    bool HasFailed() const { return m_bFailed; }
    const std::string& GetError() const { return m_strError; }
    size_t GetRemaining() const { return m_data.size() - m_nPos; }

private:
    [[nodiscard]] bool ReadBytes(void* pData, size_t nSize);
    [[nodiscard]] bool ReadLength(uint32_t& nLength, bool& bWide);
    [[nodiscard]] bool ReadWideText(uint32_t nChars, std::string& str);

    std::string_view m_data;
    size_t m_nPos = 0;
    bool m_bFailed = false;
    std::string m_strError;
};

// UTF-16 code units (little-endian order already resolved) to UTF-8; broken
// surrogates become U+FFFD.
std::string Utf16ToUtf8(const std::vector<uint16_t>& units);
