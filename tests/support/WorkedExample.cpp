#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

// STATS_GOLDEN_FOLDER: the build names tests/golden of the source tree (under Wine on drive Z:).
std::string GoldenFile(const char* name)
{
    const std::string path = std::string(STATS_GOLDEN_FOLDER) + "/" + name;
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << "cannot read the golden file " << path;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

void LogTheWorkedExample(const Host& host)
{
    EXPECT_EQ(1, host.AddQso(UsStation("W1AW", "W1")));
    EXPECT_EQ(1, host.AddQso({}));
    EXPECT_EQ(1, host.AddQso({}));
    EXPECT_EQ(1, host.AddQso({.band = "40m"}));
    EXPECT_EQ(0, host.AddQso({.band = "160m"}));
}

std::string WorkedExampleText() { return GoldenFile("worked-example.txt"); }

std::string WorkedExampleHtml() { return GoldenFile("worked-example.html"); }
