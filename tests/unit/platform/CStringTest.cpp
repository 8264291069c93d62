#include <gtest/gtest.h>

#include "platform/CString.h"

TEST(CString, NullPointerIsTheEmptyText) { EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty()); }

TEST(CString, ReplaceNeverSearchesItsOwnReplacements)
{
    CString text("a<CR>b<CR>");
    EXPECT_EQ(2, text.Replace("<CR>", "\r\n<CR>"));
    EXPECT_EQ("a\r\n<CR>b\r\n<CR>", text);
}

TEST(CString, ReplaceWithTheSameTextChangesNothing)
{
    CString text("aaa");
    EXPECT_EQ(0, text.Replace("a", "a"));
    EXPECT_EQ(0, text.Replace("", "x"));
    EXPECT_EQ(0, text.Replace("b", "x"));
    EXPECT_EQ("aaa", text);
}

TEST(CString, FormattingGrowsToAnyLength)
{
    const std::string longCall(1 << 20, 'K');
    const CString text = CString::Formatted("[%-13s|%5i]", longCall.c_str(), 42);
    EXPECT_EQ(longCall.size() + 8, text.size());
    EXPECT_EQ("|   42]", text.substr(text.size() - 7));
}

TEST(CString, TrimAndCaseInsensitiveComparison)
{
    EXPECT_EQ("N0CALL", CString("  N0CALL \t").Trim());
    EXPECT_EQ("", CString("   ").Trim());
    EXPECT_TRUE(CString("20M").EqualsNoCase("20m"));
    EXPECT_FALSE(CString("20m").EqualsNoCase("20"));
}
