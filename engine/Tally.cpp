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

// The worked bands are distinct spellings of the permitted bands, so no two have the same key and
// any sort gives the one order.
void SortBandsDescending(CStringArray& bands)
{
    std::sort(bands.begin(), bands.end(), [](const CString& a, const CString& b) { return SortKey(b) < SortKey(a); });
}

// Where a multiplier is credited: the band (its place in the sorted band order) and the QSO
// (its place in qsoList). A multiplier counts at its earliest place, band first.
struct Credit {
    int band;
    int qso;
    bool operator<(const Credit& other) const { return band != other.band ? band < other.band : qso < other.qso; }
};

// The distinct texts of one kind of multiplier and where each is credited. A contest repeats a
// few hundred DXCC prefixes and six continents over thousands of QSOs, so nearly every offer
// is a text seen before: an open-addressing table of pointers into the stored QSOs (which the
// tally does not change) finds it with one short hash and, usually, one comparison.
class TextCredits {
public:
    struct Entry {
        const CString* text = nullptr;
        Credit credit{};
    };

    TextCredits() : slots_(64) { }

    // Records that `text` was worked at `credit`; the earliest place is kept.
    void Offer(const CString& text, Credit credit)
    {
        size_t slot = Hash(text) & (slots_.size() - 1);
        for (; slots_[slot].text; slot = (slot + 1) & (slots_.size() - 1)) {
            if (*slots_[slot].text == text) {
                if (credit < slots_[slot].credit)
                    slots_[slot].credit = credit;
                return;
            }
        }
        slots_[slot] = {&text, credit};
        if (++count_ * 2 > slots_.size())
            Grow();
    }

    // Every text with its place, earliest first.
    std::vector<Entry> InCreditOrder() const
    {
        std::vector<Entry> entries;
        for (const Entry& entry : slots_)
            if (entry.text)
                entries.push_back(entry);
        std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.credit < b.credit; });
        return entries;
    }

private:
    static uint32_t Hash(const CString& text)
    {
        uint32_t hash = 2166136261u; // FNV-1a
        for (unsigned char c : text)
            hash = (hash ^ c) * 16777619u;
        return hash;
    }

    void Grow()
    {
        std::vector<Entry> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Entry& entry : old) {
            if (!entry.text)
                continue;
            size_t slot = Hash(*entry.text) & (slots_.size() - 1);
            while (slots_[slot].text)
                slot = (slot + 1) & (slots_.size() - 1);
            slots_[slot] = entry;
        }
    }

    std::vector<Entry> slots_;
    size_t count_ = 0;
};

// One call-area entity: the area field of a record, its code prefix, its worked list, and
// the areas worked with where each is credited.
struct AreaEntity {
    int CInfo::*area;
    const char* code;
    CStringArray ContestState::*worked;
    int TallyResult::*count;
    std::vector<std::pair<int, Credit>> credits;

    void Offer(int digit, Credit credit)
    {
        for (auto& [worked, at] : credits) {
            if (worked == digit) {
                at = std::min(at, credit);
                return;
            }
        }
        credits.emplace_back(digit, credit);
    }
};

// The place of `band` in `bands`, or -1. QSOs of one band tend to follow each other, so the
// place found last time is tried first.
int BandPlace(const CStringArray& bands, const CString& band, int& lastPlace)
{
    if (lastPlace < bands.GetSize() && bands[lastPlace] == band)
        return lastPlace;
    const auto found = std::find(bands.begin(), bands.end(), band);
    if (found == bands.end())
        return -1;
    return lastPlace = static_cast<int>(found - bands.begin());
}

// A multiplier as the worked lists receive it: a DXCC prefix, or an area code of `entity`.
struct WorkedMultiplier {
    Credit credit;
    int entity; // -1 for a DXCC prefix, which comes before the area of the same QSO
    CString text;

    bool operator<(const WorkedMultiplier& other) const
    {
        return credit < other.credit || (!(other.credit < credit) && entity < other.entity);
    }
};

