// The values of the batch switches and the JSON text of odd bytes.
#include <gtest/gtest.h>

#include "app/BatchOptions.h"
#include "app/FindingsFormat.h"

TEST(BatchOptions, CategoriesAreACommaListOrAllOrNone) {
    EXPECT_EQ(ParseCategories("strings"), 1);
    EXPECT_EQ(ParseCategories("Comments, CODE"), 6);
    EXPECT_EQ(ParseCategories("all"), 7);
    EXPECT_EQ(ParseCategories("none"), 0);
    EXPECT_EQ(ParseCategories("strings,all"), 7);
    EXPECT_FALSE(ParseCategories("strings,,code"));
    EXPECT_FALSE(ParseCategories(""));
    EXPECT_FALSE(ParseCategories("string"));
}

TEST(BatchOptions, EachGivenCategorySetReplacesItsBitsOnly) {
    SBatchOptions options;
    EXPECT_EQ(ApplyCategories(0x117, options), 0x117);
    options.nSpelling = 6;
    EXPECT_EQ(ApplyCategories(0x117, options), 0x116);
    options.nProfanity = 0;
    EXPECT_EQ(ApplyCategories(0x117, options), 0x106);
    options.nSpelling.reset();
    options.nProfanity = 7;
    EXPECT_EQ(ApplyCategories(0x11, options), 0x71);
}

TEST(BatchOptions, FormatsAreNamedInAnyCase) {
    EXPECT_EQ(ParseOutputFormat("SARIF"), EOutputFormat::Sarif);
    EXPECT_EQ(ParseOutputFormat("lines"), EOutputFormat::Lines);
    EXPECT_EQ(ParseOutputFormat("Json"), EOutputFormat::Json);
    EXPECT_FALSE(ParseOutputFormat("xml"));
}

// Whatever the bytes of a source, the document stays valid JSON.
TEST(BatchOptions, JsonStringsEscapeAndKeepUtf8AndReadOtherBytesAsLatin1) {
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString(std::string("\n\t\r\x01", 4)), "\"\\n\\t\\r\\u0001\"");
    EXPECT_EQ(JsonString("na\xC3\xAFve \xE2\x82\xAC"), "\"na\xC3\xAFve \xE2\x82\xAC\"");
    EXPECT_EQ(JsonString("caf\xE9"), "\"caf\xC3\xA9\"");
    // A sequence cut short, and an overlong one, are single bytes.
    EXPECT_EQ(JsonString("\xE2\x82"), "\"\xC3\xA2\xC2\x82\"");
    EXPECT_EQ(JsonString("\xC0\xAF"), "\"\xC3\x80\xC2\xAF\"");
}
