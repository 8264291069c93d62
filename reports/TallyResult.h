#pragma once
// The figures of one tally of the contest, as the result summary formats them.
#include <map>
#include <vector>

#include "platform/CString.h"

struct BandTally {
    CString band;
    int qsos = 0;
    int points = 0;
};

struct TallyResult {
    std::vector<BandTally> bands; // in the sorted band order
    int totalQsos = 0;
    int pointsTotal = 0;
    int dupeTotal = 0;
    int badQsoCount = 0;
    int dxccCount = 0;
    std::map<CString, int> areaCounts; // the call areas worked, by the prefix of their entity
    int iMults = 0;                    // DXCC entities plus call areas
    int contCount = 0;
    int score = 0; // pointsTotal x iMults x contCount

    int AreaCount(const char* prefix) const
    {
        const auto found = areaCounts.find(prefix);
        return found == areaCounts.end() ? 0 : found->second;
    }
};
