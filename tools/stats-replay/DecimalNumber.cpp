#include "tools/stats-replay/DecimalNumber.h"

#include "tools/stats-replay/TextUtil.h"

namespace replay {

std::optional<std::uint64_t> ParseScaledDecimal(std::string_view text, int scaleDigits) {
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 48;
    std::uint64_t value = 0;
    bool anyDigit = false;
    bool afterPoint = false;
    int fractionDigits = 0;
    for (char c : text) {
        if (c == '.') {
            if (afterPoint) return std::nullopt;
            afterPoint = true;
            continue;
        }
        if (!IsAsciiDigit(c)) return std::nullopt;
        anyDigit = true;
        if (afterPoint) {
            if (fractionDigits == scaleDigits) continue;
            ++fractionDigits;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value >= kLimit) return std::nullopt;
    }
    if (!anyDigit) return std::nullopt;
    for (; fractionDigits < scaleDigits; ++fractionDigits) {
        value *= 10;
        if (value >= kLimit) return std::nullopt;
    }
    return value;
}

}  // namespace replay
