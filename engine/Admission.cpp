#include "engine/Admission.h"

#include <algorithm>
#include <optional>

#include "engine/ContestState.h"
#include "engine/WindowSide.h"
#include "reports/RejectedQsoLog.h"

namespace {

const char* const kLogTimeFormat = "%Y-%m-%d %H%M";

int FrequencyKhz(const QsoArguments& qso) { return static_cast<int>(qso.frequencyHz / 1000); }

// Gives the QSO its line in the rejected-QSO log, with `reason`. Returns 0, AddData0's answer for a
// rejected QSO.
int LogRejected(ContestState& state, const QsoArguments& qso, const char* reason)
{
    RejectedQsoLog::RejectedQsoLine line;
    line.frequencyKhz = FrequencyKhz(qso);
    line.mode = qso.mode;
    line.time = qso.time.Format(kLogTimeFormat);
    line.ownCall = qso.ownCall;
    line.sentRst = qso.sentRst;
    line.sentExchange = qso.sentExchange;
    line.call = qso.call;
    line.receivedRst = qso.receivedRst;
    line.receivedExchange = qso.receivedExchange;
    line.reason = reason;
    RejectedQsoLog::Append(state.badQsoFileName, line, state.badQsoBacklog);
    return 0;
}

// Two QSO times are the same when their status is and, for valid times, their value is;
// an invalid time matches nothing.
bool SameQsoTime(const COleDateTime& a, const COleDateTime& b)
{
    const COleDateTime::DateTimeStatus status = a.GetStatus();
    if (status != b.GetStatus())
        return false;
    return status == COleDateTime::null || (status == COleDateTime::valid && a.m_dt == b.m_dt);
}

// The first stored QSO with the call, band and mode of `qso` that `match` accepts.
template <class Match>
std::optional<QsoStamp> FindStored(const QsoList& qsos, const QsoArguments& qso, Match match)
{
    for (QsoStamp stamp : qsos.OfCallOnBand(qso.call, qso.band))
        if (qsos.At(stamp).mode == qso.mode && match(qsos.At(stamp)))
            return stamp;
    return std::nullopt;
}

} // namespace

int AddQso(const QsoArguments& qso)
{
    ContestLock lock = LockContest();
    ContestState& state = Contest();
    // Band, mode and serial numbers, in this order; a band that passes counts as worked even when
    // a later check rejects the QSO.
    if (!state.permittedBands.Contains(qso.band))
        return LogRejected(state, qso, RejectedQsoLog::kWrongBand);
    if (!state.bandsWorked.Has(qso.band))
        state.bandsWorked.Add(qso.band);
    if (!state.permittedModes.Contains(qso.mode))
        return LogRejected(state, qso, RejectedQsoLog::kWrongMode);
    if (qso.receivedExchange.IsEmpty() || qso.sentExchange.IsEmpty())
        return LogRejected(state, qso, RejectedQsoLog::kNoRxNumber);

    CInfo record;
    record.time = qso.time;
    record.frequencyKhz = FrequencyKhz(qso);
    record.call = qso.call;
    record.dxccPrefix = qso.dxccPrefix;
    record.continent = qso.continent;
    record.band = qso.band;
    record.mode = qso.mode;
    record.receivedRst = qso.receivedRst;
    record.sentRst = qso.sentRst;
    record.receivedExchange = qso.receivedExchange;
    record.sentExchange = qso.sentExchange;
    record.callArea = CallAreaOf(qso.dxccPrefix, qso.callPrefix);

    // A stored QSO with the same call, band and mode makes this one a duplicate.
    if (FindStored(state.qsoList, qso, [](const CInfo&) { return true; })) {
        record.isDupe = 1;
        record.dupeCount = 1;
        LogRejected(state, qso, RejectedQsoLog::kDupe);
    }
    state.qsoList.Add(record);
    return 1;
}

int RemoveQso(const QsoArguments& key)
{
    ContestLock lock = LockContest();
    ContestState& state = Contest();
    const auto stored =
        FindStored(state.qsoList, key, [&](const CInfo& qso) { return SameQsoTime(qso.time, key.time); });
    if (stored) {
        // The windows are told without the lock held; only this thread changes qsoList, so
        // the QSO stays stored meanwhile.
        lock.unlock();
        TheWindowSide().ClearMarks();
        lock.lock();
        state.qsoList.Remove(*stored);
    }
    RejectedQsoLog::RemoveQsoLines(
        state.badQsoFileName, key.call, key.time.Format(kLogTimeFormat), state.badQsoBacklog);
    if (state.qsoList.IsEmpty())
        state.ClearWorkedLists();
    lock.unlock();
    if (TheWindowSide().ControlWindowExists())
        TheWindowSide().PostRefresh();
    return 1;
}
