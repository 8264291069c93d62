#include "tools/stats-replay/ContestLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ContestLog Read(const std::string& qsoLines)
{
    return ReadCabrillo("START-OF-LOG: 3.0\nCALLSIGN: n0call\n" + qsoLines + "END-OF-LOG:\n");
}

TEST(CabrilloReader, ReadsAQsoWithRstColumns)
{
    ContestLog log = Read("QSO:  3580 RY 2018-01-20 1405 N0CALL  599 001  dl1abc  579 123\n");
    ASSERT_EQ(log.qsos.size(), 1u);
    const Qso& qso = log.qsos[0];
    EXPECT_EQ(qso.line, 3);
    EXPECT_EQ(qso.ownCall, "N0CALL");
    EXPECT_EQ(qso.call, "DL1ABC");
    EXPECT_EQ(FormatQsoTime(qso.time), "2018-01-20 1405");
    EXPECT_EQ(qso.frequencyHz, 3580000u);
    EXPECT_EQ(qso.band, "80m");
    EXPECT_EQ(qso.mode, "RTTY");
    EXPECT_EQ(qso.rstSent, "599");
    EXPECT_EQ(qso.serialSent, "001");
    EXPECT_EQ(qso.rstReceived, "579");
    EXPECT_EQ(qso.serialReceived, "123");
    EXPECT_TRUE(log.problems.empty());
}

TEST(CabrilloReader, ReadsAQsoWithoutRstColumns)
{
    ContestLog log = Read("QSO: 14080 RY 2018-01-20 1405 N0CALL 001 DL1ABC 123\n");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].rstSent, "");
    EXPECT_EQ(log.qsos[0].serialSent, "001");
    EXPECT_EQ(log.qsos[0].call, "DL1ABC");
    EXPECT_EQ(log.qsos[0].serialReceived, "123");
}

TEST(CabrilloReader, ALoneFieldBesideRstColumnsIsTheRstAndTheMissingNumberIsNamed)
{
    ContestLog log = Read("QSO:  3585 RY 2024-01-27 1210 G4XYZ  599 004  V3E  599\n"
                          "QSO:  3585 RY 2024-01-27 1211 G4XYZ  599  V3E  599 017\n");
    ASSERT_EQ(log.qsos.size(), 2u);
    EXPECT_EQ(log.qsos[0].rstReceived, "599");
    EXPECT_EQ(log.qsos[0].serialReceived, "");
    EXPECT_EQ(log.qsos[1].rstSent, "599");
    EXPECT_EQ(log.qsos[1].serialSent, "");
    EXPECT_EQ(log.qsos[1].serialReceived, "017");
    ASSERT_EQ(log.problems.size(), 2u);
    EXPECT_EQ(log.problems[0].line, 3);
    EXPECT_NE(log.problems[0].message.find("no received serial number"), std::string::npos);
    EXPECT_NE(log.problems[1].message.find("no sent serial number"), std::string::npos);
}

TEST(CabrilloReader, DropsTheTransmitterId)
{
    ContestLog log = Read("QSO: 14080 RY 2018-01-20 1405 N0CALL 599 001 DL1ABC 599 123 1\n");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].serialReceived, "123");
}

TEST(CabrilloReader, FindsTheWorkedCallWhateverTheExchange)
{
    ContestLog log = Read("QSO: 21230 PH 2025-06-28 1800 N0CALL 10A MDC W1AW 1E TN\n"
                          "QSO: 144200 CW 2025-06-14 1900 N0CALL FN12fr K1ABC FN12\n"
                          "QSO: 14090 DG 2024-12-07 1833 N0CALL -16 IO93 G4XYZ -02 EM66\n"
                          "QSO: 7040 RY 2024-01-27 1210 N0CALL 599 1A DL1ABC 579 2B 1\n");
    std::vector<std::string> calls;
    for (const Qso& qso : log.qsos)
        calls.push_back(qso.call);
    EXPECT_EQ(calls, (std::vector<std::string>{"W1AW", "K1ABC", "G4XYZ", "DL1ABC"}));
    EXPECT_EQ(log.qsos.at(3).serialReceived, "2B") << "the transmitter id is no exchange field";
    EXPECT_TRUE(log.problems.empty());
}

