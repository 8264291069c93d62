#include "engine/ContestState.h"
#include "tests/unit/support/TestWorkspace.h"

class AdmissionTest : public TestWorkspace {
protected:
    void SetUp() override
    {
        TestWorkspace::SetUp();
        host.StartContest();
    }

    static std::string LogFile() { return ReadFile("BadQSO_StatsBARTGSPRINT_21_01_2018.txt"); }
    static std::string LogLine(const LoggedQso& q, const char* reason)
    {
        return CString::Formatted("QSO:  %u  %s  %s  %s  %s  %s  %s  %s  %s%s\r\n", q.frequencyHz / 1000, q.mode,
            q.time->Format("%Y-%m-%d %H%M").c_str(), q.ownCall, q.sentRst, CString(q.sentExchange).c_str(), q.call,
            q.receivedRst, q.receivedExchange, reason);
    }
    static const char* Header() { return "BARTG SPRINT RTTY TEST UBN file \r\n"; }
};

TEST_F(AdmissionTest, ChecksBandThenModeThenNumbers)
{
    const TestQso offBand{.mode = "CW", .band = "160m"};
    const TestQso offMode{.mode = "CW", .receivedExchange = "", .band = "20m"};
    const TestQso noSentNumber{.sentExchange = nullptr, .band = "40m"};

    EXPECT_EQ(0, host.AddQso(offBand));
    EXPECT_EQ(0, host.AddQso(offMode));
    EXPECT_EQ(0, host.AddQso(noSentNumber));
    EXPECT_EQ(std::string(Header()) + LogLine(offBand, "   WRONG BAND !!!") + LogLine(offMode, "   WRONG MODE !!!")
            + LogLine(noSentNumber, "   NO RX NUMBER !!!"),
        LogFile());
    EXPECT_EQ(0, Contest().qsoList.GetSize());
}

TEST_F(AdmissionTest, BandsPassingTheBandCheckAreListedEvenWhenTheQsoIsRejected)
{
    host.AddQso({.band = "160m"});
    host.AddQso({.mode = "PSK31", .band = "20M"});
    host.AddQso({.band = "20m"});
    ASSERT_EQ(2, Contest().bandsWorked.GetSize());
    EXPECT_EQ("20M", Contest().bandsWorked[0]);
    EXPECT_EQ("20m", Contest().bandsWorked[1]);
}

TEST_F(AdmissionTest, ModeAndBandPermissionIgnoreLetterCase)
{
    EXPECT_EQ(1, host.AddQso({.mode = "rtty", .band = "40M"}));
}

TEST_F(AdmissionTest, DuplicateIsStoredMarkedAndLogged)
{
    const TestQso again{.time = HostTime(2018, 1, 20, 15, 0), .receivedExchange = "099"};
    EXPECT_EQ(1, host.AddQso({}));
    EXPECT_EQ(1, host.AddQso(again));
    EXPECT_EQ(1, host.AddQso({.band = "40m"}));
    ASSERT_EQ(3, Contest().qsoList.GetSize());
    EXPECT_EQ(0, Contest().qsoList[0].isDupe);
    EXPECT_EQ(1, Contest().qsoList[1].isDupe);
    EXPECT_EQ(1, Contest().qsoList[1].dupeCount);
    EXPECT_EQ(0, Contest().qsoList[2].isDupe);
    EXPECT_EQ(std::string(Header()) + LogLine(again, "   DUPE !!!"), LogFile());
}

TEST_F(AdmissionTest, DuplicateSearchIsCaseSensitive)
{
    host.AddQso({.band = "80m"});
    host.AddQso({.call = "dl1abc", .band = "80m"});
    host.AddQso({.band = "80M"});
    for (const CInfo& qso : Contest().qsoList)
        EXPECT_EQ(0, qso.isDupe) << qso.call << " " << qso.band;
}

TEST_F(AdmissionTest, FrequencyIsTruncatedToWholeKilohertz)
{
    host.AddQso({.frequencyHz = 3580999});
    EXPECT_EQ(3580, Contest().qsoList[0].frequencyKhz);
}

TEST_F(AdmissionTest, RemovalTakesOnlyTheFirstOfTwoIdenticalQsos)
{
    host.AddQso({});
    host.AddQso(UsStation("K1AA", "K1"));
    host.AddQso({});
    EXPECT_EQ(1, host.RemoveQso({}));
    ASSERT_EQ(2, Contest().qsoList.GetSize());
    EXPECT_EQ("K1AA", Contest().qsoList[0].call);
    EXPECT_EQ(1, Contest().qsoList[1].isDupe);
    EXPECT_EQ(1, windows.marksCleared);
}

TEST_F(AdmissionTest, RemovalMatchesCallBandModeAndTimeExactly)
{
    host.AddQso({});
    host.RemoveQso({.time = HostTime(2018, 1, 20, 14, 6)});
    host.RemoveQso({.mode = "rtty"});
    EXPECT_EQ(1, Contest().qsoList.GetSize());
    EXPECT_EQ(0, windows.marksCleared);
}

TEST_F(AdmissionTest, RemovingARejectedQsoDeletesItsLogLine)
{
    const TestQso rejected{.band = "160m"};
    host.AddQso(rejected);
    host.AddQso({.band = "80m"});
    host.RemoveQso(rejected);
    EXPECT_EQ(Header(), LogFile());
    EXPECT_EQ(1, Contest().qsoList.GetSize());
}

TEST_F(AdmissionTest, RemovingTheLastQsoEmptiesTheWorkedListsAndKeepsItsBand)
{
    host.AddQso(UsStation("K1AA", "K1"));
    host.Result();
    ASSERT_EQ(2, Contest().workedMultipliers.GetSize());
    host.RemoveQso(UsStation("K1AA", "K1"));
    EXPECT_TRUE(Contest().workedMultipliers.IsEmpty());
    EXPECT_TRUE(Contest().workedContinents.IsEmpty());
    EXPECT_TRUE(Contest().workedAreas[CallAreaEntityOf("K")].IsEmpty());
    EXPECT_EQ(1, Contest().bandsWorked.GetSize());
}

TEST_F(AdmissionTest, RemovalPostsARefreshOnlyWhileTheControlWindowIsOpen)
{
    host.RemoveQso({});
    EXPECT_EQ(0, windows.refreshesPosted);
    windows.controlWindowOpen = true;
    host.RemoveQso({});
    host.RemoveQso({});
    EXPECT_EQ(2, windows.refreshesPosted);
}

TEST_F(AdmissionTest, AddingPostsNothing)
{
    windows.controlWindowOpen = true;
    host.AddQso({});
    EXPECT_EQ(0, windows.refreshesPosted);
}
