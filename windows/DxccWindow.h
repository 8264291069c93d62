#pragma once
// Multiplier: the DXCC window (dialog 104). Its whole client area is the grid.
#include "windows/DxccGrid.h"
#include "windows/PluginWindow.h"

class Multiplier : public CPluginWindow {
public:
    Multiplier(HINSTANCE resources, bool onTop);

    // Repaints the grid from the current state without erasing it first.
    void RepaintGrid();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // WM_SIZE fits the grid to the client area.
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CCqWwInfoButton m_grid;
};
