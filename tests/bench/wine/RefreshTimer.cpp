#include "tests/bench/wine/RefreshTimer.h"

#include <atomic>

#include "platform/win32/ScopedHandle.h"
#include "tools/host-automation/HostAutomation.h"

namespace {

enum class Stage { Idle, AwaitingRefresh, AwaitingPaint, Painting };

// A hook procedure has no context of its own: the one timer's state, shared with the hook
// on the UI thread.
std::atomic<HWND> g_grid{nullptr};
std::atomic<Stage> g_stage{Stage::Idle};
LARGE_INTEGER g_handlerDone{};
LARGE_INTEGER g_end{};
ScopedHandle g_done;
UINT g_probe = 0;

constexpr WPARAM kAfterRefresh = 1;
constexpr WPARAM kAfterPaint = 2;

// On the UI thread: what is left to wait for once the refresh or a paint is done.
void AwaitPaintsOrFinish()
{
    if (HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT) {
        g_stage = Stage::AwaitingPaint;
        return;
    }
    QueryPerformanceCounter(&g_end);
    g_stage = Stage::Idle;
    SetEvent(g_done.Get());
}

LRESULT CALLBACK OnMessageTaken(int code, WPARAM removal, LPARAM parameter)
{
    const MSG& message = *reinterpret_cast<const MSG*>(parameter);
    if (code == HC_ACTION && removal == PM_REMOVE) {
        const Stage stage = g_stage;
        if (message.message == g_probe && message.hwnd == g_grid) {
            if (message.wParam == kAfterRefresh && stage == Stage::AwaitingRefresh) {
                QueryPerformanceCounter(&g_handlerDone);
                AwaitPaintsOrFinish();
            } else if (message.wParam == kAfterPaint && stage == Stage::Painting) {
                AwaitPaintsOrFinish();
            }
        } else if (message.message == WM_PAINT && stage == Stage::AwaitingPaint) {
            g_stage = Stage::Painting;
            PostMessageA(g_grid, g_probe, kAfterPaint, 0);
        }
    }
    return CallNextHookEx(nullptr, code, removal, parameter);
}

} // namespace

RefreshTimer::RefreshTimer(HWND grid)
{
    g_probe = RegisterWindowMessageA("StatsBenchRefreshProbe");
    g_done.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr)); // manual reset: the pump tests it after its wait
    g_grid = grid;
    const DWORD uiThread = GetWindowThreadProcessId(grid, nullptr);
    if (g_done && uiThread)
        hook_ = SetWindowsHookExA(WH_GETMESSAGE, OnMessageTaken, nullptr, uiThread);
}

RefreshTimer::~RefreshTimer()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    g_grid = nullptr;
    g_done.Reset();
}

std::optional<RefreshPhases> RefreshTimer::TimeOne(
    const std::function<void()>& requestRefresh, const HostAutomation& host, DWORD timeoutMs)
{
    if (!hook_)
        return std::nullopt;
    LARGE_INTEGER frequency, start, typedCallServed{}, frequencyServed{};
    QueryPerformanceFrequency(&frequency);
    const auto since = [&](const LARGE_INTEGER& moment) {
        return static_cast<double>(moment.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
    };
    const unsigned fieldCalls = host.Calls(kHostField);
    const unsigned frequencyCalls = host.Calls(kHostFrequency);
    // Checked after every batch of messages the pump dispatches, so a host call is seen as
    // served as soon as its message has been handled.
    const auto noteHostCalls = [&] {
        if (!typedCallServed.QuadPart && host.Calls(kHostField) > fieldCalls)
            QueryPerformanceCounter(&typedCallServed);
        if (!frequencyServed.QuadPart && host.Calls(kHostFrequency) > frequencyCalls)
            QueryPerformanceCounter(&frequencyServed);
        return WaitForSingleObject(g_done.Get(), 0) == WAIT_OBJECT_0;
    };

    ResetEvent(g_done.Get());
    g_stage = Stage::AwaitingRefresh;
    QueryPerformanceCounter(&start);
    requestRefresh();
    PostMessageA(g_grid, g_probe, kAfterRefresh, 0);
    if (!PumpMessagesUntil(noteHostCalls, timeoutMs) || !typedCallServed.QuadPart || !frequencyServed.QuadPart) {
        g_stage = Stage::Idle;
        return std::nullopt;
    }
    return RefreshPhases{since(typedCallServed), since(frequencyServed), since(g_handlerDone), since(g_end)};
}
