#include "tests/wine/framework/Assertions.h"

#include <algorithm>
#include <cstdio>

namespace wine_test {
namespace {

constexpr size_t kShownLength = 600;
constexpr size_t kContext = 40;

std::string Escaped(const std::string& text)
{
    std::string out;
    for (const char byte : text) {
        const unsigned char c = static_cast<unsigned char>(byte);
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        default:
            if (c < 0x20 || c >= 0x7f) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                out += hex;
            } else {
                out += byte;
            }
        }
    }
    return out;
}

// A piece of `text` around byte `at`, quoted.
std::string Around(const std::string& text, size_t at)
{
    const size_t from = at > kContext ? at - kContext : 0;
    const size_t to = std::min(text.size(), at + kContext);
    return (from > 0 ? "..." : "") + Quoted(text.substr(from, to - from)) + (to < text.size() ? "..." : "");
}

testing::AssertionResult NoText(
    const char* expectedExpression, const char* actualExpression, const std::string& expected, const char* what)
{
    return testing::AssertionFailure() << actualExpression << " is " << what << "\n  expected " << expectedExpression
                                       << ": " << Quoted(expected);
}

} // namespace

void AbortTest(const char* file, int line, const std::string& message)
{
    [&] { GTEST_FAIL_AT(file, line) << message; }();
    // Reached only when no listener ended the test at its fatal failure.
    throw testing::AssertionException(
        testing::TestPartResult(testing::TestPartResult::kFatalFailure, file, line, message.c_str()));
}

std::string Quoted(const std::string& text)
{
    // Appended piece by piece: GCC 12 warns (-Wrestrict) wrongly about "\"" + std::string.
    std::string quoted = "\"";
    quoted += Escaped(text.substr(0, kShownLength));
    quoted += '"';
    if (text.size() > kShownLength)
        quoted += "... (" + std::to_string(text.size()) + " bytes)";
    return quoted;
}

testing::AssertionResult SameText(const char* expectedExpression, const char* actualExpression,
    const std::string& expected, const std::string& actual)
{
    if (expected == actual)
        return testing::AssertionSuccess();
    const auto mismatch = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const size_t at = static_cast<size_t>(mismatch.first - expected.begin());
    return testing::AssertionFailure() << actualExpression << " differs from " << expectedExpression
                                       << " first at byte " << at << " (expected " << expected.size()
                                       << " bytes, actual " << actual.size() << ")\n  expected " << Around(expected, at)
                                       << "\n  actual   " << Around(actual, at);
}

testing::AssertionResult SameText(
    const char* expectedExpression, const char* actualExpression, const std::string& expected, const char* actual)
{
    if (!actual)
        return NoText(expectedExpression, actualExpression, expected, "a null pointer");
    return SameText(expectedExpression, actualExpression, expected, std::string(actual));
}

testing::AssertionResult SameText(const char* expectedExpression, const char* actualExpression,
    const std::string& expected, const std::optional<std::string>& actual)
{
    if (!actual)
        return NoText(expectedExpression, actualExpression, expected, "no file");
    return SameText(expectedExpression, actualExpression, expected, *actual);
}

testing::AssertionResult Contains(
    const char* textExpression, const char* partExpression, const std::string& text, const std::string& part)
{
    if (text.find(part) != std::string::npos)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << textExpression << " lacks " << partExpression << "\n  text  " << Quoted(text)
                                       << "\n  lacks " << Quoted(part);
}

} // namespace wine_test
