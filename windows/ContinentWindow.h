#pragma once
// CCont: the continent window, six round buttons EU, NA, SA, AF, AS and OC (dialog 110).
#include "windows/MarkWindow.h"

class CCont : public CMarkWindow<6> {
public:
    CCont(HINSTANCE resources, const WindowPlace& place, bool onTop);
};
