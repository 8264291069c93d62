#include "engine/Result.h"

#include "engine/ContestState.h"
#include "engine/Tally.h"
#include "engine/WindowSide.h"
#include "reports/RejectedQsoLog.h"
#include "reports/ResultSummary.h"

namespace {

// Rebuilds the Cabrillo QSO lines from the stored QSOs (so each QSO is listed once, however
// often the result is asked for) and writes the file. Returns the message for the operator.
CString WriteCabrilloFile(ContestState& state)
{
    CabrilloLog& log = state.cabrilloLog;
    log.qsoLines.clear();
    for (const CInfo& qso : state.qsoList)
        log.AddQso(qso.call, qso.frequencyKhz, "RY", qso.time, "", qso.sentExchange, "", qso.receivedExchange);
    return log.WriteFile(state.claimedScore, state.hostVersion);
}

} // namespace

const char* GetContestResult(int* status)
{
    ContestState& state = Contest();
    ContestLock lock = LockContest();
    state.resultText.clear();
    // Rejected-QSO lines that the log could not take when they came are written now, if it can.
    RejectedQsoLog::WriteBacklog(state.badQsoFileName, state.badQsoBacklog);
    const TallyResult tally = TallyScore(state);
    const ResultHeading heading{state.startDayMonth, state.endDate, state.contestant};
    state.resultText = state.htmlResult ? FormatResultHtml(heading, tally) : FormatResultText(heading, tally);
    if (!state.cabrilloMode)
        return state.resultText.c_str();

    const CString message = WriteCabrilloFile(state);
    lock.unlock();
    TheWindowSide().ShowMessage(message, "Output", WindowSide::MessageStyle::Information);
    if (status)
        *status = -1;
    return state.resultText.c_str();
}
