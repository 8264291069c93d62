#pragma once
// The values of the test contest for the export boundary's argument structs, shared by the
// tests and the benchmarks. Standard C++ only.
#include <optional>

#include "tools/stats-exports/StatsExports.h"

// The boundary's argument structs with the test contest's values: N0CALL, a K station, from
// 20 January 2018 12:00 to 21 January 11:59, works DL1ABC on 80m in RTTY at 14:05, a QSO the
// plug-in counts, and the call being entered is DL1ABC on 80m. Each has the fields of its
// boundary struct, in the same order, and turns into it.
struct TestQso {
    const char* ownCall = "N0CALL";
    const char* call = "DL1ABC";
    std::optional<COleDateTime> time = COleDateTime(2018, 1, 20, 14, 5, 0); // none: a null pointer
    unsigned int frequencyHz = 3580000;
    const char* mode = "RTTY";
    const char* sentRst = "599";
    const char* receivedRst = "599";
    const char* sentExchange = "001";
    const char* receivedExchange = "005";
    const char* callPrefix = "DL1";
    const char* dxccPrefix = "DL";
    const char* continent = "EU";
    const char* band = "80m";

    operator LoggedQso() const
    {
        return {ownCall, call, time, frequencyHz, mode, sentRst, receivedRst, sentExchange, receivedExchange,
            callPrefix, dxccPrefix, continent, band};
    }
};

struct TestContestStart {
    const char* hostFolder = ""; // the current folder
    int cabrilloMode = 0;
    const char* contestant = "N0CALL";
    std::optional<COleDateTime> start = COleDateTime(2018, 1, 20, 12, 0, 0); // none: a null pointer
    std::optional<COleDateTime> end = COleDateTime(2018, 1, 21, 11, 59, 0);
    const char* ownDxccPrefix = "K";

    operator ContestStart() const { return {hostFolder, cabrilloMode, contestant, start, end, ownDxccPrefix}; }
};

struct TestEnteredCall {
    const char* call = "DL1ABC";
    const char* mode = "RTTY";
    const char* callPrefix = "DL1";
    const char* dxccPrefix = "DL";
    const char* continent = "EU";
    const char* band = "80m";
    const char* secondBand = nullptr;

    operator EnteredCall() const { return {call, mode, callPrefix, dxccPrefix, continent, band, secondBand}; }
};

// A field added to a boundary struct must be added to its test struct too.
static_assert(sizeof(TestQso) == sizeof(LoggedQso));
static_assert(sizeof(TestContestStart) == sizeof(ContestStart));
static_assert(sizeof(TestEnteredCall) == sizeof(EnteredCall));
