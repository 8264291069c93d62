#pragma once
// The refresh of the plug-in's windows after a QSO, as far as it is a matter of the contest
// state: what the typed call fills in, the titles, the current band, which codes to mark and
// what the DXCC grid paints. The window side asks the host, calls these in the refresh's
// order, and applies what they return to its windows. Each function takes the contest lock
// itself; none calls the host or a window.
#include <array>
#include <vector>

#include "engine/ContestState.h"

constexpr int kUiBandCount = 6;

// The bands of the windows ("160m" to "10m"), in band-index order.
extern const char* const g_uiBands[kUiBandCount];

// Records the call the host reports as typed. A call of one or two characters stops the
// refresh (false) and changes nothing else; otherwise the band rows show, for each band, the
// last stored QSO with exactly this call, or "   -".
bool ShowEnteredCall(const CString& call);

// The frequency (Hz) the host reports. True when it moved more than 300 Hz since the spot
// macro was last sent: the caller sends it and then calls SpotMacroSent.
bool SpotMacroDue(double frequencyHz);
void SpotMacroSent(double frequencyHz);
// Sets the current band from the frequency (-1 off the six bands).
void ShowCurrentBand(double frequencyHz);
int BandIndexOfFrequency(double frequencyHz);

// True when the operator gets Russian texts.
bool RussianTexts();
// The DXCC window's title for the typed call as last recorded, in the operator's language:
// "... worked with <call>", or "... DXCC worked" with no call.
CString DxccTitle();

// The codes the continent and call-area windows mark, in the order they are marked.
struct WorkedCodes {
    std::vector<CString> continents;
    std::vector<CString> callAreas; // entity by entity, in the order of kCallAreaEntities
};
WorkedCodes CurrentWorkedCodes();

// What the DXCC grid paints, copied under the contest lock so that no export on the host's
// thread can change it half-way through a paint.
struct GridPicture {
    CString enteredCall;                                        // empty: the list view
    int bandIndex = -1;                                         // -1: no current band
    std::array<std::array<CString, 4>, kBandRowCount> bandRows; // label, mode, time, number
    std::vector<CString> multipliers;                           // workedMultipliers in order
};
GridPicture TakeGridPicture();

// Lets CheckCall0 request the next refresh.
void RefreshFinished();
