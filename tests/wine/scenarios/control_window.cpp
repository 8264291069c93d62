// The UI run of the real DLL: when ResetStats0 starts it, what its control window shows, how it
// talks to the host's automation object, and how it ends (Esc, a new start, unloading).
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/DialogWatcher.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/PluginWindows.h"
#include "tests/wine/framework/StatsLibrary.h"
#include "tools/host-automation/HostAutomation.h"

namespace {

using Texts = std::vector<std::string>;

constexpr DWORD kQuietMilliseconds = 700; // long enough for a refresh that would come

class ControlWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_DISPLAY();
        ASSERT_HRESULT_SUCCEEDED(host.Registration());
        host.SetFrequencyHz(14080000);
        MakeFolder("Plugins");
        library.emplace();
    }

    Host Plugin() { return Host(library->ByPlainName()); }

    // Starts the contest and waits for the control window and its first refresh.
    HWND StartUiRun(const TestContestStart& start = {})
    {
        Plugin().StartContest(start);
        const HWND window = WaitForPluginDialog(IsControlWindow);
        if (window)
            PumpMessagesUntil([&] { return host.Calls(kHostField) > fieldCallsBefore_; }, 5000);
        fieldCallsBefore_ = host.Calls(kHostField);
        return window;
    }

    // The number of refreshes that asked the host for the typed call since the last look.
    unsigned NewRefreshes()
    {
        PumpMessagesFor(kQuietMilliseconds);
        const unsigned calls = host.Calls(kHostField);
        const unsigned fresh = calls - fieldCallsBefore_;
        fieldCallsBefore_ = calls;
        return fresh;
    }

    void TypeCall(const char* call = "G4ABC")
    {
        host.SetTypedCall(call);
        TestEnteredCall entered;
        entered.call = call;
        Plugin().CheckCall(entered);
    }

    // The run ends a moment after its window: the host cannot see that moment, so it waits.
    static void PressEscape(HWND window)
    {
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(WaitUntilNoPluginDialog(IsControlWindow));
        PumpMessagesFor(300);
    }

    HostAutomation host;
    std::optional<StatsLibrary> library;

private:
    unsigned fieldCallsBefore_ = 0;
};

bool IsChecked(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

} // namespace

TEST_F(ControlWindowTest, OpensOnEverySecondContestStartAndNeverForExcludedHostVersions)
{
    HWND window = StartUiRun();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ("1", PluginSetting("Start"));
    PressEscape(window);

    Plugin().StartContest();
    EXPECT_EQ(nullptr, WaitForPluginDialog(IsControlWindow, kQuietMilliseconds));
    EXPECT_EQ("0", PluginSetting("Start"));
    ASSERT_NE(nullptr, window = StartUiRun());

    // A start while the run is under way leaves it alone.
    WritePluginSettings("[Settings]\nStart=0");
    Plugin().StartContest();
    EXPECT_EQ(window, FindPluginDialog(IsControlWindow));
    EXPECT_EQ("0", PluginSetting("Start"));
    PressEscape(window);

    // The host names its own folder, where its settings file is.
    WriteHostSettings("2.14R");
    const std::string hostFolder = CurrentFolder();
    Plugin().StartContest({.hostFolder = hostFolder.c_str()});
    EXPECT_EQ(nullptr, WaitForPluginDialog(IsControlWindow, kQuietMilliseconds));
    EXPECT_EQ("1", PluginSetting("Start"));
}

TEST_F(ControlWindowTest, ShowsItsBoxesTopmostAtItsPlaceWithoutACloseCommand)
{
    WritePluginSettings("[Settings]\nsetup_x=-5\nsetup_y=0\nsetup_window_on_top=1\nsetup_view_dxcc=letters");
    const HWND window = StartUiRun();
    ASSERT_NE(nullptr, window);

    EXPECT_EQ("Setup BARTG-SPRINT 2018", WindowText(window));
    EXPECT_EQ((Texts{"To display", "DXCC", "Area", "Continent", "Window on top"}),
        (Texts{ControlText(window, 1023), ControlText(window, 1014), ControlText(window, 1015),
            ControlText(window, 1016), ControlText(window, 1017)}));
    EXPECT_TRUE(IsChecked(window, 1017));
    EXPECT_FALSE(IsChecked(window, 1014));
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_EQ(-5, frame.left);
    EXPECT_EQ(600, frame.top);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND) & (MF_DISABLED | MF_GRAYED));
    EXPECT_TRUE(SendMessageA(window, WM_GETICON, ICON_BIG, 0));

    // Enter leaves the window open; the position is saved when the pointer passes over it.
    PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
    PumpMessagesFor(200);
    EXPECT_EQ(window, FindPluginDialog(IsControlWindow));
    SetWindowPos(window, nullptr, 200, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
    EXPECT_EQ((Texts{"200", "300"}), (Texts{PluginSetting("setup_x"), PluginSetting("setup_y")}));
}

