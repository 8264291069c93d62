#pragma once
// The real Stats.dll, loaded and driven the way the host drives it: LoadLibraryA on the path in
// STATS_DLL, every export bound by its plain name and again by its decorated name, and calls
// with all of each export's argument positions filled as a host fills them.
#include <windows.h>

#include <string>

#include "engine/ExportTable.h"

// An export's two names: the plain one and the MSVC-decorated name of the function's own name.
struct ExportNames {
    const char* plain;
    const char* decorated;
};

extern const ExportNames kExportNames[11];

class StatsLibrary {
public:
    // Loads the library (the test ends when it cannot) and binds every export by both names (a
    // missing export fails the test).
    StatsLibrary();
    ~StatsLibrary();
    StatsLibrary(const StatsLibrary&) = delete;
    StatsLibrary& operator=(const StatsLibrary&) = delete;

    HMODULE Module() const { return module_; }
    // Frees the library now, as a host does when it unloads a plug-in; the exports are gone.
    void Unload();
    const StatsExports& ByPlainName() const { return plain_; }
    const StatsExports& ByDecoratedName() const { return decorated_; }

private:
    HMODULE module_ = nullptr;
    StatsExports plain_;
    StatsExports decorated_;
};

// A host date-time value: days since 30 December 1899, the fraction the time of day.
COleDateTime HostTime(int year, int month, int day, int hour = 0, int minute = 0);

// The arguments of ResetStats0 that the plug-in reads.
struct ContestStart {
    const char* hostFolder = nullptr;   // null: the current folder, ending in a backslash
    int cabrilloMode = 0;
    const char* contestant = "N0CALL";
    COleDateTime start = HostTime(2018, 1, 20);
    COleDateTime end = HostTime(2018, 1, 21);
    const char* ownDxccPrefix = "K";
};

// One logged QSO: the arguments of AddData0 and RemoveData0 that the plug-in reads.
struct Qso {
    const char* ownCall = "N0CALL";
    const char* call = "DL1ABC";
    COleDateTime time = HostTime(2018, 1, 20, 12, 0);
    bool nullTime = false;              // pass a null pointer instead of `time`
    unsigned int frequencyHz = 3580000;
    const char* mode = "RTTY";
    const char* sentRst = "599";
    const char* receivedRst = "599";
    const char* sentExchange = "001";
    const char* receivedExchange = "001";
    const char* callPrefix = "DL1";
    const char* dxccPrefix = "DL";
    const char* continent = "EU";
    const char* band = "80m";
};

// A callsign being entered: the arguments of CheckCall0 that the plug-in reads.
struct EnteredCall {
    const char* call = "DL1ABC";
    const char* mode = "RTTY";
    const char* callPrefix = "DL1";
    const char* dxccPrefix = "DL";
    const char* continent = "EU";
    const char* band = "80m";
    const char* secondBand = nullptr;
};

// Calls the exports with every argument position filled; the positions the plug-in does not
// read get values of their own, so a plug-in that read the wrong position would show it.
class Host {
public:
    explicit Host(const StatsExports& exports) : exports_(exports) {}

    int StartContest(const ContestStart& start = {});
    int AddQso(const Qso& qso);
    int RemoveQso(const Qso& qso);
    int CheckCall(const EnteredCall& entered);
    // GetResult0; returns a copy of its text (the test ends on a null pointer). `status` is what
    // the host's int holds afterwards.
    std::string Result(int& status);
    // GetResult0 outside Cabrillo mode: also expects that the plug-in left the host's int alone.
    std::string Result();

    const StatsExports& Exports() const { return exports_; }

private:
    const StatsExports& exports_;
};

// The host version that the plug-in starts no windows for.
extern const char* const kHostVersionWithoutWindows;

// Writes the host's own settings file, Kelb2.ini, naming this host version into the current
// folder. With kHostVersionWithoutWindows ResetStats0 starts no UI thread, so tests of the
// engine see the engine alone.
void WriteHostSettings(const char* version = kHostVersionWithoutWindows);

// The plug-in's settings file, relative to the current folder.
extern const char* const kPluginSettingsFile;

// A value of the plug-in's settings file as Windows' own ini reader sees it ("" when missing).
std::string PluginSetting(const char* key);

// Creates the Plugins folder with a settings file of exactly these lines (CR LF added).
void WritePluginSettings(const std::string& lines);
