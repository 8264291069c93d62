// Reading a contest log whatever its format, and what the two readers share.
#include "tools/stats-replay/ContestLog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LogReader, RecognisesTheFormatByContent)
{
    EXPECT_EQ(DetectLogFormat("\xEF\xBB\xBF  START-OF-LOG: 3.0\n"), LogFormat::Cabrillo);
    EXPECT_EQ(
        DetectLogFormat("CALLSIGN: N0CALL\nQSO: 14080 RY 2018-01-20 1405 N0CALL 001 K1ABC 123\n"), LogFormat::Cabrillo);
    EXPECT_EQ(DetectLogFormat("some header text <eoh>"), LogFormat::Adif);
    EXPECT_EQ(DetectLogFormat("<CALL:5>K1ABC<eor>"), LogFormat::Adif);
    EXPECT_EQ(DetectLogFormat("hello\nworld\n"), LogFormat::Unknown);
}

TEST(LogReader, TextInNeitherFormatIsOneProblem)
{
    ContestLog log = ReadLog("hello\nworld\n");
    EXPECT_EQ(log.format, LogFormat::Unknown);
    EXPECT_TRUE(log.qsos.empty());
    ASSERT_EQ(log.problems.size(), 1u);
    EXPECT_EQ(log.problems[0].line, 0);
}

TEST(LogReader, MissingFileIsAProblemNotACrash)
{
    ContestLog log = ReadLogFile("/nonexistent/contest.log");
    EXPECT_TRUE(log.qsos.empty());
    EXPECT_EQ(log.problems.size(), 1u);
}

TEST(LogReader, EndlessInputIsRefusedAtTheSizeLimit)
{
    ContestLog log = ReadLogFile("/dev/zero");
    EXPECT_TRUE(log.qsos.empty());
    ASSERT_EQ(log.problems.size(), 1u);
    EXPECT_NE(log.problems[0].message.find("too large"), std::string::npos);
}

// Pseudo-random bytes laced with the markers both readers look for.
std::string Garbage(std::size_t size, unsigned seed)
{
    const char* markers[] = {"<EOR>", "<CALL:", "QSO: ", ":", "<", ">", "\n", "\r", "9999999999", "/"};
    std::string text;
    while (text.size() < size) {
        seed = seed * 1103515245u + 12345u;
        if ((seed >> 16) % 4 == 0)
            text += markers[(seed >> 8) % 10];
        else
            text += static_cast<char>(seed >> 24);
    }
    return text;
}

TEST(LogReader, GarbageNeverCrashesAndKeepsTheProblemListBounded)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        for (std::string prefix : {"START-OF-LOG: 3.0\n", "<EOH>", ""}) {
            ContestLog log = ReadLog(prefix + Garbage(50000, seed));
            EXPECT_LE(log.problems.size(), ProblemList::kMaxProblems + 1);
        }
    }
}

TEST(LogReader, HugeSingleLineIsReadWithoutTrouble)
{
    ContestLog log = ReadLog("START-OF-LOG: 3.0\nQSO: " + std::string(5000000, '7') + "\n");
    EXPECT_TRUE(log.qsos.empty());
    EXPECT_EQ(log.problems.size(), 1u);
}

TEST(Bands, NamesTheBandOfAFrequencyIncludingItsEdges)
{
    EXPECT_EQ(BandForFrequency(1800000), "160m");
    EXPECT_EQ(BandForFrequency(3580000), "80m");
    EXPECT_EQ(BandForFrequency(14350000), "20m");
    EXPECT_EQ(BandForFrequency(10140000), "30m");
    EXPECT_EQ(BandForFrequency(14350001), "");
    EXPECT_EQ(BandForFrequency(0), "");
}

TEST(Bands, GivesTheUsualRttyFrequencyOfTheContestBands)
{
    EXPECT_EQ(UsualFrequencyForBand("80m"), 3580000u);
    EXPECT_EQ(UsualFrequencyForBand("40M"), 7040000u);
    EXPECT_EQ(UsualFrequencyForBand("20m"), 14080000u);
    EXPECT_EQ(UsualFrequencyForBand("15m"), 21080000u);
    EXPECT_EQ(UsualFrequencyForBand("10m"), 28080000u);
    EXPECT_FALSE(UsualFrequencyForBand("11m").has_value());
}

TEST(DecimalNumber, ParsesExactlyWithoutFloatingPoint)
{
    EXPECT_EQ(ParseScaledDecimal("14.080", 6), 14080000u);
    EXPECT_EQ(ParseScaledDecimal("3580", 3), 3580000u);
    EXPECT_EQ(ParseScaledDecimal("7.0351239", 6), 7035123u);
    EXPECT_EQ(ParseScaledDecimal(".5", 3), 500u);
}

TEST(DecimalNumber, RefusesWhatIsNotAPlainNumber)
{
    for (const char* text : {"", ".", "1.2.3", "-7", "1e6", "14 080", "99999999999999999999"}) {
        EXPECT_FALSE(ParseScaledDecimal(text, 6).has_value()) << text;
    }
}

} // namespace
