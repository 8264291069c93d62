#pragma once
// The link to the host's running automation object, "Kelb2.Application", used through its
// dispatch interface by fixed dispatch ids only. It belongs to the UI thread's COM apartment:
// linked when the control window opens, released when its UI run ends.
#include <windows.h>

#include <stdexcept>

#include "platform/CString.h"
#include "ui/UiRun.h"

// A host call that failed or was refused; it ends the refresh that made it.
struct HostCallFailed : std::runtime_error {
    explicit HostCallFailed(HRESULT result) : std::runtime_error("host call failed"), result(result) {}
    HRESULT result;
};

// Initialises COM on this thread and looks up the running host object. Host calls still
// waiting once `run` is closing are cancelled.
void LinkToHost(const UiRun& run);
// True when the host's object was found: not registered, not running or refusing gives none.
bool LinkedToHost();
// Releases the host object and uninitialises COM on this thread.
void UnlinkFromHost();

// The host's operating frequency in hertz (dispatch id 2).
double GetHostFrequency();
// A field of the host's QSO entry as text (dispatch id 8); index 5 is the call being typed.
CString GetHostField(int index);
// Has the host run `text` as one of its macros (dispatch id 16). Nothing without a host object.
void RunHostMacro(const char* text);
