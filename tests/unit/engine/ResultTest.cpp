#include "engine/ContestState.h"
#include "tests/unit/support/Host.h"
#include "tests/unit/support/TestWorkspace.h"

class ResultTest : public TestWorkspace {
protected:
    void SetUp() override
    {
        TestWorkspace::SetUp();
        host::ResetStats();
    }

    // The worked example: a K station in area 1, a German station and its duplicate on 80m,
    // the German station again on 40m, and one QSO on a band outside the contest.
    static void LogTheWorkedExample()
    {
        host::AddData(host::UsStation("W1AW", "W1", "80m"));
        host::AddData(host::GermanStation("80m"));
        host::AddData(host::GermanStation("80m"));
        host::AddData(host::GermanStation("40m"));
        host::AddData(host::GermanStation("160m"));
    }

    static std::string Claimed() { return SettingsFile("Plugins\\BARTG-SPRINT.ini", "Settings").ReadString("Claimed"); }
};

TEST_F(ResultTest, WorkedExampleAsText)
{
    LogTheWorkedExample();
    int status = 42;
    EXPECT_EQ("\t\tBARTG-SPRINT RTTY 20.01-21.01.2018 \r\n"
              "\t\t\tContestant: N0CALL\r\n"
              "Band\tQSOs\tPoints\tDXCC\tCont\t K \tJA\tVE\tVK\tiMults\r\n"
              "80m\t 2\t 2\r\n"
              "40m\t 1\t 1\r\n"
              "Total\t 3\t 3\t 2\t 2\t 1\t 0\t 0\t 0\t 3\r\n"
              "Dupe\t 1\r\n"
              "Bad QSO\t 1\r\n"
              "Score = 3 * 3 * 2 = 18 \r\n",
              host::Result(&status));
    EXPECT_EQ(42, status);
}

TEST_F(ResultTest, ClaimedScoreIsTheScore)
{
    LogTheWorkedExample();
    host::Result();
    EXPECT_EQ(18, Contest().claimedScore);
    EXPECT_EQ("18", Claimed());
}

TEST_F(ResultTest, WorkedExampleAsHtml)
{
    setVersion("2.19");
    LogTheWorkedExample();
    EXPECT_EQ("<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; border-collapse: "
              "collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ background-color: #fffac6; color: "
              "black; }</style></head><body>"
              "<center><b>   BARTG-SPRINT RTTY Contest 20.01-21.01.2018</b></center><center>Contestant:  "
              "<b>N0CALL</center></b><table>"
              "<tr><th>Band</th><th>QSOs</th><th>Points</th><th>DXCC</th><th>Cont</th><th>K</th><th>JA</th>"
              "<th>VE</th><th>VK</th></tr>"
              "<tr><th><center>80m</center></th><td><center>2</center></td><td><center>2</center></td><td><center> "
              "</center></td><td><center> </center></td><td><center> </center></td><td><center> </center></td><td>"
              "<center> </center></td><td><center> </center></td></tr>"
              "<tr><th><center>40m</center></th><td><center>1</center></td><td><center>1</center></td><td><center> "
              "</center></td><td><center> </center></td><td><center> </center></td><td><center> </center></td><td>"
              "<center> </center></td><td><center> </center></td></tr>"
              "<tr><th><center>Total</center></th><td><center>3</center></td><td><center>3</center></td><td>"
              "<center>2</center></td><td><center>2</center></td><td><center>1</center></td><td><center>0</center>"
              "</td><td><center>0</center></td><td><center>0</center></td></tr>"
              "<tr><th><center>Dupe</center></th><td><center>1</center></td><td colspan=7> </td></tr>"
              "<tr><th><center>Bad QSO</center></th><td><center>1</center></td><td colspan=7> </td></tr>"
              "<tr><th>Score:</th><td colspan=8><center>3 * 3 * 2 = 18</center></td></tr>"
              "</table></body></html>",
              host::Result());
}

TEST_F(ResultTest, EmptyContestCountsOnlyTheRejectedLog)
{
    host::AddData(host::GermanStation("30m"));
    const std::string text = host::Result();
    EXPECT_NE(std::string::npos, text.find("Total\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 1\r\n"
                                           "Score = 0 * 0 * 0 = 0 \r\n"));
    EXPECT_TRUE(Contest().workedMultipliers.IsEmpty());
}

