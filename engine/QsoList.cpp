#include "engine/QsoList.h"

#include <algorithm>
#include <optional>

namespace {

std::string CallAndBand(const CString& call, const CString& band) { return call + '\0' + band; }

// Counts `key` up or down; a count that reaches 0 leaves the map.
void Count(std::unordered_map<std::string, int>& counts, const std::string& key, int step)
{
    if ((counts[key] += step) == 0)
        counts.erase(key);
}

} // namespace

void MultiplierPlaces::Enter(const CString& multiplier, const CString& band, QsoStamp qso, int step)
{
    auto& bands = m_places[multiplier];
    auto& qsos = bands[band];
    if (step > 0)
        qsos.insert(qso);
    else
        qsos.erase(qso);
    if (qsos.empty())
        bands.erase(band);
    if (bands.empty())
        m_places.erase(multiplier);
}

std::vector<std::pair<Credit, CString>> MultiplierPlaces::Credits(const CStringArray& bands) const
{
    std::vector<std::pair<Credit, CString>> credits;
    for (const auto& [multiplier, onBands] : m_places) {
        std::optional<Credit> first;
        for (const auto& [band, qsos] : onBands) {
            const auto place = std::find(bands.begin(), bands.end(), band);
            const Credit credit{static_cast<size_t>(place - bands.begin()), *qsos.begin()};
            if (place != bands.end() && (!first || credit < *first))
                first = credit;
        }
        if (first)
            credits.emplace_back(*first, multiplier);
    }
    std::sort(credits.begin(), credits.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return credits;
}

void QsoList::Add(const CInfo& qso)
{
    const QsoStamp stamp = m_nextStamp++;
    Index(stamp, m_qsos.emplace(stamp, qso).first->second, 1);
}

void QsoList::Remove(QsoStamp qso)
{
    Index(qso, m_qsos.at(qso), -1);
    m_qsos.erase(qso);
}

const std::vector<QsoStamp>& QsoList::OnBand(const CString& call, const CString& band) const
{
    static const std::vector<QsoStamp> none;
    const auto found = m_byCallAndBand.find(CallAndBand(call, band));
    return found == m_byCallAndBand.end() ? none : found->second;
}

int QsoList::CountingOn(const CString& band) const
{
    const auto found = m_countingOnBand.find(band);
    return found == m_countingOnBand.end() ? 0 : found->second;
}

void QsoList::Index(QsoStamp stamp, const CInfo& qso, int step)
{
    const std::string callAndBand = CallAndBand(qso.call, qso.band);
    std::vector<QsoStamp>& sameCallAndBand = m_byCallAndBand[callAndBand];
    if (step > 0)
        sameCallAndBand.push_back(stamp); // the largest stamp so far
    else
        sameCallAndBand.erase(std::find(sameCallAndBand.begin(), sameCallAndBand.end(), stamp));
    if (sameCallAndBand.empty())
        m_byCallAndBand.erase(callAndBand);

    Count(m_dxccPrefixes, qso.dxccPrefix, step);
    const int entity = CallAreaEntityOf(qso.dxccPrefix);
    const CString callArea = qso.callArea < 0 || entity < 0 ? CString() : CallAreaCode(entity, qso.callArea);
    if (!callArea.IsEmpty())
        Count(m_callAreas, callArea, step);

    if (qso.call.IsEmpty())
        return;
    m_duplicates += step * qso.dupeCount;
    if (qso.isDupe)
        return;
    Count(m_countingOnBand, qso.band, step);
    m_dxccPlaces.Enter(qso.dxccPrefix, qso.band, stamp, step);
    m_continentPlaces.Enter(qso.continent, qso.band, stamp, step);
    if (!callArea.IsEmpty())
        m_callAreaPlaces[static_cast<size_t>(entity)].Enter(callArea, qso.band, stamp, step);
}
