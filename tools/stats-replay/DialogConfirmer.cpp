#include "tools/stats-replay/DialogConfirmer.h"

#include "tools/host-automation/HostAutomation.h"

namespace replay {

namespace {

constexpr DWORD kPollMilliseconds = 50;
// Controls that only the header form has: the callsign edit and the LOCATION combo box.
constexpr int kFormCallsignId = 1010;
constexpr int kFormLocationId = 1022;

bool IsCabrilloDialog(HWND dialog) {
    char caption[32] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    const bool headerForm = GetDlgItem(dialog, kFormCallsignId) && GetDlgItem(dialog, kFormLocationId);
    return headerForm || lstrcmpA(caption, "Output") == 0;
}

// Presses OK on a visible Cabrillo dialog of this process.
BOOL CALLBACK ConfirmDialog(HWND window, LPARAM) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0 &&
        IsCabrilloDialog(window))
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return TRUE;
}

}  // namespace

DialogConfirmer::DialogConfirmer() {
    stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &DialogConfirmer::Watch, this, 0, nullptr);
}

DialogConfirmer::~DialogConfirmer() {
    SetEvent(stop_);
    if (thread_) {
        // The main thread keeps serving the host's object while it waits.
        PumpMessagesUntilSignalled(thread_, INFINITE);
        CloseHandle(thread_);
    }
    CloseHandle(stop_);
}

DWORD WINAPI DialogConfirmer::Watch(LPVOID self) {
    auto* confirmer = static_cast<DialogConfirmer*>(self);
    while (WaitForSingleObject(confirmer->stop_, kPollMilliseconds) == WAIT_TIMEOUT)
        EnumWindows(ConfirmDialog, 0);
    return 0;
}

}  // namespace replay
