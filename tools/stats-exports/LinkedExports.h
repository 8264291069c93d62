#pragma once
// The export table bound to the exports linked into this program: the native tests, the fuzzer
// and the benchmarks link the portable core instead of loading Stats.dll.
#include "tools/stats-exports/StatsExports.h"

inline StatsExports LinkedExports()
{
    StatsExports linked;
#define STATS_EXPORT(name, decorated) linked.name = &::name;
#include "engine/ExportList.h"
    return linked;
}
