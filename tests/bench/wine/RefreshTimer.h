#pragma once
// Times one whole refresh of the plug-in's windows from the host's side: from the host's call
// of CheckCall0 (which asks the UI thread for the refresh) until the UI thread has run the
// refresh, with its calls of the host's automation object served by this thread, and has
// repainted every window the refresh invalidated.
//
// The end is seen through a message hook on the UI thread (a hook of this process, on a thread
// of this process). Right after CheckCall0 the host posts a probe to the DXCC grid; posted
// messages are taken in order, and the COM waits inside the refresh take none but COM's own,
// so the probe comes out of the UI thread's queue only once the refresh's handler has returned.
// Windows paint only when no posted message is left; the hook follows each paint with a second
// probe, which comes out once that paint is done, until no window of the thread needs painting.
#include <windows.h>

#include <functional>
#include <optional>

class HostAutomation;

// When the parts of one refresh ended, in microseconds after the host called CheckCall0. The
// host sees a call served only after the batch of messages that served it, so the first two
// are rough and may come a little after the UI thread's own moments.
struct RefreshPhases {
    double typedCallServed = 0; // the host answered the refresh's first call (the typed call)
    double frequencyServed = 0; // the host answered its last call (the frequency)
    double handlerDone = 0;     // the UI thread left the refresh's handler
    double paintsDone = 0;      // and repainted what the refresh invalidated: the whole refresh
};

class RefreshTimer {
public:
    // Hooks the thread that runs `grid` (the DXCC window's grid, where the probes go).
    explicit RefreshTimer(HWND grid);
    ~RefreshTimer();
    RefreshTimer(const RefreshTimer&) = delete;
    RefreshTimer& operator=(const RefreshTimer&) = delete;

    bool Hooked() const { return hook_ != nullptr; }

    // Runs `requestRefresh` (the host's CheckCall0) and pumps this thread's messages, serving
    // `host`'s calls, until the refresh and its paints are done; nothing after `timeoutMs`.
    std::optional<RefreshPhases> TimeOne(
        const std::function<void()>& requestRefresh, const HostAutomation& host, DWORD timeoutMs = 5000);

private:
    HHOOK hook_ = nullptr;
};
