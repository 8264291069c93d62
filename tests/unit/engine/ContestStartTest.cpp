#include "engine/ContestState.h"
#include "tests/unit/support/Host.h"
#include "tests/unit/support/TestWorkspace.h"

class ContestStartTest : public TestWorkspace {
protected:
    static CString StartKey() { return Contest().settings.ReadString("Start"); }
};

TEST_F(ContestStartTest, StartToggleOpensTheWindowsOnEverySecondStart)
{
    host::ResetStats();
    EXPECT_EQ(1, windows.uiThreadStarts);
    EXPECT_EQ("1", StartKey());
    host::ResetStats();
    EXPECT_EQ(1, windows.uiThreadStarts);
    EXPECT_EQ("0", StartKey());
    host::ResetStats();
    EXPECT_EQ(2, windows.uiThreadStarts);
}

TEST_F(ContestStartTest, NoSecondUiThreadWhileTheControlWindowIsOpen)
{
    windows.controlWindowOpen = true;
    host::ResetStats();
    EXPECT_EQ(0, windows.uiThreadStarts);
    EXPECT_EQ("", StartKey());
}

TEST_F(ContestStartTest, CabrilloModeShowsTheFormAndStartsNothing)
{
    host::Start start;
    start.cabrilloMode = 1;
    host::ResetStats(start);
    EXPECT_EQ(1, windows.formsShown);
    EXPECT_EQ(0, windows.uiThreadStarts);
    EXPECT_EQ("0", StartKey());
}

TEST_F(ContestStartTest, HostVersionFromTheHostSettingsFile)
{
    std::filesystem::create_directory("host");
    WriteFile("host/other.ini", "Kelb=9.99\r\n");
    host::Start start;
    start.hostFolder = "host\\";
    host::ResetStats(start);
    EXPECT_EQ("Kelb", Contest().hostVersion);

    EXPECT_EQ(1, windows.uiThreadStarts);

    WriteFile("host/Kelb2.ini", "[Main]\r\nVersion=x\r\nKelb=2.16\r\nKelb=2.20\r\n");
    host::ResetStats(start);
    host::ResetStats(start);
    EXPECT_EQ("2.16", Contest().hostVersion);
    EXPECT_EQ(1, windows.uiThreadStarts) << "2.16 is one of the versions without windows";
    EXPECT_EQ("1", StartKey());
}

TEST_F(ContestStartTest, HostSettingsFileWithoutAVersionKeepsThePreviousOne)
{
    WriteFile("Kelb2.ini", "Kelb=2.19\r\n");
    host::ResetStats();
    EXPECT_EQ("2.19", Contest().hostVersion);
    WriteFile("Kelb2.ini", "[Main]\r\n");
    host::ResetStats();
    EXPECT_EQ("2.19", Contest().hostVersion);
}

TEST_F(ContestStartTest, DatesNamesBandRowsAndAFreshLog)
{
    host::AddData(host::GermanStation());
    host::Start start;
    start.contestant = "G0ABC";
    start.end = COleDateTime(2018, 3, 5, 23, 59, 0);
    host::ResetStats(start);
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
    ResetStats0(nullptr, 0, nullptr, nullptr, &invalid, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr);
    EXPECT_EQ("", Contest().startDayMonth);
    EXPECT_EQ("Invalid DateTime", Contest().endDate);
    EXPECT_EQ("", Contest().contestant);
}

TEST_F(ContestStartTest, RussianTextsStayOnOnceChosen)
{
    host::Start start;
    start.ownDxccPrefix = "UA9";
    host::ResetStats(start);
    EXPECT_EQ(1, Contest().russianTexts);
    start.ownDxccPrefix = "DL";
    host::ResetStats(start);
    EXPECT_EQ(1, Contest().russianTexts);
}
