// stats-replay: replays a contest log through Stats.dll as the host would, and prints the
// result. See kReplayUsage for the options; the exit codes are listed in ExitCode.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/TextFiles.h"
#include "platform/win32/ScopedHandle.h"
#include "tools/stats-exports/win32/StatsModule.h"
#include "tools/stats-replay/ContestLog.h"
#include "tools/stats-replay/CountryFile.h"
#include "tools/stats-replay/ReplayOptions.h"
#include "tools/stats-replay/WindowedHost.h"

namespace {

enum ExitCode {
    kReplayed = 0,
    kReplayedWithWarnings = 1, // lines that are no QSOs or lack a serial number, calls the country
                               // file does not know, QSOs outside --start/--end
    kUsageError = 2,
    kLogError = 3, // missing, unreadable or not a contest log
    kCountryFileError = 4,
    kPluginError = 5,      // Stats.dll cannot be loaded or lacks an export
    kOutputError = 6,      // the HTML page cannot be written
    kNoDisplay = 7,        // --windows, but no display to show them on
    kScreenshotError = 8,  // the picture cannot be written
    kNoControlWindow = 9,  // the plug-in showed no control window (the summary is printed)
    kHostObjectError = 10, // the host's automation object cannot be published
    kInterrupted = 130,    // Ctrl+C; registry and settings are put back first
};

// The common reasons LoadLibrary gives, in words for someone who just wants to replay a log.
std::string LoadErrorMeaning(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return "the file is missing";
    case ERROR_MOD_NOT_FOUND: return "the file is missing or is not a 32-bit DLL";
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH:
        return "the file is not a 32-bit Windows DLL (a 64-bit one, or no DLL at all)";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION: return "the file may not be read, or another program holds it";
    case ERROR_DLL_INIT_FAILED: return "the DLL refused to start";
    default: return "";
    }
}

// The exports of Stats.dll, loaded the way the host loads it (LoadLibrary), bound by their plain
// names; false with `error` saying why.
bool BindPlugin(const StatsModule& module, const std::string& path, StatsExports& exports, std::string& error)
{
    if (!module.IsLoaded()) {
        const DWORD code = module.LoadError();
        const std::string meaning = LoadErrorMeaning(code);
        error =
            "cannot load " + path + " (error " + std::to_string(code) + ")" + (meaning.empty() ? "" : ": " + meaning);
        return false;
    }
    std::string missing;
    exports = module.Bind(ExportNaming::Plain, missing);
    if (!missing.empty())
        error = path + ": the plug-in has no export " + missing;
    return missing.empty();
}

// What the console control handler puts back: the windowed host, or the settings of a replay
// without windows.
std::atomic<WindowedHost*> g_windowedHost{nullptr};
std::atomic<PluginSettings*> g_plainSettings{nullptr};

// Ctrl+C, Ctrl+Break, a closed console: registry and settings are put back, then the process
// ends at once (ending it the ordinary way would wait for the plug-in's windows).
BOOL WINAPI OnConsoleControl(DWORD)
{
    if (WindowedHost* host = g_windowedHost.load())
        host->Restore();
    if (PluginSettings* settings = g_plainSettings.load())
        settings->Restore();
    std::fprintf(stderr, "stats-replay: interrupted; the registry and the plug-in's settings are as they were\n");
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), kInterrupted);
    return TRUE;
}

constexpr size_t kProgressEvery = 500;

// Says on stderr why the tool stops, and gives the exit code for that.
int Fail(int exitCode, const std::string& reason)
{
    std::fprintf(stderr, "stats-replay: %s\n", reason.c_str());
    return exitCode;
}

void PrintText(std::string text)
{
    // The plug-in's texts end lines with CR LF; print plain line ends.
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    std::fputs(text.c_str(), stdout);
}

