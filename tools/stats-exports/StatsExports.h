#pragma once
// The host's side of the export boundary: the typed table of Stats.dll's eleven exports with
// their two names, and named arguments for the four long calls, which the table turns into the
// exports' positional arguments. Whoever loads or links the plug-in fills the table:
// win32/StatsModule.h binds a loaded Stats.dll, LinkedExports.h the functions linked into a
// native program. Standard C++ only.
#include <optional>

#include "engine/Exports.h"

// A QSO as the host passes it to AddData0 and RemoveData0. A field left unset is passed as
// nothing: a null pointer for a text or the time, 0 for the frequency. A host sets every field
// it knows.
struct LoggedQso {
    const char* ownCall = nullptr;
    const char* call = nullptr;
    std::optional<COleDateTime> time; // none: a null pointer
    unsigned int frequencyHz = 0;
    const char* mode = nullptr;
    const char* sentRst = nullptr;
    const char* receivedRst = nullptr;
    const char* sentExchange = nullptr;
    const char* receivedExchange = nullptr;
    const char* callPrefix = nullptr;
    const char* dxccPrefix = nullptr;
    const char* continent = nullptr;
    const char* band = nullptr;
};

// A contest start as the host passes it to ResetStats0; unset fields as for LoggedQso.
struct ContestStart {
    const char* hostFolder = nullptr; // the path prefix of the host's settings file; "": the current folder
    int cabrilloMode = 0;
    const char* contestant = nullptr;
    std::optional<COleDateTime> start; // none: a null pointer
    std::optional<COleDateTime> end;
    const char* ownDxccPrefix = nullptr;
};

// A callsign being entered, as the host passes it to CheckCall0; unset fields as for LoggedQso.
struct EnteredCall {
    const char* call = nullptr;
    const char* mode = nullptr;
    const char* callPrefix = nullptr;
    const char* dxccPrefix = nullptr;
    const char* continent = nullptr;
    const char* band = nullptr;
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
