#pragma once
// Call_Area: the call-area window, forty round buttons for the areas 0 to 9 of the K, VE, JA
// and VK prefixes (dialog 113).
#include "windows/MarkWindow.h"

class Call_Area : public CMarkWindow<40> {
public:
    Call_Area(HINSTANCE resources, bool onTop);
};
