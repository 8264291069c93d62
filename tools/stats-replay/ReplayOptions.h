#pragma once
// The command line of stats-replay.
#include <optional>
#include <string>
#include <vector>

#include "tools/stats-replay/ContestLog.h"

// Where the Debian package hamradio-files puts its country file, as Wine sees it.
constexpr const char* kDefaultCountryFile = "Z:\\usr\\share\\hamradio-files\\cty.dat";

struct ReplayOptions {
    std::string logPath;
    std::string countryFile = kDefaultCountryFile;
    std::string dllPath = "Stats.dll";
    std::string htmlPath;              // empty: no HTML page
    std::optional<COleDateTime> start; // contest start; default: the first QSO
    std::optional<COleDateTime> end;   // contest end; default: the last QSO
    bool cabrillo = false;
    bool acceptForm = false;
    bool verbose = false;
    bool help = false;
    // --windows: the plug-in's windows are shown and the tool serves the host's object.
    bool windows = false;
    unsigned paceMilliseconds = 0; // wait between QSOs (--pace, implies --windows)
    std::string screenshotPath;    // --screenshot FILE.png (implies --windows)
};

// The options, or nothing with `error` saying what is wrong.
std::optional<ReplayOptions> ParseReplayOptions(const std::vector<std::string>& args, std::string& error);

// "2018-01-20 1200", "2018-01-20T12:00" or "2018-01-20" (midnight).
std::optional<COleDateTime> ParseTimeOption(const std::string& text);

extern const char* const kReplayUsage;
