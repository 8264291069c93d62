#include "engine/ContestState.h"
#include "tests/unit/support/TestWorkspace.h"

class CallCheckTest : public TestWorkspace {
protected:
    void SetUp() override
    {
        TestWorkspace::SetUp();
        host.StartContest();
    }

    static TestEnteredCall UsCall(const char* call, const char* callPrefix)
    {
        return {.call = call, .callPrefix = callPrefix, .dxccPrefix = "K", .continent = "NA", .band = "20m"};
    }
};

TEST_F(CallCheckTest, FirstQsoIsANewDxccUnlessThePrefixIsUnknown)
{
    TestEnteredCall entered;
    EXPECT_EQ(2, host.CheckCall(entered));
    entered.dxccPrefix = "";
    EXPECT_EQ(1, host.CheckCall(entered));
}

TEST_F(CallCheckTest, OutOfContestBandsModesAndDisagreeingBands)
{
    TestEnteredCall entered;
    entered.band = "160m";
    EXPECT_EQ(4, host.CheckCall(entered));
    entered.band = nullptr;
    EXPECT_EQ(4, host.CheckCall(entered));
    entered.band = "20m";
    entered.secondBand = "40m";
    EXPECT_EQ(4, host.CheckCall(entered));
    entered.secondBand = "20M";
    EXPECT_EQ(2, host.CheckCall(entered));
    entered.secondBand = nullptr;
    entered.mode = "CW";
    EXPECT_EQ(4, host.CheckCall(entered));
}

TEST_F(CallCheckTest, SameCallOnTheSameBandIsWorkedWhateverTheMode)
{
    host.AddQso({.band = "40m"});
    TestEnteredCall entered;
    entered.band = "40m";
    entered.mode = "rtty";
    EXPECT_EQ(0, host.CheckCall(entered));
    entered.band = "20m";
    EXPECT_EQ(1, host.CheckCall(entered));
    entered.band = "40m";
    entered.dxccPrefix = "";
    EXPECT_EQ(1, host.CheckCall(entered));
}

TEST_F(CallCheckTest, NewCallAreaOfAWorkedEntity)
{
    host.AddQso(UsStation("W1AW", "W1", "20m"));
    EXPECT_EQ(3, host.CheckCall(UsCall("K2XX", "K2")));
    EXPECT_EQ(1, host.CheckCall(UsCall("K1XX", "K1")));
    EXPECT_EQ(3, host.CheckCall(UsCall("KH", "KH")));
}

TEST_F(CallCheckTest, AnAreaDigitOfAnotherEntityCountsAsWorked)
{
    // The area search compares the digit fields, so a VE station in area 1 matches a stored
    // station whose VE field holds 1 only; a K station in area 1 stays new for VE.
    host.AddQso(UsStation("W1AW", "W1", "20m"));
    const TestEnteredCall ve{
        .call = "VE1AA", .callPrefix = "VE1", .dxccPrefix = "VE", .continent = "NA", .band = "20m"};
    EXPECT_EQ(2, host.CheckCall(ve));
    host.AddQso({.call = "VE2AA", .callPrefix = "VE2", .dxccPrefix = "VE", .continent = "NA", .band = "20m"});
    EXPECT_EQ(3, host.CheckCall(ve));
}

TEST_F(CallCheckTest, PostsOneRefreshUntilTheRefreshHasRun)
{
    host.CheckCall({});
    EXPECT_EQ(0, windows.refreshesPosted);
    windows.controlWindowOpen = true;
    host.CheckCall({});
    host.CheckCall({});
    EXPECT_EQ(1, windows.refreshesPosted);
    Contest().refreshReady = 1;
    host.CheckCall({});
    EXPECT_EQ(2, windows.refreshesPosted);
}
