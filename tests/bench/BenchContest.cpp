#include "tests/bench/BenchContest.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "engine/ContestState.h"

namespace fs = std::filesystem;

namespace bench {

namespace {

struct Entity {
    const char* dxccPrefix;
    const char* continent;
    const char* callStem;   // the call prefix without its area digit
};

// "K" areas 1 to 8 only, so that K9 and K0 stay new for the call check.
const Entity kEntities[] = {
    {"K", "NA", "W"},   {"K", "NA", "K"},   {"VE", "NA", "VE"}, {"JA", "AS", "JA"}, {"VK", "OC", "VK"},
    {"DL", "EU", "DL"}, {"G", "EU", "G"},   {"F", "EU", "F"},   {"I", "EU", "I"},   {"UA", "EU", "UA"},
    {"UA9", "AS", "UA"}, {"SP", "EU", "SP"}, {"OK", "EU", "OK"}, {"PY", "SA", "PY"}, {"LU", "SA", "LU"},
    {"ZS", "AF", "ZS"}, {"CN", "AF", "CN"}, {"ZL", "OC", "ZL"}, {"BY", "AS", "BY"}, {"HA", "EU", "HA"},
};
const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};

constexpr int kDupeEvery = 97;       // about 1 % duplicates
constexpr int kRejectedEvery = 101;  // and 1 % rejected QSOs (wrong mode)

// Texts must outlive the QSO records that point at them.
struct QsoTexts {
    std::string call, callPrefix, number;
};

const QsoTexts& TextsOf(int index)
{
    static std::map<int, QsoTexts> texts;
    auto found = texts.find(index);
    if (found != texts.end())
        return found->second;
    const Entity& entity = kEntities[index % std::size(kEntities)];
    const bool kStation = entity.dxccPrefix == std::string("K");
    const int area = kStation ? 1 + index / 7 % 8 : index / 7 % 10;
    QsoTexts made;
    made.callPrefix = entity.callStem + std::to_string(area);
    std::string suffix;
    for (int rest = index; suffix.size() < 3; rest /= 26)
        suffix += char('A' + rest % 26);
    made.call = made.callPrefix + suffix;
    made.number = std::to_string(1 + index % 9999);
    return texts.emplace(index, made).first->second;
}

COleDateTime MinuteOfContest(int minute)
{
    return COleDateTime(COleDateTime(2018, 1, 20, 12, 0, 0).m_dt + minute / 1440.0);
}

const char* LogName() { return "BadQSO_StatsBARTGSPRINT_21_01_2018.txt"; }

std::string ReadWholeFile(const char* name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

struct SavedContest {
    ContestState state;
    std::string log;
};

void BuildThroughExports(int qsoCount)
{
    host::ResetStats();
    for (int i = 0; i < qsoCount; ++i)
        host::AddData(MixedQso(i));
}

} // namespace

void EnterWorkspace()
{
    // Created and registered for removal once; the name is kept in static storage that no
    // destructor touches, since the removal runs at exit.
    static char folder[4096] = "";
    if (!*folder) {
        const std::string pattern = (fs::temp_directory_path() / "stats-bench-XXXXXX").string();
        std::snprintf(folder, sizeof folder, "%s", pattern.c_str());
        fs::create_directories(fs::path(mkdtemp(folder)) / "Plugins");
        std::atexit([] {
            std::error_code ignored;
            fs::current_path(fs::temp_directory_path(), ignored);
            fs::remove_all(folder, ignored);
        });
    }
    fs::current_path(folder);
}

host::Qso MixedQso(int index)
{
    // A duplicate repeats an earlier QSO's call, band and mode at a later minute.
    const int station = index % kDupeEvery == kDupeEvery - 1 ? index / 2 : index;
    const Entity& entity = kEntities[station % std::size(kEntities)];
    const QsoTexts& texts = TextsOf(station);
    host::Qso qso;
    qso.call = texts.call.c_str();
    qso.callPrefix = texts.callPrefix.c_str();
    qso.dxccPrefix = entity.dxccPrefix;
    qso.continent = entity.continent;
    qso.band = kBands[station % std::size(kBands)];
    qso.receivedNumber = texts.number.c_str();
    qso.time = MinuteOfContest(index);
    if (index % kRejectedEvery == kRejectedEvery - 1)
        qso.mode = "PSK31";
    return qso;
}

int DuplicateNear(int index)
{
    return index / kDupeEvery * kDupeEvery + kDupeEvery - 1;
}

host::Qso FreshQso()
{
    host::Qso qso;
    qso.call = "ZZ9ZZZ";
    qso.callPrefix = "ZZ9";
    qso.dxccPrefix = "ZZ";
    qso.continent = "AN";
    qso.band = "10m";
    qso.time = MinuteOfContest(-1);
    return qso;
}

host::Entered NewCallArea()
{
    host::Entered entered;
    entered.call = "W9NEW";
    entered.callPrefix = "W9";
    entered.dxccPrefix = "K";
    entered.continent = "NA";
    entered.band = "20m";
    return entered;
}

void LoadContest(int qsoCount)
{
    static std::map<int, SavedContest> saved;
    EnterWorkspace();
    auto found = saved.find(qsoCount);
    if (found == saved.end()) {
        BuildThroughExports(qsoCount);
        found = saved.emplace(qsoCount, SavedContest{Contest(), ReadWholeFile(LogName())}).first;
    }
    Contest() = found->second.state;
    std::ofstream(LogName(), std::ios::binary | std::ios::trunc) << found->second.log;
}

} // namespace bench
