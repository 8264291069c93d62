#include "engine/Exports.h"

#include <algorithm>
#include <cstring>

#include "engine/Admission.h"
#include "engine/CallCheck.h"
#include "engine/ContestStart.h"
#include "engine/ContestState.h"
#include "engine/Result.h"
#include "engine/WindowSide.h"

namespace {

const char* const kSetName = "BARTG SPRINT (C)";
const char* const kNoText = "";

// Runs `work` and returns its result; an exception never reaches the host, which gets
// `fallback` instead.
template <class Result, class Work>
Result Guarded(Result fallback, Work work) noexcept
{
    try {
        return work();
    } catch (...) {
        return fallback;
    }
}

} // namespace

extern "C" {

// The argument structs list their fields in the order of the exports' parameters.

int STATS_CDECL AddData0(STATS_QSO_PARAMETERS)
{
    return Guarded(0, [&] {
        return AddQso({ownCall, call, COleDateTime::FromHost(time), frequencyHz, mode, sentRst, receivedRst,
            sentExchange, receivedExchange, callPrefix, dxccPrefix, continent, band});
    });
}

int STATS_CDECL RemoveData0(STATS_QSO_PARAMETERS)
{
    return Guarded(1, [&] {
        return RemoveQso({ownCall, call, COleDateTime::FromHost(time), frequencyHz, mode, sentRst, receivedRst,
            sentExchange, receivedExchange, callPrefix, dxccPrefix, continent, band});
    });
}

int STATS_CDECL ResetStats0(const char* hostFolder, int cabrilloMode, const char* contestant,
    COleDateTime* contestStart, COleDateTime* contestEnd, const char*, const char*, const char*, const char*,
    const char*, const char*, const char*, const char*, const char*, const char* ownDxccPrefix, int, int, int, double,
    double, const char*, const char*, const char*)
{
    return Guarded(1, [&] {
        StartContest({hostFolder, cabrilloMode, contestant, COleDateTime::FromHost(contestStart),
            COleDateTime::FromHost(contestEnd), ownDxccPrefix});
        return 1;
    });
}

int STATS_CDECL CheckCall0(const char* call, unsigned int, unsigned int, const char* mode, const char*, const char*,
    const char*, const char*, const char*, const char*, const char*, const char*, const char* callPrefix,
    const char* dxccPrefix, int, int, int, double, double, const char*, const char* continent, const char*, const char*,
    const char*, const char* band, const char* secondBand, char*, char*)
{
    return Guarded(static_cast<int>(kNotContestQso), [&] {
        return CheckCall({call, mode, callPrefix, dxccPrefix, continent, band, secondBand});
    });
}

const char* STATS_CDECL GetResult0(int* status)
{
    return Guarded(kNoText, [&] { return GetContestResult(status); });
}

const char* STATS_CDECL GetSetName(int index) { return index == 0 ? kSetName : kNoText; }

int STATS_CDECL GetNumberOfSets(void) { return 1; }

int STATS_CDECL GetExchgCount0(const char*, const char*, const char*) { return 1; }

int STATS_CDECL IsValidExchg0(const char* receivedExchange, const char*, const char*, const char*, int, int, int)
{
    if (!receivedExchange || std::strcmp(receivedExchange, "599") == 0)
        return 0;
    const size_t length = strnlen(receivedExchange, 5);
    if (length != 3 && length != 4)
        return 0;
    return std::all_of(receivedExchange, receivedExchange + length, [](char c) { return c >= '0' && c <= '9'; });
}

unsigned long STATS_CDECL setVersion(const char*)
{
    Guarded(0, [] {
        ContestLock lock = LockContest();
        Contest().htmlResult = 1;
        return 0;
    });
    return 0;
}

void STATS_CDECL SetupSet0(void)
{
    Guarded(0, [] {
        TheWindowSide().ShowMessage("No additional setup for this plugin", "", WindowSide::MessageStyle::Plain);
        return 0;
    });
}

} // extern "C"
