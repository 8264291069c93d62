// The host's thread runs the exports, contest starts and removals included, while a second
// thread does what the UI thread's refresh and the DXCC grid do. Built with ThreadSanitizer,
// any unsynchronised access to the contest state ends the run with a report.
#include <atomic>
#include <string>
#include <thread>

#include "engine/Refresh.h"
#include "tests/unit/support/TestWorkspace.h"

namespace {

constexpr int kHostRounds = 3000;

// A control window that exists, so that CheckCall0 and RemoveData0 post their refreshes.
class OpenControlWindow : public ScriptedWindows {
public:
    bool ControlWindowExists() override { return true; }
    void PostRefresh() override { ++posted; }
    void ClearMarks() override { ++cleared; }
    std::atomic<int> posted{0};
    std::atomic<int> cleared{0};
};

TestQso QsoNumber(int n)
{
    static const struct {
        const char* prefix;
        const char* dxcc;
        const char* continent;
    } kStations[] = {
        {"W7", "K", "NA"}, {"VE3", "VE", "NA"}, {"JA1", "JA", "AS"}, {"VK2", "VK", "OC"}, {"DL1", "DL", "EU"}};
    static const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
    static thread_local std::string call, number;
    const auto& station = kStations[n % 5];
    call = std::string(station.prefix) + "A" + char('A' + n % 26);
    number = std::to_string(n % 1000 + 1);
    TestQso qso;
    qso.call = call.c_str();
    qso.callPrefix = station.prefix;
    qso.dxccPrefix = station.dxcc;
    qso.continent = station.continent;
    qso.band = kBands[n % 5];
    qso.receivedExchange = number.c_str();
    qso.time = COleDateTime(2018, 1, 20, 12 + n % 10, n % 60, 0);
    return qso;
}

void HostThread(const Host& host)
{
    for (int round = 0; round < kHostRounds; ++round) {
        if (round % 500 == 0)
            host.StartContest();
        const TestQso qso = QsoNumber(round);
        TestEnteredCall entered;
        entered.call = qso.call;
        entered.band = qso.band;
        host.CheckCall(entered);
        host.AddQso(qso);
        if (round % 7 == 3)
            host.RemoveQso(QsoNumber(round - 3));
        if (round % 5 == 0)
            host.Result();
    }
}

// One refresh as the UI thread makes it, and one paint of the grid.
void Refresh(int round)
{
    const char* const calls[] = {"", "W7AB", "DL", "JA1AC"};
    if (ShowEnteredCall(calls[round % 4])) {
        const double frequency = 14000000.0 + round * 301.0;
        if (SpotMacroDue(frequency))
            SpotMacroSent(frequency);
        ShowCurrentBand(frequency);
        const WorkedCodes codes = CurrentWorkedCodes();
        EXPECT_FALSE(DxccTitle().empty());
        EXPECT_LE(codes.continents.size(), 6u);
    }
    const GridPicture picture = TakeGridPicture();
    EXPECT_LE(picture.multipliers.size(), 200u);
    RefreshFinished();
}

} // namespace

class ThreadStressTest : public TestWorkspace { };

TEST_F(ThreadStressTest, RefreshesWhileTheHostLogsRemovesAndRestarts)
{
    OpenControlWindow control;
    InstallWindowSide(&control);
    host.StartContest();

    std::atomic<bool> hostDone{false};
    std::thread ui([&] {
        for (int round = 0; !hostDone || round < 100; ++round)
            Refresh(round);
    });
    HostThread(host);
    hostDone = true;
    ui.join();

    EXPECT_GT(control.posted.load(), 0);
    EXPECT_GT(control.cleared.load(), 0);
    InstallWindowSide(&windows);
}
