#include "ui/Win32WindowSide.h"

#include "ui/StatsMessages.h"
#include "ui/UiThread.h"

bool Win32WindowSide::ControlWindowExists() { return g_setupDialog != nullptr; }

void Win32WindowSide::PostRefresh() { PostToControlWindow(WM_STATS_REFRESH); }

// Posted ahead of the removal's refresh, into the same queue, so it is handled first.
void Win32WindowSide::ClearMarks() { PostToControlWindow(WM_STATS_CLEAR_MARKS); }

void Win32WindowSide::StartUiThread() { ::StartUiThread(m_module); }

void Win32WindowSide::ShowMessage(const CString& text, const CString& caption, MessageStyle style)
{
    // The library has no main window: the setup message has no owner, the file message belongs
    // to the active window.
    const bool information = style == MessageStyle::Information;
    const HWND owner = information ? GetActiveWindow() : nullptr;
    const UINT type = information ? MB_OK | MB_ICONINFORMATION : MB_OK;
    // An empty caption stays empty (a null one would give the system's "Error").
    MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}
