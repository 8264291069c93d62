#include "engine/Tally.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <tuple>
#include <vector>

namespace {

int ClampedProduct(int a, int b, int c)
{
    return static_cast<int>(std::clamp<int64_t>(int64_t(a) * b * c, INT_MIN, INT_MAX));
}

} // namespace

Tally TallyScore(const ContestState& state)
{
    Tally tally;
    TallyResult& result = tally.result;
    const QsoList& qsos = state.qsoList;
    const CStringArray& bands = state.bandsWorked;
    for (const CString& band : bands) {
        const int counting = qsos.CountingOn(band);
        result.bands.push_back(BandTally{band, counting, counting});
        result.totalQsos += counting;
    }
    result.pointsTotal = result.totalQsos;
    result.dupeTotal = qsos.Duplicates();

    // Each multiplier with its credit and its entity (-1 for a DXCC prefix, which comes before
    // the call area of the same QSO).
    std::vector<std::tuple<Credit, int, CString>> multipliers;
    for (const auto& [credit, prefix] : qsos.DxccPlaces().Credits(bands))
        multipliers.emplace_back(credit, -1, prefix);
    result.dxccCount = static_cast<int>(multipliers.size());
    result.iMults = result.dxccCount;
    for (int entity = 0; entity < kCallAreaEntityCount; ++entity) {
        CStringArray& worked = tally.callAreas[static_cast<size_t>(entity)];
        for (const auto& [credit, code] : qsos.CallAreaPlaces(entity).Credits(bands)) {
            multipliers.emplace_back(credit, entity, code);
            worked.Add(code);
        }
        result.areaCounts[kCallAreaEntities[entity]] = worked.GetSize();
        result.iMults += worked.GetSize();
    }
    std::sort(multipliers.begin(), multipliers.end());
    for (const auto& multiplier : multipliers)
        tally.multipliers.Add(std::get<CString>(multiplier));
    for (const auto& [credit, continent] : qsos.ContinentPlaces().Credits(bands))
        tally.continents.Add(continent);
    result.contCount = tally.continents.GetSize();
    result.score = ClampedProduct(result.pointsTotal, result.iMults, result.contCount);
    return tally;
}
