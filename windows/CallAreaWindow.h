#pragma once
// Call_Area: the call-area window, a round button for each call area of each call-area entity
// (dialog 113).
#include "engine/CallAreas.h"
#include "windows/MarkWindow.h"

constexpr size_t kCallAreaButtonCount = kCallAreaEntityCount * kCallAreasPerEntity;

class Call_Area : public CMarkWindow<kCallAreaButtonCount> {
public:
    Call_Area(HINSTANCE resources, const WindowPlace& place, bool onTop);
};
