#include "ui/Win32WindowSide.h"

#include <windows.h>

#include "ui/StatsApp.h"

namespace {

// Until the header form is built, a Cabrillo start goes on without it.
class NoHeaderForm : public CabrilloHeaderForm {
public:
    bool Edit(CabrilloHeader&) override { return false; }
};

} // namespace

bool Win32WindowSide::ControlWindowExists() { return false; }

void Win32WindowSide::PostRefresh() {}

void Win32WindowSide::ClearMarks() {}

void Win32WindowSide::StartUiThread() {}

CabrilloHeaderForm& Win32WindowSide::HeaderForm()
{
    static NoHeaderForm form;
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
    MessageBoxA(owner, text.c_str(), caption.IsEmpty() ? nullptr : caption.c_str(), type);
}
