// The bundled sample log: both forms hold the same QSOs, and the facts the
// demo relies on hold (counted against the installed Debian country file).
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "tools/stats-replay/CountryFile.h"

namespace {

const std::string kSamples = REPLAY_SAMPLES_DIR;

TEST(SampleLog, BothFormsReadWithoutProblems)
{
    for (const char* name : {"/bartg-sprint.log", "/bartg-sprint.adi"}) {
        ContestLog log = ReadLogFile(kSamples + name);
        EXPECT_TRUE(log.problems.empty()) << name;
        EXPECT_EQ(log.qsos.size(), 371u) << name;
        EXPECT_EQ(log.ownCall, "N0CALL") << name;
        EXPECT_EQ(FormatQsoTime(log.firstQsoTime.value()), "2018-01-20 1200") << name;
        EXPECT_EQ(FormatQsoTime(log.lastQsoTime.value()), "2018-01-21 1159") << name;
    }
}

TEST(SampleLog, BothFormsHoldTheSameQsos)
{
    ContestLog cabrillo = ReadLogFile(kSamples + "/bartg-sprint.log");
    ContestLog adif = ReadLogFile(kSamples + "/bartg-sprint.adi");
    EXPECT_EQ(cabrillo.format, LogFormat::Cabrillo);
    EXPECT_EQ(adif.format, LogFormat::Adif);
    ASSERT_EQ(cabrillo.qsos.size(), adif.qsos.size());
    for (std::size_t i = 0; i < cabrillo.qsos.size(); ++i) {
        EXPECT_TRUE(SameQso(cabrillo.qsos[i], adif.qsos[i])) << "QSO " << i + 1 << " " << cabrillo.qsos[i].call;
    }
}

TEST(SampleLog, HasTheDupesAndTheQsosOutsideTheContest)
{
    ContestLog log = ReadLogFile(kSamples + "/bartg-sprint.log");
    const std::set<std::string> contestBands = {"80m", "40m", "20m", "15m", "10m"};
    std::set<std::tuple<std::string, std::string, std::string>> worked;
    int dupes = 0, otherBand = 0, otherMode = 0;
    for (const Qso& qso : log.qsos) {
        if (contestBands.count(qso.band) == 0)
            ++otherBand;
        else if (qso.mode != "RTTY")
            ++otherMode;
        else if (!worked.insert({qso.call, qso.band, qso.mode}).second)
            ++dupes;
    }
    EXPECT_EQ(dupes, 6);
    EXPECT_EQ(otherBand, 1);
    EXPECT_EQ(otherMode, 1);
}

TEST(SampleLog, EveryCallResolvesAndTheMultipliersAreKnown)
{
    std::optional<CountryFile> countries = CountryFile::FromFile("/usr/share/hamradio-files/cty.dat");
    if (!countries)
        GTEST_SKIP() << "the Debian country file is not installed";
    ContestLog log = ReadLogFile(kSamples + "/bartg-sprint.log");
    std::set<std::string> dxcc, continents;
    std::map<std::string, std::set<char>> areas;
    for (const Qso& qso : log.qsos) {
        std::optional<CountryInfo> info = countries->Lookup(qso.call);
        ASSERT_TRUE(info.has_value()) << qso.call;
        if (qso.band == "30m" || qso.mode != "RTTY")
            continue;
        dxcc.insert(info->dxccPrefix);
        continents.insert(info->continent);
        if (info->dxccPrefix == "K" || info->dxccPrefix == "VE" || info->dxccPrefix == "JA"
            || info->dxccPrefix == "VK") {
            areas[info->dxccPrefix].insert(CallPrefix(qso.call).back());
        }
    }
    EXPECT_EQ(dxcc.size(), 43u);
    EXPECT_EQ(continents.size(), 6u);
    EXPECT_EQ(areas["K"].size(), 10u);
    EXPECT_EQ(areas["JA"].size(), 10u);
    EXPECT_EQ(areas["VE"].size(), 7u);
    EXPECT_EQ(areas["VK"].size(), 6u);
}

} // namespace
