// The project dictionary's per-context rules and their stored value.
#include <gtest/gtest.h>

#include "engines/MirtIgnoreCallsMap.h"
#include "engines/MirtUserDictionary.h"

TEST(UserDictionary, ContextsShareOneValueWithThreeLineFeeds) {
    CMirtUserDictionary dict;
    dict.SetReplacement("Teh", 1, "The");
    dict.SetReplacement("Teh", 2, "<ignore>");
    EXPECT_EQ(dict.GetEntries().at("Teh"), "The\n<ignore>\n\n");
    dict.RemoveReplacement("Teh", 2);
    EXPECT_EQ(dict.GetEntries().at("Teh"), "The\n\n\n");
    dict.RemoveReplacement("Teh", 1);
    EXPECT_EQ(dict.GetCount(), 0u);
}

TEST(UserDictionary, LookupsByContext) {
    CMirtUserDictionary dict;
    dict.SetReplacement("colour", 4, "color");
    std::string text = "unchanged";
    EXPECT_FALSE(dict.LookupReplacement("colour", 1, text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(dict.LookupReplacement("colour", 4, text));
    EXPECT_EQ(text, "color");
    EXPECT_FALSE(dict.LookupReplacement("Colour", 4, text));
    std::string s, c, k;
    ASSERT_TRUE(dict.LookupEntry("colour", s, c, k));
    EXPECT_EQ(s + "|" + c + "|" + k, "||color");
    EXPECT_FALSE(dict.LookupEntry("nothing", s, c, k));
}

TEST(UserDictionary, AnyOtherContextReadsTheStringsText) {
    CMirtUserDictionary dict;
    dict.SetAt("w", "S\nC\nK\n");
    std::string text;
    EXPECT_TRUE(dict.LookupReplacement("w", 0, text));
    EXPECT_EQ(text, "S");
    EXPECT_TRUE(dict.LookupReplacement("w", 8, text));
    EXPECT_EQ(text, "S");
}

TEST(UserDictionary, MissingLineFeedsLeaveTheLaterTextsEmpty) {
    std::string s = "x", c = "x", k = "x";
    CMirtUserDictionary::SplitValue("only", s, c, k);
    EXPECT_EQ(s + "|" + c + "|" + k, "||");
    CMirtUserDictionary::SplitValue("a\nb", s, c, k);
    EXPECT_EQ(s + "|" + c + "|" + k, "a||");
    CMirtUserDictionary::SplitValue("a\nb\nc\nextra", s, c, k);
    EXPECT_EQ(s + "|" + c + "|" + k, "a|b|c");
}

TEST(UserDictionary, RemovingFromAnAbsentWordOrSettingEmptyCreatesNothing) {
    CMirtUserDictionary dict;
    dict.RemoveReplacement("none", 1);
    dict.SetReplacement("none", 2, "");
    EXPECT_EQ(dict.GetCount(), 0u);
}

TEST(IgnoreCallsMap, IsASetOfExactNames) {
    CMirtIgnoreCallsMap calls;
    calls.SetAt("TRACE");
    EXPECT_TRUE(calls.Has("TRACE"));
    EXPECT_FALSE(calls.Has("trace"));
    EXPECT_TRUE(calls.RemoveKey("TRACE"));
    EXPECT_FALSE(calls.RemoveKey("TRACE"));
    EXPECT_EQ(calls.GetCount(), 0u);
}
