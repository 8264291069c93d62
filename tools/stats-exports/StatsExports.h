#pragma once
// The host's side of the export boundary: the typed table of Stats.dll's eleven exports with
// their two names, and named arguments for the four long calls, which the table turns into the
// exports' positional arguments. Whoever loads or links the plug-in fills the table:
// win32/StatsModule.h binds a loaded Stats.dll, LinkedExports.h the functions linked into a
// native program. Standard C++ only.
#include <optional>

#include "engine/Exports.h"

// A QSO as the host passes it to AddData0 and RemoveData0. The defaults make a QSO that the
// plug-in counts: N0CALL works DL1ABC on 80m in RTTY during the default contest. A host sets
// every field it knows.
struct LoggedQso {
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
};

// A contest start as the host passes it to ResetStats0: by default N0CALL, a K station, from
// 20 January 2018 12:00 to 21 January 11:59.
struct ContestStart {
    const char* hostFolder = ""; // the path prefix of the host's settings file; "": the current folder
    int cabrilloMode = 0;
    const char* contestant = "N0CALL";
    std::optional<COleDateTime> start = COleDateTime(2018, 1, 20, 12, 0, 0); // none: a null pointer
    std::optional<COleDateTime> end = COleDateTime(2018, 1, 21, 11, 59, 0);
    const char* ownDxccPrefix = "K";
};

// A callsign being entered, as the host passes it to CheckCall0.
struct EnteredCall {
    const char* call = "DL1ABC";
    const char* mode = "RTTY";
    const char* callPrefix = "DL1";
    const char* dxccPrefix = "DL";
    const char* continent = "EU";
    const char* band = "80m";
    const char* secondBand = nullptr;
};

// The eleven exports, in the order of engine/ExportList.h; null where nothing is bound.
struct StatsExports {
#define STATS_EXPORT(name, decorated) decltype(&::name) name = nullptr;
#include "engine/ExportList.h"

    // The long calls with named arguments. Every position the plug-in does not read holds a value
    // of its own (texts and numbers say their position, dates are 9 September 1999), so a
    // plug-in that read a wrong position would show it.
    int AddData(const LoggedQso& qso) const;
    int RemoveData(const LoggedQso& qso) const;
    int ResetStats(const ContestStart& start) const;
    int CheckCall(const EnteredCall& entered) const;
};

// An export's two names: the plain one and the MSVC-decorated name of the function's own name
// (the library exports each function under both).
struct ExportNames {
    const char* plain;
    const char* decorated;
};

// The names of the exports, in the order of StatsExports' members.
inline constexpr ExportNames kExportNames[] = {
#define STATS_EXPORT(name, decorated) {#name, decorated},
#include "engine/ExportList.h"
};
