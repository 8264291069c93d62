#include "engine/CallCheck.h"

#include "engine/ContestState.h"
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

int Classify(const ContestState& state, const CallCheckArguments& entered)
{
    const CString band(entered.band);
    if (entered.band && entered.secondBand && !band.EqualsNoCase(entered.secondBand))
        return kNotContestQso;
    if (!state.permittedBands.Contains(band) || !state.permittedModes.Contains(entered.mode))
        return kNotContestQso;
    if (entered.dxccPrefix.IsEmpty())
        return kNothingNew;
    // Every stored QSO counts here, duplicates and QSOs without a call included.
    const QsoList& qsos = state.qsoList;
    if (!qsos.OfCallOnBand(entered.call, band).empty())
        return kWorkedOnThisBand;
    if (!qsos.HasDxcc(entered.dxccPrefix))
        return kNewDxcc;
    const int entity = CallAreaEntityOf(entered.dxccPrefix);
    if (entity < 0)
        return kNothingNew;
    const int area = CallAreaOf(entered.dxccPrefix, entered.callPrefix);
    return area >= 0 && qsos.HasCallArea(CallAreaCode(entity, area)) ? kNothingNew : kNewCallArea;
}

} // namespace

int CheckCall(const CallCheckArguments& entered)
{
    RequestRefresh();
    ContestLock lock = LockContest();
    return Classify(Contest(), entered);
}
