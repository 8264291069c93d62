#include "engine/Refresh.h"

#include "engine/ContestState.h"
#include "tests/unit/support/TestWorkspace.h"

class RefreshTest : public TestWorkspace {
protected:
    void SetUp() override
    {
        TestWorkspace::SetUp();
        host.StartContest();
    }

    void Log(const char* call, const char* band, int hour, const char* number) const
    {
        ASSERT_EQ(1,
            host.AddQso(
                {.call = call, .time = HostTime(2018, 1, 20, hour, 5), .receivedExchange = number, .band = band}));
    }

    static std::vector<std::string> Row(int band)
    {
        const GridPicture picture = TakeGridPicture();
        return {picture.bandRows[band].begin(), picture.bandRows[band].end()};
    }
};

using Cells = std::vector<std::string>;

TEST_F(RefreshTest, TypedCallShowsItsLastQsoOnEachBand)
{
    Log("G4ABC", "20m", 12, "005");
    Log("G4ABC", "40m", 13, "017");
    Log("G4ABC", "20m", 14, "031"); // a later QSO on 20m wins
    Log("G4XYZ", "80m", 15, "044");

    ASSERT_TRUE(ShowEnteredCall("G4ABC"));
    EXPECT_EQ((Cells{"20m", "RTTY", "14:05", "031"}), Row(3));
    EXPECT_EQ((Cells{"40m", "RTTY", "13:05", "017"}), Row(2));
    EXPECT_EQ((Cells{"80m", "   -", "   -", "   -"}), Row(1));
    EXPECT_EQ("G4ABC", TakeGridPicture().enteredCall);

    // Calls compare exactly; an empty call empties every row.
    ASSERT_TRUE(ShowEnteredCall("g4abc"));
    EXPECT_EQ((Cells{"20m", "   -", "   -", "   -"}), Row(3));
    ASSERT_TRUE(ShowEnteredCall(""));
    EXPECT_EQ((Cells{"40m", "   -", "   -", "   -"}), Row(2));
}

TEST_F(RefreshTest, AShortCallStopsTheRefreshAndKeepsTheRows)
{
    Log("G4ABC", "20m", 12, "005");
    ASSERT_TRUE(ShowEnteredCall("G4ABC"));
    EXPECT_FALSE(ShowEnteredCall("G4"));
    EXPECT_EQ("G4", TakeGridPicture().enteredCall);
    EXPECT_EQ((Cells{"20m", "RTTY", "12:05", "005"}), Row(3));
}

TEST_F(RefreshTest, FrequencyGivesTheBandAndTheSpotMacroEveryMoveOver300Hz)
{
    EXPECT_EQ(3, BandIndexOfFrequency(14080000));
    EXPECT_EQ(0, BandIndexOfFrequency(1840000));
    EXPECT_EQ(5, BandIndexOfFrequency(28999999));
    EXPECT_EQ(-1, BandIndexOfFrequency(10140000));
    EXPECT_EQ(-1, BandIndexOfFrequency(29500000));
    ShowCurrentBand(7040000);
    EXPECT_EQ(2, TakeGridPicture().bandIndex);

    EXPECT_TRUE(SpotMacroDue(14080000));
    SpotMacroSent(14080000);
    EXPECT_FALSE(SpotMacroDue(14080300));
    EXPECT_TRUE(SpotMacroDue(14080300.5));
    EXPECT_TRUE(SpotMacroDue(14079699));
}

TEST_F(RefreshTest, TitlesInEnglishAndInRussian)
{
    ShowEnteredCall("G4ABC");
    EXPECT_EQ("BARTG-SPRINT 2018 worked with G4ABC", DxccTitle());
    EXPECT_FALSE(RussianTexts());
    ShowEnteredCall("");
    EXPECT_EQ("BARTG-SPRINT 2018 DXCC worked", DxccTitle());

    host.StartContest({.ownDxccPrefix = "UA"});
    EXPECT_EQ("BARTG-SPRINT 2018 DXCC \xEE\xF2\xF0\xE0\xE1\xEE\xF2\xE0\xED\xEE", DxccTitle());
    EXPECT_TRUE(RussianTexts());
    ShowEnteredCall("G4ABC");
    EXPECT_EQ("BARTG-SPRINT 2018 \xF0\xE0\xE1\xEE\xF2\xE0\xEB \xF1 G4ABC", DxccTitle());
}

TEST_F(RefreshTest, WorkedCodesAndTheGridFollowTheLastTally)
{
    host.AddQso(UsStation("W7AA", "W7", "20m"));
    TestQso ve = UsStation("VE3AA", "VE3", "20m");
    ve.dxccPrefix = "VE";
    host.AddQso(ve);
    TestQso ja = UsStation("JA1AA", "JA1", "20m");
    ja.dxccPrefix = "JA";
    ja.continent = "AS";
    host.AddQso(ja);
    host.AddQso(UsStation("K1AA", "K1", "40m"));
    EXPECT_TRUE(CurrentWorkedCodes().callAreas.empty()); // nothing until a tally

    // The tally goes through the bands from 80m down, so 40m's K1 comes first.
    host.Result();
    const WorkedCodes codes = CurrentWorkedCodes();
    EXPECT_EQ((std::vector<CString>{"K1", "K7", "VE3", "JA1"}), codes.callAreas);
    EXPECT_EQ((std::vector<CString>{"NA", "AS"}), codes.continents);
    EXPECT_EQ((std::vector<CString>{"K", "K1", "K7", "VE", "VE3", "JA", "JA1"}), TakeGridPicture().multipliers);
}
