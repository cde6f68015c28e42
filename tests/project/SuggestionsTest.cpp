// Suggestion lists that findings share until one of them changes its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/Suggestions.h"

namespace {
using Strings = std::vector<std::string>;
}

TEST(Suggestions, CopiesShareOneListUntilOneChanges) {
    CSuggestions a(Strings{"the", "ten"});
    CSuggestions b = a;
    EXPECT_TRUE(b.SharesWith(a));
    b.Insert(0, "THE");
    EXPECT_FALSE(b.SharesWith(a));
    EXPECT_EQ(a, (Strings{"the", "ten"}));
    EXPECT_EQ(b, (Strings{"THE", "the", "ten"}));
    b.Erase(2);
    EXPECT_EQ(b, (Strings{"THE", "the"}));
    EXPECT_EQ(a.size(), 2u);
    EXPECT_EQ(a[1], "ten");
}

TEST(Suggestions, InsertAndEraseAtEitherEnd) {
    CSuggestions s;
    EXPECT_TRUE(s.empty());
    s.Insert(0, "b");
    s.Insert(1, "c");
    s.Insert(0, "a");
    EXPECT_EQ(s, (Strings{"a", "b", "c"}));
    EXPECT_EQ(s.front(), "a");
    s.Erase(2);
    s.Erase(0);
    EXPECT_EQ(s, Strings{"b"});
    s.Erase(0);
    EXPECT_TRUE(s.empty());
}

TEST(Suggestions, EqualListsCompareEqualWhetherSharedOrNot) {
    CSuggestions a{"x", "y"};
    CSuggestions b{"x", "y"};
    EXPECT_FALSE(a.SharesWith(b));
    EXPECT_TRUE(a == b);
    b.Insert(2, "z");
    EXPECT_FALSE(a == b);
    const Strings& plain = a;
    EXPECT_EQ(plain, (Strings{"x", "y"}));
}
