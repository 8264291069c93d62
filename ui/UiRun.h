#pragma once
// What the control window and the host link tell the UI run that made them, and ask of it. The
// run hands itself to them when it creates them (UiThread.cpp).
#include <windows.h>

class UiRun {
public:
    // The control window is up. A run that is closing already has it close at once.
    virtual void ControlWindowOpened(HWND window) = 0;
    // The first refresh has opened the wanted windows: the run is past its start-up.
    virtual void Started() = 0;
    // True once the plug-in has begun to end the run: host calls still waiting are cancelled
    // and the refresh stops at once.
    virtual bool Closing() const = 0;

protected:
    ~UiRun() = default;
};
