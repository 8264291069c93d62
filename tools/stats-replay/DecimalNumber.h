// Exact parsing of decimal numbers such as "14.080" into whole units,
// without floating point, so a frequency in MHz or kHz becomes Hz exactly.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace replay {

// Parses digits with at most one decimal point and multiplies by
// 10^scaleDigits; digits beyond that scale are dropped. No sign, no
// exponent, at least one digit. Values that do not fit in 48 bits are
// refused, which is far above any radio frequency in Hz.
std::optional<std::uint64_t> ParseScaledDecimal(std::string_view text, int scaleDigits);

}  // namespace replay
