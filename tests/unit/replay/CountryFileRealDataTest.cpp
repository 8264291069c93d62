// Checks against the country file that Debian's hamradio-files installs.
#include <gtest/gtest.h>

#include <optional>

#include "tools/stats-replay/CountryFile.h"

namespace replay {
namespace {

constexpr const char* kDebianCountryFile = "/usr/share/hamradio-files/cty.dat";

class RealCountryFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { file = new std::optional<CountryFile>(CountryFile::FromFile(kDebianCountryFile)); }
    static void TearDownTestSuite() { delete file; }
    void SetUp() override {
        if (!file->has_value()) GTEST_SKIP() << kDebianCountryFile << " is not installed";
    }
    static std::string Describe(const char* call) {
        auto info = (*file)->Lookup(call);
        return info ? info->dxccPrefix + " " + info->continent : "not found";
    }
    static std::optional<CountryFile>* file;
};

std::optional<CountryFile>* RealCountryFile::file = nullptr;

TEST_F(RealCountryFile, ReadsWithoutProblems) {
    EXPECT_GT((*file)->EntityCount(), 300u);
    EXPECT_TRUE((*file)->Problems().empty());
}

TEST_F(RealCountryFile, GivesTheEntitiesWithCallAreas) {
    EXPECT_EQ(Describe("W1AW"), "K NA");
    EXPECT_EQ(Describe("VE3ABC"), "VE NA");
    EXPECT_EQ(Describe("JA1XYZ"), "JA AS");
    EXPECT_EQ(Describe("VK2ABC"), "VK OC");
}

TEST_F(RealCountryFile, LongerPrefixCanNameAnotherEntity) {
    EXPECT_EQ(Describe("LU1ABC"), "LU SA");
    EXPECT_EQ(Describe("LU1ZAB"), "CE9 SA");  // an Argentine station in Antarctica
}

TEST_F(RealCountryFile, ResolvesEachNonDxccEntity) {
    EXPECT_EQ(Describe("IT9ABC"), "I EU");       // Sicily
    EXPECT_EQ(Describe("IG9ABC"), "I AF");       // African Italy
    EXPECT_EQ(Describe("TA1ABC"), "TA EU");      // European Turkey
    EXPECT_EQ(Describe("4U1VIC"), "OE EU");      // Vienna Intl Ctr
    EXPECT_EQ(Describe("GM0AVR"), "GM EU");      // Shetland Islands
    EXPECT_EQ(Describe("JW0BEA"), "JW EU");      // Bear Island
}

}  // namespace
}  // namespace replay
