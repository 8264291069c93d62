#pragma once
// What the DXCC, continent and call-area windows have in common: a modeless dialog that
// opens where it last stood (a settings-file key pair of its own), is topmost when the
// operator asked for it, carries the plug-in's icon, keeps its place in the settings file as
// the mouse passes over it, ignores Enter and only hides on Esc or its close box.
#include <windows.h>

#include "platform/win32/Dialog.h"
#include "ui/WindowPosition.h"

class CMultiplierWindow : public CDialog {
protected:
    CMultiplierWindow(UINT templateId, HINSTANCE resources, const WindowPlace& place);

    // Moves the window to its saved place, makes it topmost when g_windowOnTop is 1 and sets
    // its big icon. Called from the derived OnInitDialog.
    void PlaceWindow();

    // Enter leaves the window as it is.
    void OnOK() override {}
    // WM_SETCURSOR keeps the position; owner-drawn buttons paint themselves.
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HINSTANCE m_resources;
    WindowPlace m_place;
};
