#pragma once
// A very small scenario framework for the Wine test host.
//
// A scenario is a named function:
//
//     SCENARIO(exports, set_name_is_the_contest_name)
//     {
//         CHECK_TEXT("BARTG SPRINT (C)", library.Plain().GetSetName(0));
//     }
//
// `stats_wine_tests exports.set_name_is_the_contest_name` runs it; `stats_wine_tests --list`
// lists every scenario. The CMake file registers each SCENARIO line of the scenario files as
// its own ctest test, so the macro must start its line.
//
// Failed checks print the file, the line and the values and let the scenario go on; a failed
// REQUIRE ends the scenario at once. The exit code is 0 when every check held, 1 when one
// failed, 77 when the scenario skipped itself (SKIP), 2 for a command-line error, 3 when the
// scenario ran past its time limit.
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace scenario {

using Body = void (*)();

// Adds a scenario to the list; used by SCENARIO.
struct Registration {
    Registration(const char* group, const char* name, Body body);
};

// Thrown by REQUIRE and SKIP; the runner catches them.
struct Abort {};
struct Skipped {
    std::string reason;
};

// Records a failed check. Checks may fail on any thread.
void Fail(const char* file, int line, const std::string& message);

// Texts are shown quoted and escaped (\t, \r, \n, \xNN), long ones shortened.
std::string Describe(const std::string& text);
std::string Describe(const char* text);
std::string Describe(bool value);
std::string Describe(const std::vector<std::string>& texts);
template <class T>
std::string Describe(const T& value)
{
    std::ostringstream out;
    if constexpr (std::is_pointer_v<T>)
        out << static_cast<const void*>(value);
    else
        out << value;
    return out.str();
}

// Where two texts first differ, with a little of both around that place.
std::string DescribeDifference(const std::string& expected, const std::string& actual);

template <class Expected, class Actual>
bool CheckEqual(const char* file, int line, const char* expression, const Expected& expected,
                const Actual& actual)
{
    if (expected == actual)
        return true;
    Fail(file, line, std::string(expression) + "\n    expected " + Describe(expected) + "\n    actual   "
                         + Describe(actual));
    return false;
}

// Byte-exact comparison of two texts; a null `actual` never equals anything.
bool CheckText(const char* file, int line, const char* expression, const std::string& expected,
               const char* actual, size_t actualLength);
inline bool CheckText(const char* file, int line, const char* expression, const std::string& expected,
                      const char* actual)
{
    return CheckText(file, line, expression, expected, actual, actual ? std::char_traits<char>::length(actual) : 0);
}
inline bool CheckText(const char* file, int line, const char* expression, const std::string& expected,
                      const std::string& actual)
{
    return CheckText(file, line, expression, expected, actual.data(), actual.size());
}

// The same for a file's content; a missing file never equals anything.
bool CheckText(const char* file, int line, const char* expression, const std::string& expected,
               const std::optional<std::string>& actual);

// `text` holds `part` somewhere.
bool CheckContains(const char* file, int line, const char* expression, const std::string& text,
                   const std::string& part);

} // namespace scenario

#define SCENARIO(group, name)                                                                   \
    static void scenario_##group##_##name();                                                    \
    static const scenario::Registration scenario_registration_##group##_##name(#group, #name,   \
                                                                                scenario_##group##_##name); \
    static void scenario_##group##_##name()

// The check holds or the scenario fails (and goes on).
#define CHECK(condition)                                                                        \
    ((condition) ? true : (scenario::Fail(__FILE__, __LINE__, "CHECK(" #condition ")"), false))

// expected == actual, both values shown on failure.
#define CHECK_EQ(expected, actual)                                                              \
    scenario::CheckEqual(__FILE__, __LINE__, "CHECK_EQ(" #expected ", " #actual ")", (expected), (actual))

// Two texts (or a text and a file's content) equal byte for byte; the first difference is shown
// on failure.
#define CHECK_TEXT(expected, actual)                                                            \
    scenario::CheckText(__FILE__, __LINE__, "CHECK_TEXT(" #expected ", " #actual ")", (expected), (actual))

// A text holds a part; both are shown on failure.
#define CHECK_CONTAINS(text, part)                                                              \
    scenario::CheckContains(__FILE__, __LINE__, "CHECK_CONTAINS(" #text ", " #part ")", (text), (part))

// The check holds or the scenario ends here.
#define REQUIRE(condition)                                                                      \
    do {                                                                                        \
        if (!CHECK(condition))                                                                  \
            throw scenario::Abort{};                                                            \
    } while (0)

// Ends the scenario as skipped (exit code 77), for example when it needs a display.
#define SKIP(reason) throw scenario::Skipped{reason}
