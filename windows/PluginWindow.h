#pragma once
// What every window of the plug-in has in common (the control window and the DXCC, continent
// and call-area windows): a dialog that opens where it last stood (a settings-file key pair of
// its own), is topmost when asked, carries the plug-in's icon, keeps its place in the settings
// file as the mouse passes over it and ignores Enter.
#include <windows.h>

#include "platform/win32/Dialog.h"

struct WindowPlace {
    const char* xKey;
    const char* yKey;
    int defaultX; // used for a stored (or missing) 0
    int defaultY;
};

// The position last read or written: one pair shared by all windows, so a window whose pointer
// arrives after another window's position was saved writes its own keys again.
extern int g_lastSavedX;
extern int g_lastSavedY;

class CPluginWindow : public CDialog {
protected:
    // `onTop`: the window is made topmost when it opens.
    CPluginWindow(UINT templateId, HINSTANCE resources, const WindowPlace& place, bool onTop);

    // Places the window: its saved position (0 becomes the default), topmost when asked, the
    // big icon. A derived window runs this first.
    BOOL OnInitDialog() override;
    // Enter leaves the window as it is.
    void OnOK() override { }
    // WM_SETCURSOR keeps the position; owner-drawn buttons paint themselves.
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void LoadPosition();
    // Writes the window's left and top edges to its keys where they differ from the last-saved
    // pair. The caller then lets the default handling set the cursor.
    void SavePosition();

    WindowPlace m_place;
    bool m_onTop;
};
