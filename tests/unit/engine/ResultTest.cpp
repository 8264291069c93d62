#include "engine/ContestState.h"
#include "tests/support/WorkedExample.h"
#include "tests/unit/support/TestWorkspace.h"

class ResultTest : public TestWorkspace {
protected:
    void SetUp() override
    {
        TestWorkspace::SetUp();
        host.StartContest();
    }

    static std::string Claimed() { return SettingsFile("Plugins\\BARTG-SPRINT.ini", "Settings").ReadString("Claimed"); }
};

TEST_F(ResultTest, WorkedExampleAsText)
{
    LogTheWorkedExample(host);
    EXPECT_EQ(WorkedExampleText(), host.Result());
}

TEST_F(ResultTest, ClaimedScoreIsTheScore)
{
    LogTheWorkedExample(host);
    host.Result();
    EXPECT_EQ(18, Contest().claimedScore);
    EXPECT_EQ("18", Claimed());
}

TEST_F(ResultTest, WorkedExampleAsHtml)
{
    setVersion("2.19");
    LogTheWorkedExample(host);
    EXPECT_EQ(WorkedExampleHtml(), host.Result());
}

TEST_F(ResultTest, EmptyContestCountsOnlyTheRejectedLog)
{
    host.AddQso({.band = "30m"});
    const std::string text = host.Result();
    EXPECT_NE(std::string::npos,
        text.find("Total\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 1\r\n"
                  "Score = 0 * 0 * 0 = 0 \r\n"));
    EXPECT_TRUE(Contest().workedMultipliers.IsEmpty());
}

TEST_F(ResultTest, MultipliersCountOnceOnTheFirstBandInSortedOrder)
{
    host.AddQso({.band = "10m"});
    host.AddQso({.band = "20m"});
    host.AddQso({.band = "40m"});
    const std::string text = host.Result();
    EXPECT_NE(std::string::npos, text.find("40m\t 1\t 1\r\n20m\t 1\t 1\r\n10m\t 1\t 1\r\nTotal\t 3\t 3\t 1\t 1\t"));
    EXPECT_EQ((CStringArray{"40m", "20m", "10m"}).GetSize(), Contest().bandsWorked.GetSize());
    EXPECT_EQ("40m", Contest().bandsWorked[0]);
    EXPECT_EQ("10m", Contest().bandsWorked[2]);
}

TEST_F(ResultTest, CallAreasOfTheFourEntitiesAreMultipliers)
{
    host.AddQso(UsStation("K0AA", "K0"));
    host.AddQso(UsStation("W1AW", "W1"));
    host.AddQso(UsStation("K1ZZ", "K1"));
    host.AddQso({.call = "JA1ABC", .callPrefix = "JA1", .dxccPrefix = "JA", .continent = "AS"});
    host.AddQso({.call = "VE3AB", .callPrefix = "VE3", .dxccPrefix = "VE", .continent = "NA"});
    host.AddQso({.call = "VK2AB", .callPrefix = "VK2", .dxccPrefix = "VK", .continent = "OC", .band = "20m"});
    host.AddQso({.band = "40m"}); // DL1: a digit, but no call-area entity

    const std::string text = host.Result();
    // 7 QSOs; DXCC K, JA, VE, VK, DL; K areas 0 and 1; one each of JA, VE, VK; four continents.
    EXPECT_NE(std::string::npos, text.find("Total\t 7\t 7\t 5\t 4\t 2\t 1\t 1\t 1\t 10\r\n"));
    EXPECT_NE(std::string::npos, text.find("Score = 7 * 10 * 4 = 280 \r\n"));
    EXPECT_EQ((std::vector<CString>{"K", "K0", "K1", "JA", "JA1", "VE", "VE3", "DL", "VK", "VK2"}),
        std::vector<CString>(Contest().workedMultipliers.begin(), Contest().workedMultipliers.end()));
    EXPECT_EQ(2, Contest().workedAreas[CallAreaEntityOf("K")].GetSize());
}

TEST_F(ResultTest, BandWithOnlyDuplicatesStillHasItsRow)
{
    host.AddQso({.band = "40m"});
    host.AddQso({.band = "40m"});
    host.AddQso({.call = "", .band = "20m"});
    const std::string text = host.Result();
    EXPECT_NE(std::string::npos, text.find("40m\t 1\t 1\r\n20m\t 0\t 0\r\nTotal\t 1\t 1\t"));
    EXPECT_NE(std::string::npos, text.find("Dupe\t 1\r\n"));
}

TEST_F(ResultTest, SecondCallReturnsTheSameText)
{
    LogTheWorkedExample(host);
    const std::string first = host.Result();
    EXPECT_EQ(first, host.Result());
}

TEST_F(ResultTest, CabrilloModeWritesTheFileAndReportsIt)
{
    host.StartContest({.cabrilloMode = 1});
    LogTheWorkedExample(host);
    int status = 0;
    const std::string text = host.Result(status);
    EXPECT_EQ(-1, status);
    EXPECT_EQ("Score = 3 * 3 * 2 = 18 \r\n", text.substr(text.size() - 25));
    ASSERT_EQ(1u, windows.messages.size());
    EXPECT_EQ("Output", windows.messages[0].caption);
    EXPECT_EQ(WindowSide::MessageStyle::Information, windows.messages[0].style);
    EXPECT_EQ(0u, windows.messages[0].text.find("File produced: "));
    EXPECT_EQ(4u, Contest().cabrilloLog.qsoLines.size());
    host.Result(status);
    EXPECT_EQ(4u, Contest().cabrilloLog.qsoLines.size());
}
