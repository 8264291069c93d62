#include "ui/UiThread.h"

#include <mutex>

#include "ui/HostLink.h"
#include "ui/MultiplierWindows.h"
#include "ui/Setup.h"
#include "ui/StatsApp.h"

std::atomic<Setup*> g_setupDialog{nullptr};

namespace {

// How long the host's thread waits for a UI run to end before it gives up on it.
constexpr DWORD kRunEndTimeoutMs = 2000;

enum class RunPhase { Idle, Starting, Running, Ending };

// Written by the host's thread when it starts a run and by the UI thread as the run goes on.
std::atomic<RunPhase> g_phase{RunPhase::Idle};
std::atomic<HWND> g_controlWindow{nullptr};
std::atomic<bool> g_closing{false};

// The host's side of the run, kept by whichever host thread starts or ends it.
std::mutex g_lifecycle;
HANDLE g_uiThread = nullptr;
HANDLE g_runEnded = nullptr;   // signalled by the UI thread's very last act

// Signals that the run has ended and ends the thread without running another instruction of
// this library: SetEvent returns straight into ExitThread. The host may unload the library
// the moment the event is set.
[[noreturn]] void SignalRunEndedAndExit(HANDLE ended)
{
#if defined(__GNUC__) && defined(__i386__)
    asm volatile("pushl $0\n\t"   // ExitThread's exit code
                 "pushl $0\n\t"   // ExitThread's return address, never used
                 "pushl %0\n\t"   // SetEvent's argument
                 "pushl %1\n\t"   // SetEvent's return address: ExitThread
                 "jmp *%2"
                 :
                 : "r"(ended), "r"(&ExitThread), "r"(&SetEvent)
                 : "memory");
    __builtin_unreachable();
#else
    SetEvent(ended);
    ExitThread(0);
#endif
}

void RunUi() noexcept
{
    try {
        Setup* dialog = new Setup(theApp.m_hInstance);
        g_setupDialog = dialog;
        g_phase = RunPhase::Running;
        dialog->DoModal();
        g_phase = RunPhase::Ending;
        g_controlWindow = nullptr;
        for (MultiplierKind kind : {MultiplierKind::CallArea, MultiplierKind::Continent, MultiplierKind::Dxcc})
            CloseMultiplierWindow(kind);
        UnlinkFromHost();
        g_setupDialog = nullptr;
        delete dialog;
    } catch (...) {
        g_controlWindow = nullptr;
        g_setupDialog = nullptr;
    }
}

DWORD WINAPI UiThreadProc(void* runEnded)
{
    RunUi();
    SignalRunEndedAndExit(static_cast<HANDLE>(runEnded));
}

void ForgetEndedRun()
{
    if (g_uiThread)
        CloseHandle(g_uiThread);
    if (g_runEnded)
        CloseHandle(g_runEnded);
    g_uiThread = g_runEnded = nullptr;
    g_phase = RunPhase::Idle;
}

bool RunUnderWay() { return g_runEnded && WaitForSingleObject(g_runEnded, 0) == WAIT_TIMEOUT; }

// Waits until the run has ended (or its thread is gone), handling this thread's messages
// meanwhile. False after `timeoutMs`.
bool WaitForRunEnd(DWORD timeoutMs)
{
    if (!g_runEnded)
        return true;
    const HANDLE ends[] = {g_runEnded, g_uiThread};
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD waited = GetTickCount() - start;
        if (waited >= timeoutMs)
            return false;
        const DWORD woken = MsgWaitForMultipleObjects(2, ends, FALSE, timeoutMs - waited, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_OBJECT_0 + 1)
            return true;
        if (woken != WAIT_OBJECT_0 + 2)
            return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

// Asks the run to end and waits for it. Caller holds g_lifecycle.
bool EndRun()
{
    if (!RunUnderWay())
        return true;
    g_closing = true;
    PostToControlWindow(WM_STATS_CLOSE_ALL);
    // A run still starting has no control window yet: it sees g_closing once it has one.
    const bool ended = WaitForRunEnd(kRunEndTimeoutMs);
    if (ended) {
        ForgetEndedRun();
        g_closing = false;
    }
    return ended;
}

} // namespace

void ControlWindowOpened(HWND window)
{
    g_controlWindow = window;
    if (g_closing)
        PostMessageA(window, WM_STATS_CLOSE_ALL, 0, 0);
}

bool UiRunClosing() { return g_closing; }

void PostToControlWindow(UINT message)
{
    if (const HWND window = g_controlWindow)
        PostMessageA(window, message, 0, 0);
}

void StartUiThread()
{
    std::lock_guard<std::mutex> lock(g_lifecycle);
    if (RunUnderWay()) {
        // A run that is still coming up is the run asked for.
        if (g_phase == RunPhase::Starting)
            return;
        if (!EndRun())
            return;
    }
    ForgetEndedRun();
    g_runEnded = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!g_runEnded)
        return;
    g_phase = RunPhase::Starting;
    g_uiThread = CreateThread(nullptr, 0, UiThreadProc, g_runEnded, 0, nullptr);
    if (!g_uiThread)
        ForgetEndedRun();
}

void CloseAllWindows()
{
    std::lock_guard<std::mutex> lock(g_lifecycle);
    EndRun();
}

void CloseAllWindowsAtUnload(bool processEnding)
{
    if (processEnding)
        return;
    std::lock_guard<std::mutex> lock(g_lifecycle);
    if (EndRun())
        return;
    // The UI thread is stuck (in a host call nobody answers): keep the library mapped for the
    // rest of the process, so that the thread never runs into unmapped code.
    HMODULE self;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&CloseAllWindowsAtUnload), &self);
}
