#include "tests/wine/framework/Scenario.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

namespace scenario {
namespace {

constexpr size_t kShownLength = 600;
constexpr DWORD kDefaultTimeLimitSeconds = 60;

std::map<std::string, Body>& Scenarios()
{
    static std::map<std::string, Body> scenarios;
    return scenarios;
}

std::mutex g_outputMutex;
int g_failures = 0;

// The path from tests/wine/ on, so messages stay short whatever the build folder.
const char* ShortPath(const char* file)
{
    for (const char* marker : {"tests/wine/", "tests\\wine\\"})
        if (const char* at = std::strstr(file, marker))
            return at + std::strlen(marker);
    return file;
}

std::string Escaped(const char* text, size_t length)
{
    std::string out;
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
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
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

std::string Quoted(const char* text, size_t length)
{
    std::string quoted = "\"";
    quoted += Escaped(text, std::min(length, kShownLength));
    quoted += '"';
    if (length > kShownLength)
        quoted += "... (" + std::to_string(length) + " bytes)";
    return quoted;
}

// A piece of `text` around `at`, escaped.
std::string Around(const std::string& text, size_t at)
{
    const size_t from = at > 40 ? at - 40 : 0;
    const size_t to = std::min(text.size(), at + 40);
    return (from > 0 ? "..." : "") + Quoted(text.data() + from, to - from) + (to < text.size() ? "..." : "");
}

DWORD WINAPI Watchdog(void* parameter)
{
    const DWORD seconds = static_cast<DWORD>(reinterpret_cast<uintptr_t>(parameter));
    Sleep(seconds * 1000);
    {
        std::lock_guard<std::mutex> lock(g_outputMutex);
        std::printf("TIMEOUT: the scenario ran longer than %lu s\n", static_cast<unsigned long>(seconds));
        std::fflush(stdout);
    }
    // A scenario stuck in a modal window or a dead-lock cannot be unwound; end the process.
    TerminateProcess(GetCurrentProcess(), 3);
    return 0;
}

void StartWatchdog()
{
    DWORD seconds = kDefaultTimeLimitSeconds;
    if (const char* text = std::getenv("STATS_SCENARIO_SECONDS"))
        if (const long value = std::strtol(text, nullptr, 10); value > 0)
            seconds = static_cast<DWORD>(value);
    if (HANDLE thread = CreateThread(nullptr, 0, Watchdog, reinterpret_cast<void*>(uintptr_t(seconds)), 0, nullptr))
        CloseHandle(thread);
}

int Run(const std::string& name, Body body)
{
    std::printf("SCENARIO %s\n", name.c_str());
    std::fflush(stdout);
    try {
        body();
    } catch (const Abort&) {
        // The failed REQUIRE has been reported.
    } catch (const Skipped& skipped) {
        std::printf("SKIPPED: %s\n", skipped.reason.c_str());
        return 77;
    } catch (const std::exception& error) {
        Fail(__FILE__, __LINE__, std::string("unexpected exception: ") + error.what());
    } catch (...) {
        Fail(__FILE__, __LINE__, "unexpected exception");
    }
    std::lock_guard<std::mutex> lock(g_outputMutex);
    std::printf("%s (%d failed check%s)\n", g_failures ? "FAILED" : "PASSED", g_failures, g_failures == 1 ? "" : "s");
    std::fflush(stdout);
    return g_failures ? 1 : 0;
}

} // namespace

Registration::Registration(const char* group, const char* name, Body body)
{
    Scenarios()[std::string(group) + "." + name] = body;
}

void Fail(const char* file, int line, const std::string& message)
{
    std::lock_guard<std::mutex> lock(g_outputMutex);
    ++g_failures;
    std::printf("%s:%d: failed: %s\n", ShortPath(file), line, message.c_str());
    std::fflush(stdout);
}

std::string Describe(const std::string& text) { return Quoted(text.data(), text.size()); }

std::string Describe(const char* text) { return text ? Describe(std::string(text)) : "(null pointer)"; }

std::string Describe(bool value) { return value ? "true" : "false"; }

std::string Describe(const std::vector<std::string>& texts)
{
    std::string out = "{";
    for (size_t i = 0; i < texts.size(); ++i)
        out += (i ? ", " : "") + Describe(texts[i]);
    return out + "}";
}

std::string DescribeDifference(const std::string& expected, const std::string& actual)
{
    const auto mismatch = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const size_t at = static_cast<size_t>(mismatch.first - expected.begin());
    return "first difference at byte " + std::to_string(at) + " (expected " + std::to_string(expected.size())
         + " bytes, actual " + std::to_string(actual.size()) + ")\n    expected " + Around(expected, at)
         + "\n    actual   " + Around(actual, at);
}

bool CheckText(const char* file, int line, const char* expression, const std::string& expected,
               const char* actual, size_t actualLength)
{
    if (!actual) {
        Fail(file, line, std::string(expression) + "\n    expected " + Describe(expected) + "\n    actual   (null pointer)");
        return false;
    }
    const std::string actualText(actual, actualLength);
    if (expected == actualText)
        return true;
    Fail(file, line, std::string(expression) + "\n    " + DescribeDifference(expected, actualText));
    return false;
}

bool CheckText(const char* file, int line, const char* expression, const std::string& expected,
               const std::optional<std::string>& actual)
{
    if (!actual) {
        Fail(file, line, std::string(expression) + "\n    expected " + Describe(expected) + "\n    actual   (no such file)");
        return false;
    }
    return CheckText(file, line, expression, expected, actual->data(), actual->size());
}

bool CheckContains(const char* file, int line, const char* expression, const std::string& text,
                   const std::string& part)
{
    if (text.find(part) != std::string::npos)
        return true;
    Fail(file, line, std::string(expression) + "\n    text " + Describe(text) + "\n    lacks " + Describe(part));
    return false;
}

} // namespace scenario

int main(int argc, char** argv)
{
    using namespace scenario;
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const auto& [name, body] : Scenarios())
            std::printf("%s\n", name.c_str());
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <scenario> | --list\n", argv[0]);
        return 2;
    }
    const auto found = Scenarios().find(argv[1]);
    if (found == Scenarios().end()) {
        std::fprintf(stderr, "no scenario named %s (--list shows them)\n", argv[1]);
        return 2;
    }
    StartWatchdog();
    return Run(found->first, found->second);
}
