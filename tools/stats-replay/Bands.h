// The amateur bands by name ("80m", "20m", ...): their edges, and the
// frequency an RTTY station usually uses there, for logs that give only
// the band.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace replay {

// The band that holds the frequency, or "" when it lies in none.
std::string BandForFrequency(std::uint64_t hz);

// A usual RTTY frequency of the band named (letter case ignored).
std::optional<std::uint64_t> UsualFrequencyForBand(std::string_view band);

// A known band name in the usual spelling ("20M" -> "20m", "70CM" -> "70cm");
// any other text is returned unchanged.
std::string NormalizeBandName(std::string_view band);

}  // namespace replay
