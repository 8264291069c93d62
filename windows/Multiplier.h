#pragma once
// Multiplier: the DXCC window (dialog 104). Its whole client area is the grid, which shows
// the worked multipliers while no call is typed, and otherwise the typed call's earlier QSOs
// band by band with the current band highlighted.
#include "platform/win32/Button.h"
#include "windows/MultiplierWindow.h"

// The grid (control 1003): paints a picture of the contest state taken at the start of the
// paint, composed off-screen.
class CCqWwInfoButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override;
};

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
