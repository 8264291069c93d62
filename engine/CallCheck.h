#pragma once
// The call check: what a callsign being entered would be worth.
#include "platform/CString.h"

enum CallCheckResult {
    kWorkedOnThisBand = 0,
    kNothingNew = 1,
    kNewDxcc = 2,
    kNewCallArea = 3,
    kNotContestQso = 4,
};

struct CallCheckArguments {
    CString call;
    CString mode;
    CString callPrefix;
    CString dxccPrefix;
    CString continent;
    const char* band = nullptr;       // may be null
    const char* secondBand = nullptr; // may be null
};

// Posts one window refresh when the previous one has finished, then answers from the stored
// QSOs.
int CheckCall(const CallCheckArguments& entered);
