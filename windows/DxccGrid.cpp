#include "windows/DxccGrid.h"

#include "engine/Refresh.h"

namespace {

constexpr COLORREF kListBackground = RGB(255, 250, 198);
constexpr COLORREF kTableBackground = RGB(255, 255, 198);
constexpr COLORREF kCurrentBand = RGB(198, 255, 255);

void PaintText(const CDC& dc, int x, int y, const CString& text) { dc.TextOut(x, y, text.c_str(), text.GetLength()); }

// Texts 40 pixels apart, a new line 15 pixels down when the next one would pass the right edge
// less 40. Without a current band the list is not shown.
void PaintList(const CDC& dc, const RECT& area, const GridPicture& picture)
{
    dc.FillRect(area, CBrush(kListBackground));
    if (picture.bandIndex < 0)
        return;
    dc.SetBkMode(TRANSPARENT);
    int x = 5;
    int y = 0;
    for (const CString& text : picture.multipliers) {
        PaintText(dc, x, y, text);
        x += 40;
        if (x > area.right - 40) {
            y += 15;
            x = 5;
        }
    }
}

// The typed call's QSOs on the bands 80m to 10m, one row every seventh of the height, with a
// strip behind the current band.
void PaintCallTable(const CDC& dc, const RECT& area, const GridPicture& picture)
{
    dc.FillRect(area, CBrush(kTableBackground));
    const int rowHeight = area.bottom / 7;
    const int band = picture.bandIndex;
    if (band >= 0) {
        const RECT strip = {0, rowHeight * (band + 1) - 5, area.right, rowHeight * (band + 2) - 13};
        dc.FillRect(strip, CBrush(kCurrentBand));
    }
    dc.SetBkMode(TRANSPARENT);
    PaintText(dc, 20, 18, "Band");
    PaintText(dc, 100, 18, "Mode");
    PaintText(dc, 180, 0, picture.enteredCall);
    PaintText(dc, 178, 18, "Time");
    PaintText(dc, 265, 18, "NR");
    const int columns[4] = {20, 100, 180, 260};
    for (int row = 1; row < kBandRowCount; ++row) {
        const int y = 20 + rowHeight * row;
        for (int cell = 0; cell < 4; ++cell)
            PaintText(dc, columns[cell], y, picture.bandRows[static_cast<size_t>(row)][static_cast<size_t>(cell)]);
    }
}

// The list of worked multipliers, or the typed call's table.
void Paint(const CDC& dc, const RECT& area, const GridPicture& picture)
{
    if (picture.enteredCall.IsEmpty())
        PaintList(dc, area, picture);
    else
        PaintCallTable(dc, area, picture);
}

} // namespace

void CCqWwInfoButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    const GridPicture picture = TakeGridPicture();
    m_offScreen.Draw(CDC(item->hDC), [&](const CDC& dc) { Paint(dc, item->rcItem, picture); });
}
