#pragma once
// The country file turned into a callsign lookup: which DXCC entity a station belongs to, on
// which continent it is, and so what the host knows about a QSO's station. Standard C++ only.
//
// The file has the common cty.dat layout:
//
//   Name:  CQ:  ITU:  Continent:  lat:  lon:  utc-offset:  PrimaryPrefix:
//       alias,alias,=EXACTCALL,alias(cq)[itu]<lat/lon>{continent}~utc~,
//       alias;
//
// A header line holds the eight colon-ended fields; the alias list after it runs, over as many
// lines as needed, up to a ';'. An alias starting with '=' is one exact call, any other alias a
// prefix. A primary prefix starting with '*' marks an entity that is not a DXCC entity of its
// own. Malformed headers are reported and their entity left out; the rest is still read.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tools/stats-replay/ContestLog.h"

struct CountryInfo {
    std::string dxccPrefix; // primary prefix of the DXCC entity: "K", "JA", "UA9", "DL" ...
    std::string continent;  // "EU", "NA", "SA", "AF", "AS" or "OC"
    std::string dxccName;   // name of the DXCC entity
};

struct CallTableEntry {
    size_t entity = 0;     // the DXCC entity the call counts for (index into the entities)
    std::string continent; // after any override of the alias
};

// Finds which country-file entry a callsign belongs to.
class CallTable {
public:
    // An exact call or a prefix. When one is added twice, the first entry stays.
    void Add(const std::string& text, bool exactCall, const CallTableEntry& entry);

    // A call written with strokes ("DL/K1ABC", "K5DJ/1", "OH2XX/P") splits into the station's
    // home call, a location prefix and a call-area digit: trailing suffixes that only tell how
    // the station operates (/P, /M, /MM, /AM, /QRP, /QRPP, /LH, /A, /R) are dropped; a trailing
    // single digit is the call area; of the rest, the home call is the longest piece that looks
    // like a complete call (a letter after its last digit), the location the shortest other one
    // that the table lists as a prefix ("FR" of FR/K1ABC/T), else the shortest other one.
    //
    // Looked up in this order: the whole call as an exact call; the call without its operating
    // suffixes as an exact call; then, when the call names a location, the longest prefix of the
    // location; otherwise the home call as an exact call and its longest prefix. A call-area digit
    // ("/1") does not change the entity; the country file lists the stations for which it does as
    // exact calls. Null when nothing matches.
    const CallTableEntry* Find(std::string_view call) const;

    // The entry of the longest prefix of the text, or null.
    const CallTableEntry* FindLongestPrefix(std::string_view text) const;

private:
    const CallTableEntry* FindExactCall(const std::string& call) const;

    std::unordered_map<std::string, CallTableEntry> m_exactCalls;
    std::unordered_map<std::string, CallTableEntry> m_prefixes;
    size_t m_longestPrefix = 0;
};

// Entities marked with '*' (kept apart for other award lists, such as Sicily or European Turkey)
// are not DXCC entities. Each counts for the DXCC entity that most of its own aliases give when
// looked up among the DXCC entities alone (ties go to the alias listed first); if none of them
// matches there, for the one its primary prefix (up to any '/') gives; if that fails too, it
// counts as an entity of its own. So Sicily counts as Italy "I", European Turkey as "TA", Vienna
// Intl Ctr as Austria "OE". The continent stays that of the matched line, so an IT9 call is in EU
// while an IG9 call (African Italy) is in AF, both for DXCC prefix "I".
class CountryFile {
public:
    static CountryFile FromText(std::string_view text);
    // Null when the file cannot be read or is far too large for a country file.
    static std::optional<CountryFile> FromFile(const std::string& path);

    // See CallTable::Find for how portable calls are treated.
    std::optional<CountryInfo> Lookup(std::string_view call) const;

    size_t EntityCount() const { return m_entities.size(); }
    const CallTable& Calls() const { return m_calls; }
    const std::vector<Problem>& Problems() const { return m_problems; }

private:
    struct Entity {
        std::string name;
        std::string primaryPrefix;
    };

    std::vector<Entity> m_entities;
    CallTable m_calls;
    std::vector<Problem> m_problems;
};

// The call prefix a logger gives for a worked station; the plug-in takes its last digit as the
// station's call area. "K5DJ" gives "K5", "JA1XYZ" "JA1", "4X1AB" "4X1"; a location prefix wins:
// "VE3/K5DJ" gives "VE3", "DL/K1ABC" "DL"; an area digit replaces the home prefix's last digit:
// "K5DJ/1" gives "K1"; operating suffixes change nothing: "K5DJ/P" gives "K5". A call without
// any digit is returned whole (it has no call area). Of two location pieces, the one `listed`
// has a prefix for is taken, as CallTable::Find takes it; without `listed`, the shorter.
std::string CallPrefix(std::string_view call, const CallTable* listed = nullptr);

// What the host knows about a QSO when it calls the plug-in: the log's fields plus the worked
// station's DXCC entity, continent and call prefix from the country file.
struct HostQso {
    std::string dxccPrefix; // "" when the country file knows no entity for the call
    std::string continent;
    std::string callPrefix; // its last digit is the call area
    unsigned int frequencyHz = 0;
    bool knownCall = false;
};

HostQso DescribeForHost(const Qso& qso, const CountryFile& countries);
