#include "engine/Tally.h"

#include <climits>
#include <cstdint>

#include "reports/RejectedQsoLog.h"

namespace {

constexpr size_t kBandSortWidth = 20;

// Band names padded with leading zeros compare by their numbers: "80m" > "40m" > "10m".
CString SortKey(const CString& band)
{
    return band.size() >= kBandSortWidth ? band : CString(std::string(kBandSortWidth - band.size(), '0') + band);
}

void SortBandsDescending(CStringArray& bands)
{
    for (int i = 0; i + 1 < bands.GetSize(); ++i)
        for (int j = i + 1; j < bands.GetSize(); ++j)
            if (SortKey(bands[i]) < SortKey(bands[j]))
                std::swap(bands[i], bands[j]);
}

// Adds `value` to `seen` and returns true the first time it is offered.
bool FirstTime(CStringArray& seen, const CString& value)
{
    if (seen.Has(value))
        return false;
    seen.Add(value);
    return true;
}

// One call-area entity: the area field of a record, its code prefix and its worked list.
struct AreaEntity {
    int CInfo::*area;
    const char* code;
    CStringArray ContestState::*worked;
    int TallyResult::*count;
    CStringArray seen;
};

int ClampedProduct(int a, int b, int c)
{
    const int64_t product = int64_t(a) * b * c;
    return product > INT_MAX ? INT_MAX : product < INT_MIN ? INT_MIN : int(product);
}

} // namespace

void SetAreaDigit(CInfo& record, const CString& dxccPrefix, const CString& callPrefix)
{
    int CInfo::*field = dxccPrefix == "K"  ? &CInfo::kArea
                      : dxccPrefix == "VE" ? &CInfo::veArea
                      : dxccPrefix == "VK" ? &CInfo::vkArea
                      : dxccPrefix == "JA" ? &CInfo::jaArea
                                           : nullptr;
    if (!field)
        return;
    for (char c : callPrefix)
        if (c >= '0' && c <= '9')
            record.*field = c - '0';
}

TallyResult TallyScore(ContestState& state)
{
    TallyResult result;
    SortBandsDescending(state.bandsWorked);
    result.badQsoCount = state.badQsoCount = RejectedQsoLog::CountRejected(state.badQsoFileName);

    state.ClearWorkedLists();
    CStringArray seenDxcc, seenContinents;
    // The first area field that is set decides, in this order.
    AreaEntity areas[] = {
        {&CInfo::jaArea, "JA", &ContestState::workedJaAreas, &TallyResult::jaCount, {}},
        {&CInfo::kArea, "K", &ContestState::workedKAreas, &TallyResult::kCount, {}},
        {&CInfo::veArea, "VE", &ContestState::workedVeAreas, &TallyResult::veCount, {}},
        {&CInfo::vkArea, "VK", &ContestState::workedVkAreas, &TallyResult::vkCount, {}},
    };

    for (const CString& band : state.bandsWorked) {
        BandTally row{band, 0, 0};
        for (const CInfo& qso : state.qsoList) {
            if (qso.band != band || qso.call.IsEmpty())
                continue;
            result.dupeTotal += qso.dupeCount;
            if (qso.isDupe)
                continue;
            ++row.qsos;
            if (FirstTime(seenDxcc, qso.dxccPrefix)) {
                state.workedMultipliers.Add(qso.dxccPrefix);
                ++result.dxccCount;
            }
            for (AreaEntity& entity : areas) {
                const int digit = qso.*entity.area;
                if (digit == -1)
                    continue;
                const CString digitText(std::to_string(digit));
                if (FirstTime(entity.seen, digitText)) {
                    const CString code = entity.code + digitText;
                    state.workedMultipliers.Add(code);
                    (state.*entity.worked).Add(code);
                    ++(result.*entity.count);
                }
                break;
            }
            if (FirstTime(seenContinents, qso.continent)) {
                state.workedContinents.Add(qso.continent);
                ++result.contCount;
            }
        }
        row.points = row.qsos;
        result.totalQsos += row.qsos;
        result.pointsTotal += row.points;
        result.bands.push_back(row);
    }

    result.iMults = result.dxccCount + result.kCount + result.jaCount + result.veCount + result.vkCount;
    result.score = ClampedProduct(result.pointsTotal, result.iMults, result.contCount);
    // The claimed score is the score itself: points x (entities + call areas) x continents.
    state.claimedScore = result.score;
    state.settings.WriteInt("Claimed", state.claimedScore);
    return result;
}
