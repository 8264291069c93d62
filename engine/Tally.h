#pragma once
// The contest's scoring rules: the call area of a QSO and the tally that recounts the whole
// contest from the stored QSOs.
#include "engine/ContestState.h"
#include "reports/TallyResult.h"

// The call-area field of a record that `dxccPrefix` selects ("K", "VE", "VK" or "JA"); null for
// any other prefix, which has no call areas.
int CInfo::*AreaField(const CString& dxccPrefix);

// Sets the call-area field that `dxccPrefix` selects to the last digit of `callPrefix`; any
// other prefix leaves the record unchanged.
void SetAreaDigit(CInfo& record, const CString& dxccPrefix, const CString& callPrefix);

// Sorts the worked bands, counts rejected QSOs, QSOs, points and multipliers, rebuilds the six
// worked lists and stores the claimed score. The caller holds the contest lock.
TallyResult TallyScore(ContestState& state);
