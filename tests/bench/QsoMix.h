#pragma once
// The benchmark's contest, QSO by QSO: many DXCC entities and K, VE, JA and VK call areas on
// all five bands, about 1 % duplicates and 1 % rejected QSOs. Standard C++ only: the native
// benchmark logs it through the exports, the Windows program through the real DLL.
#include <iterator>
#include <string>

#include "tests/support/TestArguments.h"
#include "tools/stats-exports/StatsExports.h"

namespace qso_mix {

struct MixedQso {
    std::string call;
    std::string callPrefix;
    std::string dxccPrefix;
    std::string continent;
    std::string band;
    std::string receivedNumber;
    std::string mode = "RTTY";
    int minute = 0; // minutes after the contest's start
};

struct Entity {
    const char* dxccPrefix;
    const char* continent;
    const char* callStem; // the call prefix without its area digit
};

// "K" areas 1 to 8 only, so that K9 and K0 stay new for the call check.
inline constexpr Entity kEntities[] = {
    {"K", "NA", "W"},
    {"K", "NA", "K"},
    {"VE", "NA", "VE"},
    {"JA", "AS", "JA"},
    {"VK", "OC", "VK"},
    {"DL", "EU", "DL"},
    {"G", "EU", "G"},
    {"F", "EU", "F"},
    {"I", "EU", "I"},
    {"UA", "EU", "UA"},
    {"UA9", "AS", "UA"},
    {"SP", "EU", "SP"},
    {"OK", "EU", "OK"},
    {"PY", "SA", "PY"},
    {"LU", "SA", "LU"},
    {"ZS", "AF", "ZS"},
    {"CN", "AF", "CN"},
    {"ZL", "OC", "ZL"},
    {"BY", "AS", "BY"},
    {"HA", "EU", "HA"},
};
inline constexpr const char* kBands[] = {"80m", "40m", "20m", "15m", "10m"};

inline constexpr int kDupeEvery = 97;      // about 1 % duplicates
inline constexpr int kRejectedEvery = 101; // and 1 % rejected QSOs (wrong mode)

// The index-th QSO of the mix (the same for every contest size). A duplicate repeats an
// earlier QSO's call, band and mode at a later minute.
inline MixedQso QsoOfMix(int index)
{
    const int station = index % kDupeEvery == kDupeEvery - 1 ? index / 2 : index;
    const Entity& entity = kEntities[station % std::size(kEntities)];
    const bool kStation = std::string(entity.dxccPrefix) == "K";
    const int area = kStation ? 1 + station / 7 % 8 : station / 7 % 10;
    MixedQso qso;
    qso.callPrefix = entity.callStem + std::to_string(area);
    std::string suffix;
    for (int rest = station; suffix.size() < 3; rest /= 26)
        suffix += char('A' + rest % 26);
    qso.call = qso.callPrefix + suffix;
    qso.dxccPrefix = entity.dxccPrefix;
    qso.continent = entity.continent;
    qso.band = kBands[station % std::size(kBands)];
    qso.receivedNumber = std::to_string(1 + station % 9999);
    qso.minute = index;
    if (index % kRejectedEvery == kRejectedEvery - 1)
        qso.mode = "PSK31";
    return qso;
}

// The index of the first duplicate of the mix at or after `index`.
inline int DuplicateNear(int index) { return index / kDupeEvery * kDupeEvery + kDupeEvery - 1; }

// A QSO that is new in every respect: its call, band and minute are stored nowhere.
inline MixedQso FreshQso()
{
    MixedQso qso;
    qso.call = "ZZ9ZZZ";
    qso.callPrefix = "ZZ9";
    qso.dxccPrefix = "ZZ";
    qso.continent = "AN";
    qso.band = "10m";
    qso.receivedNumber = "005";
    qso.minute = -1;
    return qso;
}

// The QSO as the host logs it; its texts are those of `mixed`, which must outlive it.
inline LoggedQso AsLoggedQso(const MixedQso& mixed)
{
    TestQso qso;
    qso.call = mixed.call.c_str();
    qso.time = COleDateTime(COleDateTime(2018, 1, 20, 12, 0, 0).m_dt + mixed.minute / 1440.0);
    qso.mode = mixed.mode.c_str();
    qso.receivedExchange = mixed.receivedNumber.c_str();
    qso.callPrefix = mixed.callPrefix.c_str();
    qso.dxccPrefix = mixed.dxccPrefix.c_str();
    qso.continent = mixed.continent.c_str();
    qso.band = mixed.band.c_str();
    return qso;
}

// The answer that asks the most of the call check: a "K" station in a call area that the mix
// never works, on a band it has (a walk of the list would pass every QSO twice for it).
inline EnteredCall NewCallArea()
{
    TestEnteredCall entered;
    entered.call = "W9NEW";
    entered.callPrefix = "W9";
    entered.dxccPrefix = "K";
    entered.continent = "NA";
    entered.band = "20m";
    return entered;
}

} // namespace qso_mix
