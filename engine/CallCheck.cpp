#include "engine/CallCheck.h"

#include "engine/ContestState.h"
#include "engine/Tally.h"
#include "engine/WindowSide.h"

namespace {

// Asks the UI thread for one refresh; the refresh sets refreshReady again when it is done, so
// at most one request is queued while the operator types.
void RequestRefresh()
{
    WindowSide& windows = TheWindowSide();
    if (!windows.ControlWindowExists())
        return;
    {
        ContestLock lock = LockContest();
        if (!Contest().refreshReady)
            return;
        Contest().refreshReady = 0;
    }
    windows.PostRefresh();
}

bool SameArea(const CInfo& stored, const CInfo& entered)
{
    for (int CInfo::*area : {&CInfo::jaArea, &CInfo::veArea, &CInfo::vkArea, &CInfo::kArea})
        if (entered.*area != -1 && stored.*area == entered.*area)
            return true;
    return false;
}

int Classify(const ContestState& state, const CallCheckArguments& entered)
{
    const CString band(entered.band);
    if (entered.band && entered.secondBand && !band.EqualsNoCase(entered.secondBand))
        return kNotContestQso;
    if (!state.permittedBands.Contains(band) || !state.permittedModes.Contains(entered.mode))
        return kNotContestQso;
    if (entered.dxccPrefix.IsEmpty())
        return kNothingNew;

    CInfo record;
    record.call = entered.call;
    record.band = band;
    record.mode = entered.mode;
    record.continent = entered.continent;
    record.dxccPrefix = entered.dxccPrefix;
    SetAreaDigit(record, entered.dxccPrefix, entered.callPrefix);

    bool dxccWorked = false;
    for (const CInfo& stored : state.qsoList) {
        if (stored.call == record.call && stored.band == record.band)
            return kWorkedOnThisBand;
        dxccWorked = dxccWorked || stored.dxccPrefix == record.dxccPrefix;
    }
    if (!dxccWorked)
        return kNewDxcc;
    if (!AreaField(record.dxccPrefix))
        return kNothingNew;
    for (const CInfo& stored : state.qsoList)
        if (SameArea(stored, record))
            return kNothingNew;
    return kNewCallArea;
}

} // namespace

int CheckCall(const CallCheckArguments& entered)
{
    RequestRefresh();
    ContestLock lock = LockContest();
    return Classify(Contest(), entered);
}