TEST_F(ResultTest, MultipliersCountOnceOnTheFirstBandInSortedOrder)
{
    host::AddData(host::GermanStation("10m"));
    host::AddData(host::GermanStation("20m"));
    host::AddData(host::GermanStation("40m"));
    const std::string text = host::Result();
    EXPECT_NE(std::string::npos, text.find("40m\t 1\t 1\r\n20m\t 1\t 1\r\n10m\t 1\t 1\r\nTotal\t 3\t 3\t 1\t 1\t"));
    EXPECT_EQ((CStringArray{"40m", "20m", "10m"}).GetSize(), Contest().bandsWorked.GetSize());
    EXPECT_EQ("40m", Contest().bandsWorked[0]);
    EXPECT_EQ("10m", Contest().bandsWorked[2]);
}

TEST_F(ResultTest, CallAreasOfTheFourEntitiesAreMultipliers)
{
    host::AddData(host::UsStation("K0AA", "K0"));
    host::AddData(host::UsStation("W1AW", "W1"));
    host::AddData(host::UsStation("K1ZZ", "K1"));
    host::Qso ja = host::GermanStation();
    ja.call = "JA1ABC", ja.callPrefix = "JA1", ja.dxccPrefix = "JA", ja.continent = "AS";
    host::AddData(ja);
    host::Qso ve = host::UsStation("VE3AB", "VE3");
    ve.dxccPrefix = "VE";
    host::AddData(ve);
    host::Qso vk = host::UsStation("VK2AB", "VK2", "20m");
    vk.dxccPrefix = "VK", vk.continent = "OC";
    host::AddData(vk);
    host::Qso dl = host::GermanStation("40m");
    host::AddData(dl);   // DL1: a digit, but no call-area entity

    const std::string text = host::Result();
    // 7 QSOs; DXCC K, JA, VE, VK, DL; K areas 0 and 1; one each of JA, VE, VK; four continents.
    EXPECT_NE(std::string::npos, text.find("Total\t 7\t 7\t 5\t 4\t 2\t 1\t 1\t 1\t 10\r\n"));
    EXPECT_NE(std::string::npos, text.find("Score = 7 * 10 * 4 = 280 \r\n"));
    EXPECT_EQ((std::vector<CString>{"K", "K0", "K1", "JA", "JA1", "VE", "VE3", "DL", "VK", "VK2"}),
              std::vector<CString>(Contest().workedMultipliers.begin(), Contest().workedMultipliers.end()));
    EXPECT_EQ(2, Contest().workedKAreas.GetSize());
}

TEST_F(ResultTest, BandWithOnlyDuplicatesStillHasItsRow)
{
    host::AddData(host::GermanStation("40m"));
    host::Qso dupe = host::GermanStation("40m");
    host::AddData(dupe);
    host::Qso empty = host::GermanStation("20m");
    empty.call = "";
    host::AddData(empty);
    const std::string text = host::Result();
    EXPECT_NE(std::string::npos, text.find("40m\t 1\t 1\r\n20m\t 0\t 0\r\nTotal\t 1\t 1\t"));
    EXPECT_NE(std::string::npos, text.find("Dupe\t 1\r\n"));
}

TEST_F(ResultTest, SecondCallReturnsTheSameText)
{
    LogTheWorkedExample();
    const std::string first = host::Result();
    EXPECT_EQ(first, host::Result());
}

TEST_F(ResultTest, CabrilloModeWritesTheFileAndReportsIt)
{
    host::Start start;
    start.cabrilloMode = 1;
    host::ResetStats(start);
    LogTheWorkedExample();
    int status = 0;
    const std::string text = host::Result(&status);
    EXPECT_EQ(-1, status);
    EXPECT_EQ("Score = 3 * 3 * 2 = 18 \r\n", text.substr(text.size() - 25));
    ASSERT_EQ(1u, windows.messages.size());
    EXPECT_EQ("Output", windows.messages[0].caption);
    EXPECT_EQ(WindowSide::MessageStyle::Information, windows.messages[0].style);
    EXPECT_EQ(0u, windows.messages[0].text.find("File produced: "));
    EXPECT_EQ(4u, Contest().cabrilloLog.qsoLines.size());
    host::Result(&status);
    EXPECT_EQ(4u, Contest().cabrilloLog.qsoLines.size());
}
