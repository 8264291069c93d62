#pragma once
// The figures of one tally of the contest, as the result summary formats them.
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
    int kCount = 0;
    int jaCount = 0;
    int veCount = 0;
    int vkCount = 0;
    int iMults = 0; // DXCC entities plus the call areas of K, JA, VE and VK
    int contCount = 0;
    int score = 0; // pointsTotal x iMults x contCount
};
