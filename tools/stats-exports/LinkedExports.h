#pragma once
// The export table bound to the exports linked into this program: the native tests, the fuzzer
// and the benchmarks link the portable core instead of loading Stats.dll.
#include "tools/stats-exports/StatsExports.h"

inline StatsExports LinkedExports()
{
    // In the order of StatsExports' members.
    return {&::AddData0, &::RemoveData0, &::ResetStats0, &::CheckCall0, &::GetResult0, &::GetSetName,
        &::GetNumberOfSets, &::GetExchgCount0, &::IsValidExchg0, &::setVersion, &::SetupSet0};
}
