#include "tests/bench/BenchContest.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "engine/ContestState.h"
#include "tests/bench/QsoMix.h"
#include "tools/stats-exports/LinkedExports.h"

namespace fs = std::filesystem;

namespace bench {

namespace {

// Texts must outlive the QSO records that point at them.
const qso_mix::MixedQso& StoredQsoOfMix(int index)
{
    static std::map<int, qso_mix::MixedQso> stored;
    auto found = stored.find(index);
    return found != stored.end() ? found->second : stored.emplace(index, qso_mix::QsoOfMix(index)).first->second;
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

bool WithoutFiles() { return std::getenv("STATS_BENCH_WITHOUT_FILES") != nullptr; }

void BuildThroughExports(int qsoCount)
{
    Plugin().ResetStats(TestContestStart{});
    for (int i = 0; i < qsoCount; ++i)
        Plugin().AddData(MixedQso(i));
}

} // namespace

const StatsExports& Plugin()
{
    static const StatsExports linked = LinkedExports();
    return linked;
}

void EnterWorkspace()
{
    // Created and registered for removal once; the name is kept in static storage that no
    // destructor touches, since the removal runs at exit.
    static char folder[4096] = "";
    if (!*folder) {
        const std::string pattern = (fs::temp_directory_path() / "stats-bench-XXXXXX").string();
        std::snprintf(folder, sizeof folder, "%s", pattern.c_str());
        fs::create_directories(fs::path(mkdtemp(folder)) / (WithoutFiles() ? "" : "Plugins"));
        std::atexit([] {
            std::error_code ignored;
            fs::current_path(fs::temp_directory_path(), ignored);
            fs::remove_all(folder, ignored);
        });
    }
    fs::current_path(folder);
}

LoggedQso MixedQso(int index) { return qso_mix::AsLoggedQso(StoredQsoOfMix(index)); }

int DuplicateNear(int index) { return qso_mix::DuplicateNear(index); }

LoggedQso FreshQso()
{
    static const qso_mix::MixedQso fresh = qso_mix::FreshQso();
    return qso_mix::AsLoggedQso(fresh);
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
    if (WithoutFiles())
        Contest().badQsoFileName.clear();
}

} // namespace bench
