#include "engine/Refresh.h"

#include <cmath>

const char* const g_uiBands[kUiBandCount] = {"160m", "80m", "40m", "20m", "15m", "10m"};

namespace {

const char* const kNoValue = "   -";
constexpr double kSpotMacroStepHz = 300.0;

void FillRowsFor(ContestState& state, const CString& call)
{
    for (CStringArray& row : state.g_bandRows)
        for (int cell = 1; cell <= 4 && cell < row.GetSize(); ++cell)
            row[cell] = kNoValue;
    if (call.IsEmpty())
        return;
    // Each row shows the call's last QSO on its band.
    for (int band = 0; band < kUiBandCount; ++band) {
        CStringArray& row = state.g_bandRows[band];
        const std::vector<QsoStamp>& qsos = state.qsoList.OfCallOnBand(call, g_uiBands[band]);
        if (qsos.empty() || row.GetSize() < 4)
            continue;
        const CInfo& last = state.qsoList.At(qsos.back());
        row[1] = last.mode;
        row[2] = last.time.Format("%H:%M");
        row[3] = last.receivedExchange;
    }
}

std::vector<CString> Copy(const CStringArray& list) { return std::vector<CString>(list.begin(), list.end()); }

} // namespace

bool ShowEnteredCall(const CString& call)
{
    ContestLock lock = LockContest();
    ContestState& state = Contest();
    state.g_enteredCall = call;
    if (!call.IsEmpty() && call.size() < 3)
        return false;
    FillRowsFor(state, call);
    return true;
}

bool SpotMacroDue(double frequencyHz)
{
    ContestLock lock = LockContest();
    return std::fabs(frequencyHz - Contest().g_lastFrequency) > kSpotMacroStepHz;
}

void SpotMacroSent(double frequencyHz)
{
    ContestLock lock = LockContest();
    Contest().g_lastFrequency = frequencyHz;
}

int BandIndexOfFrequency(double frequencyHz)
{
    // The whole megahertz of each band of g_uiBands.
    const double bandMegahertz[kUiBandCount] = {1, 3, 7, 14, 21, 28};
    const double megahertz = std::trunc(frequencyHz / 1000000.0);
    for (int index = 0; index < kUiBandCount; ++index)
        if (megahertz == bandMegahertz[index])
            return index;
    return -1;
}

void ShowCurrentBand(double frequencyHz)
{
    const int index = BandIndexOfFrequency(frequencyHz);
    ContestLock lock = LockContest();
    Contest().g_bandIndex = index;
}

bool RussianTexts()
{
    ContestLock lock = LockContest();
    return Contest().russianTexts != 0;
}

CString DxccTitle()
{
    ContestLock lock = LockContest();
    const ContestState& state = Contest();
    const char* year = state.startYear.c_str();
    const char* call = state.g_enteredCall.c_str();
    const bool noCall = state.g_enteredCall.IsEmpty();
    if (state.russianTexts) // Windows-1251: "отработано", "работал с"
        return noCall ? CString::Formatted("BARTG-SPRINT %s DXCC \xEE\xF2\xF0\xE0\xE1\xEE\xF2\xE0\xED\xEE", year)
                      : CString::Formatted("BARTG-SPRINT %s \xF0\xE0\xE1\xEE\xF2\xE0\xEB \xF1 %s", year, call);
    return noCall ? CString::Formatted("BARTG-SPRINT %s DXCC worked", year)
                  : CString::Formatted("BARTG-SPRINT %s worked with %s", year, call);
}

WorkedCodes CurrentWorkedCodes()
{
    ContestLock lock = LockContest();
    const ContestState& state = Contest();
    WorkedCodes codes;
    codes.continents = Copy(state.workedContinents);
    for (const CStringArray& areas : state.workedAreas)
        codes.callAreas.insert(codes.callAreas.end(), areas.begin(), areas.end());
    return codes;
}

GridPicture TakeGridPicture()
{
    ContestLock lock = LockContest();
    const ContestState& state = Contest();
    GridPicture picture;
    picture.enteredCall = state.g_enteredCall;
    picture.bandIndex = state.g_bandIndex;
    for (int band = 0; band < kBandRowCount; ++band) {
        const CStringArray& row = state.g_bandRows[band];
        for (int cell = 0; cell < 4 && cell < row.GetSize(); ++cell)
            picture.bandRows[band][cell] = row[cell];
    }
    picture.multipliers = Copy(state.workedMultipliers);
    return picture;
}

void RefreshFinished()
{
    ContestLock lock = LockContest();
    Contest().refreshReady = 1;
}
