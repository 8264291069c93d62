#include "engine/ContestState.h"

namespace {
const char* const kBandNames[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
const char* const kModeNames[] = {"RTTY"};
} // namespace

ContestState::ContestState()
    : permittedModes(kModeNames, 1),
      permittedBands(kBandNames, kBandRowCount),
      settings(kSettingsFile, kSettingsSection)
{
}

void ContestState::ClearWorkedLists()
{
    workedMultipliers.RemoveAll();
    workedContinents.RemoveAll();
    workedAreas = {};
}

namespace {
// Constructed when the library is loaded, before any export can run; the mutex first, so that
// it outlives the state at unload.
std::mutex g_contestMutex;
ContestState g_contestState;

} // namespace

std::mutex& ContestMutex() { return g_contestMutex; }

ContestState& Contest() { return g_contestState; }

void ResetContest()
{
    std::lock_guard<std::mutex> lock(g_contestMutex);
    g_contestState = ContestState();
}
