#include "engine/ContestState.h"
#include "tests/unit/support/TestWorkspace.h"

class ContestStartTest : public TestWorkspace {
protected:
    static CString StartKey() { return Contest().settings.ReadString("Start"); }
};

TEST_F(ContestStartTest, StartToggleOpensTheWindowsOnEverySecondStart)
{
    host.StartContest();
    EXPECT_EQ(1, windows.uiThreadStarts);
    EXPECT_EQ("1", StartKey());
    host.StartContest();
    EXPECT_EQ(1, windows.uiThreadStarts);
    EXPECT_EQ("0", StartKey());
    host.StartContest();
    EXPECT_EQ(2, windows.uiThreadStarts);
}

TEST_F(ContestStartTest, NoSecondUiThreadWhileTheControlWindowIsOpen)
{
    windows.controlWindowOpen = true;
    host.StartContest();
    EXPECT_EQ(0, windows.uiThreadStarts);
    EXPECT_EQ("", StartKey());
}

TEST_F(ContestStartTest, CabrilloModeShowsTheFormAndStartsNothing)
{
    host.StartContest({.cabrilloMode = 1});
    EXPECT_EQ(1, windows.formsShown);
    EXPECT_EQ(0, windows.uiThreadStarts);
    EXPECT_EQ("0", StartKey());
}

TEST_F(ContestStartTest, HostVersionFromTheHostSettingsFile)
{
    std::filesystem::create_directory("host");
    WriteFile("host/other.ini", "Kelb=9.99\r\n");
    const TestContestStart start{.hostFolder = "host\\"};
    host.StartContest(start);
    EXPECT_EQ("Kelb", Contest().hostVersion);

    EXPECT_EQ(1, windows.uiThreadStarts);

    WriteFile("host/Kelb2.ini", "[Main]\r\nVersion=x\r\nKelb=2.16\r\nKelb=2.20\r\n");
    host.StartContest(start);
    host.StartContest(start);
    EXPECT_EQ("2.16", Contest().hostVersion);
    EXPECT_EQ(1, windows.uiThreadStarts) << "2.16 is one of the versions without windows";
    EXPECT_EQ("1", StartKey());
}

TEST_F(ContestStartTest, HostSettingsFileWithoutAVersionKeepsThePreviousOne)
{
    WriteFile("Kelb2.ini", "Kelb=2.19\r\n");
    host.StartContest();
    EXPECT_EQ("2.19", Contest().hostVersion);
    WriteFile("Kelb2.ini", "[Main]\r\n");
    host.StartContest();
    EXPECT_EQ("2.19", Contest().hostVersion);
}

TEST_F(ContestStartTest, DatesNamesBandRowsAndAFreshLog)
{
    host.AddQso({});
    host.StartContest({.contestant = "G0ABC", .end = HostTime(2018, 3, 5, 23, 59)});
    const ContestState& state = Contest();
    EXPECT_EQ("20.01", state.startDayMonth);
    EXPECT_EQ("2018", state.startYear);
    EXPECT_EQ("05.03.2018", state.endDate);
    EXPECT_EQ("G0ABC", state.contestant);
    EXPECT_EQ("BadQSO_StatsBARTGSPRINT_05_03_2018.txt", state.badQsoFileName);
    EXPECT_EQ("BARTG SPRINT RTTY TEST UBN file \r\n", ReadFile(state.badQsoFileName));
    EXPECT_TRUE(state.qsoList.IsEmpty());
    EXPECT_TRUE(state.bandsWorked.IsEmpty());
    for (int i = 0; i < kBandRowCount; ++i) {
        ASSERT_EQ(5, state.g_bandRows[i].GetSize());
        EXPECT_EQ(state.permittedBands[i], state.g_bandRows[i][0]);
        EXPECT_EQ("-", state.g_bandRows[i][4]);
    }
}

TEST_F(ContestStartTest, NullAndInvalidDatesGiveTheirTexts)
{
    COleDateTime invalid(1e12);
    ResetStats0(nullptr, 0, nullptr, nullptr, &invalid, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr);
    EXPECT_EQ("", Contest().startDayMonth);
    EXPECT_EQ("Invalid DateTime", Contest().endDate);
    EXPECT_EQ("", Contest().contestant);
}

TEST_F(ContestStartTest, RussianTextsStayOnOnceChosen)
{
    host.StartContest({.ownDxccPrefix = "UA9"});
    EXPECT_EQ(1, Contest().russianTexts);
    host.StartContest({.ownDxccPrefix = "DL"});
    EXPECT_EQ(1, Contest().russianTexts);
}
