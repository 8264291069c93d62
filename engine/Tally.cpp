#include "engine/Tally.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

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

// Values already counted, each found without a walk of the whole list: a contest repeats a few
// hundred DXCC prefixes and six continents over thousands of QSOs, so nearly every offer is a
// value seen before. An open-addressing table of pointers into the stored QSOs (which the
// tally does not change) finds it with one short hash and, usually, one comparison.
class SeenTexts {
public:
    SeenTexts() : slots_(64, nullptr) {}

    // True the first time `value` is offered.
    bool FirstTime(const CString& value)
    {
        size_t slot = Hash(value) & (slots_.size() - 1);
        for (; slots_[slot]; slot = (slot + 1) & (slots_.size() - 1))
            if (*slots_[slot] == value)
                return false;
        slots_[slot] = &value;
        if (++count_ * 2 > slots_.size())
            Grow();
        return true;
    }

private:
    static uint32_t Hash(const CString& text)
    {
        uint32_t hash = 2166136261u;   // FNV-1a
        for (unsigned char c : text)
            hash = (hash ^ c) * 16777619u;
        return hash;
    }

    void Grow()
    {
        std::vector<const CString*> old(slots_.size() * 2, nullptr);
        old.swap(slots_);
        for (const CString* value : old) {
            if (!value)
                continue;
            size_t slot = Hash(*value) & (slots_.size() - 1);
            while (slots_[slot])
                slot = (slot + 1) & (slots_.size() - 1);
            slots_[slot] = value;
        }
    }

    std::vector<const CString*> slots_;
    size_t count_ = 0;
};

// One call-area entity: the area field of a record, its code prefix and its worked list.
struct AreaEntity {
    int CInfo::*area;
    const char* code;
    CStringArray ContestState::*worked;
    int TallyResult::*count;
    std::vector<int> seen;   // area digits already counted
};

// The stored QSOs with a callsign, grouped by their worked band (same order as `bands`) and
// in logging order within each band: one walk of the list instead of one per band.
std::vector<std::vector<const CInfo*>> QsosByBand(const CStringArray& bands, const CArray<CInfo>& qsos)
{
    std::vector<std::vector<const CInfo*>> byBand(static_cast<size_t>(bands.GetSize()));
    int lastBand = 0;
    for (const CInfo& qso : qsos) {
        if (qso.call.IsEmpty())
            continue;
        // QSOs of one band tend to follow each other, so the last band found is tried first.
        if (lastBand >= bands.GetSize() || bands[lastBand] != qso.band) {
            const auto found = std::find(bands.begin(), bands.end(), qso.band);
            if (found == bands.end())
                continue;
            lastBand = static_cast<int>(found - bands.begin());
        }
        byBand[static_cast<size_t>(lastBand)].push_back(&qso);
    }
    return byBand;
}

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
    SeenTexts seenDxcc, seenContinents;
    // The first area field that is set decides, in this order.
    AreaEntity areas[] = {
        {&CInfo::jaArea, "JA", &ContestState::workedJaAreas, &TallyResult::jaCount, {}},
        {&CInfo::kArea, "K", &ContestState::workedKAreas, &TallyResult::kCount, {}},
        {&CInfo::veArea, "VE", &ContestState::workedVeAreas, &TallyResult::veCount, {}},
        {&CInfo::vkArea, "VK", &ContestState::workedVkAreas, &TallyResult::vkCount, {}},
    };

    const auto qsosByBand = QsosByBand(state.bandsWorked, state.qsoList);
    for (int b = 0; b < state.bandsWorked.GetSize(); ++b) {
        BandTally row{state.bandsWorked[b], 0, 0};
        for (const CInfo* qso : qsosByBand[static_cast<size_t>(b)]) {
            result.dupeTotal += qso->dupeCount;
            if (qso->isDupe)
                continue;
            ++row.qsos;
            if (seenDxcc.FirstTime(qso->dxccPrefix)) {
                state.workedMultipliers.Add(qso->dxccPrefix);
                ++result.dxccCount;
            }
            for (AreaEntity& entity : areas) {
                const int digit = qso->*entity.area;
                if (digit == -1)
                    continue;
                if (std::find(entity.seen.begin(), entity.seen.end(), digit) == entity.seen.end()) {
                    entity.seen.push_back(digit);
                    const CString code = entity.code + std::to_string(digit);
                    state.workedMultipliers.Add(code);
                    (state.*entity.worked).Add(code);
                    ++(result.*entity.count);
                }
                break;
            }
            if (seenContinents.FirstTime(qso->continent)) {
                state.workedContinents.Add(qso->continent);
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
