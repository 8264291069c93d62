// The country file (cty.dat layout, see CountryFileParser.h) turned into a
// callsign lookup: which DXCC entity a station belongs to, and on which
// continent it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/stats-replay/CallTable.h"
#include "tools/stats-replay/Problem.h"

namespace replay {

struct CountryInfo {
    std::string dxccPrefix;  // primary prefix of the DXCC entity: "K", "JA", "UA9", "DL" ...
    std::string continent;   // "EU", "NA", "SA", "AF", "AS" or "OC"
    std::string dxccName;    // name of the DXCC entity
};

// Entities marked with '*' (kept apart for other award lists, such as
// Sicily or European Turkey) are not DXCC entities. Each counts for the
// DXCC entity that most of its own aliases give when looked up among the
// DXCC entities alone (ties go to the alias listed first); if none of them
// matches there, for the one its primary prefix (up to any '/') gives; if
// that fails too, it counts as an entity of its own. So Sicily counts as
// Italy "I", European Turkey as "TA", Vienna Intl Ctr as Austria "OE".
// The continent stays that of the matched line, so an IT9 call is in EU
// while an IG9 call (African Italy) is in AF, both for DXCC prefix "I".
class CountryFile {
public:
    static CountryFile FromText(std::string_view text);
    // Null when the file cannot be read or is far too large for a country file.
    static std::optional<CountryFile> FromFile(const std::string& path);

    // See CallTable::Find for how portable calls are treated.
    std::optional<CountryInfo> Lookup(std::string_view call) const;

    std::size_t EntityCount() const { return entities_.size(); }
    const std::vector<Problem>& Problems() const { return problems_; }

private:
    struct Entity {
        std::string name;
        std::string primaryPrefix;
        std::size_t dxccEntity = 0;  // itself, for a DXCC entity
    };

    std::vector<Entity> entities_;
    CallTable calls_;
    std::vector<Problem> problems_;
};

}  // namespace replay
