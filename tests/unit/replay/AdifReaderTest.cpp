#include "tools/stats-replay/ContestLog.h"

#include <gtest/gtest.h>

namespace {

TEST(AdifReader, ReadsARecord)
{
    ContestLog log = ReadAdif("made by hand\n<adif_ver:5>3.1.0<EOH>\n"
                              "<call:6>dl1abc<qso_date:8>20180120<time_on:6>140559<freq:6>14.083<mode:4>RTTY"
                              "<rst_sent:3>599<rst_rcvd:3>579<stx:3>001<srx:3>123<station_callsign:6>n0call<eor>\n");
    ASSERT_EQ(log.qsos.size(), 1u);
    const Qso& qso = log.qsos[0];
    EXPECT_EQ(qso.line, 3);
    EXPECT_EQ(qso.call, "DL1ABC");
    EXPECT_EQ(qso.ownCall, "N0CALL");
    EXPECT_EQ(FormatQsoTime(qso.time), "2018-01-20 1405");
    EXPECT_EQ(qso.frequencyHz, 14083000u);
    EXPECT_EQ(qso.band, "20m");
    EXPECT_EQ(qso.mode, "RTTY");
    EXPECT_EQ(qso.rstSent, "599");
    EXPECT_EQ(qso.rstReceived, "579");
    EXPECT_EQ(qso.serialSent, "001");
    EXPECT_EQ(qso.serialReceived, "123");
    EXPECT_EQ(log.ownCall, "N0CALL");
    EXPECT_TRUE(log.problems.empty());
}

TEST(AdifReader, ValuesAreCountedNotScanned)
{
    ContestLog log = ReadAdif("<CALL:13>K1ABC <EOR> x<QSO_DATE:8>20180120<TIME_ON:4>1405<EOR>");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].call, "K1ABC <EOR> X");
}

TEST(AdifReader, BandAloneGivesTheUsualRttyFrequency)
{
    ContestLog log = ReadAdif("<CALL:5>K1ABC<QSO_DATE:8>20180120<TIME_ON:4>1405<BAND:3>40M<EOR>");
    EXPECT_EQ(log.qsos.at(0).band, "40m");
    EXPECT_EQ(log.qsos.at(0).frequencyHz, 7040000u);
}

TEST(AdifReader, PrefersTheStringFormsOfTheSerialNumbers)
{
    ContestLog log = ReadAdif("<CALL:5>K1ABC<QSO_DATE:8>20180120<TIME_ON:4>1405"
                              "<STX:1>7<STX_STRING:3>007<SRX:2>42<EOR>");
    EXPECT_EQ(log.qsos.at(0).serialSent, "007");
    EXPECT_EQ(log.qsos.at(0).serialReceived, "42");
}

TEST(AdifReader, OwnCallFallsBackToTheOperator)
{
    ContestLog log = ReadAdif("<CALL:5>K1ABC<QSO_DATE:8>20180120<TIME_ON:4>1405<OPERATOR:5>G0XYZ<EOR>");
    EXPECT_EQ(log.qsos.at(0).ownCall, "G0XYZ");
}

TEST(AdifReader, HeaderFieldsBeforeEohAreNotAQso)
{
    ContestLog log = ReadAdif("<ADIF_VER:5>3.1.0<CALL:5>K1ABC<EOH>"
                              "<CALL:5>K2ABC<QSO_DATE:8>20180120<TIME_ON:4>1405<EOR>");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].call, "K2ABC");
}

TEST(AdifReader, ReportsRecordsThatAreNoQsoWithTheirLine)
{
    ContestLog log = ReadAdif("<EOH>\n"
                              "<QSO_DATE:8>20180120<TIME_ON:4>1405<EOR>\n"
                              "<CALL:5>K1ABC<QSO_DATE:8>20181320<TIME_ON:4>1405<EOR>\n"
                              "<CALL:5>K1ABC<QSO_DATE:8>20180120<TIME_ON:4>1405<EOR>\n"
                              "<CALL:x>K1ABC\n"
                              "<CALL:5>K3ABC<QSO_DATE:8>20180120");
    EXPECT_EQ(log.qsos.size(), 1u);
    ASSERT_EQ(log.problems.size(), 4u);
    EXPECT_EQ(log.problems[0].line, 2);
    EXPECT_EQ(log.problems[1].line, 3);
    EXPECT_EQ(log.problems[2].line, 5);
    EXPECT_EQ(log.problems[3].line, 6);
}

TEST(AdifReader, NamesAFieldWhoseLengthRunsIntoTheNextTag)
{
    // COMMENT's length was counted with CR LF line ends; the file has LF ones.
    ContestLog log =
        ReadAdif("<EOH>\n<CALL:5>K1ABC<COMMENT:15>two\nline\nnote<QSO_DATE:8>20180120<TIME_ON:4>1405<EOR>\n");
    EXPECT_TRUE(log.qsos.empty());
    ASSERT_EQ(log.problems.size(), 2u);
    EXPECT_EQ(log.problems[0].line, 2);
    EXPECT_EQ(log.problems[0].message,
        "the length of COMMENT counts past its text into the tag <QSO_DATE:8> (counted for CR LF line ends, now LF "
        "ones?)");
    EXPECT_EQ(log.problems[1].message, "record without QSO_DATE");
}

TEST(AdifReader, LengthBeyondTheEndTakesTheRest)
{
    ContestLog log = ReadAdif("<CALL:5>K1ABC<QSO_DATE:8>20180120<TIME_ON:4>1405<COMMENT:999999999>abc");
    EXPECT_TRUE(log.qsos.empty());
    EXPECT_EQ(log.problems.size(), 2u);
}

} // namespace