TEST_F(ControlWindowTest, RussianOperatorsGetRussianTexts)
{
    TestContestStart start;
    start.ownDxccPrefix = "UA9";
    const HWND window = StartUiRun(start);
    ASSERT_NE(nullptr, window);
    EXPECT_TEXT_EQ("\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8 BARTG-SPRINT 2018", WindowText(window));
    EXPECT_TEXT_EQ("\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC", ControlText(window, 1023));
    EXPECT_TEXT_EQ("DXCC", ControlText(window, 1014));
    EXPECT_TEXT_EQ("\xD0\xE0\xE9\xEE\xED\xFB", ControlText(window, 1015));
    EXPECT_TEXT_EQ("\xCA\xEE\xED\xF2\xE8\xED\xE5\xED\xF2\xFB", ControlText(window, 1016));
    EXPECT_TEXT_EQ("\xCF\xEE\xE2\xE5\xF0\xF5 \xEE\xEA\xEE\xED", ControlText(window, 1017));
}

TEST_F(ControlWindowTest, CheckBoxesOpenAndCloseWindowsAndWriteTheirKeys)
{
    const HWND window = StartUiRun();
    ASSERT_NE(nullptr, window);
    const struct {
        int box;
        const char* key;
        DialogTest opens;
    } boxes[] = {{1014, "setup_view_dxcc", IsDxccWindow}, {1015, "setup_view_call_area", IsCallAreaWindow},
        {1016, "setup_view_continent", IsContinentWindow}};
    for (const auto& view : boxes) {
        SendDlgItemMessageA(window, view.box, BM_CLICK, 0, 0);
        EXPECT_EQ("1", PluginSetting(view.key)) << view.key;
        EXPECT_NE(nullptr, WaitForPluginDialog(view.opens)) << view.key;
        EXPECT_EQ(1u, NewRefreshes()) << "opening a window refreshes it: " << view.key;
    }
    SendDlgItemMessageA(window, 1017, BM_CLICK, 0, 0);
    EXPECT_EQ("1", PluginSetting("setup_window_on_top"));
    const HWND reopened = WaitForPluginDialog(IsDxccWindow);
    ASSERT_NE(nullptr, reopened);
    EXPECT_TRUE(GetWindowLongA(reopened, GWL_EXSTYLE) & WS_EX_TOPMOST);

    SendDlgItemMessageA(window, 1014, BM_CLICK, 0, 0);
    EXPECT_EQ("0", PluginSetting("setup_view_dxcc"));
    EXPECT_TRUE(WaitUntilNoPluginDialog(IsDxccWindow));
    EXPECT_NE(nullptr, FindPluginDialog(IsContinentWindow));
}

TEST_F(ControlWindowTest, HostHearsTheStartMacrosAndOneRefreshForManyTypedCalls)
{
    ASSERT_NE(nullptr, StartUiRun());
    PumpMessagesUntil([&] { return host.Macros().size() >= 3; }, 5000);
    EXPECT_EQ((Texts{"<MODE:RTTY>", "<BAUDRATE:45.45>", "<SP1>"}), host.Macros());

    // The host's thread is busy typing: every call but the first finds a refresh queued.
    for (int i = 0; i < 20; ++i)
        TypeCall();
    EXPECT_EQ(1u, NewRefreshes());

    host.SetFrequencyHz(14080300);
    TypeCall();
    EXPECT_EQ(1u, NewRefreshes());
    EXPECT_EQ(3u, host.Macros().size()) << "a move of 300 Hz sends no spot macro";
    host.SetFrequencyHz(14080601);
    TypeCall();
    EXPECT_EQ(1u, NewRefreshes());
    EXPECT_EQ((Texts{"<MODE:RTTY>", "<BAUDRATE:45.45>", "<SP1>", "<SP1>"}), host.Macros());
}

TEST_F(ControlWindowTest, AFailingHostCallEndsOnlyThatRefresh)
{
    ASSERT_NE(nullptr, StartUiRun());
    host.SetFailing(true);
    TypeCall();
    EXPECT_EQ(1u, NewRefreshes());
    host.SetFailing(false);
    TypeCall();
    EXPECT_EQ(1u, NewRefreshes());
    TypeCall();
    EXPECT_EQ(1u, NewRefreshes());
}

TEST_F(ControlWindowTest, EscEndsTheRunAndNoRefreshFollows)
{
    const HWND window = StartUiRun();
    ASSERT_NE(nullptr, window);
    PressEscape(window);
    TypeCall();
    TypeCall();
    EXPECT_EQ(0u, NewRefreshes());
}

TEST_F(ControlWindowTest, UnloadingClosesTheWindowsAtOnceEvenWithARefreshWaitingOnTheHost)
{
    WritePluginSettings("[Settings]\nsetup_view_dxcc=1\nsetup_view_continent=1\nsetup_view_call_area=1");
    ASSERT_NE(nullptr, StartUiRun());
    ASSERT_NE(nullptr, WaitForPluginDialog(IsCallAreaWindow));

    // The host's thread does not pump between the call check and the unload, so the refresh
    // is still waiting for the typed call when FreeLibrary begins.
    TypeCall();
    Sleep(300);
    const DWORD start = GetTickCount();
    library->Unload();
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_EQ(nullptr, FindPluginDialog([](HWND) { return true; }));
    PumpMessagesFor(500);
    EXPECT_EQ(nullptr, FindPluginDialog([](HWND) { return true; }));
}
