// The country file: parsing, the lookup of calls with and without strokes, the call prefix, and
// what the host is told about a QSO; last against the country file that Debian's hamradio-files
// installs.
#include "tools/stats-replay/CountryFile.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// A small country file in the cty.dat layout, with the cases that matter.
constexpr const char* kCountries = "United States:            05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
                                   "    AA,K,N,W,=KH6XX;\n"
                                   "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
                                   "    AH6,KH6,NH6,WH6,\n"
                                   "    KH7;\n"
                                   "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n"
                                   "    I,=IT9AAK/0;\n"
                                   "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
                                   "    IB9,IT9,=IT9ZZZ/LH;\n"
                                   "African Italy:            33:  37:  AF:   35.67:   -12.67:    -1.0:  *IG9:\n"
                                   "    IG9,IH9;\n"
                                   "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
                                   "    DA,DL,=DL0XX{AF};\n"
                                   "Lonely Island:            38:  67:  AF:  -54.42:    -3.38:    -1.0:  *3Y/b:\n"
                                   "    =3Y0Q;\n"
                                   "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
                                   "    R,U,=R9AV/6;\n"
                                   "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\n"
                                   "    R9,UA9;\n";

class CountryFileTest : public ::testing::Test {
protected:
    CountryFile file = CountryFile::FromText(kCountries);

    std::string PrefixOf(const char* call)
    {
        auto info = file.Lookup(call);
        return info ? info->dxccPrefix : "not found";
    }
    std::string ContinentOf(const char* call)
    {
        auto info = file.Lookup(call);
        return info ? info->continent : "not found";
    }
};

TEST_F(CountryFileTest, ReadsEveryEntityWithoutProblems)
{
    EXPECT_EQ(file.EntityCount(), 9u);
    EXPECT_TRUE(file.Problems().empty());
}

TEST_F(CountryFileTest, GivesTheLongestMatchingPrefix)
{
    EXPECT_EQ(PrefixOf("K1ABC"), "K");
    EXPECT_EQ(PrefixOf("KH6ABC"), "KH6");
    EXPECT_EQ(PrefixOf("KH7XYZ"), "KH6"); // alias on a continuation line
    EXPECT_EQ(ContinentOf("KH6ABC"), "OC");
}

TEST_F(CountryFileTest, ExactCallEntryWinsOverPrefix)
{
    EXPECT_EQ(PrefixOf("KH6XX"), "K");
    EXPECT_EQ(PrefixOf("KH6XXX"), "KH6");
}

TEST_F(CountryFileTest, ContinentOverrideOfAnAliasApplies)
{
    EXPECT_EQ(ContinentOf("DL0XX"), "AF");
    EXPECT_EQ(ContinentOf("DL0XY"), "EU");
}

TEST_F(CountryFileTest, NonDxccEntityCountsForTheDxccEntityItsAliasesFall)
{
    EXPECT_EQ(PrefixOf("IT9ABC"), "I");
    EXPECT_EQ(file.Lookup("IT9ABC")->dxccName, "Italy");
}

TEST_F(CountryFileTest, NonDxccEntityKeepsItsOwnContinent)
{
    EXPECT_EQ(PrefixOf("IG9ABC"), "I");
    EXPECT_EQ(ContinentOf("IG9ABC"), "AF");
}

TEST_F(CountryFileTest, NonDxccEntityThatMatchesNothingStandsForItself) { EXPECT_EQ(PrefixOf("3Y0Q"), "3Y/b"); }

TEST_F(CountryFileTest, LocationPrefixDecidesTheEntity)
{
    EXPECT_EQ(PrefixOf("DL/K1ABC"), "DL");
    EXPECT_EQ(PrefixOf("K1ABC/DL"), "DL");
    EXPECT_EQ(PrefixOf("KH6/W1XYZ"), "KH6");
    EXPECT_EQ(PrefixOf("DL/K1ABC/T"), "DL"); // of two, the one the file lists
    EXPECT_EQ(CallPrefix("DL/K1ABC/T", &file.Calls()), "DL");
}

