#include "tools/stats-replay/CallPrefix.h"

#include <gtest/gtest.h>

namespace replay {
namespace {

TEST(CallPrefix, EndsWithTheLastDigitOfTheCall) {
    EXPECT_EQ(CallPrefix("K5DJ"), "K5");
    EXPECT_EQ(CallPrefix("JA1XYZ"), "JA1");
    EXPECT_EQ(CallPrefix("VE3ABC"), "VE3");
    EXPECT_EQ(CallPrefix("4X1AB"), "4X1");
    EXPECT_EQ(CallPrefix("3DA0RU"), "3DA0");
    EXPECT_EQ(CallPrefix("TC50TRAC"), "TC50");
}

TEST(CallPrefix, AreaDigitSuffixReplacesTheCallArea) {
    EXPECT_EQ(CallPrefix("K5DJ/1"), "K1");
    EXPECT_EQ(CallPrefix("JA1XYZ/6/P"), "JA6");
}

TEST(CallPrefix, LocationPrefixIsTheCallPrefix) {
    EXPECT_EQ(CallPrefix("VE3/K5DJ"), "VE3");
    EXPECT_EQ(CallPrefix("K5DJ/VE3"), "VE3");
    EXPECT_EQ(CallPrefix("DL/K1ABC"), "DL");
    EXPECT_EQ(CallPrefix("VE3/K5DJ/1"), "VE3");
}

TEST(CallPrefix, OperatingSuffixesChangeNothing) {
    for (const char* call : {"K5DJ/P", "K5DJ/M", "K5DJ/MM", "K5DJ/AM", "K5DJ/QRP", "K5DJ/P/QRP"}) {
        EXPECT_EQ(CallPrefix(call), "K5") << call;
    }
}

TEST(CallPrefix, CallWithoutDigitHasNoCallArea) {
    EXPECT_EQ(CallPrefix("RAEM"), "RAEM");
    EXPECT_EQ(CallPrefix(""), "");
    EXPECT_EQ(CallPrefix("///"), "");
}

}  // namespace
}  // namespace replay
