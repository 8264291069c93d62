#include "tools/stats-replay/ReplayOptions.h"

#include <cstdio>
#include <cstdlib>
#include <set>

constexpr unsigned long kMaxPaceMilliseconds = 60000;

const char* const kReplayUsage =
    "usage: stats-replay [options] LOG\n"
    "Replays a contest log (Cabrillo 3.0 or ADIF) through Stats.dll and prints the result.\n"
    "  --cty PATH        country file in cty.dat format (default: the hamradio-files one)\n"
    "  --dll PATH        the plug-in to load (default: Stats.dll beside this program)\n"
    "  --start TIME      contest start, \"YYYY-MM-DD HHMM\" (default: the first QSO)\n"
    "  --end TIME        contest end (default: the last QSO)\n"
    "  --html FILE       also save the result as an HTML page\n"
    "  --cabrillo        score in Cabrillo mode: the header form appears, the .cbr file is written\n"
    "  --accept-form     confirm the header form with the stored header, and close the messages\n"
    "  --verbose         one line per QSO: what the call check said and whether it was stored;\n"
    "                    with --windows also the macros the plug-in sends to the host\n"
    "  --windows         show the plug-in's windows while the log is replayed; they stay until\n"
    "                    the control window is closed (Esc)\n"
    "  --pace MS         wait MS milliseconds between QSOs (implies --windows)\n"
    "  --screenshot FILE save a PNG picture of the plug-in's windows at the end and close them\n"
    "                    (implies --windows)\n"
    "  --help            this text\n";

std::optional<COleDateTime> ParseTimeOption(const std::string& text)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    int consumed = 0;
    const char* s = text.c_str();
    if (std::sscanf(s, "%4d-%2d-%2d%n", &year, &month, &day, &consumed) != 3)
        return std::nullopt;
    s += consumed;
    if (*s == ' ' || *s == 'T') {
        ++s;
        if (std::sscanf(s, "%2d:%2d%n", &hour, &minute, &consumed) != 2
            && std::sscanf(s, "%2d%2d%n", &hour, &minute, &consumed) != 2)
            return std::nullopt;
        s += consumed;
    }
    if (*s != '\0')
        return std::nullopt;
    return QsoTime(year, month, day, hour, minute);
}

std::optional<ReplayOptions> ParseReplayOptions(const std::vector<std::string>& args, std::string& error)
{
    static const std::set<std::string> kOptionsWithValue{
        "--cty", "--dll", "--html", "--start", "--end", "--pace", "--screenshot"};
    ReplayOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string value;
        if (kOptionsWithValue.count(arg)) {
            if (i + 1 == args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--verbose" || arg == "-v") {
            options.verbose = true;
        } else if (arg == "--cabrillo") {
            options.cabrillo = true;
        } else if (arg == "--accept-form") {
            options.acceptForm = true;
        } else if (arg == "--windows") {
            options.windows = true;
        } else if (arg == "--screenshot") {
            options.screenshotPath = value;
            options.windows = true;
        } else if (arg == "--pace") {
            char* end = nullptr;
            const unsigned long milliseconds = std::strtoul(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || value[0] == '-' || milliseconds > kMaxPaceMilliseconds) {
                error = "--pace: not a number of milliseconds (0 to 60000): " + value;
                return std::nullopt;
            }
            options.paceMilliseconds = static_cast<unsigned>(milliseconds);
            options.windows = true;
        } else if (arg == "--cty" || arg == "--dll" || arg == "--html") {
            (arg == "--cty" ? options.countryFile : arg == "--dll" ? options.dllPath : options.htmlPath) = value;
        } else if (arg == "--start" || arg == "--end") {
            std::optional<COleDateTime>& time = arg == "--start" ? options.start : options.end;
            time = ParseTimeOption(value);
            if (!time) {
                error = arg + ": not a time: " + value;
                return std::nullopt;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (options.logPath.empty()) {
            options.logPath = arg;
        } else {
            error = "only one log can be replayed at a time";
            return std::nullopt;
        }
    }
    if (options.logPath.empty() && !options.help) {
        error = "no log given";
        return std::nullopt;
    }
    if (options.start && options.end && Earlier(*options.end, *options.start)) {
        error = "--start is after --end: the contest would end before it starts";
        return std::nullopt;
    }
    return options;
}
