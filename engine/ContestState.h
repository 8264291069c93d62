#pragma once
// The contest state: everything the plug-in knows about the running contest, one module-wide
// object constructed when the library is loaded. The host's thread changes it through the
// exports; the UI thread reads it while it refreshes its windows. Both hold ContestMutex()
// while they touch it.
#include <array>
#include <mutex>

#include "engine/QsoList.h"
#include "platform/SettingsFile.h"
#include "reports/CabrilloLog.h"
#include "reports/RejectedQsoLog.h"

constexpr int kBandRowCount = 6;

// The plug-in's settings file, relative to the host's current folder, and its one section.
inline constexpr const char* kSettingsFile = "Plugins\\BARTG-SPRINT.ini";
inline constexpr const char* kSettingsSection = "Settings";

struct ContestState {
    CContestRules permittedModes;
    CContestRules permittedBands;
    CabrilloLog cabrilloLog;
    QsoList qsoList;          // accepted QSOs in logging order, duplicates included
    CStringArray bandsWorked; // bands that passed the band check, in first-seen order
    CString contestant;
    CString startDayMonth;                              // contest start as "%d.%m"
    CString startYear;                                  // contest start as "%Y"
    CString endDate;                                    // contest end as "%d.%m.%Y"
    std::array<CStringArray, kBandRowCount> g_bandRows; // label + four cells per band
    // The worked lists of the last tally: DXCC prefixes and call-area codes, continents, and
    // the call areas of each call-area entity.
    CStringArray workedMultipliers;
    CStringArray workedContinents;
    std::array<CStringArray, kCallAreaEntityCount> workedAreas;
    CString badQsoFileName;
    RejectedQsoLog::Backlog badQsoBacklog; // lines the rejected-QSO log could not take yet
    CString hostVersion;
    CString resultText; // text returned by the last GetResult0
    // What the last refresh of the windows found: the call typed in the host, the index in
    // g_uiBands of the host's band (-1: none) and the frequency at which the host was last
    // sent its spot macro. They live as long as the library.
    CString g_enteredCall;
    int g_bandIndex = -1;
    double g_lastFrequency = 0.0;
    int cabrilloMode = 0;
    int htmlResult = 0;
    int russianTexts = 0;
    int refreshReady = 1;
    int claimedScore = 0;
    SettingsFile settings;

    ContestState();

    // Empties the worked lists.
    void ClearWorkedLists();
};

// The one contest state of the loaded library.
ContestState& Contest();

// Puts the contest state back as a fresh load of the library finds it.
void ResetContest();

// Guards every object of Contest(). Never held while a window of another thread is sent a
// message, while the host's automation object is called, or while a modal window is up.
std::mutex& ContestMutex();

using ContestLock = std::unique_lock<std::mutex>;
inline ContestLock LockContest() { return ContestLock(ContestMutex()); }