// What CheckCall0's result says, in words.
const char* CheckCallMeaning(int result)
{
    static constexpr const char* kMeanings[] = {
        "dupe", "nothing new", "new DXCC", "new call area", "not a contest QSO"};
    return result >= 0 && result < static_cast<int>(std::size(kMeanings)) ? kMeanings[result] : "?";
}

// The QSO as the host logs it with the plug-in.
LoggedQso Logged(const Qso& qso, const HostQso& host)
{
    LoggedQso logged;
    logged.ownCall = qso.ownCall.c_str();
    logged.call = qso.call.c_str();
    logged.time = qso.time;
    logged.frequencyHz = host.frequencyHz;
    logged.mode = qso.mode.c_str();
    logged.sentRst = qso.rstSent.c_str();
    logged.receivedRst = qso.rstReceived.c_str();
    logged.sentExchange = qso.serialSent.c_str();
    logged.receivedExchange = qso.serialReceived.c_str();
    logged.callPrefix = host.callPrefix.c_str();
    logged.dxccPrefix = host.dxccPrefix.c_str();
    logged.continent = host.continent.c_str();
    logged.band = qso.band.c_str();
    return logged;
}

// Whether `path` can be written: created and removed again when it is new.
bool CanWriteFile(const std::string& path)
{
    const bool existed = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!ScopedHandle(CreateFileA(
            path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)))
        return false;
    if (!existed)
        DeleteFileA(path.c_str());
    return true;
}

class Replay {
public:
    Replay(const ReplayOptions& options, const StatsExports& stats, const CountryFile& countries, WindowedHost* windows)
        : m_options(options), m_stats(stats), m_countries(countries), m_windows(windows)
    {
    }

    int Run(const ContestLog& log);

private:
    void StartContest(const ContestLog& log);
    void ReportRejectedQsoLog() const;
    void ReplayQso(const Qso& qso);
    void WarnIfOutsideTheContest(const Qso& qso);
    int CheckCall(const Qso& qso, const HostQso& host);
    int FinishContest();
    int FinishWindows(int status);

    const ReplayOptions& m_options;
    const StatsExports& m_stats;
    const CountryFile& m_countries;
    WindowedHost* m_windows; // null without --windows
    int m_warnings = 0;
    unsigned int m_lastFrequencyHz = 0;
    COleDateTime m_contestEnd;
};

void Replay::StartContest(const ContestLog& log)
{
    // A log without QSOs is refused before, so the log's first and last QSO time are there.
    m_contestEnd = m_options.end.value_or(*log.lastQsoTime);
    const auto own = m_countries.Lookup(log.ownCall);
    const std::string ownDxcc = own ? own->dxccPrefix : "";
    ContestStart contest;
    contest.hostFolder = ""; // the host's settings file is in the current folder
    contest.contestant = log.ownCall.c_str();
    contest.start = m_options.start.value_or(*log.firstQsoTime);
    contest.end = m_contestEnd;
    contest.ownDxccPrefix = ownDxcc.c_str();
    // A contest start in Cabrillo mode never opens the windows, so a windowed replay starts
    // the contest once without it first (the default); the windows stay while the second start runs.
    if (m_windows && m_options.cabrillo)
        m_stats.ResetStats(contest);
    contest.cabrilloMode = m_options.cabrillo ? 1 : 0;
    m_stats.ResetStats(contest);
}

// The call check as the host makes it while the operator types the call. With windows, the
// host shows the call and the frequency first, and the refresh the check posts is waited for.
int Replay::CheckCall(const Qso& qso, const HostQso& host)
{
    EnteredCall entered;
    entered.call = qso.call.c_str();
    entered.mode = qso.mode.c_str();
    entered.callPrefix = host.callPrefix.c_str();
    entered.dxccPrefix = host.dxccPrefix.c_str();
    entered.continent = host.continent.c_str();
    entered.band = qso.band.c_str();
    entered.secondBand = nullptr; // a log gives one band per QSO
    if (m_windows)
        m_windows->ShowQso(qso.call, host.frequencyHz);
    const int check = m_stats.CheckCall(entered);
    if (m_windows)
        m_windows->WaitForRefresh([&] { m_stats.CheckCall(entered); });
    return check;
}

