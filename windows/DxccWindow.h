#pragma once
// Multiplier: the DXCC window (dialog 104). Its whole client area is the grid, which shows
// the worked multipliers while no call is typed, and otherwise the typed call's earlier QSOs
// band by band with the current band highlighted.
#include "windows/DxccGrid.h"
#include "windows/MultiplierWindow.h"

class Multiplier : public CMultiplierWindow {
public:
    explicit Multiplier(HINSTANCE resources);

    // Repaints the grid from the current state without erasing it first.
    void RepaintGrid();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // WM_SIZE fits the grid to the client area.
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CCqWwInfoButton m_grid;
};
