// A host loads and frees Stats.dll over and over: with no UI run, with every window open, at
// any moment after a contest start that starts the windows, and with a refresh waiting for the
// host's answer while the host's thread is busy. Every FreeLibrary returns within 2 s and unmaps
// the library, and once the host has served its messages for 2 s no window and no thread of the
// plug-in is left. UI runs give back their handles, however they end. (ctest runs this in a
// process of its own, so a crash or a hang fails this test alone.)
#include <windows.h>

#include <functional>
#include <optional>
#include <random>
#include <string>

#include "platform/win32/ScopedHandle.h"
#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/DialogWatcher.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/PluginWindows.h"
#include "tests/wine/framework/ProcessCounts.h"
#include "tests/wine/framework/StatsLibrary.h"
#include "tools/host-automation/HostAutomation.h"

namespace {

constexpr int kCycles = 100;
// Each of these cycles waits a second on purpose, so fewer of them fit the test's time.
constexpr int kBusyHostCycles = 25;
constexpr DWORD kUnloadLimitMilliseconds = 2000;
// Settings that make the next contest start open the control window and all three
// multiplier windows.
const char* const kAllWindows =
    "[Settings]\nStart=0\nsetup_view_dxcc=1\nsetup_view_continent=1\nsetup_view_call_area=1";

BOOL CALLBACK KeepControlWindow(HWND window, LPARAM found)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (process != GetCurrentProcessId() || std::string(className) != "#32770" || !IsControlWindow(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

std::string ModulePath(HMODULE module)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, MAX_PATH);
    return path;
}

// The plug-in's control window, shown or not yet.
HWND ControlWindow()
{
    HWND found = nullptr;
    EnumWindows(KeepControlWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

class UnloadCyclesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_HRESULT_SUCCEEDED(host.Registration()); }

    // One load, `work` with the loaded library, one unload; then the plug-in must be gone.
    // `work` returns the UI thread's id, or 0 when it started none.
    void Cycle(const std::function<DWORD(Host&)>& work)
    {
        std::optional<StatsLibrary> library(std::in_place);
        const std::string path = ModulePath(library->Module());
        Host plugin(library->ByPlainName());
        const DWORD uiThreadId = work(plugin);
        const ScopedHandle uiThread(uiThreadId ? OpenThread(SYNCHRONIZE, FALSE, uiThreadId) : nullptr);

        const DWORD start = GetTickCount();
        library.reset();
        const DWORD unloadMilliseconds = GetTickCount() - start;
        ASSERT_LT(unloadMilliseconds, kUnloadLimitMilliseconds);
        EXPECT_EQ(nullptr, GetModuleHandleA(path.c_str())) << "the library is still mapped";

        if (uiThread) {
            ASSERT_TRUE(PumpMessagesUntilSignalled(uiThread.Get(), 2000)) << "the UI thread outlived the library";
        }
        ASSERT_EQ(nullptr, FindPluginDialog([](HWND) { return true; })) << "a window outlived the library";
    }

    // Starts a UI run with all three multiplier windows and returns its thread's id.
    static DWORD StartAllWindows(Host& plugin)
    {
        WritePluginSettings(kAllWindows);
        plugin.StartContest();
        const HWND control = WaitForPluginDialog(IsControlWindow);
        EXPECT_NE(nullptr, control);
        EXPECT_NE(nullptr, WaitForPluginDialog(IsCallAreaWindow));
        return control ? GetWindowThreadProcessId(control, nullptr) : 0;
    }

    // A contest start that starts a UI run, then a QSO scored: returns the UI thread's id.
    static DWORD StartWindowsAndScoreAQso(Host& plugin)
    {
        WritePluginSettings(kAllWindows);
        EXPECT_EQ(1, plugin.StartContest());
        // The start returns once its UI run is up, so that an unload never meets it half-way.
        const HWND control = ControlWindow();
        EXPECT_NE(nullptr, control) << "the contest start returned before its control window was up";
        EXPECT_EQ(1, plugin.AddQso({}));
        EXPECT_CONTAINS(plugin.Result(), "Score = 1 * 1 * 1 = 1 \r\n");
        return control ? GetWindowThreadProcessId(control, nullptr) : 0;
    }

    HostAutomation host;
};

} // namespace

TEST_F(UnloadCyclesTest, WithoutAUiRun)
{
    WriteHostSettings();
    for (int cycle = 0; cycle < kCycles && !HasFatalFailure(); ++cycle)
        Cycle([](Host& plugin) {
            plugin.StartContest();
            plugin.AddQso({});
            plugin.Result();
            return DWORD{0};
        });
}

TEST_F(UnloadCyclesTest, WithEveryWindowOpen)
{
    SKIP_WITHOUT_DISPLAY();
    for (int cycle = 0; cycle < kCycles && !HasFatalFailure(); ++cycle)
        Cycle(StartAllWindows);
}