// The host passes every QSO it logs, whenever it was made, so the plug-in counts it; the
// operator who gave the contest's times should know.
void Replay::WarnIfOutsideTheContest(const Qso& qso)
{
    std::string where;
    if (m_options.start && Earlier(qso.time, *m_options.start))
        where = "before --start " + FormatQsoTime(*m_options.start);
    else if (m_options.end && Earlier(*m_options.end, qso.time))
        where = "after --end " + FormatQsoTime(*m_options.end);
    else
        return;
    std::fprintf(stderr, "warning: line %d: the QSO with %s at %s is %s; the plug-in counts it all the same\n",
        qso.line, qso.call.c_str(), FormatQsoTime(qso.time).c_str(), where.c_str());
    ++m_warnings;
}

void Replay::ReplayQso(const Qso& qso)
{
    const HostQso host = DescribeForHost(qso, m_countries);
    if (!host.knownCall) {
        std::fprintf(stderr,
            "warning: line %d: no country-file entry matches %s; it counts with an empty DXCC prefix and "
            "continent\n",
            qso.line, qso.call.c_str());
        ++m_warnings;
    }
    WarnIfOutsideTheContest(qso);
    const int check = CheckCall(qso, host);
    const int stored = m_stats.AddData(Logged(qso, host));
    if (m_options.verbose)
        std::printf("%5d  %s  %-5s %-5s %-12s %-6s %-4s %-18s %s\n", qso.line, FormatQsoTime(qso.time).c_str(),
            qso.band.c_str(), qso.mode.c_str(), qso.call.c_str(), host.dxccPrefix.c_str(), host.continent.c_str(),
            CheckCallMeaning(check), stored ? "stored" : "rejected");
    if (m_windows) {
        // The tally fills the worked lists that the next refresh marks.
        int status = 0;
        if (!m_options.cabrillo)
            m_stats.GetResult0(&status);
        m_windows->FinishRefresh(m_options.paceMilliseconds);
        m_lastFrequencyHz = host.frequencyHz;
    }
}

// The plug-in names its rejected-QSO log after the contest's last day.
void Replay::ReportRejectedQsoLog() const
{
    const CString name = m_contestEnd.Format("BadQSO_StatsBARTGSPRINT_%d_%m_%Y.txt");
    const std::string path = FullPath(name.c_str());
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        std::printf("Rejected-QSO log: %s\n", path.c_str());
}

