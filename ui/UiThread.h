#pragma once
// The UI thread: one UI run at a time shows the control window modally and, from its message
// loop, the multiplier windows. The host's thread starts a run (ResetStats0), asks it for
// refreshes, and ends it (a new contest start, or unloading the library).
#include <windows.h>

#include <atomic>

class Setup;

// The control window of the current UI run; null when no UI run is under way.
extern std::atomic<Setup*> g_setupDialog;

// Starts a UI run of the windows of `module` (this library) on a thread of its own, ending the
// last one first, and returns once the new run is past its start-up (its control window and
// the wanted multiplier windows are up and linked to the host), or after a bounded wait.
// Meanwhile the calling thread handles its messages, so a host that serves its automation
// object on it answers the starting run. Only one run is ever under way.
void StartUiThread(HINSTANCE module);

// Posts `message` to the control window of the current run; nothing without one.
void PostToControlWindow(UINT message);

// The library's exit step: closes all windows and ends the run. `processEnding`: the process
// is ending and every other thread is gone already. Waits a bounded time for the run to end,
// handling the calling thread's messages. False when the run's thread could not
// end in that time: the library must then stay loaded, untouched, for that thread, which
// releases it as it leaves.
bool EndUiRunForUnload(bool processEnding);
