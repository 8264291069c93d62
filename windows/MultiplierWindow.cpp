#include "windows/MultiplierWindow.h"

#include "platform/win32/Button.h"
#include "resources/resource.h"
#include "ui/OpenWindows.h"

CMultiplierWindow::CMultiplierWindow(UINT templateId, HINSTANCE resources, const WindowPlace& place)
    : CDialog(templateId, resources), m_resources(resources), m_place(place)
{
}

void CMultiplierWindow::PlaceWindow()
{
    LoadWindowPosition(m_hWnd, m_place);
    if (g_windowOnTop == 1)
        SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    const HICON icon = LoadIconA(m_resources, MAKEINTRESOURCEA(IDI_STATS));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

INT_PTR CMultiplierWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETCURSOR:
        SaveWindowPosition(m_hWnd, m_place);
        return FALSE;
    case WM_DRAWITEM:
        return CButton::ReflectDrawItem(lParam);
    }
    return CDialog::OnMessage(message, wParam, lParam);
}
