#pragma once
// Contest start: what ResetStats0 does.
#include "platform/COleDateTime.h"

// The settings key that alternates at every contest start, so the windows open on every second.
inline constexpr const char* kStartKey = "Start";

struct ContestStartArguments {
    CString hostFolder; // a path prefix: the host's settings are searched as "<prefix>*.ini"
    int cabrilloMode = 0;
    CString contestant;
    COleDateTime contestStart;
    COleDateTime contestEnd;
    CString ownDxccPrefix;
};

// Empties the QSO state, records contestant, dates and the host's version, runs the Cabrillo
// header form in Cabrillo mode, starts the windows on every second start and creates a fresh
// rejected-QSO log.
void StartContest(const ContestStartArguments& start);
