#include "engine/Admission.h"

#include "engine/ContestState.h"
#include "engine/Tally.h"
#include "engine/WindowSide.h"
#include "reports/RejectedQsoLog.h"

namespace {

const char* const kLogTimeFormat = "%Y-%m-%d %H%M";

void LogRejected(ContestState& state, const QsoArguments& qso, int frequencyKhz, const char* reason)
{
    RejectedQsoLog::RejectedQsoLine line;
    line.frequencyKhz = frequencyKhz;
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
}

bool IsDuplicateOf(const CInfo& stored, const CInfo& record)
{
    return stored.call == record.call && stored.band == record.band && stored.mode == record.mode;
}

// Two QSO times are the same when their status is and, for valid times, their value is;
// an invalid time matches nothing.
bool SameQsoTime(const COleDateTime& a, const COleDateTime& b)
{
    if (a.GetStatus() != b.GetStatus())
        return false;
    switch (a.GetStatus()) {
    case COleDateTime::valid: return a.m_dt == b.m_dt;
    case COleDateTime::null: return true;
    default: return false;
    }
}

int FindStored(const ContestState& state, const QsoArguments& key)
{
    for (int i = 0; i < state.qsoList.GetSize(); ++i) {
        const CInfo& stored = state.qsoList[i];
        if (stored.call == key.call && stored.band == key.band && stored.mode == key.mode
            && SameQsoTime(stored.time, key.time))
            return i;
    }
    return -1;
}

} // namespace

int AddQso(const QsoArguments& qso)
{
    ContestLock lock = LockContest();
    ContestState& state = Contest();

    CInfo record;
    record.time = qso.time;
    record.frequencyKhz = static_cast<int>(qso.frequencyHz / 1000);

    if (!state.permittedBands.Contains(qso.band)) {
        LogRejected(state, qso, record.frequencyKhz, RejectedQsoLog::kWrongBand);
        return 0;
    }
    if (!state.bandsWorked.Has(qso.band))
        state.bandsWorked.Add(qso.band);

    record.call = qso.call;
    record.dxccPrefix = qso.dxccPrefix;
    record.continent = qso.continent;
    record.band = qso.band;
    record.mode = qso.mode;
    record.receivedRst = qso.receivedRst;
    record.sentRst = qso.sentRst;
    record.receivedExchange = qso.receivedExchange;
    record.sentExchange = qso.sentExchange;

    if (!state.permittedModes.Contains(qso.mode)) {
        LogRejected(state, qso, record.frequencyKhz, RejectedQsoLog::kWrongMode);
        return 0;
    }
    if (qso.receivedExchange.IsEmpty() || qso.sentExchange.IsEmpty()) {
        LogRejected(state, qso, record.frequencyKhz, RejectedQsoLog::kNoRxNumber);
        return 0;
    }
    SetAreaDigit(record, qso.dxccPrefix, qso.callPrefix);

    for (const CInfo& stored : state.qsoList) {
        if (IsDuplicateOf(stored, record)) {
            record.isDupe = 1;
            record.dupeCount = 1;
            LogRejected(state, qso, record.frequencyKhz, RejectedQsoLog::kDupe);
            break;
        }
    }
    state.qsoList.Add(record);
    return 1;
}

int RemoveQso(const QsoArguments& key)
{
    ContestLock lock = LockContest();
    ContestState& state = Contest();
    const int index = FindStored(state, key);
    if (index >= 0) {
        // The windows are told without the lock held; only this thread changes qsoList, so
        // the index stays valid meanwhile.
        lock.unlock();
        TheWindowSide().ClearMarks();
        lock.lock();
        state.qsoList.RemoveAt(index);
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
