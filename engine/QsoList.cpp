#include "engine/QsoList.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

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
        qsos.push_back(qso);
    else
        qsos.erase(std::lower_bound(qsos.begin(), qsos.end(), qso));
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
    m_entries.push_back({m_nextStamp++, false, qso});
    Index(m_entries.back().stamp, m_entries.back().qso, 1);
}

void QsoList::Remove(QsoStamp qso)
{
    Entry& entry = m_entries[EntryOf(qso)];
    Index(qso, entry.qso, -1);
    entry = {qso, true, CInfo()};
    if (++m_removedEntries > GetSize()) {
        m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), [](const Entry& e) { return e.removed; }),
            m_entries.end());
        m_removedEntries = 0;
    }
}

const CInfo& QsoList::operator[](int index) const
{
    Iterator at = begin();
    while (index-- > 0)
        ++at;
    return *at;
}

size_t QsoList::EntryOf(QsoStamp qso) const
{
    const auto found = std::lower_bound(m_entries.begin(), m_entries.end(), qso,
        [](const Entry& entry, QsoStamp stamp) { return entry.stamp < stamp; });
    if (found == m_entries.end() || found->stamp != qso || found->removed)
        throw std::out_of_range("no such QSO");
    return static_cast<size_t>(found - m_entries.begin());
}

const std::vector<QsoStamp>& QsoList::OfCallOnBand(const CString& call, const CString& band) const
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
