// stats-replay: replays a contest log through Stats.dll as the host would, and prints the
// result. See kReplayUsage for the options; the exit codes are listed in ExitCode.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "tools/stats-replay/DialogConfirmer.h"
#include "tools/stats-replay/HostQso.h"
#include "tools/stats-replay/LogReader.h"
#include "tools/stats-replay/ReplayOptions.h"
#include "tools/stats-replay/StatsLibrary.h"

namespace replay {
namespace {

enum ExitCode {
    kReplayed = 0,
    kReplayedWithWarnings = 1,   // lines that are no QSOs, calls the country file does not know
    kUsageError = 2,
    kLogError = 3,               // missing, unreadable or not a contest log
    kCountryFileError = 4,
    kPluginError = 5,            // Stats.dll cannot be loaded or lacks an export
    kOutputError = 6,            // the HTML page cannot be written
};

constexpr size_t kProgressEvery = 500;
const char* const kUnused = "";

void PrintText(const std::string& text) {
    // The plug-in's texts end lines with CR LF; print plain line ends.
    std::string plain;
    plain.reserve(text.size());
    for (char c : text)
        if (c != '\r') plain += c;
    std::fputs(plain.c_str(), stdout);
}

const char* CheckCallMeaning(int result) {
    switch (result) {
    case 0: return "dupe";
    case 1: return "nothing new";
    case 2: return "new DXCC";
    case 3: return "new call area";
    case 4: return "not a contest QSO";
    default: return "?";
    }
}

std::string FormatTime(const QsoTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", t.year, t.month, t.day, t.hour, t.minute);
    return text;
}

class Replay {
public:
    Replay(const ReplayOptions& options, StatsLibrary& stats, const CountryFile& countries)
        : options_(options), stats_(stats), countries_(countries) {}

    int Run(const ContestLog& log);

private:
    void StartContest(const ContestLog& log);
    void ReportRejectedQsoLog() const;
    void ReplayQso(const Qso& qso);
    int FinishContest();

