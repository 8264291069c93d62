#include "tools/stats-replay/Bands.h"
#include "tools/stats-replay/DecimalNumber.h"

#include <gtest/gtest.h>

namespace replay {
namespace {

TEST(Bands, NamesTheBandOfAFrequencyIncludingItsEdges) {
    EXPECT_EQ(BandForFrequency(1800000), "160m");
    EXPECT_EQ(BandForFrequency(3580000), "80m");
    EXPECT_EQ(BandForFrequency(14350000), "20m");
    EXPECT_EQ(BandForFrequency(10140000), "30m");
    EXPECT_EQ(BandForFrequency(14350001), "");
    EXPECT_EQ(BandForFrequency(0), "");
}

TEST(Bands, GivesTheUsualRttyFrequencyOfTheContestBands) {
    EXPECT_EQ(UsualFrequencyForBand("80m"), 3580000u);
    EXPECT_EQ(UsualFrequencyForBand("40M"), 7040000u);
    EXPECT_EQ(UsualFrequencyForBand("20m"), 14080000u);
    EXPECT_EQ(UsualFrequencyForBand("15m"), 21080000u);
    EXPECT_EQ(UsualFrequencyForBand("10m"), 28080000u);
    EXPECT_FALSE(UsualFrequencyForBand("11m").has_value());
}

TEST(DecimalNumber, ParsesExactlyWithoutFloatingPoint) {
    EXPECT_EQ(ParseScaledDecimal("14.080", 6), 14080000u);
    EXPECT_EQ(ParseScaledDecimal("3580", 3), 3580000u);
    EXPECT_EQ(ParseScaledDecimal("7.0351239", 6), 7035123u);
    EXPECT_EQ(ParseScaledDecimal(".5", 3), 500u);
}

TEST(DecimalNumber, RefusesWhatIsNotAPlainNumber) {
    for (const char* text : {"", ".", "1.2.3", "-7", "1e6", "14 080", "99999999999999999999"}) {
        EXPECT_FALSE(ParseScaledDecimal(text, 6).has_value()) << text;
    }
}

}  // namespace
}  // namespace replay
