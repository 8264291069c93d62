// stats_wine_bench.exe: the exports' benchmark scenario timed under Wine against the real
// Stats.dll, and one refresh of its windows timed from the host's side. Prints one line per
// measurement, "<benchmark name>/<stored QSOs>\t<microseconds per call>", the names those of
// the native benchmark (scripts/bench puts both in one table).
// usage: stats_wine_bench.exe [--quick]   (STATS_DLL: the DLL's path; --quick: 1,000 QSOs,
//                                          few calls, as a check that the scenario runs)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "engine/CallCheck.h"
#include "platform/win32/ScopedHandle.h"
#include "resources/resource.h"
#include "tests/bench/QsoMix.h"
#include "tests/bench/wine/RefreshTimer.h"
#include "tests/wine/framework/PluginWindows.h"
#include "tools/host-automation/HostAutomation.h"
#include "tools/stats-exports/win32/StatsModule.h"

namespace {

constexpr int kSkipped = 77; // no X display: the refresh was not timed
const char* const kSettingsFile = "Plugins\\BARTG-SPRINT.ini";

int g_failures = 0;

void Fail(const std::string& what)
{
    std::fprintf(stderr, "stats_wine_bench: %s\n", what.c_str());
    ++g_failures;
}

void Expect(int expected, int actual, const char* call)
{
    if (expected != actual)
        Fail(std::string(call) + " returned " + std::to_string(actual) + ", not " + std::to_string(expected));
}

void WriteTextFile(const char* path, const std::string& text)
{
    const ScopedHandle file(
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        Fail(std::string("cannot write ") + path);
}

double Microseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) / ticksPerMicrosecond;
}

// The mean time of `calls` runs of `timed`, each followed by `untimed` (which puts the
// contest back as it was).
template <typename Timed, typename Untimed>
double MeanMicroseconds(int calls, Timed timed, Untimed untimed)
{
    double total = 0;
    for (int i = 0; i < calls; ++i) {
        LARGE_INTEGER from, to;
        QueryPerformanceCounter(&from);
        timed();
        QueryPerformanceCounter(&to);
        total += Microseconds(from, to);
        untimed();
    }
    return total / calls;
}

void Print(const char* name, int qsoCount, double microseconds)
{
    std::printf("%s/%d\t%.2f\n", name, qsoCount, microseconds);
    std::fflush(stdout);
}

// A QSO of the mix logged with the real DLL, and taken out again.
int Add(const StatsExports& plugin, const qso_mix::MixedQso& qso) { return plugin.AddData(qso_mix::AsLoggedQso(qso)); }

int Remove(const StatsExports& plugin, const qso_mix::MixedQso& qso)
{
    return plugin.RemoveData(qso_mix::AsLoggedQso(qso));
}

struct Plan {
    std::vector<int> sizes{1000, 10000, 20000};
    int exportCalls = 200;
    int refreshes = 50;
};

// Logs the mix's QSOs from `from` up to `to`.
void LogMix(const StatsExports& plugin, int from, int to)
{
    for (int i = from; i < to; ++i)
        Add(plugin, qso_mix::QsoOfMix(i));
}

// The exports at each size, without windows (a host version that starts none), as natively.
void TimeExports(const StatsExports& plugin, const Plan& plan)
{
    WriteTextFile("Kelb2.ini", "[Program]\r\nKelb=2.16\r\n");
    plugin.ResetStats(TestContestStart{});
    const qso_mix::MixedQso fresh = qso_mix::FreshQso();
    int logged = 0;
    for (int size : plan.sizes) {
        LogMix(plugin, logged, size);
        logged = size;
        plugin.GetResult0(nullptr);
        const int calls = plan.exportCalls;
        Print("BM_AddData0", size,
            MeanMicroseconds(
                calls, [&] { Expect(1, Add(plugin, fresh), "AddData0"); }, [&] { Remove(plugin, fresh); }));
        // The answer that asks the most of the call check: a new call area of a worked entity.
        Print("BM_CheckCall0", size,
            MeanMicroseconds(
                calls * 5, [&] { Expect(kNewCallArea, plugin.CheckCall(qso_mix::NewCallArea()), "CheckCall0"); },
                [] {}));
        const qso_mix::MixedQso dupe = qso_mix::QsoOfMix(qso_mix::DuplicateNear(size / 2));
        Print("BM_RemoveData0", size,
            MeanMicroseconds(
                calls, [&] { Expect(1, Remove(plugin, dupe), "RemoveData0"); }, [&] { Add(plugin, dupe); }));
        Print("BM_GetResult0", size,
            MeanMicroseconds(
                calls,
                [&] {
                    if (!plugin.GetResult0(nullptr))
                        Fail("GetResult0 returned a null pointer");
                },
                [] {}));
        // After every logged QSO the score differs, so the claimed score is written anew.
        bool added = false;
        Print("BM_GetResult0_ScoreChanged", size,
            MeanMicroseconds(
                calls, [&] { plugin.GetResult0(nullptr); },
                [&] {
                    added ? Remove(plugin, fresh) : Add(plugin, fresh);
                    added = !added;
                }));
        if (added)
            Remove(plugin, fresh);
        // A new contest start that lets go of every stored QSO; they are logged again untimed.
        Print("BM_ResetStats0", size,
            MeanMicroseconds(
                3, [&] { plugin.ResetStats({}); }, [&] { LogMix(plugin, 0, size); }));
    }
}

