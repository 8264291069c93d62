#pragma once
// Assertions of the Wine tests, on top of GoogleTest.
//
// A fatal failure ends the whole test, also inside a helper: main installs a listener that turns
// every fatal failure into testing::AssertionException, which GoogleTest catches at the end of
// the test as a failure already reported. So ASSERT_* and FAIL() work in any void helper, and
// ABORT_TEST works in constructors and in functions that return a value, where ASSERT_* cannot.
//
//     EXPECT_TEXT_EQ("BARTG SPRINT (C)", library.ByPlainName().GetSetName(0));
//     EXPECT_TEXT_EQ(expected, ReadFileBytes("N0CALL.cbr"));   // a missing file never matches
//     EXPECT_CONTAINS(host.Result(), "Dupe\t 1\r\n");
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace wine_test {

// Reports a fatal failure at this place and ends the running test, from any function.
[[noreturn]] void AbortTest(const char* file, int line, const std::string& message);

// A text quoted and escaped (\t, \r, \n, \xNN), long ones shortened.
std::string Quoted(const std::string& text);

// Predicate-formatters of EXPECT_TEXT_EQ: the two texts are equal byte for byte; on failure the
// message shows where they first differ. A null pointer or a missing file never matches.
testing::AssertionResult SameText(const char* expectedExpression, const char* actualExpression,
    const std::string& expected, const std::string& actual);
testing::AssertionResult SameText(
    const char* expectedExpression, const char* actualExpression, const std::string& expected, const char* actual);
testing::AssertionResult SameText(const char* expectedExpression, const char* actualExpression,
    const std::string& expected, const std::optional<std::string>& actual);

// Predicate-formatter of EXPECT_CONTAINS: `text` holds `part` somewhere.
testing::AssertionResult Contains(
    const char* textExpression, const char* partExpression, const std::string& text, const std::string& part);

} // namespace wine_test

#define ABORT_TEST(message) ::wine_test::AbortTest(__FILE__, __LINE__, (message))

#define EXPECT_TEXT_EQ(expected, actual) EXPECT_PRED_FORMAT2(::wine_test::SameText, expected, actual)
#define ASSERT_TEXT_EQ(expected, actual) ASSERT_PRED_FORMAT2(::wine_test::SameText, expected, actual)
#define EXPECT_CONTAINS(text, part) EXPECT_PRED_FORMAT2(::wine_test::Contains, text, part)