TEST_F(CountryFileTest, OperatingSuffixesAndAreaDigitKeepTheHomeEntity)
{
    for (const char* call :
        {"K1ABC/P", "K1ABC/M", "K1ABC/QRP", "K1ABC/MM", "K1ABC/AM", "K1ABC/R", "K5DJ/1", "KH6XX/P"}) {
        EXPECT_EQ(PrefixOf(call), "K") << call;
    }
    EXPECT_EQ(PrefixOf("UA3ABC/9"), "UA");
}

TEST_F(CountryFileTest, ExactEntryWithStrokesMatchesTheWholeCall)
{
    EXPECT_EQ(PrefixOf("R9AV/6"), "UA");
    EXPECT_EQ(PrefixOf("R9AV/6/P"), "UA");
    EXPECT_EQ(PrefixOf("R9AV"), "UA9");
    EXPECT_EQ(PrefixOf("IT9ZZZ/LH"), "I");
}

TEST_F(CountryFileTest, UnknownCallsAreNotFound)
{
    for (const char* call : {"", "/", "//P", "9Z9ZZ", "XYZ/K1ABC", "\xff\xfe"}) {
        EXPECT_FALSE(file.Lookup(call).has_value()) << call;
    }
}

TEST(CountryFileParsing, ReportsABrokenHeaderAndReadsTheRest)
{
    CountryFile file = CountryFile::FromText("Broken:  05:  NA:\n"
                                             "    XX;\n"
                                             "Canada:  05:  09:  NA:  44.35:  78.75:  5.0:  VE:\n"
                                             "    VA,VE,\n");
    ASSERT_EQ(file.Problems().size(), 3u);
    EXPECT_EQ(file.Problems()[0].line, 1); // the header
    EXPECT_EQ(file.Problems()[1].line, 2); // its orphaned alias line
    EXPECT_EQ(file.Problems()[2].line, 3); // Canada's list lacks its ';'
    EXPECT_EQ(file.Lookup("VE3ABC")->dxccPrefix, "VE");
}