// Waits, pumping, until the plug-in's three multiplier windows are open; the DXCC grid.
HWND OpenWindows(const StatsExports& plugin)
{
    DeleteFileA("Kelb2.ini");
    WriteTextFile(kSettingsFile,
        "[Settings]\r\nStart=0\r\n"
        "setup_view_dxcc=1\r\nsetup_view_continent=1\r\nsetup_view_call_area=1\r\n"
        "setup_x=600\r\nsetup_y=600\r\ncont_x=10\r\ncont_y=10\r\n"
        "area_x=10\r\narea_y=150\r\ndxcc_x=250\r\ndxcc_y=10\r\n");
    plugin.ResetStats(TestContestStart{});
    HWND dxcc = nullptr;
    PumpMessagesUntil(
        [&] {
            dxcc = FindPluginDialog(IsDxccWindow);
            return dxcc && FindPluginDialog(IsContinentWindow) && FindPluginDialog(IsCallAreaWindow);
        },
        10000);
    return dxcc ? GetDlgItem(dxcc, IDC_GRID) : nullptr;
}

// The mean of `count` refreshes with this call typed in the host (after a few to settle); the
// means of its parts go to stderr.
double MeanRefresh(const StatsExports& plugin, HostAutomation& host, RefreshTimer& timer, const std::string& typedCall,
    int count, const char* name, int size)
{
    host.SetTypedCall(typedCall);
    const qso_mix::MixedQso worked = qso_mix::QsoOfMix(5);
    TestEnteredCall entered;
    entered.call = worked.call.c_str();
    entered.callPrefix = worked.callPrefix.c_str();
    entered.dxccPrefix = worked.dxccPrefix.c_str();
    entered.continent = worked.continent.c_str();
    entered.band = worked.band.c_str();
    const auto checkCall = [&] { plugin.CheckCall(entered); };
    for (int i = 0; i < 3; ++i)
        timer.TimeOne(checkCall, host);
    RefreshPhases total;
    for (int i = 0; i < count; ++i) {
        const std::optional<RefreshPhases> one = timer.TimeOne(checkCall, host);
        if (!one) {
            Fail("a refresh did not call the host or did not end within 5 s");
            return -1;
        }
        total.typedCallServed += one->typedCallServed / count;
        total.frequencyServed += one->frequencyServed / count;
        total.handlerDone += one->handlerDone / count;
        total.paintsDone += one->paintsDone / count;
    }
    std::fprintf(stderr,
        "%s/%d: typed call served %.0f us, frequency served %.0f us, handler done %.0f us, "
        "paints done %.0f us after CheckCall0\n",
        name, size, total.typedCallServed, total.frequencyServed, total.handlerDone, total.paintsDone);
    return total.paintsDone;
}

// One refresh at each size, the DXCC window in its call view (the typed call has QSOs) and in
// its list view (no call typed).
void TimeRefreshes(const StatsExports& plugin, const Plan& plan)
{
    HostAutomation host;
    if (FAILED(host.Registration())) {
        Fail("the host's automation object could not be registered");
        return;
    }
    host.SetFrequencyHz(14080000);
    const HWND grid = OpenWindows(plugin);
    if (!grid) {
        Fail("the plug-in's windows did not open");
        return;
    }
    RefreshTimer timer(grid);
    if (!timer.Hooked()) {
        Fail("the UI thread could not be hooked");
        return;
    }
    int logged = 0;
    for (int size : plan.sizes) {
        LogMix(plugin, logged, size);
        logged = size;
        plugin.GetResult0(nullptr);
        // The whole refresh, from the host's CheckCall0 until the UI thread has repainted.
        Print("BM_Refresh_CallView", size,
            MeanRefresh(plugin, host, timer, qso_mix::QsoOfMix(5).call, plan.refreshes, "BM_Refresh_CallView", size));
        Print("BM_Refresh_ListView", size,
            MeanRefresh(plugin, host, timer, "", plan.refreshes, "BM_Refresh_ListView", size));
    }
}

} // namespace

int main(int argc, char** argv)
{
    Plan plan;
    if (argc > 1 && std::strcmp(argv[1], "--quick") == 0)
        plan = Plan{{1000}, 10, 5};
    CreateDirectoryA("Plugins", nullptr);
    {
        const char* path = std::getenv("STATS_DLL");
        StatsModule module(path && *path ? path : "Stats.dll");
        std::string missing;
        const StatsExports plugin = module.Bind(ExportNaming::Plain, missing);
        if (!module.IsLoaded() || !missing.empty()) {
            Fail("cannot load Stats.dll and its exports (STATS_DLL)");
            return 1;
        }
        TimeExports(plugin, plan);
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) {
            std::fprintf(stderr, "stats_wine_bench: no X display, so no refresh was timed\n");
            return g_failures ? 1 : kSkipped;
        }
        TimeRefreshes(plugin, plan);
    }
    return g_failures ? 1 : 0;
}