int ClampedProduct(int a, int b, int c)
{
    return static_cast<int>(std::clamp<int64_t>(int64_t(a) * b * c, INT_MIN, INT_MAX));
}

} // namespace

int CInfo::*AreaField(const CString& dxccPrefix)
{
    return dxccPrefix == "K" ? &CInfo::kArea
        : dxccPrefix == "VE" ? &CInfo::veArea
        : dxccPrefix == "VK" ? &CInfo::vkArea
        : dxccPrefix == "JA" ? &CInfo::jaArea
                             : nullptr;
}

void SetAreaDigit(CInfo& record, const CString& dxccPrefix, const CString& callPrefix)
{
    int CInfo::*const field = AreaField(dxccPrefix);
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
    result.badQsoCount = RejectedQsoLog::CountRejected(state.badQsoFileName, state.badQsoBacklog);

    state.ClearWorkedLists();
    // The first area field that is set decides, in this order.
    AreaEntity areas[] = {
        {&CInfo::jaArea, "JA", &ContestState::workedJaAreas, &TallyResult::jaCount, {}},
        {&CInfo::kArea, "K", &ContestState::workedKAreas, &TallyResult::kCount, {}},
        {&CInfo::veArea, "VE", &ContestState::workedVeAreas, &TallyResult::veCount, {}},
        {&CInfo::vkArea, "VK", &ContestState::workedVkAreas, &TallyResult::vkCount, {}},
    };
    TextCredits dxccCredits, continentCredits;
    for (const CString& band : state.bandsWorked)
        result.bands.push_back(BandTally{band, 0, 0});

    // One walk of the list in logging order. Each multiplier remembers its earliest place, so
    // it is credited to the first band (in sorted order) and the first QSO where it occurs.
    int lastPlace = 0, qsoPlace = -1;
    for (const CInfo& qso : state.qsoList) {
        ++qsoPlace;
        if (qso.call.IsEmpty())
            continue;
        const int bandPlace = BandPlace(state.bandsWorked, qso.band, lastPlace);
        if (bandPlace < 0)
            continue;
        result.dupeTotal += qso.dupeCount;
        if (qso.isDupe)
            continue;
        ++result.bands[static_cast<size_t>(bandPlace)].qsos;
        const Credit credit{bandPlace, qsoPlace};
        dxccCredits.Offer(qso.dxccPrefix, credit);
        for (AreaEntity& entity : areas) {
            if (qso.*entity.area != -1) {
                entity.Offer(qso.*entity.area, credit);
                break;
            }
        }
        continentCredits.Offer(qso.continent, credit);
    }

    std::vector<WorkedMultiplier> multipliers;
    for (const TextCredits::Entry& dxcc : dxccCredits.InCreditOrder())
        multipliers.push_back({dxcc.credit, -1, *dxcc.text});
    result.dxccCount = static_cast<int>(multipliers.size());
    for (int e = 0; e < 4; ++e) {
        for (const auto& [digit, credit] : areas[e].credits)
            multipliers.push_back({credit, e, areas[e].code + std::to_string(digit)});
        result.*areas[e].count = static_cast<int>(areas[e].credits.size());
    }
    std::sort(multipliers.begin(), multipliers.end());
    for (const WorkedMultiplier& multiplier : multipliers) {
        state.workedMultipliers.Add(multiplier.text);
        if (multiplier.entity >= 0)
            (state.*areas[multiplier.entity].worked).Add(multiplier.text);
    }
    for (const TextCredits::Entry& continent : continentCredits.InCreditOrder())
        state.workedContinents.Add(*continent.text);
    result.contCount = state.workedContinents.GetSize();

    for (BandTally& row : result.bands) {
        row.points = row.qsos;
        result.totalQsos += row.qsos;
        result.pointsTotal += row.points;
    }

    result.iMults = result.dxccCount + result.kCount + result.jaCount + result.veCount + result.vkCount;
    result.score = ClampedProduct(result.pointsTotal, result.iMults, result.contCount);
    // The claimed score is the score itself: points x (entities + call areas) x continents.
    state.claimedScore = result.score;
    state.settings.WriteInt("Claimed", state.claimedScore);
    return result;
}
