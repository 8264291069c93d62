// CheckCall0 through the real DLL: what a callsign being entered would be worth.
#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/StatsLibrary.h"

namespace {

constexpr int kWorkedOnThisBand = 0;
constexpr int kNothingNew = 1;
constexpr int kNewDxcc = 2;
constexpr int kNewCallArea = 3;
constexpr int kNotContestQso = 4;

} // namespace

TEST(CallCheck, FiveAnswers)
{
    StatsLibrary library;
    Host host(library.ByDecoratedName());
    WriteHostSettings();
    MakeFolder("Plugins");
    host.StartContest();

    // The first QSO of the contest is a new entity, unless the host knows no entity for it.
    EXPECT_EQ(kNewDxcc, host.CheckCall({.call = "K1ABC", .callPrefix = "K1", .dxccPrefix = "K", .continent = "NA"}));
    EXPECT_EQ(kNothingNew, host.CheckCall({.call = "K1ABC", .callPrefix = "K1", .dxccPrefix = ""}));

    host.AddQso({.call = "K1ABC", .callPrefix = "K1", .dxccPrefix = "K", .continent = "NA", .band = "80m"});
    host.AddQso({.call = "DL1ABC", .callPrefix = "DL1", .dxccPrefix = "DL", .continent = "EU", .band = "80m"});

    EXPECT_EQ(kWorkedOnThisBand, host.CheckCall({.call = "DL1ABC", .band = "80m"}));
    EXPECT_EQ(kNothingNew, host.CheckCall({.call = "DL1ABC", .band = "40m"}));
    EXPECT_EQ(kNothingNew, host.CheckCall({.call = "DL1ABC", .dxccPrefix = "", .band = "80m"}));
    EXPECT_EQ(kNewDxcc, host.CheckCall({.call = "F5ABC", .callPrefix = "F5", .dxccPrefix = "F"}));
    EXPECT_EQ(
        kNewCallArea, host.CheckCall({.call = "K2ABC", .callPrefix = "K2", .dxccPrefix = "K", .continent = "NA"}));
    EXPECT_EQ(kNothingNew, host.CheckCall({.call = "W1XYZ", .callPrefix = "W1", .dxccPrefix = "K", .continent = "NA"}));
    EXPECT_EQ(kNewCallArea, host.CheckCall({.call = "KH", .callPrefix = "K", .dxccPrefix = "K", .continent = "NA"}));

    // Bands and modes: letter case does not matter, a band outside the contest or two
    // different bands do.
    EXPECT_EQ(kNewDxcc, host.CheckCall({.call = "F5ABC", .mode = "rtty", .callPrefix = "F5", .dxccPrefix = "F"}));
    EXPECT_EQ(kNewDxcc,
        host.CheckCall({.call = "F5ABC", .callPrefix = "F5", .dxccPrefix = "F", .band = "20m", .secondBand = "20M"}));
    EXPECT_EQ(kNotContestQso,
        host.CheckCall({.call = "F5ABC", .callPrefix = "F5", .dxccPrefix = "F", .band = "20m", .secondBand = "40m"}));
    EXPECT_EQ(kNotContestQso, host.CheckCall({.call = "F5ABC", .callPrefix = "F5", .dxccPrefix = "F", .band = "160m"}));
    EXPECT_EQ(
        kNotContestQso, host.CheckCall({.call = "F5ABC", .mode = "PSK31", .callPrefix = "F5", .dxccPrefix = "F"}));
    EXPECT_EQ(kNotContestQso,
        host.CheckCall({.call = "F5ABC", .callPrefix = "F5", .dxccPrefix = "F", .band = nullptr, .secondBand = "80m"}));
}

TEST(CallCheck, LeavesTheHostsTwoTextBuffersAlone)
{
    StatsLibrary library;
    WriteHostSettings();
    MakeFolder("Plugins");
    Host(library.ByPlainName()).StartContest();
    char first[16] = "untouched";
    char second[16] = "untouched";
    EXPECT_EQ(kNewDxcc,
        library.ByPlainName().CheckCall0("DL1ABC", 0, 0, "RTTY", "", "", "", "", "", "", "", "", "DL1", "DL", 0, 0, 0,
            0.0, 0.0, "", "EU", "", "", "", "80m", nullptr, first, second));
    EXPECT_TEXT_EQ("untouched", first);
    EXPECT_TEXT_EQ("untouched", second);
}
