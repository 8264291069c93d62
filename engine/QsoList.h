#pragma once
// The stored QSOs in logging order, with the indexes that answer the exports without walking
// them: the QSOs of a call on a band (duplicates, removal, the call check, the refresh), the
// DXCC prefixes and call areas stored (the call check), and for the tally the QSOs that count
// on each band and where each multiplier was worked. Add and Remove keep every index in step,
// so each answer costs the same at 20,000 QSOs as at 1,000.
#include <array>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/CallAreas.h"

// A QSO's place in logging order: a stored QSO gets a larger stamp than every QSO before it,
// and keeps it while others come and go.
using QsoStamp = unsigned long long;

// Where a multiplier is credited: the place of its band in the tally's band order, then its QSO.
struct Credit {
    size_t band;
    QsoStamp qso;
    bool operator<(const Credit& other) const { return band != other.band ? band < other.band : qso < other.qso; }
};

// One kind of multiplier (DXCC prefixes, continents, the call areas of one entity): for each
// multiplier, the bands on which counting QSOs worked it, and those QSOs in logging order.
class MultiplierPlaces {
public:
    // Enters a QSO (step 1) or takes it out again (step -1).
    void Enter(const CString& multiplier, const CString& band, QsoStamp qso, int step);
    // Every multiplier with its credit: the first of `bands` on which it was worked, and its
    // first QSO there. Earliest credit first.
    std::vector<std::pair<Credit, CString>> Credits(const CStringArray& bands) const;

private:
    std::map<CString, std::map<CString, std::vector<QsoStamp>>> m_places;
};

class QsoList {
    // A place in logging order. A removed QSO leaves its place empty until the empty places
    // outnumber the QSOs; then the list closes up, and the stamps stay as they are.
    struct Entry {
        QsoStamp stamp;
        bool removed;
        CInfo qso;
    };

public:
    // Walks the stored QSOs in logging order.
    class Iterator {
    public:
        Iterator(const Entry* at, const Entry* end) : m_at(at), m_end(end) { SkipRemoved(); }
        const CInfo& operator*() const { return m_at->qso; }
        Iterator& operator++()
        {
            ++m_at;
            SkipRemoved();
            return *this;
        }
        bool operator!=(const Iterator& other) const { return m_at != other.m_at; }

    private:
        void SkipRemoved()
        {
            while (m_at != m_end && m_at->removed)
                ++m_at;
        }

        const Entry* m_at;
        const Entry* m_end;
    };

    // Stores `qso` after the stored QSOs.
    void Add(const CInfo& qso);
    // Takes one stored QSO out.
    void Remove(QsoStamp qso);
    void RemoveAll() { *this = QsoList(); }

    int GetSize() const { return static_cast<int>(m_entries.size()) - m_removedEntries; }
    bool IsEmpty() const { return GetSize() == 0; }
    Iterator begin() const { return {m_entries.data(), m_entries.data() + m_entries.size()}; }
    Iterator end() const { return {m_entries.data() + m_entries.size(), m_entries.data() + m_entries.size()}; }
    // The index-th QSO in logging order; walks the list.
    const CInfo& operator[](int index) const;

    const CInfo& At(QsoStamp qso) const { return m_entries[EntryOf(qso)].qso; }
    // The stored QSOs with exactly this call and band, in logging order.
    const std::vector<QsoStamp>& OfCallOnBand(const CString& call, const CString& band) const;
    bool HasDxcc(const CString& dxccPrefix) const { return m_dxccPrefixes.count(dxccPrefix) != 0; }
    bool HasCallArea(const CString& code) const { return m_callAreas.count(code) != 0; }

    // What the tally counts. A QSO counts when it has a call and is not a duplicate.
    int CountingOn(const CString& band) const;
    // The duplicates that have a call.
    int Duplicates() const { return m_duplicates; }
    const MultiplierPlaces& DxccPlaces() const { return m_dxccPlaces; }
    const MultiplierPlaces& ContinentPlaces() const { return m_continentPlaces; }
    const MultiplierPlaces& CallAreaPlaces(int entity) const { return m_callAreaPlaces[static_cast<size_t>(entity)]; }

private:
    size_t EntryOf(QsoStamp qso) const;
    // Enters a stored QSO into every index (step 1) or takes it out of them (step -1).
    void Index(QsoStamp stamp, const CInfo& qso, int step);

    std::vector<Entry> m_entries; // by stamp
    int m_removedEntries = 0;
    QsoStamp m_nextStamp = 0;
    std::unordered_map<std::string, std::vector<QsoStamp>> m_byCallAndBand;
    // How many stored QSOs have each DXCC prefix and each call area; how many counting QSOs
    // each band has.
    std::unordered_map<std::string, int> m_dxccPrefixes, m_callAreas, m_countingOnBand;
    int m_duplicates = 0;
    MultiplierPlaces m_dxccPlaces, m_continentPlaces;
    std::array<MultiplierPlaces, kCallAreaEntityCount> m_callAreaPlaces;
};
