#pragma once
// The window side of the real DLL: message boxes, the Cabrillo header form and the UI thread.
#include <windows.h>

#include "engine/WindowSide.h"
#include "reports/win32/Cabrillo.h"

class Win32WindowSide : public WindowSide {
public:
    // `module`: this library, which holds the dialog templates.
    explicit Win32WindowSide(HINSTANCE module) : m_module(module), m_headerForm(module) { }

    bool ControlWindowExists() override;
    void PostRefresh() override;
    void ClearMarks() override;
    void StartUiThread() override;
    CabrilloHeaderForm& HeaderForm() override { return m_headerForm; }
    void ShowMessage(const CString& text, const CString& caption, MessageStyle style) override;

private:
    HINSTANCE m_module;
    CabrilloDialogForm m_headerForm;
};
