#include <cstring>

#include "engine/ContestState.h"
#include "tests/unit/support/TestWorkspace.h"

class ExportsTest : public TestWorkspace { };

TEST_F(ExportsTest, FixedAnswers)
{
    EXPECT_STREQ("BARTG SPRINT (C)", GetSetName(0));
    EXPECT_STREQ("", GetSetName(1));
    EXPECT_STREQ("", GetSetName(-1));
    EXPECT_EQ(1, GetNumberOfSets());
    EXPECT_EQ(1, GetExchgCount0(nullptr, nullptr, nullptr));
}

TEST_F(ExportsTest, ValidExchangeIsThreeOrFourDigitsButNot599)
{
    for (const char* good : {"001", "0599", "5990", "1234"})
        EXPECT_EQ(1, IsValidExchg0(good, nullptr, nullptr, nullptr, 0, 0, 0)) << good;
    for (const char* bad : {"599", "12", "12345", "1a3", "", " 12", "\xb9\xb2\xb3"})
        EXPECT_EQ(0, IsValidExchg0(bad, nullptr, nullptr, nullptr, 0, 0, 0)) << bad;
    EXPECT_EQ(0, IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0));
}

TEST_F(ExportsTest, SetVersionSwitchesToHtmlForGood)
{
    EXPECT_EQ(0ul, setVersion(nullptr));
    EXPECT_EQ(0ul, setVersion("2.19"));
    EXPECT_EQ(1, Contest().htmlResult);
    EXPECT_EQ(0u, host.Result().find("<html>"));
}

TEST_F(ExportsTest, SetupShowsItsMessage)
{
    SetupSet0();
    ASSERT_EQ(1u, windows.messages.size());
    EXPECT_EQ("No additional setup for this plugin", windows.messages[0].text);
    EXPECT_EQ("", windows.messages[0].caption);
    EXPECT_EQ(WindowSide::MessageStyle::Plain, windows.messages[0].style);
}

TEST_F(ExportsTest, NullPointersEverywhereAreEmptyTexts)
{
    EXPECT_EQ(1,
        ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr));
    EXPECT_EQ(0,
        AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0,
            0, 0, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ("BARTG SPRINT RTTY TEST UBN file \r\nQSO:  0                   WRONG BAND !!!\r\n",
        ReadFile("BadQSO_StatsBARTGSPRINT_.txt"));
    EXPECT_EQ(1,
        RemoveData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0,
            0, 0, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(4,
        CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            nullptr));
    EXPECT_NE(nullptr, GetResult0(nullptr));
    EXPECT_EQ("BARTG SPRINT RTTY TEST UBN file \r\n", ReadFile("BadQSO_StatsBARTGSPRINT_.txt"))
        << "the null QSO's line goes with the null QSO";
}

TEST_F(ExportsTest, MegabyteTextsAreStoredAndFormattedWhole)
{
    const std::string huge(1 << 20, 'W');
    host.StartContest({.contestant = huge.c_str()});
    const TestQso qso{.call = huge.c_str(),
        .sentExchange = huge.c_str(),
        .callPrefix = huge.c_str(),
        .dxccPrefix = huge.c_str(),
        .continent = huge.c_str(),
        .band = "20m"};
    EXPECT_EQ(1, host.AddQso(qso));
    EXPECT_EQ(1, host.AddQso(qso));
    const std::string text = host.Result();
    EXPECT_NE(std::string::npos, text.find("Contestant: " + huge + "\r\n"));
    EXPECT_NE(std::string::npos, text.find("Dupe\t 1\r\n"));
    EXPECT_EQ(2, host.CheckCall({.call = huge.c_str(), .band = "40m"}));
    EXPECT_EQ(1, host.RemoveQso(qso));
}
