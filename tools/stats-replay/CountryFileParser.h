// Parses the text of a country file in the common cty.dat layout:
//
//   Name:  CQ:  ITU:  Continent:  lat:  lon:  utc-offset:  PrimaryPrefix:
//       alias,alias,=EXACTCALL,alias(cq)[itu]<lat/lon>{continent}~utc~,
//       alias;
//
// A header line holds the eight colon-ended fields; the alias list after
// it runs, over as many lines as needed, up to a ';'. An alias starting
// with '=' is one exact call, any other alias a prefix. A primary prefix
// starting with '*' marks an entity that is not a DXCC entity of its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/stats-replay/Problem.h"

namespace replay {

struct CountryAlias {
    std::string text;       // the prefix or the exact call, without '=' and overrides
    bool exactCall = false;
    std::string continent;  // the {continent} override, or the entity's continent
};

struct CountryEntity {
    int line = 0;
    std::string name;
    std::string primaryPrefix;  // as in the file ("KH6", "3D2/c"), without the '*'
    std::string continent;
    bool isDxcc = true;         // false when the primary prefix was marked with '*'
    std::vector<CountryAlias> aliases;
};

struct ParsedCountryFile {
    std::vector<CountryEntity> entities;
    std::vector<Problem> problems;
};

// Malformed headers are reported and their entity left out; the rest of
// the file is still read.
ParsedCountryFile ParseCountryFile(std::string_view text);

}  // namespace replay
