#include "ui/WindowColours.h"

HBRUSH OnCtlColor(HDC dc, HBRUSH windowBrush)
{
    SetTextColor(dc, kTextColour);
    SetBkColor(dc, kTextBackground);
    return windowBrush;
}
