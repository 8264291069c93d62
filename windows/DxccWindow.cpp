#include "windows/DxccWindow.h"

#include "resources/resource.h"

Multiplier::Multiplier(HINSTANCE resources, const WindowPlace& place, bool onTop)
    : CMultiplierWindow(IDD_MULTIPLIER, resources, place, onTop)
{
}

void Multiplier::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_GRID, m_grid); }

void Multiplier::ShowWorked(const std::vector<CString>&)
{
    ::InvalidateRect(::GetDlgItem(m_hWnd, IDC_GRID), nullptr, FALSE);
}

INT_PTR Multiplier::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE) {
        const HWND grid = ::GetDlgItem(m_hWnd, IDC_GRID);
        RECT client;
        if (grid && GetClientRect(m_hWnd, &client))
            MoveWindow(grid, client.left + 1, client.top + 1, client.right - 4, client.bottom - 4, TRUE);
        return FALSE;
    }
    return CMultiplierWindow::OnMessage(message, wParam, lParam);
}
