#include "windows/DrawnObject.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

constexpr COLORREF kMidGrey = RGB(128, 128, 128);
constexpr COLORREF kNearBlack = RGB(1, 1, 1);

RECT Shrunk(RECT rect, int by)
{
    InflateRect(&rect, -by, -by);
    return rect;
}

COLORREF PaletteGrey(int level) { return PALETTERGB(level, level, level); }

} // namespace

void DrawnObject::DrawLabel(CDC* dc, RECT rect, const char* text, COLORREF colour)
{
    const COLORREF oldColour = dc->SetTextColor(colour);
    dc->SetBkMode(TRANSPARENT);
    dc->DrawText(text, static_cast<int>(std::strlen(text)), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc->SetTextColor(oldColour);
}

void DrawnRect::Draw(CDC* dc, RECT rect, UINT state, COLORREF face)
{
    Fill(dc, rect, face);
    DrawBorder(dc, rect, 2);
    if (!(state & ODS_FOCUS))
        return;
    if (state & ODS_SELECTED)
        DrawBorder(dc, rect, -1);
    DrawFocus(dc, Shrunk(rect, 2), face);
}

void DrawnRect::DrawBorder(CDC* dc, RECT rect, int depth)
{
    const int rings = std::abs(depth);
    for (int ring = 1; ring <= rings; ++ring) {
        COLORREF light = RGB(255, 255, 255);
        COLORREF dark = kMidGrey;
        if (rings > 1) {
            light = PaletteGrey(192 + 63 / ring);
            dark = PaletteGrey(255 / (ring + 1));
        }
        if (depth < 0)
            std::swap(light, dark);
        dc->Draw3dRect(rect, light, dark);
        rect = Shrunk(rect, 1);
    }
}

void DrawnRect::Fill(CDC* dc, RECT rect, COLORREF colour)
{
    const CBrush brush(colour);
    dc->FillRect(rect, brush);
}

void DrawnRect::DrawFocus(CDC* dc, RECT rect, COLORREF) { dc->DrawFocusRect(rect); }

void DrawnEllipse::Draw(CDC* dc, RECT rect, UINT state, COLORREF face)
{
    RECT r = Shrunk(rect, 1);
    DrawBorder(dc, r, 2);
    r = Shrunk(r, 1);
    Fill(dc, r, face);
    if (!(state & ODS_FOCUS))
        return;
    if (state & ODS_SELECTED) {
        DrawBorder(dc, Shrunk(r, -1), -1);
        DrawBorder(dc, r, -1);
    }
    Fill(dc, r, face);
    r = Shrunk(r, 2);
    DrawFocus(dc, r, face);
    Fill(dc, Shrunk(r, 1), face);
}

void DrawnEllipse::DrawBorder(CDC* dc, RECT rect, int depth)
{
    const CPen pen(PS_SOLID, 2, depth >= 0 ? kMidGrey : kNearBlack);
    const CSelection selected(*dc, pen);
    dc->Ellipse(rect);
}

void DrawnEllipse::Fill(CDC* dc, RECT rect, COLORREF colour)
{
    const CPen pen(PS_SOLID, 3, colour);
    const CSelection selected(*dc, pen);
    while (!IsRectEmpty(&rect)) {
        rect = Shrunk(rect, 1);
        dc->Ellipse(rect);
    }
}

void DrawnEllipse::DrawFocus(CDC* dc, RECT rect, COLORREF face)
{
    const CPen pen(PS_DOT, 1, kNearBlack);
    const CSelection selected(*dc, pen);
    dc->SetBkMode(OPAQUE);
    dc->SetBkColor(face);
    dc->Ellipse(rect);
}
