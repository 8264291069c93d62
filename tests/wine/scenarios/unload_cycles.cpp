// A host loads and frees Stats.dll over and over: with no UI run, with every window open, and
// with a refresh waiting for the host's answer while the host's thread is busy. Every
// FreeLibrary returns within 2 s, and once the host has served its messages for 2 s no window
// and no thread of the plug-in is left. (ctest runs this in a process of its own, so a crash or
// a hang fails this test alone.)
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/DialogWatcher.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/PluginWindows.h"
#include "tests/wine/framework/StatsLibrary.h"
#include "tools/host-automation/HostAutomation.h"

namespace {

constexpr int kCycles = 100;
// Each of these cycles waits a second on purpose, so fewer of them fit the test's time.
constexpr int kBusyHostCycles = 25;
constexpr DWORD kUnloadLimitMilliseconds = 2000;

class UnloadCyclesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_HRESULT_SUCCEEDED(host.Registration()); }

    // One load, `work` with the loaded library, one unload; then the plug-in must be gone.
    // `work` returns the UI thread's id, or 0 when it started none.
    void Cycle(const std::function<DWORD(Host&)>& work)
    {
        std::optional<StatsLibrary> library(std::in_place);
        Host plugin(library->ByPlainName());
        const DWORD uiThreadId = work(plugin);
        const HANDLE uiThread = uiThreadId ? OpenThread(SYNCHRONIZE, FALSE, uiThreadId) : nullptr;

        const DWORD start = GetTickCount();
        library.reset();
        const DWORD unloadMilliseconds = GetTickCount() - start;
        ASSERT_LT(unloadMilliseconds, kUnloadLimitMilliseconds);

        if (uiThread) {
            const bool ended = PumpMessagesUntilSignalled(uiThread, 2000);
            CloseHandle(uiThread);
            ASSERT_TRUE(ended) << "the UI thread outlived the library";
        }
        ASSERT_EQ(nullptr, FindPluginDialog([](HWND) { return true; })) << "a window outlived the library";
    }

    // Starts a UI run with all three multiplier windows and returns its thread's id.
    static DWORD StartAllWindows(Host& plugin)
    {
        WritePluginSettings("[Settings]\nStart=0\nsetup_view_dxcc=1\nsetup_view_continent=1\nsetup_view_call_area=1");
        plugin.StartContest();
        const HWND control = WaitForPluginDialog(IsControlWindow);
        EXPECT_NE(nullptr, control);
        EXPECT_NE(nullptr, WaitForPluginDialog(IsCallAreaWindow));
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
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
    const DWORD waited = PumpMessagesUntilSignalled(child.hProcess, 15000) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
    DWORD exitCode = 1;
    GetExitCodeProcess(child.hProcess, &exitCode);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(child.hProcess, 1);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), waited) << "the host did not end";
    EXPECT_EQ(0u, exitCode);
}
