#include "engine/ContestState.h"
#include "tests/unit/support/Host.h"
#include "tests/unit/support/TestWorkspace.h"

class AdmissionTest : public TestWorkspace {
protected:
    void SetUp() override
    {
        TestWorkspace::SetUp();
        host::ResetStats();
    }

    static std::string LogFile() { return ReadFile("BadQSO_StatsBARTGSPRINT_21_01_2018.txt"); }
    static std::string LogLine(const host::Qso& q, const char* reason)
    {
        return CString::Formatted("QSO:  %u  %s  %s  %s  %s  %s  %s  %s  %s%s\r\n", q.frequencyHz / 1000, q.mode,
                                  q.time.Format("%Y-%m-%d %H%M").c_str(), q.ownCall, q.sentRst,
                                  CString(q.sentNumber).c_str(), q.call, q.receivedRst, q.receivedNumber, reason);
    }
    static const char* Header() { return "BARTG SPRINT RTTY TEST UBN file \r\n"; }
};

TEST_F(AdmissionTest, ChecksBandThenModeThenNumbers)
{
    host::Qso offBand = host::GermanStation("160m");
    offBand.mode = "CW";
    host::Qso offMode = host::GermanStation("20m");
    offMode.mode = "CW";
    offMode.receivedNumber = "";
    host::Qso noSentNumber = host::GermanStation("40m");
    noSentNumber.sentNumber = nullptr;

    EXPECT_EQ(0, host::AddData(offBand));
    EXPECT_EQ(0, host::AddData(offMode));
    EXPECT_EQ(0, host::AddData(noSentNumber));
    EXPECT_EQ(std::string(Header()) + LogLine(offBand, "   WRONG BAND !!!") + LogLine(offMode, "   WRONG MODE !!!")
                  + LogLine(noSentNumber, "   NO RX NUMBER !!!"),
              LogFile());
    EXPECT_EQ(0, Contest().qsoList.GetSize());
}

TEST_F(AdmissionTest, BandsPassingTheBandCheckAreListedEvenWhenTheQsoIsRejected)
{
    host::Qso offMode = host::GermanStation("20M");
    offMode.mode = "PSK31";
    host::AddData(host::GermanStation("160m"));
    host::AddData(offMode);
    host::AddData(host::GermanStation("20m"));
    ASSERT_EQ(2, Contest().bandsWorked.GetSize());
    EXPECT_EQ("20M", Contest().bandsWorked[0]);
    EXPECT_EQ("20m", Contest().bandsWorked[1]);
}

TEST_F(AdmissionTest, ModeAndBandPermissionIgnoreLetterCase)
{
    host::Qso qso = host::GermanStation("40M");
    qso.mode = "rtty";
    EXPECT_EQ(1, host::AddData(qso));
}

TEST_F(AdmissionTest, DuplicateIsStoredMarkedAndLogged)
{
    const host::Qso first = host::GermanStation("80m");
    host::Qso again = first;
    again.time = COleDateTime(2018, 1, 20, 15, 0, 0);
    again.receivedNumber = "099";
    EXPECT_EQ(1, host::AddData(first));
    EXPECT_EQ(1, host::AddData(again));
    EXPECT_EQ(1, host::AddData(host::GermanStation("40m")));
    ASSERT_EQ(3, Contest().qsoList.GetSize());
    EXPECT_EQ(0, Contest().qsoList[0].isDupe);
    EXPECT_EQ(1, Contest().qsoList[1].isDupe);
    EXPECT_EQ(1, Contest().qsoList[1].dupeCount);
    EXPECT_EQ(0, Contest().qsoList[2].isDupe);
    EXPECT_EQ(std::string(Header()) + LogLine(again, "   DUPE !!!"), LogFile());
}

TEST_F(AdmissionTest, DuplicateSearchIsCaseSensitive)
{
    host::Qso lower = host::GermanStation("80m");
    lower.call = "dl1abc";
    host::AddData(host::GermanStation("80m"));
    host::AddData(lower);
    host::AddData(host::GermanStation("80M"));
    for (const CInfo& qso : Contest().qsoList)
        EXPECT_EQ(0, qso.isDupe) << qso.call << " " << qso.band;
}

TEST_F(AdmissionTest, FrequencyIsTruncatedToWholeKilohertz)
{
    host::Qso qso = host::GermanStation();
    qso.frequencyHz = 3580999;
    host::AddData(qso);
    EXPECT_EQ(3580, Contest().qsoList[0].frequencyKhz);
}

TEST_F(AdmissionTest, RemovalTakesOnlyTheFirstOfTwoIdenticalQsos)
{
    host::Qso qso = host::GermanStation();
    host::Qso other = host::UsStation("K1AA", "K1");
    host::AddData(qso);
    host::AddData(other);
    host::AddData(qso);
    EXPECT_EQ(1, host::RemoveData(qso));
    ASSERT_EQ(2, Contest().qsoList.GetSize());
    EXPECT_EQ("K1AA", Contest().qsoList[0].call);
    EXPECT_EQ(1, Contest().qsoList[1].isDupe);
    EXPECT_EQ(1, windows.marksCleared);
}

TEST_F(AdmissionTest, RemovalMatchesCallBandModeAndTimeExactly)
{
    host::AddData(host::GermanStation());
    host::Qso otherMinute = host::GermanStation();
    otherMinute.time = COleDateTime(2018, 1, 20, 14, 6, 0);
    host::Qso otherMode = host::GermanStation();
    otherMode.mode = "rtty";
    host::RemoveData(otherMinute);
    host::RemoveData(otherMode);
    EXPECT_EQ(1, Contest().qsoList.GetSize());
    EXPECT_EQ(0, windows.marksCleared);
}

TEST_F(AdmissionTest, RemovingARejectedQsoDeletesItsLogLine)
{
    const host::Qso rejected = host::GermanStation("160m");
    host::AddData(rejected);
    host::AddData(host::GermanStation("80m"));
    host::RemoveData(rejected);
    EXPECT_EQ(Header(), LogFile());
    EXPECT_EQ(1, Contest().qsoList.GetSize());
}

TEST_F(AdmissionTest, RemovingTheLastQsoEmptiesTheWorkedListsAndKeepsItsBand)
{
    host::AddData(host::UsStation("K1AA", "K1"));
    host::Result();
    ASSERT_EQ(2, Contest().workedMultipliers.GetSize());
    host::RemoveData(host::UsStation("K1AA", "K1"));
    EXPECT_TRUE(Contest().workedMultipliers.IsEmpty());
    EXPECT_TRUE(Contest().workedContinents.IsEmpty());
    EXPECT_TRUE(Contest().workedKAreas.IsEmpty());
    EXPECT_EQ(1, Contest().bandsWorked.GetSize());
}

TEST_F(AdmissionTest, RemovalPostsARefreshOnlyWhileTheControlWindowIsOpen)
{
    host::RemoveData(host::GermanStation());
    EXPECT_EQ(0, windows.refreshesPosted);
    windows.controlWindowOpen = true;
    host::RemoveData(host::GermanStation());
    host::RemoveData(host::GermanStation());
    EXPECT_EQ(2, windows.refreshesPosted);
}

TEST_F(AdmissionTest, AddingPostsNothing)
{
    windows.controlWindowOpen = true;
    host::AddData(host::GermanStation());
    EXPECT_EQ(0, windows.refreshesPosted);
}
