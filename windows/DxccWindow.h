#pragma once
// Multiplier: the DXCC window (dialog 104). Its whole client area is the grid.
#include "windows/DxccGrid.h"
#include "windows/MultiplierWindow.h"

class Multiplier : public CMultiplierWindow {
public:
    Multiplier(HINSTANCE resources, const WindowPlace& place, bool onTop);

    // The grid draws the worked multipliers itself: it is repainted from the current state,
    // without erasing it first.
    void ShowWorked(const std::vector<CString>& codes) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // WM_SIZE fits the grid to the client area.
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CCqWwInfoButton m_grid;
};
