#pragma once
// What the engine asks of the window side: the UI thread, the refresh of its windows, the
// Cabrillo header form and message boxes. The DLL installs the Win32 implementation when it is
// loaded; without one (the native build) a quiet default answers, and tests install a
// scripted stand-in.
#include "platform/CString.h"
#include "reports/CabrilloLog.h"

class WindowSide {
public:
    enum class MessageStyle {
        Plain,       // no caption, OK only (the setup message)
        Information, // caption and an information icon (the Cabrillo file name)
    };

    virtual ~WindowSide() = default;

    // True while the control window exists.
    virtual bool ControlWindowExists() = 0;
    // Posts one refresh request to the control window (it does not wait).
    virtual void PostRefresh() = 0;
    // Clears the worked marks of the continent and call-area windows.
    virtual void ClearMarks() = 0;
    // Starts the UI thread with its control window.
    virtual void StartUiThread() = 0;
    // The modal Cabrillo header form.
    virtual CabrilloHeaderForm& HeaderForm() = 0;
    // A modal message box; returns when the operator has closed it.
    virtual void ShowMessage(const CString& text, const CString& caption, MessageStyle style) = 0;
};

// The window side in use (never null).
WindowSide& TheWindowSide();

// Installs `side`; null restores the quiet default.
void InstallWindowSide(WindowSide* side);
