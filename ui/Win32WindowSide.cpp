#include "ui/Win32WindowSide.h"

#include <windows.h>

#include "reports/win32/Cabrillo.h"
#include "ui/StatsApp.h"
#include "ui/UiThread.h"

bool Win32WindowSide::ControlWindowExists() { return g_setupDialog != nullptr; }

void Win32WindowSide::PostRefresh() { PostToControlWindow(WM_STATS_REFRESH); }

// Posted ahead of the removal's refresh, into the same queue, so it is handled first.
void Win32WindowSide::ClearMarks() { PostToControlWindow(WM_STATS_CLEAR_MARKS); }

void Win32WindowSide::StartUiThread() { ::StartUiThread(); }

CabrilloHeaderForm& Win32WindowSide::HeaderForm()
{
    // The dialog template lives in this library, whose handle DllMain has stored by now.
    static CabrilloDialogForm form(theApp.m_hInstance);
    return form;
}

void Win32WindowSide::ShowMessage(const CString& text, const CString& caption, MessageStyle style)
{
    // The setup message belongs to the application's main window; the file message to the
    // main window or, without one, to the active window.
    HWND owner = theApp.m_hMainWnd;
    UINT type = MB_OK;
    if (style == MessageStyle::Information) {
        type |= MB_ICONINFORMATION;
        if (!owner)
            owner = GetActiveWindow();
    }
    // An empty caption stays empty (a null one would give the system's "Error").
    MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}
