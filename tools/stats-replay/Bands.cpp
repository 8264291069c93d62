#include "tools/stats-replay/Bands.h"

#include "tools/stats-replay/TextUtil.h"

namespace replay {
namespace {

struct Band {
    const char* name;
    std::uint64_t lowKhz;
    std::uint64_t highKhz;
    std::uint64_t usualRttyKhz;
};

// Band edges as the ADIF band enumeration gives them.
constexpr Band kBands[] = {
    {"160m", 1800, 2000, 1840},       {"80m", 3500, 4000, 3580},
    {"60m", 5060, 5450, 5357},        {"40m", 7000, 7300, 7040},
    {"30m", 10100, 10150, 10140},     {"20m", 14000, 14350, 14080},
    {"17m", 18068, 18168, 18100},     {"15m", 21000, 21450, 21080},
    {"12m", 24890, 24990, 24920},     {"10m", 28000, 29700, 28080},
    {"6m", 50000, 54000, 50300},      {"4m", 70000, 71000, 70200},
    {"2m", 144000, 148000, 144600},   {"1.25m", 222000, 225000, 222100},
    {"70cm", 420000, 450000, 432600},
};

const Band* FindBand(std::string_view name) {
    for (const Band& band : kBands) {
        if (EqualsIgnoreCase(name, band.name)) return &band;
    }
    return nullptr;
}

}  // namespace

std::string BandForFrequency(std::uint64_t hz) {
    for (const Band& band : kBands) {
        if (hz >= band.lowKhz * 1000 && hz <= band.highKhz * 1000) return band.name;
    }
    return "";
}

std::optional<std::uint64_t> UsualFrequencyForBand(std::string_view name) {
    const Band* band = FindBand(name);
    if (band == nullptr) return std::nullopt;
    return band->usualRttyKhz * 1000;
}

std::string NormalizeBandName(std::string_view name) {
    const Band* band = FindBand(Trim(name));
    return band != nullptr ? std::string(band->name) : std::string(name);
}

}  // namespace replay
