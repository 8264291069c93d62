#include "windows/PluginWindow.h"

#include "engine/ContestState.h"
#include "platform/win32/Button.h"
#include "resources/resource.h"

int g_lastSavedX = 0;
int g_lastSavedY = 0;

CPluginWindow::CPluginWindow(UINT templateId, HINSTANCE resources, const WindowPlace& place, bool onTop)
    : CDialog(templateId, resources), m_place(place), m_onTop(onTop)
{
}

BOOL CPluginWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    LoadPosition();
    if (m_onTop)
        SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    const HICON icon = LoadIconA(Resources(), MAKEINTRESOURCEA(IDI_STATS));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    return TRUE;
}

INT_PTR CPluginWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETCURSOR: SavePosition(); return FALSE;
    case WM_DRAWITEM: return CButton::ReflectDrawItem(lParam);
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

void CPluginWindow::LoadPosition()
{
    const SettingsFile& settings = Contest().settings;
    g_lastSavedX = settings.ReadInt(m_place.xKey);
    g_lastSavedY = settings.ReadInt(m_place.yKey);
    if (g_lastSavedX == 0)
        g_lastSavedX = m_place.defaultX;
    if (g_lastSavedY == 0)
        g_lastSavedY = m_place.defaultY;
    SetWindowPos(m_hWnd, nullptr, g_lastSavedX, g_lastSavedY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CPluginWindow::SavePosition()
{
    RECT frame;
    if (!GetWindowRect(m_hWnd, &frame))
        return;
    const SettingsFile& settings = Contest().settings;
    if (frame.left != g_lastSavedX) {
        g_lastSavedX = frame.left;
        settings.WriteInt(m_place.xKey, frame.left);
    }
    if (frame.top != g_lastSavedY) {
        g_lastSavedY = frame.top;
        settings.WriteInt(m_place.yKey, frame.top);
    }
}
