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
#include "engine/ExportTable.h"
#include "resources/resource.h"
#include "tests/bench/QsoMix.h"
#include "tests/bench/wine/RefreshTimer.h"
#include "tests/wine/framework/PluginWindows.h"
#include "tools/host-automation/HostAutomation.h"

namespace {

constexpr int kSkipped = 77;   // no X display: the refresh was not timed
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
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE || !WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        Fail(std::string("cannot write ") + path);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

std::string CurrentFolder()
{
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    std::string path = folder;
    return path.back() == '\\' ? path : path + "\\";
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

// The real DLL, called as the host calls it (by the exports' plain names).
class Plugin {
public:
    Plugin()
    {
        const char* path = std::getenv("STATS_DLL");
        module_ = LoadLibraryA(path && *path ? path : "Stats.dll");
        if (!module_)
            return;
        auto bind = [this](auto& slot, const char* name) {
            slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(
                reinterpret_cast<void*>(GetProcAddress(module_, name)));
            bound_ = bound_ && slot;
        };
        bind(exports_.AddData0, "AddData0");
        bind(exports_.RemoveData0, "RemoveData0");
        bind(exports_.ResetStats0, "ResetStats0");
        bind(exports_.CheckCall0, "CheckCall0");
        bind(exports_.GetResult0, "GetResult0");
    }
    ~Plugin()
    {
        if (module_)
            FreeLibrary(module_);
    }
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    bool Loaded() const { return module_ && bound_; }

    int Start()
    {
        const std::string folder = CurrentFolder();
        COleDateTime start(2018, 1, 20, 12, 0, 0), end(2018, 1, 21, 11, 59, 0);
        return exports_.ResetStats0(folder.c_str(), 0, "N0CALL", &start, &end, "", "", "", "", "", "", "", "",
                                    "", "K", 0, 0, 0, 0.0, 0.0, "", "", "");
    }
    int Add(const qso_mix::MixedQso& qso) { return Logged(exports_.AddData0, qso); }
    int Remove(const qso_mix::MixedQso& qso) { return Logged(exports_.RemoveData0, qso); }
    int Check(const char* call, const char* callPrefix, const char* dxccPrefix, const char* continent,
              const char* band)
    {
        char unused27[16] = "", unused28[16] = "";
        return exports_.CheckCall0(call, 0, 0, "RTTY", "", "", "", "", "", "", "", "", callPrefix, dxccPrefix, 0,
                                   0, 0, 0.0, 0.0, "", continent, "", "", "", band, nullptr, unused27, unused28);
    }
    const char* Result() { return exports_.GetResult0(nullptr); }

private:
    template <typename Export>
    static int Logged(Export call, const qso_mix::MixedQso& qso)
    {
        COleDateTime time(COleDateTime(2018, 1, 20, 12, 0, 0).m_dt + qso.minute / 1440.0);
        COleDateTime other;
        return call("N0CALL", qso.call.c_str(), &time, &other, &other, &other, 0u, 3580000u, qso.mode.c_str(),
                    "599", "599", "001", qso.receivedNumber.c_str(), "", "", "", "", "", "", "", "",
                    qso.callPrefix.c_str(), qso.dxccPrefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "",
                    qso.continent.c_str(), qso.band.c_str(), "");
    }

    HMODULE module_ = nullptr;
    bool bound_ = true;
    StatsExports exports_;
};

struct Plan {
    std::vector<int> sizes{1000, 10000, 20000};
    int exportCalls = 200;
    int refreshes = 50;
};

// Logs the mix's QSOs from `from` up to `to`.
void LogMix(Plugin& plugin, int from, int to)
{
    for (int i = from; i < to; ++i)
        plugin.Add(qso_mix::QsoOfMix(i));
}

// The exports at each size, without windows (a host version that starts none), as natively.
void TimeExports(Plugin& plugin, const Plan& plan)
{
    WriteTextFile("Kelb2.ini", "[Program]\r\nKelb=2.16\r\n");
    plugin.Start();
    const qso_mix::MixedQso fresh = qso_mix::FreshQso();
    int logged = 0;
    for (int size : plan.sizes) {
        LogMix(plugin, logged, size);
        logged = size;
        plugin.Result();
        const int calls = plan.exportCalls;
        Print("BM_AddData0", size, MeanMicroseconds(calls, [&] { Expect(1, plugin.Add(fresh), "AddData0"); },
                                                    [&] { plugin.Remove(fresh); }));
        // The slowest answer: a new call area of a worked entity, after both searches of the list.
        Print("BM_CheckCall0", size, MeanMicroseconds(calls * 5, [&] {
                  Expect(kNewCallArea, plugin.Check("W9NEW", "W9", "K", "NA", "20m"), "CheckCall0");
              }, [] {}));
        const qso_mix::MixedQso dupe = qso_mix::QsoOfMix(qso_mix::DuplicateNear(size / 2));
        Print("BM_RemoveData0", size, MeanMicroseconds(calls, [&] { Expect(1, plugin.Remove(dupe), "RemoveData0"); },
                                                       [&] { plugin.Add(dupe); }));
        Print("BM_GetResult0", size, MeanMicroseconds(calls, [&] {
                  if (!plugin.Result())
                      Fail("GetResult0 returned a null pointer");
              }, [] {}));
        // After every logged QSO the score differs, so the claimed score is written anew.
        bool added = false;
        Print("BM_GetResult0_ScoreChanged", size, MeanMicroseconds(calls, [&] { plugin.Result(); }, [&] {
                  added ? plugin.Remove(fresh) : plugin.Add(fresh);
                  added = !added;
              }));
        if (added)
            plugin.Remove(fresh);
    }
}

// Waits, pumping, until the plug-in's three multiplier windows are open; the DXCC grid.
HWND OpenWindows(Plugin& plugin)
{
    DeleteFileA("Kelb2.ini");
    WriteTextFile(kSettingsFile, "[Settings]\r\nStart=0\r\n"
                                 "setup_view_dxcc=1\r\nsetup_view_continent=1\r\nsetup_view_call_area=1\r\n"
                                 "setup_x=600\r\nsetup_y=600\r\ncont_x=10\r\ncont_y=10\r\n"
                                 "area_x=10\r\narea_y=150\r\ndxcc_x=250\r\ndxcc_y=10\r\n");
    plugin.Start();
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
double MeanRefresh(Plugin& plugin, HostAutomation& host, RefreshTimer& timer, const std::string& typedCall,
                   int count, const char* name, int size)
{
    host.SetTypedCall(typedCall);
    const qso_mix::MixedQso entered = qso_mix::QsoOfMix(5);
    const auto checkCall = [&] {
        plugin.Check(entered.call.c_str(), entered.callPrefix.c_str(), entered.dxccPrefix.c_str(),
                     entered.continent.c_str(), entered.band.c_str());
    };
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
    std::fprintf(stderr, "%s/%d: typed call served %.0f us, frequency served %.0f us, handler done %.0f us, "
                         "paints done %.0f us after CheckCall0\n",
                 name, size, total.typedCallServed, total.frequencyServed, total.handlerDone, total.paintsDone);
    return total.paintsDone;
}

// One refresh at each size, the DXCC window in its call view (the typed call has QSOs) and in
// its list view (no call typed).
void TimeRefreshes(Plugin& plugin, const Plan& plan)
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
        plugin.Result();
        // The whole refresh, from the host's CheckCall0 until the UI thread has repainted.
        Print("BM_Refresh_CallView", size, MeanRefresh(plugin, host, timer, qso_mix::QsoOfMix(5).call,
                                                       plan.refreshes, "BM_Refresh_CallView", size));
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
        Plugin plugin;
        if (!plugin.Loaded()) {
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
