// Time per call of the exports the host calls during a contest, against the number of stored
// QSOs. Every call does its real work: files are written in a temporary current directory,
// unless STATS_BENCH_WITHOUT_FILES is set (see BenchContest.h).
#include <benchmark/benchmark.h>

#include "engine/ContestState.h"
#include "tests/bench/BenchContest.h"
#include "tests/bench/QsoMix.h"

namespace {

void StoredQsoCounts(benchmark::internal::Benchmark* bench)
{
    bench->Arg(1000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMicrosecond)->UseRealTime();
}

// A new QSO: band, mode and number checks, the duplicate search, the append. The QSO is
// taken out again untimed.
void BM_AddData0(benchmark::State& state)
{
    bench::LoadContest(static_cast<int>(state.range(0)));
    const LoggedQso fresh = bench::FreshQso();
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::Plugin().AddData(fresh));
        state.PauseTiming();
        bench::Plugin().RemoveData(fresh);
        state.ResumeTiming();
    }
}

// The answer that asks the most of the call check: a new call area of a worked entity.
void BM_CheckCall0(benchmark::State& state)
{
    bench::LoadContest(static_cast<int>(state.range(0)));
    const EnteredCall entered = qso_mix::NewCallArea();
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::Plugin().CheckCall(entered));
}

// Removing a duplicate from the middle of the list and rewriting the rejected-QSO log
// without its line. The QSO is logged again untimed.
void BM_RemoveData0(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    bench::LoadContest(count);
    const LoggedQso stored = bench::MixedQso(bench::DuplicateNear(count / 2));
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::Plugin().RemoveData(stored));
        state.PauseTiming();
        bench::Plugin().AddData(stored);
        state.ResumeTiming();
    }
}

// The whole result: band sort, rejected lines counted in the log, the tally, the worked lists
// rebuilt, the claimed score written to the settings file, the text formatted.
void BM_GetResult0(benchmark::State& state)
{
    bench::LoadContest(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(GetResult0(nullptr));
}

// The same after every logged QSO: the score differs from the last result, so the settings
// file is rewritten with the new claimed score. A fresh QSO is logged or taken out untimed.
void BM_GetResult0_ScoreChanged(benchmark::State& state)
{
    bench::LoadContest(static_cast<int>(state.range(0)));
    const LoggedQso fresh = bench::FreshQso();
    GetResult0(nullptr);
    bool added = false;
    for (auto _ : state) {
        state.PauseTiming();
        if (added)
            bench::Plugin().RemoveData(fresh);
        else
            bench::Plugin().AddData(fresh);
        added = !added;
        state.ResumeTiming();
        benchmark::DoNotOptimize(GetResult0(nullptr));
    }
    if (added)
        bench::Plugin().RemoveData(fresh);
}

// A new contest start while the last one's QSOs are stored: they are all let go, the host's
// settings are searched, the settings file and a fresh rejected-QSO log are written. The
// stored QSOs are put back untimed.
void BM_ResetStats0(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        bench::LoadContest(count);
        state.ResumeTiming();
        benchmark::DoNotOptimize(bench::Plugin().ResetStats(TestContestStart{}));
    }
}

} // namespace

BENCHMARK(BM_AddData0)->Apply(StoredQsoCounts);
BENCHMARK(BM_CheckCall0)->Apply(StoredQsoCounts);
BENCHMARK(BM_RemoveData0)->Apply(StoredQsoCounts);
BENCHMARK(BM_GetResult0)->Apply(StoredQsoCounts);
BENCHMARK(BM_GetResult0_ScoreChanged)->Apply(StoredQsoCounts);
BENCHMARK(BM_ResetStats0)->Apply(StoredQsoCounts);

BENCHMARK_MAIN();
