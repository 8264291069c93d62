#include "windows/DxccWindow.h"

#include "resources/resource.h"

namespace {
const WindowPlace kDxccPlace = {"dxcc_x", "dxcc_y", 10, 400};
} // namespace

Multiplier::Multiplier(HINSTANCE resources, bool onTop)
    : CPluginWindow(IDD_MULTIPLIER, resources, kDxccPlace, onTop) { }

void Multiplier::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_GRID, m_grid); }

void Multiplier::RepaintGrid() { ::InvalidateRect(::GetDlgItem(m_hWnd, IDC_GRID), nullptr, FALSE); }

INT_PTR Multiplier::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE) {
        const HWND grid = ::GetDlgItem(m_hWnd, IDC_GRID);
        RECT client;
        if (grid && GetClientRect(m_hWnd, &client))
            MoveWindow(grid, client.left + 1, client.top + 1, client.right - 4, client.bottom - 4, TRUE);
        return FALSE;
    }
    return CPluginWindow::OnMessage(message, wParam, lParam);
}
