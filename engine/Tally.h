#pragma once
// The tally: the contest's figures and worked lists, a function of the contest state alone.
#include <array>

#include "engine/ContestState.h"
#include "reports/TallyResult.h"

struct Tally {
    TallyResult result;       // every figure but the rejected QSOs, which the rejected-QSO log holds
    CStringArray multipliers; // DXCC prefixes and call-area codes, each at its credit
    CStringArray continents;
    std::array<CStringArray, kCallAreaEntityCount> callAreas; // one list per call-area entity
};

// Counts QSOs, points, duplicates and multipliers from the stored QSOs' indexes. A multiplier is
// credited to the first band of `state.bandsWorked` (which the caller has put in the tally's
// order) on which it was worked, and there to its first QSO; the worked lists follow the
// credits, a DXCC prefix before the call area of the same QSO. Reads no file and no setting.
Tally TallyScore(const ContestState& state);
