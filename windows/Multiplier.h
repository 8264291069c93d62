#pragma once
// Multiplier: the DXCC window (dialog 104). Its whole client area is the grid, which shows
// the worked multipliers while no call is typed, and otherwise the typed call's earlier QSOs
// band by band with the current band highlighted.
#include "platform/win32/Button.h"
#include "platform/win32/Gdi.h"
#include "windows/MultiplierWindow.h"

// The grid (control 1003): paints a picture of the contest state taken at the start of the
// paint, composed off-screen.
class CCqWwInfoButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override;

private:
    // Makes the off-screen context and bitmap for a picture of this size unless they are so
    // already; false when they cannot be made.
    bool OffScreenOfSize(const CDC& target, SIZE size);

    // The off-screen picture, kept from paint to paint while the grid keeps its size: under
    // Wine a new memory context and bitmap cost a quarter of every paint. The bitmap comes
    // first so that the context, which holds it selected, goes first.
    CBitmap m_offScreenBitmap;
    CDC m_offScreen;
    SIZE m_offScreenSize = {};
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
