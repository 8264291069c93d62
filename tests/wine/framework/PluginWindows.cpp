#include "tests/wine/framework/PluginWindows.h"

#include <vector>

#include "tools/host-automation/HostAutomation.h"

namespace {

struct Search {
    const DialogTest* test;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (process != GetCurrentProcessId() || std::string(className) != "#32770" || !IsWindowVisible(window)
        || !(*search.test)(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

HWND FindPluginDialog(const DialogTest& test)
{
    Search search{&test, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForPluginDialog(const DialogTest& test, DWORD timeoutMilliseconds)
{
    HWND found = nullptr;
    PumpMessagesUntil([&] { return (found = FindPluginDialog(test)) != nullptr; }, timeoutMilliseconds);
    return found;
}

bool WaitUntilNoPluginDialog(const DialogTest& test, DWORD timeoutMilliseconds)
{
    return PumpMessagesUntil([&] { return FindPluginDialog(test) == nullptr; }, timeoutMilliseconds);
}

std::string WindowText(HWND window)
{
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(window)) + 2);
    const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<size_t>(length > 0 ? length : 0));
}

std::string ControlText(HWND dialog, int controlId) { return WindowText(GetDlgItem(dialog, controlId)); }

// Control 1023 is the control window's "To display"; the call-area window has it too, with
// 1024 beside it.
bool IsControlWindow(HWND dialog) { return GetDlgItem(dialog, 1023) && !GetDlgItem(dialog, 1024); }
bool IsDxccWindow(HWND dialog) { return ControlText(dialog, 1003) == "Button1"; }
bool IsContinentWindow(HWND dialog) { return ControlText(dialog, 1014) == "EU"; }
bool IsCallAreaWindow(HWND dialog) { return ControlText(dialog, 1021) == "7"; }
