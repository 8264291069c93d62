#include "tools/stats-replay/ReplayOptions.h"

#include <gtest/gtest.h>

namespace {

std::optional<ReplayOptions> Parse(std::vector<std::string> args, std::string* error = nullptr)
{
    std::string message;
    auto options = ParseReplayOptions(args, message);
    if (error)
        *error = message;
    return options;
}

TEST(ReplayOptions, DefaultsReplayTheLogWithTheDebianCountryFile)
{
    const auto options = Parse({"contest.log"});
    ASSERT_TRUE(options);
    EXPECT_EQ("contest.log", options->logPath);
    EXPECT_EQ("Z:\\usr\\share\\hamradio-files\\cty.dat", options->countryFile);
    EXPECT_EQ("Stats.dll", options->dllPath);
    EXPECT_FALSE(options->cabrillo || options->acceptForm || options->verbose || options->start || options->end);
}

TEST(ReplayOptions, EveryOptionIsTaken)
{
    const auto options = Parse({"--cty", "c.dat", "--dll", "x.dll", "--html", "p.html", "--cabrillo", "--accept-form",
        "--verbose", "--start", "2018-01-20 1200", "--end", "2018-01-21T11:59", "log.adi"});
    ASSERT_TRUE(options);
    EXPECT_EQ("c.dat", options->countryFile);
    EXPECT_EQ("x.dll", options->dllPath);
    EXPECT_EQ("p.html", options->htmlPath);
    EXPECT_TRUE(options->cabrillo && options->acceptForm && options->verbose);
    EXPECT_EQ("2018-01-20 1200", FormatQsoTime(*options->start));
    EXPECT_EQ("2018-01-21 1159", FormatQsoTime(*options->end));
}

TEST(ReplayOptions, MistakesAreExplained)
{
    std::string error;
    EXPECT_FALSE(Parse({}, &error));
    EXPECT_EQ("no log given", error);
    EXPECT_FALSE(Parse({"--cty"}, &error));
    EXPECT_EQ("--cty needs a value", error);
    EXPECT_FALSE(Parse({"--start", "2018-02-30", "a.log"}, &error));
    EXPECT_EQ("--start: not a time: 2018-02-30", error);
    EXPECT_FALSE(Parse({"--colour", "a.log"}, &error));
    EXPECT_EQ("unknown option --colour", error);
    EXPECT_FALSE(Parse({"a.log", "b.log"}, &error));
    EXPECT_FALSE(Parse({"--start", "2018-01-21", "--end", "2018-01-20 2359", "a.log"}, &error));
    EXPECT_EQ("--start is after --end: the contest would end before it starts", error);
    EXPECT_TRUE(Parse({"--start", "2018-01-21", "--end", "2018-01-21", "a.log"}));
    EXPECT_TRUE(Parse({"--help"}));
}

TEST(ReplayOptions, TimesAreDatesWithAnOptionalTimeOfDay)
{
    EXPECT_EQ("2018-01-20 0000", FormatQsoTime(*ParseTimeOption("2018-01-20")));
    EXPECT_EQ("2018-01-20 0905", FormatQsoTime(*ParseTimeOption("2018-01-20 0905")));
    EXPECT_FALSE(ParseTimeOption("2018-01-20 25:00"));
    EXPECT_FALSE(ParseTimeOption("2018-01-20 1200 extra"));
    EXPECT_FALSE(ParseTimeOption(""));
}

} // namespace
