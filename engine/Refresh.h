#pragma once
// The refresh of the plug-in's windows after a QSO, as far as it is a matter of the contest
// state: what the typed call fills in, the titles, the current band, which codes to mark and
// what the DXCC grid paints. The window side asks the host, calls these, and applies what
// they return to its windows. Each function takes the contest lock itself.
#include <array>
#include <vector>

#include "engine/ContestState.h"

constexpr int kUiBandCount = 6;

// The bands of the windows ("160m" to "10m"), in band-index order.
extern const char* const g_uiBands[kUiBandCount];

// What the DXCC grid paints, copied under the contest lock so that no export on the host's
// thread can change it half-way through a paint.
struct GridPicture {
    CString enteredCall;                                          // empty: the list view
    int bandIndex = -1;                                           // -1: no current band
    std::array<std::array<CString, 4>, kBandRowCount> bandRows;   // label, mode, time, number
    std::vector<CString> multipliers;                             // workedMultipliers in order
};

GridPicture TakeGridPicture();
