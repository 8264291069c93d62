#pragma once
// The face of a coloured button: an ellipse with a raised border, a sunken border while
// pressed and a dotted focus ring, and the label on it. Every rectangle is taken by value, so
// nothing changes its caller's rectangle.
#include <windows.h>

#include "platform/win32/Gdi.h"

// The whole face: fill, border, and the pressed and focus marks the item state asks for.
void DrawEllipseFace(const CDC& dc, RECT rect, UINT state, COLORREF face);

// `text` centred on one line in `rect`, in `colour`, on a transparent background.
void DrawCentredLabel(const CDC& dc, RECT rect, const char* text, COLORREF colour);
