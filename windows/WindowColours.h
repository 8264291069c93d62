#pragma once
// The plug-in's colour scheme and the colour handler its dialogs share.
#include <windows.h>

constexpr COLORREF kWindowBackground = RGB(255, 250, 198);
constexpr COLORREF kTextBackground = RGB(255, 240, 198);
constexpr COLORREF kTextColour = RGB(0, 0, 0);

// The answer to WM_CTLCOLOR* of the control, continent and call-area windows: black text on
// the text background, controls and dialog painted with the window's own background brush
// (null when it was never made). The kind of control does not matter.
inline HBRUSH OnCtlColor(HDC dc, HBRUSH windowBrush)
{
    SetTextColor(dc, kTextColour);
    SetBkColor(dc, kTextBackground);
    return windowBrush;
}
