#include "tools/stats-replay/WindowedHost.h"

#include <cstdio>
#include <vector>

#include "tools/screenshot/Screenshot.h"
#include "tools/stats-replay/WindowLayout.h"

namespace replay {
namespace {

constexpr DWORD kControlWindowTimeout = 15000;
// A refresh that is still running when the call check comes posts no new one; the call check
// is then repeated, as the host repeats it while the operator types.
constexpr DWORD kRefreshSlice = 20;
constexpr int kRefreshAttempts = 250;
constexpr DWORD kFrequencyTimeout = 2000;
constexpr DWORD kPaintMilliseconds = 500;
constexpr DWORD kCloseTimeout = 10000;
// Check boxes that only the control window has: "Window on top", and no control 1018 (which the
// continent and call-area windows have).
constexpr int kWindowOnTopBox = 1017;
constexpr int kNotInControlWindow = 1018;

BOOL CALLBACK CollectOtherThreadsWindow(HWND window, LPARAM list) {
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && thread != GetCurrentThreadId() && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// The visible top-level windows of this process that other threads than this one own.
std::vector<HWND> OtherThreadsWindows() {
    std::vector<HWND> found;
    EnumWindows(CollectOtherThreadsWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FindControlWindow() {
    for (HWND window : OtherThreadsWindows())
        if (GetDlgItem(window, kWindowOnTopBox) && !GetDlgItem(window, kNotInControlWindow)) return window;
    return nullptr;
}

std::vector<HWND> ThreadsVisibleWindows(DWORD thread) {
    std::vector<HWND> found;
    for (HWND window : OtherThreadsWindows())
        if (GetWindowThreadProcessId(window, nullptr) == thread) found.push_back(window);
    return found;
}

std::string WindowText(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT UnionOfWindows(const std::vector<HWND>& windows) {
    RECT all{};
    for (HWND window : windows) {
        RECT r;
        GetWindowRect(window, &r);
        UnionRect(&all, &all, &r);
    }
    RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
    screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    IntersectRect(&all, &all, &screen);
    return all;
}

// "picture: window "Area" 398,0 171x281" and one line per button, in the picture's pixels.
void PrintPictureMap(const std::vector<HWND>& windows, const RECT& area) {
    for (HWND window : windows) {
        RECT r;
        GetWindowRect(window, &r);
        std::printf("picture: window \"%s\" %ld,%ld %ldx%ld\n", WindowText(window).c_str(), r.left - area.left,
                    r.top - area.top, r.right - r.left, r.bottom - r.top);
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char className[16] = "";
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Button") != 0 || !IsWindowVisible(child)) continue;
            GetWindowRect(child, &r);
            std::printf("picture: button \"%s\" %d \"%s\" %ld,%ld %ldx%ld\n", WindowText(window).c_str(),
                        GetDlgCtrlID(child), WindowText(child).c_str(), r.left - area.left, r.top - area.top,
                        r.right - r.left, r.bottom - r.top);
        }
    }
}

}  // namespace

bool HaveDisplay() {
    // Under Wine without an X display the first window would start Wine's desktop process,
    // which fails and leaves the Wine session without a desktop for the programs after it.
    using WineVersion = const char*(CDECL*)();
    const auto wineVersion = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    auto isSet = [](const char* name) {
        char value[8] = "";
        return GetEnvironmentVariableA(name, value, sizeof value) > 0 && value[0] != '\0';
    };
    if (wineVersion && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) return false;
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!probe) return false;
    DestroyWindow(probe);
    return true;
}

WindowedHost::~WindowedHost() {
    CloseWindows();
    host_.reset();
    Restore();
}

bool WindowedHost::Open(HMODULE plugin, std::string& error) {
    if (!settings_.Prepare()) {
        error = "cannot make the folder Plugins for the plug-in's settings";
        return false;
    }
    // The contest start that finds Start=0 opens the windows that the view keys name.
    bool written = settings_.Set("Start", "0");
    for (const char* key : {"setup_view_dxcc", "setup_view_continent", "setup_view_call_area", "setup_window_on_top"})
        written = settings_.Set(key, "1") && written;
    for (const auto& [key, value] : SideBySideLayout(plugin)) written = settings_.Set(key, value) && written;
    if (!written) {
        error = "cannot write the plug-in's settings file Plugins\\BARTG-SPRINT.ini";
        return false;
    }
    host_ = std::make_unique<HostAutomation>();
    const HRESULT registration = host_->Registration();
    if (registration == CO_E_ALREADYINITIALIZED) {
        error = "a program that serves Kelb2.Application is running; the plug-in would talk to it. Close it first";
        return false;
    }
    if (FAILED(registration)) {
        char text[160];
        std::snprintf(text, sizeof text, "cannot publish the host's automation object Kelb2.Application (0x%08lX)",
                      static_cast<unsigned long>(registration));
        error = text;
        return false;
    }
    if (verbose_ && host_->UsesExistingProgId())
        std::printf("Kelb2.Application is registered already; the object runs under its class id\n");
    return true;
}

bool WindowedHost::WaitForControlWindow() {
    PumpMessagesUntil([this] { return (controlWindow_ = FindControlWindow()) != nullptr; }, kControlWindowTimeout);
    if (!controlWindow_) return false;
    uiThread_ = GetWindowThreadProcessId(controlWindow_, nullptr);
    // The multiplier windows open with the control window's first refresh.
    PumpMessagesFor(kPaintMilliseconds);
    PrintNewMacros();
    return true;
}

void WindowedHost::ShowQso(const std::string& call, double frequencyHz) {
    host_->SetTypedCall(call);
    host_->SetFrequencyHz(frequencyHz);
    fieldCallsBefore_ = host_->Calls(kHostField);
    frequencyCallsBefore_ = host_->Calls(kHostFrequency);
}

bool WindowedHost::WaitForRefresh(const std::function<void()>& checkCall) {
    if (!controlWindow_) return false;
    for (int attempt = 0; attempt < kRefreshAttempts; ++attempt) {
        if (attempt > 0) checkCall();
        if (PumpMessagesUntil([this] { return host_->Calls(kHostField) > fieldCallsBefore_; }, kRefreshSlice)) {
            // Macros sent so far came from the refresh of the QSO before.
            PrintNewMacros();
            return true;
        }
        if (!IsWindow(controlWindow_)) break;
    }
    return false;
}

void WindowedHost::FinishRefresh(unsigned paceMilliseconds) {
    if (!controlWindow_) return;
    PumpMessagesUntil([this] { return host_->Calls(kHostFrequency) > frequencyCallsBefore_; }, kFrequencyTimeout);
    if (paceMilliseconds) PumpMessagesFor(paceMilliseconds);
    PrintNewMacros();
}

void WindowedHost::PrintNewMacros() {
    const std::vector<std::string> macros = host_->Macros();
    for (; macrosPrinted_ < macros.size(); ++macrosPrinted_)
        if (verbose_) std::printf("       host macro: %s\n", macros[macrosPrinted_].c_str());
}

bool WindowedHost::SaveScreenshot(const std::string& path, std::string& error) {
    const std::vector<HWND> windows = ThreadsVisibleWindows(uiThread_);
    if (windows.empty()) {
        error = "the plug-in shows no windows to take a picture of";
        return false;
    }
    for (HWND window : windows) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    PumpMessagesFor(kPaintMilliseconds);
    const RECT area = UnionOfWindows(windows);
    if (IsRectEmpty(&area)) {
        error = "the plug-in's windows are off the screen";
        return false;
    }
    if (FAILED(ScreenPicture(area).SavePng(path))) {
        error = "cannot write the picture " + path;
        return false;
    }
    if (verbose_) PrintPictureMap(windows, area);
    return true;
}

void WindowedHost::WaitForOperator() {
    if (!controlWindow_) return;
    std::printf("The plug-in's windows stay open until you close the control window (Esc in it).\n");
    std::fflush(stdout);
    PumpMessagesUntil([this] { return !IsWindow(controlWindow_); }, INFINITE);
}

void WindowedHost::CloseWindows() {
    if (!controlWindow_) return;
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, uiThread_);
    if (IsWindow(controlWindow_)) PostMessageA(controlWindow_, WM_CLOSE, 0, 0);
    if (thread) {
        PumpMessagesUntilSignalled(thread, kCloseTimeout);
        CloseHandle(thread);
    } else {
        PumpMessagesUntil([this] { return !IsWindow(controlWindow_); }, kCloseTimeout);
    }
    PrintNewMacros();
    controlWindow_ = nullptr;
}

void WindowedHost::Restore() {
    if (host_) host_->RestoreRegistry();
    settings_.Restore();
}

}  // namespace replay
