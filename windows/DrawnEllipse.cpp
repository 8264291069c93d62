#include "windows/DrawnEllipse.h"

#include <cstring>

namespace {

constexpr COLORREF kMidGrey = RGB(128, 128, 128);
constexpr COLORREF kNearBlack = RGB(1, 1, 1);

RECT Shrunk(RECT rect, int by)
{
    InflateRect(&rect, -by, -by);
    return rect;
}

// One 2-pixel ellipse: mid grey when raised, near black when sunken.
void DrawBorder(const CDC& dc, RECT rect, bool raised)
{
    const CPen pen(PS_SOLID, 2, raised ? kMidGrey : kNearBlack);
    const CSelection selected(dc, pen);
    dc.Ellipse(rect);
}

// Concentric 3-pixel ellipses that cover the whole inside.
void Fill(const CDC& dc, RECT rect, COLORREF colour)
{
    const CPen pen(PS_SOLID, 3, colour);
    const CSelection selected(dc, pen);
    while (!IsRectEmpty(&rect)) {
        rect = Shrunk(rect, 1);
        dc.Ellipse(rect);
    }
}

// A dotted near-black ellipse whose gaps show the face colour.
void DrawFocus(const CDC& dc, RECT rect, COLORREF face)
{
    const CPen pen(PS_DOT, 1, kNearBlack);
    const CSelection selected(dc, pen);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(face);
    dc.Ellipse(rect);
}

} // namespace

void DrawEllipseFace(const CDC& dc, RECT rect, UINT state, COLORREF face)
{
    RECT r = Shrunk(rect, 1);
    DrawBorder(dc, r, true);
    r = Shrunk(r, 1);
    Fill(dc, r, face);
    if (!(state & ODS_FOCUS))
        return;
    if (state & ODS_SELECTED) {
        DrawBorder(dc, Shrunk(r, -1), false);
        DrawBorder(dc, r, false);
    }
    Fill(dc, r, face);
    r = Shrunk(r, 2);
    DrawFocus(dc, r, face);
    Fill(dc, Shrunk(r, 1), face);
}

void DrawCentredLabel(const CDC& dc, RECT rect, const char* text, COLORREF colour)
{
    const COLORREF oldColour = dc.SetTextColor(colour);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, static_cast<int>(std::strlen(text)), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SetTextColor(oldColour);
}