// The Cabrillo files written since `since` (the plug-in names the file after the callsign).
std::vector<std::string> CabrilloFilesWrittenSince(const FILETIME& since)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA("*.cbr", &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    const std::unique_ptr<void, decltype(&FindClose)> closing(search, &FindClose);
    do {
        if (CompareFileTime(&found.ftLastWriteTime, &since) >= 0)
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    return names;
}

int Replay::FinishContest()
{
    FILETIME before;
    GetSystemTimeAsFileTime(&before);
    int status = 0;
    PrintText(m_stats.GetResult0(&status));
    ReportRejectedQsoLog();
    if (m_options.cabrillo) {
        for (const std::string& name : CabrilloFilesWrittenSince(before))
            std::printf("Cabrillo file: %s\n", name.c_str());
    }
    if (!m_options.htmlPath.empty()) {
        m_stats.setVersion("stats-replay");
        if (!ReplaceFileContent(m_options.htmlPath, m_stats.GetResult0(&status)))
            return Fail(kOutputError, "cannot write the HTML page to " + m_options.htmlPath);
        std::printf("HTML page: %s\n", m_options.htmlPath.c_str());
    }
    return m_warnings ? kReplayedWithWarnings : kReplayed;
}

// After the summary: one more refresh with an empty call field shows the final marks and the
// worked DXCC list; then the picture, or the windows stay until the operator closes them.
int Replay::FinishWindows(int status)
{
    if (!m_windows->HasWindows())
        return Fail(kNoControlWindow, "the plug-in showed no control window, so no windows were shown");
    Qso idle;
    idle.mode = "RTTY";
    idle.frequencyHz = m_lastFrequencyHz;
    CheckCall(idle, DescribeForHost(idle, m_countries));
    m_windows->FinishRefresh(0);
    if (!m_options.screenshotPath.empty()) {
        std::string error;
        if (!m_windows->SaveScreenshot(m_options.screenshotPath, error))
            return Fail(kScreenshotError, error);
        std::printf("Picture of the windows: %s\n", m_options.screenshotPath.c_str());
    } else {
        m_windows->WaitForOperator();
    }
    m_windows->CloseWindows();
    return status;
}

int Replay::Run(const ContestLog& log)
{
    for (const Problem& problem : log.problems) {
        std::fprintf(stderr, "warning: line %d: %s\n", problem.line, problem.message.c_str());
        ++m_warnings;
    }
    const auto confirmer = m_options.acceptForm ? std::make_unique<DialogConfirmer>() : nullptr;
    StartContest(log);
    if (m_windows && !m_windows->WaitForControlWindow())
        std::fprintf(stderr, "stats-replay: no control window of the plug-in appeared; replaying without windows\n");
    if (m_options.verbose)
        std::printf(" line  time             band  mode  call         DXCC   cont call check         AddData0\n");
    const bool showProgress = _isatty(_fileno(stderr)) && log.qsos.size() > kProgressEvery;
    for (size_t i = 0; i < log.qsos.size(); ++i) {
        ReplayQso(log.qsos[i]);
        if (showProgress && (i + 1) % kProgressEvery == 0)
            std::fprintf(stderr, "\r%zu of %zu QSOs replayed", i + 1, log.qsos.size());
    }
    if (showProgress)
        std::fprintf(stderr, "\n");
    const int status = FinishContest();
    return m_windows && status <= kReplayedWithWarnings ? FinishWindows(status) : status;
}

int Main(const std::vector<std::string>& args)
{
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
        return Fail(kLogError, options->logPath + ": no QSO to replay");
    }
    const auto countries = CountryFile::FromFile(options->countryFile);
    if (!countries || countries->EntityCount() == 0)
        return Fail(
            kCountryFileError, "cannot read the country file " + options->countryFile + " (give one with --cty)");
    if (options->windows && !HaveDisplay())
        return Fail(kNoDisplay, "--windows needs a display, and there is none (under Wine: set DISPLAY)");
    if (!options->screenshotPath.empty() && !CanWriteFile(options->screenshotPath))
        return Fail(kScreenshotError, "cannot write the picture " + options->screenshotPath);
    const StatsModule plugin(options->dllPath);
    StatsExports stats;
    if (!BindPlugin(plugin, options->dllPath, stats, error))
        return Fail(kPluginError, error);
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    if (!options->windows) {
        // A contest start that reads Start=0 opens the plug-in's windows; without --windows
        // it finds 1 (the key is put back afterwards).
        PluginSettings settings;
        if (settings.Prepare())
            settings.Set("Start", "1");
        g_plainSettings = &settings;
        const int status = Replay(*options, stats, *countries, nullptr).Run(log);
        settings.Restore();
        g_plainSettings = nullptr;
        return status;
    }

    // Declared after the library, so the windows close and the registry and settings are put
    // back before the library is unloaded.
    WindowedHost windows(options->verbose);
    g_windowedHost = &windows;
    const int status = windows.Open(plugin.Handle(), error) ? Replay(*options, stats, *countries, &windows).Run(log)
                                                            : Fail(kHostObjectError, error);
    windows.CloseWindows();
    windows.Restore();
    g_windowedHost = nullptr;
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    return Main(std::vector<std::string>(argv + 1, argv + argc));
}
