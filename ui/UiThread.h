#pragma once
// The UI thread: one UI run at a time shows the control window modally and, from its message
// loop, the multiplier windows. The host's thread starts a run (ResetStats0), asks it for
// refreshes, and ends it (a new contest start, or unloading the library).
#include <windows.h>

#include <atomic>

class Setup;

// The control window of the current UI run; null when no UI run is under way.
extern std::atomic<Setup*> g_setupDialog;

// The refresh request, posted to the control window (wParam and lParam 0).
constexpr UINT WM_STATS_REFRESH = WM_USER + 500;
// Clears the marks of the continent and call-area windows; posted by a QSO removal ahead of
// its refresh, so the marks are gone before that refresh runs.
constexpr UINT WM_STATS_CLEAR_MARKS = WM_USER + 501;
// Ends the UI run: closes the multiplier windows, then the control window.
constexpr UINT WM_STATS_CLOSE_ALL = WM_USER + 502;

// Starts a UI run on a thread of its own, ending the current one first. A run that is still
// starting is left to come up; only one run is ever under way.
void StartUiThread();

// Posts `message` to the control window of the current run; nothing without one.
void PostToControlWindow(UINT message);

// Ends the current UI run and returns when it has ended (at once without one). The waiting
// thread keeps pumping its messages, so a host that serves its automation object on it
// answers the UI thread meanwhile.
void CloseAllWindows();

// The library's exit step. `processEnding`: the process is ending and every other thread is
// gone already. Never waits longer than a bounded time; a UI thread that cannot end in that
// time keeps the library loaded, so that no code of it is unmapped under the thread.
void CloseAllWindowsAtUnload(bool processEnding);

// True once the plug-in has begun to end the UI run: host calls still waiting are cancelled
// and the refresh stops at once.
bool UiRunClosing();

// The UI thread's part, called by the control window.
void ControlWindowOpened(HWND window);
