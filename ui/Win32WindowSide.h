#pragma once
// The window side of the real DLL: message boxes, the Cabrillo header form and the UI thread.
#include "engine/WindowSide.h"

class Win32WindowSide : public WindowSide {
public:
    bool ControlWindowExists() override;
    void PostRefresh() override;
    void ClearMarks() override;
    void StartUiThread() override;
    CabrilloHeaderForm& HeaderForm() override;
    void ShowMessage(const CString& text, const CString& caption, MessageStyle style) override;
};