    const ReplayOptions& options_;
    StatsLibrary& stats_;
    const CountryFile& countries_;
    int warnings_ = 0;
    QsoTime contestEnd_;
};

void Replay::StartContest(const ContestLog& log) {
    const QsoTime start = options_.start.value_or(log.firstQsoTime.value_or(QsoTime{}));
    const QsoTime end = contestEnd_ = options_.end.value_or(log.lastQsoTime.value_or(QsoTime{}));
    COleDateTime contestStart = HostTime(start), contestEnd = HostTime(end);
    const auto own = countries_.Lookup(log.ownCall);
    const std::string ownDxcc = own ? own->dxccPrefix : "";
    stats_.ResetStats0("", options_.cabrillo ? 1 : 0, log.ownCall.c_str(), &contestStart, &contestEnd, kUnused,
                       kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, ownDxcc.c_str(), 0,
                       0, 0, 0.0, 0.0, kUnused, kUnused, kUnused);
}

void Replay::ReplayQso(const Qso& qso) {
    const HostQso host = DescribeForHost(qso, countries_);
    if (!host.knownCall) {
        std::fprintf(stderr, "warning: line %d: no country-file entry matches %s; replayed without a DXCC prefix\n",
                     qso.line, qso.call.c_str());
        ++warnings_;
    }
    char scratch1[64] = "", scratch2[64] = "";
    const int check = stats_.CheckCall0(qso.call.c_str(), 0, 0, qso.mode.c_str(), kUnused, kUnused, kUnused,
                                        kUnused, kUnused, kUnused, kUnused, kUnused, host.callPrefix.c_str(),
                                        host.dxccPrefix.c_str(), 0, 0, 0, 0.0, 0.0, kUnused, host.continent.c_str(),
                                        kUnused, kUnused, kUnused, qso.band.c_str(), nullptr, scratch1, scratch2);
    COleDateTime time = host.time, unusedTime;
    const int stored = stats_.AddData0(
        qso.ownCall.c_str(), qso.call.c_str(), &time, &unusedTime, &unusedTime, &unusedTime, 0, host.frequencyHz,
        qso.mode.c_str(), qso.rstSent.c_str(), qso.rstReceived.c_str(), qso.serialSent.c_str(),
        qso.serialReceived.c_str(), kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
        host.callPrefix.c_str(), host.dxccPrefix.c_str(), 0, 0, 0, 0.0, 0.0, kUnused, kUnused,
        host.continent.c_str(), qso.band.c_str(), kUnused);
    if (options_.verbose)
        std::printf("%5d  %s  %-5s %-5s %-12s %-6s %-4s %-18s %s\n", qso.line, FormatTime(qso.time).c_str(),
                    qso.band.c_str(), qso.mode.c_str(), qso.call.c_str(), host.dxccPrefix.c_str(),
                    host.continent.c_str(), CheckCallMeaning(check), stored ? "stored" : "rejected");
}

// The plug-in names its rejected-QSO log after the contest's last day.
void Replay::ReportRejectedQsoLog() const {
    char name[64];
    std::snprintf(name, sizeof name, "BadQSO_StatsBARTGSPRINT_%02d_%02d_%04d.txt", contestEnd_.day, contestEnd_.month,
                  contestEnd_.year);
    char path[MAX_PATH];
    if (GetFullPathNameA(name, sizeof path, path, nullptr) && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES)
        std::printf("Rejected-QSO log: %s\n", path);
}

// The Cabrillo files written since `since` (the plug-in names the file after the callsign).
std::vector<std::string> CabrilloFilesWrittenSince(const FILETIME& since) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("*.cbr", &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (CompareFileTime(&found.ftLastWriteTime, &since) >= 0) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

int Replay::FinishContest() {
    FILETIME before;
    GetSystemTimeAsFileTime(&before);
    int status = 0;
    PrintText(stats_.GetResult0(&status));
    ReportRejectedQsoLog();
    if (options_.cabrillo) {
        for (const std::string& name : CabrilloFilesWrittenSince(before))
            std::printf("Cabrillo file: %s\n", name.c_str());
    }
    if (!options_.htmlPath.empty()) {
        stats_.setVersion("stats-replay");
        const std::string page = stats_.GetResult0(&status);
        std::ofstream out(options_.htmlPath, std::ios::binary);
        if (!(out << page)) {
            std::fprintf(stderr, "error: cannot write the HTML page to %s\n", options_.htmlPath.c_str());
            return kOutputError;
        }
        std::printf("HTML page: %s\n", options_.htmlPath.c_str());
    }
    return warnings_ ? kReplayedWithWarnings : kReplayed;
}

int Replay::Run(const ContestLog& log) {
    for (const Problem& problem : log.problems) {
        std::fprintf(stderr, "warning: line %d: %s\n", problem.line, problem.message.c_str());
        ++warnings_;
    }
    std::unique_ptr<DialogConfirmer> confirmer;
    if (options_.acceptForm) confirmer = std::make_unique<DialogConfirmer>();
    StartContest(log);
    if (options_.verbose)
        std::printf(" line  time             band  mode  call         DXCC   cont call check         AddData0\n");
    const bool showProgress = _isatty(_fileno(stderr)) && log.qsos.size() > kProgressEvery;
    for (size_t i = 0; i < log.qsos.size(); ++i) {
        ReplayQso(log.qsos[i]);
        if (showProgress && (i + 1) % kProgressEvery == 0)
            std::fprintf(stderr, "\r%zu of %zu QSOs replayed", i + 1, log.qsos.size());
    }
    if (showProgress) std::fprintf(stderr, "\n");
    return FinishContest();
}

int Main(const std::vector<std::string>& args) {
    std::string error;
    const auto options = ParseReplayOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "stats-replay: %s\n%s", error.c_str(), kReplayUsage);
        return kUsageError;
    }
    if (options->help) {
        std::fputs(kReplayUsage, stdout);
        return kReplayed;
    }
    const ContestLog log = ReadLogFile(options->logPath);
    if (log.qsos.empty()) {
        for (const Problem& problem : log.problems)
            std::fprintf(stderr, "stats-replay: %s: %s\n", options->logPath.c_str(), problem.message.c_str());
        std::fprintf(stderr, "stats-replay: %s: no QSO to replay\n", options->logPath.c_str());
        return kLogError;
    }
    const auto countries = CountryFile::FromFile(options->countryFile);
    if (!countries || countries->EntityCount() == 0) {
        std::fprintf(stderr, "stats-replay: cannot read the country file %s (give one with --cty)\n",
                     options->countryFile.c_str());
        return kCountryFileError;
    }
    StatsLibrary stats(options->dllPath, error);
    if (!stats.IsLoaded()) {
        std::fprintf(stderr, "stats-replay: %s\n", error.c_str());
        return kPluginError;
    }
    return Replay(*options, stats, *countries).Run(log);
}

}  // namespace
}  // namespace replay

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    return replay::Main(std::vector<std::string>(argv + 1, argv + argc));
}
