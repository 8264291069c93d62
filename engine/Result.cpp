#include "engine/Result.h"

#include <algorithm>

#include "engine/ContestState.h"
#include "engine/Tally.h"
#include "engine/WindowSide.h"
#include "reports/RejectedQsoLog.h"
#include "reports/ResultSummary.h"

namespace {

constexpr size_t kBandSortWidth = 20;

// Band names padded with leading zeros compare by their numbers: "80m" > "40m" > "10m".
CString SortKey(const CString& band)
{
    return band.size() >= kBandSortWidth ? band : CString(std::string(kBandSortWidth - band.size(), '0') + band);
}

// The tally's band order. The worked bands are distinct spellings of the permitted bands, so no
// two have the same key and any sort gives the one order.
void SortBandsDescending(CStringArray& bands)
{
    std::sort(bands.begin(), bands.end(), [](const CString& a, const CString& b) { return SortKey(b) < SortKey(a); });
}

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
    // The files are the host's thread's alone, like every change of the QSOs: they are read and
    // written without the lock, which guards only what the UI thread reads.
    // Rejected-QSO lines that the log could not take when they came are written now, if it can.
    RejectedQsoLog::WriteBacklog(state.badQsoFileName, state.badQsoBacklog);
    const int rejected = RejectedQsoLog::CountRejected(state.badQsoFileName, state.badQsoBacklog);
    TallyResult result;
    {
        ContestLock lock = LockContest();
        SortBandsDescending(state.bandsWorked);
        Tally tally = TallyScore(state);
        state.workedMultipliers = std::move(tally.multipliers);
        state.workedContinents = std::move(tally.continents);
        state.workedAreas = std::move(tally.callAreas);
        result = std::move(tally.result);
    }
    result.badQsoCount = rejected;
    // The claimed score is the score itself: points x (entities + call areas) x continents.
    state.claimedScore = result.score;
    state.settings.WriteInt("Claimed", state.claimedScore);
    const ResultHeading heading{state.startDayMonth, state.endDate, state.contestant};
    state.resultText = state.htmlResult ? FormatResultHtml(heading, result) : FormatResultText(heading, result);
    if (!state.cabrilloMode)
        return state.resultText.c_str();

    TheWindowSide().ShowMessage(WriteCabrilloFile(state), "Output", WindowSide::MessageStyle::Information);
    if (status)
        *status = -1;
    return state.resultText.c_str();
}
