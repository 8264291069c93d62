#include "ui/UiThread.h"

#include <mutex>

#include "platform/win32/ScopedHandle.h"
#include "ui/OpenWindows.h"
#include "ui/Setup.h"
#include "ui/StatsMessages.h"
#include "ui/UiRun.h"

std::atomic<Setup*> g_setupDialog{nullptr};

namespace {

// How long a contest start waits for its run to come up, and how long the library's exit step
// waits for a run to end (the host's FreeLibrary must return within 2 s).
constexpr DWORD kRunStartTimeoutMs = 5000;
constexpr DWORD kRunEndTimeoutMs = 1500;

enum class RunPhase { Idle, Starting, Running, Ending };

// How the run's thread leaves: on its own, or releasing the library that an exit step kept
// loaded for it because it did not end in time.
enum class Leaving { Pending, OnItsOwn, ReleasingTheLibrary };

// The current run as both threads see it. A run is set up only after the last one has ended,
// so these always describe one run; each new run starts them afresh.
std::atomic<RunPhase> g_phase{RunPhase::Idle};
std::atomic<HWND> g_controlWindow{nullptr};
std::atomic<bool> g_closing{false};
std::atomic<Leaving> g_leaving{Leaving::Pending};
// This library: the run's windows come from it, and a run it was kept loaded for releases it.
HINSTANCE g_module = nullptr;

// The host's side of the run, kept by whichever host thread starts or ends it. Recursive,
// because the waits handle the host's messages, from which the host may call an export again.
std::recursive_mutex g_lifecycle;
struct RunHandles {
    ScopedHandle thread;
    ScopedHandle started; // set once the run is past its start-up
    ScopedHandle ended;   // set by the thread's very last act
    DWORD threadId = 0;
};
RunHandles g_run;

// Signals that the run has ended and ends the thread without running another instruction of
// this library: SetEvent returns straight into ExitThread. The host may unload the library
// the moment the event is set.
[[noreturn]] void SignalRunEndedAndExit(HANDLE ended)
{
#if defined(__GNUC__) && defined(__i386__)
    asm volatile("pushl $0\n\t" // ExitThread's exit code
                 "pushl $0\n\t" // ExitThread's return address, never used
                 "pushl %0\n\t" // SetEvent's argument
                 "pushl %1\n\t" // SetEvent's return address: ExitThread
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

// The thread's last act. Once the end is signalled the host may forget the run at once, so
// everything needed afterwards is read before.
[[noreturn]] void LeaveRun(HANDLE ended)
{
    if (g_leaving.exchange(Leaving::OnItsOwn) == Leaving::ReleasingTheLibrary) {
        const HMODULE library = g_module;
        SetEvent(ended);
        FreeLibraryAndExitThread(library, 0);
    }
    SignalRunEndedAndExit(ended);
}

// The run as its control window and host link see it.
class CurrentRun : public UiRun {
public:
    void ControlWindowOpened(HWND window) override
    {
        g_controlWindow = window;
        if (g_closing)
            PostMessageA(window, WM_STATS_CLOSE_ALL, 0, 0);
    }
    void Started() override
    {
        RunPhase starting = RunPhase::Starting;
        if (g_phase.compare_exchange_strong(starting, RunPhase::Running))
            SetEvent(g_run.started.Get());
    }
    bool Closing() const override { return g_closing; }
};
CurrentRun g_currentRun;

void RunUi() noexcept
{
    try {
        Setup* dialog = new Setup(g_module, g_currentRun);
        g_setupDialog = dialog;
        dialog->DoModal();
        g_phase = RunPhase::Ending;
        g_controlWindow = nullptr;
        CloseMultiplierWindows();
        g_setupDialog = nullptr;
        // With the window's object goes its link to the host.
        delete dialog;
    } catch (...) {
        g_controlWindow = nullptr;
        g_setupDialog = nullptr;
    }
}

DWORD WINAPI UiThreadProc(void* ended)
{
    RunUi();
    LeaveRun(static_cast<HANDLE>(ended));
}

void ForgetEndedRun()
{
    g_run = RunHandles();
    g_phase = RunPhase::Idle;
}

bool RunUnderWay()
{
    if (!g_run.ended)
        return false;
    const HANDLE ends[] = {g_run.ended.Get(), g_run.thread.Get()};
    return WaitForMultipleObjects(2, ends, FALSE, 0) == WAIT_TIMEOUT;
}

// Waits until `signal` is set or the run has ended (or its thread is gone), handling this
// thread's messages meanwhile. False after `timeoutMs`.
bool WaitForRun(HANDLE signal, DWORD timeoutMs)
{
    HANDLE handles[3] = {signal, g_run.thread.Get()};
    DWORD count = 2;
    if (signal != g_run.ended.Get())
        handles[count++] = g_run.ended.Get();
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD waited = GetTickCount() - start;
        if (waited >= timeoutMs)
            return false;
        const DWORD woken = MsgWaitForMultipleObjects(count, handles, FALSE, timeoutMs - waited, QS_ALLINPUT);
        if (woken < WAIT_OBJECT_0 + count)
            return true;
        if (woken != WAIT_OBJECT_0 + count)
            return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void RequestRunEnd()
{
    g_closing = true;
    PostToControlWindow(WM_STATS_CLOSE_ALL);
    // Wakes a host call that the thread may be waiting in, so that its message filter cancels
    // the call. A run still starting closes itself once its control window is up.
    PostThreadMessageA(g_run.threadId, WM_NULL, 0, 0);
}

// Asks the run to end and waits for it; forgets the run once it has ended. Caller holds
// g_lifecycle.
bool EndRun(DWORD timeoutMs)
{
    if (RunUnderWay()) {
        RequestRunEnd();
        if (!WaitForRun(g_run.ended.Get(), timeoutMs))
            return false;
    }
    ForgetEndedRun();
    return true;
}

bool BeginRun(HINSTANCE module)
{
    g_module = module;
    g_closing = false;
    g_leaving = Leaving::Pending;
    g_run.started.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    g_run.ended.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (g_run.started && g_run.ended) {
        g_phase = RunPhase::Starting;
        g_run.thread.Reset(CreateThread(nullptr, 0, UiThreadProc, g_run.ended.Get(), 0, &g_run.threadId));
    }
    if (!g_run.thread)
        ForgetEndedRun();
    return static_cast<bool>(g_run.thread);
}

// Called when the run's thread did not end in time, with the loader lock held by the unload.
// Keeps the library loaded for the thread, which releases it as it leaves: the thread sees
// ReleasingTheLibrary only once the reference exists, since its FreeLibrary waits for the
// loader lock. False when the thread has just left on its own.
bool KeepLibraryForUiThread()
{
    RequestRunEnd();
    if (g_leaving.exchange(Leaving::ReleasingTheLibrary) == Leaving::OnItsOwn) {
        // Nothing can block it any more between that and the signal of its end.
        WaitForRun(g_run.ended.Get(), kRunEndTimeoutMs);
        ForgetEndedRun();
        return false;
    }
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&UiThreadProc), &self);
    return true;
}

} // namespace

void PostToControlWindow(UINT message)
{
    if (const HWND window = g_controlWindow)
        PostMessageA(window, message, 0, 0);
}

void StartUiThread(HINSTANCE module)
{
    std::lock_guard<std::recursive_mutex> lock(g_lifecycle);
    // Asked again while the run comes up: that run is the one asked for.
    if (g_phase == RunPhase::Starting && RunUnderWay())
        return;
    if (!EndRun(kRunEndTimeoutMs) || !BeginRun(module))
        return;
    // The run's start-up needs the loader lock (the thread's own start, the dialog templates),
    // which an unload holds, so the host gets control back only once the run is past it.
    WaitForRun(g_run.started.Get(), kRunStartTimeoutMs);
}

bool EndUiRunForUnload(bool processEnding)
{
    // At process exit every other thread is gone already.
    if (processEnding)
        return true;
    std::lock_guard<std::recursive_mutex> lock(g_lifecycle);
    // A run still starting could not end while this unload holds the loader lock.
    const bool starting = g_phase == RunPhase::Starting && RunUnderWay();
    if (!starting && EndRun(kRunEndTimeoutMs))
        return true;
    return !KeepLibraryForUiThread();
}