TEST(CabrilloReader, WhereTheFieldsCannotTellReadsTheFirstCallAndSaysSoOnce)
{
    ContestLog log = Read("QSO: 21230 PH 2025-06-28 1800 N0CALL 10A MDC W1AW 1E\n"
                          "QSO: 21230 PH 2025-06-28 1801 N0CALL 10A MDC K1ABC 2A\n");
    ASSERT_EQ(log.qsos.size(), 2u);
    EXPECT_EQ(log.qsos[1].call, "10A");
    std::vector<int> namedLines;
    for (const Problem& problem : log.problems)
        if (problem.message.find("worked call") != std::string::npos)
            namedLines.push_back(problem.line);
    EXPECT_EQ(namedLines, std::vector<int>{3});
}

TEST(CabrilloReader, KeepsOtherModesAsLogged)
{
    ContestLog log = Read("QSO: 14030 CW 2018-01-20 1405 N0CALL 599 001 DL1ABC 599 123\n");
    EXPECT_EQ(log.qsos.at(0).mode, "CW");
}

TEST(CabrilloReader, BandInMegahertzOrByDesignatorGivesTheBandsUsualFrequency)
{
    ContestLog log = Read("QSO: 7 RY 2018-01-20 1405 N0CALL 599 001 DL1ABC 599 123\n"
                          "QSO: 50 RY 2018-01-20 1406 N0CALL 599 002 DL1ABC 599 124\n"
                          "QSO: 1.2G RY 2018-01-20 1407 N0CALL 599 003 DL1ABC 599 125\n"
                          "QSO: light RY 2018-01-20 1408 N0CALL 599 004 DL1ABC 599 126\n");
    ASSERT_EQ(log.qsos.size(), 4u);
    EXPECT_EQ(log.qsos[0].band, "40m");
    EXPECT_EQ(log.qsos[0].frequencyHz, 7040000u);
    EXPECT_EQ(log.qsos[1].band, "6m");
    EXPECT_EQ(log.qsos[2].band, "23cm");
    EXPECT_EQ(log.qsos[2].frequencyHz, 1240000000u);
    EXPECT_EQ(log.qsos[3].band, "submm");
}

TEST(CabrilloReader, FrequencyOutsideTheBandsHasNoBand)
{
    ContestLog log = Read("QSO: 5000 RY 2018-01-20 1405 N0CALL 599 001 DL1ABC 599 123\n");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].band, "");
    EXPECT_EQ(log.qsos[0].frequencyHz, 5000000u);
}

TEST(CabrilloReader, ReportsBadQsoLinesAndReadsOn)
{
    ContestLog log = Read("QSO: 14080 RY 2018-01-20 1405 N0CALL 599 001\n"
                          "QSO: abc RY 2018-01-20 1405 N0CALL 599 001 DL1ABC 599 123\n"
                          "QSO: 14080 RY 2018-02-30 1405 N0CALL 599 001 DL1ABC 599 123\n"
                          "QSO: 14080 RY 2018-01-20 2460 N0CALL 599 001 DL1ABC 599 123\n"
                          "QSO: 14080 RY 2018-01-20 1405 N0CALL 599 001 599 123 456\n"
                          "this is no cabrillo\n"
                          "QSO: 14080 RY 2018-01-20 1405 N0CALL 599 001 DL1ABC 599 123\n");
    EXPECT_EQ(log.qsos.size(), 1u);
    ASSERT_EQ(log.problems.size(), 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(log.problems[i].line, 3 + i);
}

TEST(CabrilloReader, IgnoresExcludedQsosAndWhatFollowsTheEnd)
{
    ContestLog log = ReadCabrillo("X-QSO: 14080 RY 2018-01-20 1405 N0CALL 599 001 DL1ABC 599 123\n"
                                  "END-OF-LOG:\n"
                                  "QSO: 14080 RY 2018-01-20 1405 N0CALL 599 001 DL1ABC 599 123\n");
    EXPECT_TRUE(log.qsos.empty());
    EXPECT_TRUE(log.problems.empty());
}

TEST(CabrilloReader, GivesTheHeaderCallAndTheFirstAndLastQsoTime)
{
    ContestLog log = Read("QSO: 14080 RY 2018-01-21 0100 N0CALL 599 002 DL1ABC 599 123\n"
                          "QSO: 14080 RY 2018-01-20 2300 N0CALL 599 001 DL1ABD 599 124\n"
                          "QSO: 14080 RY 2018-01-21 0030 N0CALL 599 003 DL1ABE 599 125\n");
    EXPECT_EQ(log.ownCall, "N0CALL");
    EXPECT_EQ(FormatQsoTime(*log.firstQsoTime), "2018-01-20 2300");
    EXPECT_EQ(FormatQsoTime(*log.lastQsoTime), "2018-01-21 0100");
}

} // namespace
