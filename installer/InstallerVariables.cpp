// Variable lookup in the installer's parameter block. The block holds three 32-bit
// fields at 12, 16 and 20 (name slot width, value slot width, count) and then two native
// pointers: the names area at 24 and the values area right after it.
#include "installer/InstallerVariables.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
constexpr std::size_t kNameWidthOffset = 12;
constexpr std::size_t kValueWidthOffset = 16;
constexpr std::size_t kCountOffset = 20;
constexpr std::size_t kNamesOffset = 24;
constexpr std::size_t kValuesOffset = kNamesOffset + sizeof(void*);
// Values are taken into 256-byte buffers, so at most 255 characters come through.
constexpr std::uint32_t kMaxValueLength = 255;
// The slot index is a 16-bit counter: slots past it are never searched (and a count
// above it does not make the search run for ever).
constexpr std::uint32_t kMaxSlots = 0x10000;

template <class T> T ReadField(const unsigned char* pBlock, std::size_t nOffset) {
    T value;
    std::memcpy(&value, pBlock + nOffset, sizeof value);
    return value;
}

// A slot's zero-terminated text, never read past the slot's own width.
std::string SlotText(const char* pSlot, std::uint32_t nWidth) {
    return std::string(pSlot, strnlen(pSlot, nWidth));
}
} // namespace

std::string GetInstallerVariable(const void* pBlock, const std::string& strName) {
    if (pBlock == nullptr)
        return {};
    const auto* pBytes = static_cast<const unsigned char*>(pBlock);
    const auto nNameWidth = ReadField<std::uint32_t>(pBytes, kNameWidthOffset);
    const auto nValueWidth = ReadField<std::uint32_t>(pBytes, kValueWidthOffset);
    const auto nCount = ReadField<std::uint32_t>(pBytes, kCountOffset);
    const auto* pNames = ReadField<const char*>(pBytes, kNamesOffset);
    const auto* pValues = ReadField<const char*>(pBytes, kValuesOffset);
    if (pNames == nullptr || pValues == nullptr)
        return {};

    const std::string strPattern = "%" + strName + "%";
    const std::uint32_t nSlots = std::min(nCount, kMaxSlots);
    for (std::uint32_t nIndex = 0; nIndex < nSlots; ++nIndex) {
        if (SlotText(pNames + std::size_t(nIndex) * nNameWidth, nNameWidth) != strPattern)
            continue;
        return SlotText(pValues + std::size_t(nIndex) * nValueWidth,
                        std::min(nValueWidth, kMaxValueLength));
    }
    return {};
}