TEST(CountryFileParsing, SurvivesGarbage)
{
    std::string garbage;
    for (int i = 0; i < 20000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    CountryFile file = CountryFile::FromText(garbage);
    EXPECT_LE(file.Problems().size(), ProblemList::kMaxProblems + 1);
    file.Lookup("K1ABC");
}

TEST(CountryFileParsing, FileThatCannotBeReadGivesNothing)
{
    EXPECT_FALSE(CountryFile::FromFile("/nonexistent/cty.dat").has_value());
}

TEST(CallPrefix, EndsWithTheLastDigitOfTheCall)
{
    EXPECT_EQ(CallPrefix("K5DJ"), "K5");
    EXPECT_EQ(CallPrefix("JA1XYZ"), "JA1");
    EXPECT_EQ(CallPrefix("VE3ABC"), "VE3");
    EXPECT_EQ(CallPrefix("4X1AB"), "4X1");
    EXPECT_EQ(CallPrefix("3DA0RU"), "3DA0");
    EXPECT_EQ(CallPrefix("TC50TRAC"), "TC50");
}

TEST(CallPrefix, AreaDigitSuffixReplacesTheCallArea)
{
    EXPECT_EQ(CallPrefix("K5DJ/1"), "K1");
    EXPECT_EQ(CallPrefix("JA1XYZ/6/P"), "JA6");
}

TEST(CallPrefix, LocationPrefixIsTheCallPrefix)
{
    EXPECT_EQ(CallPrefix("VE3/K5DJ"), "VE3");
    EXPECT_EQ(CallPrefix("K5DJ/VE3"), "VE3");
    EXPECT_EQ(CallPrefix("DL/K1ABC"), "DL");
    EXPECT_EQ(CallPrefix("VE3/K5DJ/1"), "VE3");
}

TEST(CallPrefix, OperatingSuffixesChangeNothing)
{
    for (const char* call : {"K5DJ/P", "K5DJ/M", "K5DJ/MM", "K5DJ/AM", "K5DJ/QRP", "K5DJ/P/QRP"}) {
        EXPECT_EQ(CallPrefix(call), "K5") << call;
    }
}

TEST(CallPrefix, CallWithoutDigitHasNoCallArea)
{
    EXPECT_EQ(CallPrefix("RAEM"), "RAEM");
    EXPECT_EQ(CallPrefix(""), "");
    EXPECT_EQ(CallPrefix("///"), "");
}

TEST_F(CountryFileTest, TellsTheHostWhatItKnowsAboutTheStation)
{
    Qso qso;
    qso.call = "K5DJ/1";
    qso.frequencyHz = 5'000'000'000ull;
    const HostQso host = DescribeForHost(qso, file);
    EXPECT_TRUE(host.knownCall);
    EXPECT_EQ("K", host.dxccPrefix);
    EXPECT_EQ("NA", host.continent);
    EXPECT_EQ('1', host.callPrefix.back());
    EXPECT_EQ(4294967295u, host.frequencyHz) << "the host's frequency is a 32-bit number";

    qso.call = "9Z9ZZ";
    const HostQso unknown = DescribeForHost(qso, file);
    EXPECT_FALSE(unknown.knownCall);
    EXPECT_EQ("", unknown.dxccPrefix);
}

// Against the country file that Debian's hamradio-files installs.
constexpr const char* kDebianCountryFile = "/usr/share/hamradio-files/cty.dat";

class RealCountryFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { file = new std::optional<CountryFile>(CountryFile::FromFile(kDebianCountryFile)); }
    static void TearDownTestSuite() { delete file; }
    void SetUp() override
    {
        if (!file->has_value())
            GTEST_SKIP() << kDebianCountryFile << " is not installed";
    }
    static std::string Describe(const char* call)
    {
        auto info = (*file)->Lookup(call);
        return info ? info->dxccPrefix + " " + info->continent : "not found";
    }
    static std::optional<CountryFile>* file;
};

std::optional<CountryFile>* RealCountryFile::file = nullptr;

TEST_F(RealCountryFile, ReadsWithoutProblems)
{
    EXPECT_GT((*file)->EntityCount(), 300u);
    EXPECT_TRUE((*file)->Problems().empty());
}

TEST_F(RealCountryFile, GivesTheEntitiesWithCallAreas)
{
    EXPECT_EQ(Describe("W1AW"), "K NA");
    EXPECT_EQ(Describe("VE3ABC"), "VE NA");
    EXPECT_EQ(Describe("JA1XYZ"), "JA AS");
    EXPECT_EQ(Describe("VK2ABC"), "VK OC");
}

TEST_F(RealCountryFile, LongerPrefixCanNameAnotherEntity)
{
    EXPECT_EQ(Describe("LU1ABC"), "LU SA");
    EXPECT_EQ(Describe("LU1ZAB"), "CE9 SA"); // an Argentine station in Antarctica
}

TEST_F(RealCountryFile, ResolvesEachNonDxccEntity)
{
    EXPECT_EQ(Describe("IT9ABC"), "I EU");  // Sicily
    EXPECT_EQ(Describe("IG9ABC"), "I AF");  // African Italy
    EXPECT_EQ(Describe("TA1ABC"), "TA EU"); // European Turkey
    EXPECT_EQ(Describe("4U1VIC"), "OE EU"); // Vienna Intl Ctr
    EXPECT_EQ(Describe("GM0AVR"), "GM EU"); // Shetland Islands
    EXPECT_EQ(Describe("JW0BEA"), "JW EU"); // Bear Island
}

} // namespace
