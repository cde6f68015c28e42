// The project file's stream forms: integers, strings with their three length prefixes,
// the UTF-16 form, counts, and failure on truncated or malformed input.
#include <gtest/gtest.h>

#include "platform/Archive.h"

namespace {
std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

std::string RoundTrip(const std::string& text) {
    CArchiveWriter w;
    w.WriteString(text);
    CArchiveReader r(w.GetData());
    std::string back;
    EXPECT_TRUE(r.ReadString(back));
    EXPECT_EQ(r.GetRemaining(), 0u);
    return back;
}
} // namespace

TEST(Archive, IntegersAreLittleEndian) {
    CArchiveWriter w;
    w.WriteInt32(-2);
    w.WriteInt64(0x0102030405060708LL);
    w.WriteUInt16(0xABCD);
    EXPECT_EQ(w.GetData(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 8, 7, 6, 5, 4, 3, 2, 1, 0xCD, 0xAB}));
    CArchiveReader r(w.GetData());
    int32_t n = 0;
    int64_t t = 0;
    uint16_t u = 0;
    ASSERT_TRUE(r.ReadInt32(n) && r.ReadInt64(t) && r.ReadUInt16(u));
    EXPECT_EQ(n, -2);
    EXPECT_EQ(t, 0x0102030405060708LL);
    EXPECT_EQ(u, 0xABCD);
}

TEST(Archive, StringLengthPrefixAtItsBoundaries) {
    struct {
        size_t nLength;
        std::string prefix;
    } cases[] = {
        {0, Bytes({0})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {65535, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& c : cases) {
        std::string text(c.nLength, 'x');
        CArchiveWriter w;
        w.WriteString(text);
        EXPECT_EQ(w.GetData(), c.prefix + text) << "length " << c.nLength;
        EXPECT_EQ(RoundTrip(text), text) << "length " << c.nLength;
    }
}

TEST(Archive, ReadsTheUtf16FormIntoUtf8) {
    // 0xFF 0xFFFE announces 16-bit text; "Aé€" then follows with its own prefix.
    std::string data = Bytes({0xFF, 0xFE, 0xFF, 3, 'A', 0, 0xE9, 0, 0xAC, 0x20});
    CArchiveReader r(data);
    std::string s;
    ASSERT_TRUE(r.ReadString(s));
    EXPECT_EQ(s, "A\xC3\xA9\xE2\x82\xAC");
}

TEST(Archive, ReadsLongUtf16TextWithTheLongPrefix) {
    std::string data = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x01});
    for (int i = 0; i < 256; ++i)
        data += Bytes({'z', 0});
    CArchiveReader r(data);
    std::string s;
    ASSERT_TRUE(r.ReadString(s));
    EXPECT_EQ(s, std::string(256, 'z'));
}

TEST(Archive, CountsUseSixteenBitsBelowFFFF) {
    CArchiveWriter w;
    w.WriteCount(0xFFFE);
    w.WriteCount(0xFFFF);
    EXPECT_EQ(w.GetData(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
    CArchiveReader r(w.GetData());
    uint32_t a = 0, b = 0;
    ASSERT_TRUE(r.ReadCount(a) && r.ReadCount(b));
    EXPECT_EQ(a, 0xFFFEu);
    EXPECT_EQ(b, 0xFFFFu);
}

TEST(Archive, StringArrayRoundTrips) {
    CArchiveWriter w;
    w.WriteStringArray({"alpha", "", std::string(300, 'b')});
    CArchiveReader r(w.GetData());
    std::vector<std::string> back;
    ASSERT_TRUE(r.ReadStringArray(back));
    EXPECT_EQ(back, (std::vector<std::string>{"alpha", "", std::string(300, 'b')}));
}

TEST(Archive, EveryTruncationOfAStreamFails) {
    CArchiveWriter w;
    w.WriteInt32(7);
    w.WriteString(std::string(300, 'q'));
    w.WriteStringArray({"one", "two"});
    w.WriteInt64(-5);
    const std::string& full = w.GetData();
    for (size_t n = 0; n < full.size(); ++n) {
        CArchiveReader r(std::string_view(full).substr(0, n));
        int32_t i = 0;
        std::string s;
        std::vector<std::string> a;
        int64_t t = 0;
        bool bOk = r.ReadInt32(i) && r.ReadString(s) && r.ReadStringArray(a) && r.ReadInt64(t);
        EXPECT_FALSE(bOk) << "cut at " << n;
        EXPECT_TRUE(r.HasFailed());
        EXPECT_EQ(r.GetError(), "unexpected end of data");
    }
}

TEST(Archive, AFailedStreamStaysFailed) {
    std::string data = Bytes({5, 'a'});
    CArchiveReader r(data);
    std::string s;
    EXPECT_FALSE(r.ReadString(s));
    int32_t n = 42;
    EXPECT_FALSE(r.ReadInt32(n));
    EXPECT_EQ(n, 42);
}

TEST(Archive, ImpossibleCountsFailWithoutAllocating) {
    std::string data = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
    CArchiveReader r(data);
    std::vector<std::string> a;
    EXPECT_FALSE(r.ReadStringArray(a));
    std::string huge = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
    CArchiveReader r2(huge);
    std::string s;
    EXPECT_FALSE(r2.ReadString(s));
}

TEST(Archive, DoubleWideMarkerIsMalformed) {
    std::string data = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0});
    CArchiveReader r(data);
    std::string s;
    EXPECT_FALSE(r.ReadString(s));
    EXPECT_EQ(r.GetError(), "malformed string length");
}

TEST(Archive, BrokenSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(Utf16ToUtf8({0xD83D, 0xDE00}), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8({0xD83D, 'a'}), "\xEF\xBF\xBD"
                                          "a");
    EXPECT_EQ(Utf16ToUtf8({0xDE00}), "\xEF\xBF\xBD");
}