// The host frees the library at a random moment up to 300 ms after the contest start, serving
// its messages meanwhile in half of the cycles; each reload scores and starts windows as new.
TEST_F(UnloadCyclesTest, AtAnyMomentAfterAContestStartThatOpensTheWindows)
{
    SKIP_WITHOUT_DISPLAY();
    std::minstd_rand random(14);
    std::uniform_int_distribution<DWORD> delay(0, 300);
    ProcessCounts atStart;
    for (int cycle = 0; cycle < kCycles && !HasFatalFailure(); ++cycle) {
        // The first cycle's COM and window set-up of the process stays; count from the second.
        if (cycle == 1)
            atStart = ProcessCounts::Now();
        const DWORD milliseconds = delay(random);
        Cycle([&](Host& plugin) {
            const DWORD uiThread = StartWindowsAndScoreAQso(plugin);
            if (cycle % 2)
                PumpMessagesFor(milliseconds);
            else
                Sleep(milliseconds);
            return uiThread;
        });
    }
    EXPECT_EQ(atStart, CountsOnceBackAt(atStart));
}

// UI runs that end by Esc give back their thread and event handles, also when the next
// contest start comes while the run is still ending (it then waits for that end, or, while
// the control window is still there, starts nothing).
TEST_F(UnloadCyclesTest, UiRunsEndedByEscOrByANewStartGiveBackTheirHandles)
{
    SKIP_WITHOUT_DISPLAY();
    Cycle(StartAllWindows); // the process's own first COM and window set-up stays
    const ProcessCounts atStart = ProcessCounts::Now();
    Cycle([](Host& plugin) {
        for (int run = 0; run < kCycles; ++run) {
            WritePluginSettings("[Settings]\nStart=0");
            plugin.StartContest();
            if (const HWND control = ControlWindow())
                PostMessageA(control, WM_KEYDOWN, VK_ESCAPE, 0);
            if (run % 2 && !WaitUntilNoPluginDialog(IsControlWindow))
                ABORT_TEST("Esc did not end the UI run");
        }
        if (!WaitUntilNoPluginDialog(IsControlWindow))
            ABORT_TEST("Esc did not end the last UI run");
        return DWORD{0};
    });
    EXPECT_EQ(atStart, CountsOnceBackAt(atStart));
}

// A UI thread that cannot end in time (the host has suspended it) keeps the library loaded
// until it leaves. FreeLibrary still returns in time, a load meanwhile gets a fresh library,
// and the thread, once resumed, ends and lets go of the library.
TEST_F(UnloadCyclesTest, AUiThreadThatCannotEndInTimeKeepsTheLibraryUntilItLeaves)
{
    SKIP_WITHOUT_DISPLAY();
    std::optional<StatsLibrary> library(std::in_place);
    const std::string path = ModulePath(library->Module());
    EXPECT_EQ(0ul, library->ByPlainName().setVersion("2.30"));
    Host plugin(library->ByPlainName());
    const ScopedHandle uiThread(OpenThread(SYNCHRONIZE | THREAD_SUSPEND_RESUME, FALSE, StartAllWindows(plugin)));
    ASSERT_TRUE(uiThread);
    SuspendThread(uiThread.Get());
    const DWORD start = GetTickCount();
    library.reset();
    EXPECT_LT(GetTickCount() - start, kUnloadLimitMilliseconds);

    {
        StatsLibrary again;
        Host fresh(again.ByPlainName());
        WriteHostSettings();
        fresh.StartContest();
        fresh.AddQso({});
        // Text, not the HTML that the first load asked for, and only the new QSO.
        EXPECT_CONTAINS(fresh.Result(), "Score = 1 * 1 * 1 = 1 \r\n");

        ResumeThread(uiThread.Get());
        EXPECT_TRUE(PumpMessagesUntilSignalled(uiThread.Get(), 5000)) << "the resumed UI thread did not end";
        WriteHostSettings("2.30");
        StartAllWindows(fresh);
    }
    EXPECT_EQ(nullptr, GetModuleHandleA(path.c_str())) << "the library is still mapped";
    EXPECT_TRUE(WaitUntilNoPluginDialog([](HWND) { return true; }, 2000)) << "a window outlived the library";
}

TEST_F(UnloadCyclesTest, WithARefreshWaitingOnABusyHost)
{
    SKIP_WITHOUT_DISPLAY();
    host.SetTypedCall("G4ABC");
    for (int cycle = 0; cycle < kBusyHostCycles && !HasFatalFailure(); ++cycle)
        Cycle([](Host& plugin) {
            const DWORD uiThread = StartAllWindows(plugin);
            plugin.CheckCall({});
            // The refresh asks for the typed call; the host's thread does not answer for now.
            Sleep(1000);
            return uiThread;
        });
}

// A host that ends without unloading the plug-in: the library's exit step finds the UI thread
// gone and must not wait for it.
TEST(DISABLED_ProcessExit, WithTheWindowsOpen)
{
    HostAutomation host;
    StatsLibrary library;
    Host plugin(library.ByPlainName());
    WritePluginSettings("[Settings]\nsetup_view_dxcc=1\nsetup_view_continent=1\nsetup_view_call_area=1");
    plugin.StartContest();
    ASSERT_NE(nullptr, WaitForPluginDialog(IsCallAreaWindow));
    ExitProcess(0);
}

TEST(ProcessExit, AHostEndingWithTheWindowsOpenEndsAtOnce)
{
    SKIP_WITHOUT_DISPLAY();
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self
        + "\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_ProcessExit.WithTheWindowsOpen";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
    const ScopedHandle process(child.hProcess), firstThread(child.hThread);
    const DWORD waited = PumpMessagesUntilSignalled(process.Get(), 15000) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
    DWORD exitCode = 1;
    GetExitCodeProcess(process.Get(), &exitCode);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(process.Get(), 1);
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), waited) << "the host did not end";
    EXPECT_EQ(0u, exitCode);
}
