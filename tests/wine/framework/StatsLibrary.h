#pragma once
// The real Stats.dll, loaded the way the host loads it: LoadLibraryA on the path in STATS_DLL,
// every export bound by its plain name and again by its decorated name. Host (tests/support)
// calls it with all of each export's argument positions filled.
#include <windows.h>

#include <string>

#include "tests/support/Host.h"
#include "tools/stats-exports/win32/StatsModule.h"

class StatsLibrary {
public:
    // Loads the library (the test ends when it cannot) and binds every export by both names (a
    // missing export fails the test).
    StatsLibrary();

    HMODULE Module() const { return module_.Handle(); }
    // Frees the library now, as a host does when it unloads a plug-in; the exports are gone.
    void Unload();
    const StatsExports& ByPlainName() const { return plain_; }
    const StatsExports& ByDecoratedName() const { return decorated_; }

private:
    StatsModule module_;
    StatsExports plain_;
    StatsExports decorated_;
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
