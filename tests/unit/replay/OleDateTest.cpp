#include "tools/stats-replay/OleDate.h"

#include <gtest/gtest.h>

namespace replay {
namespace {

TEST(OleDate, CountsDaysFromTheEndOf1899) {
    EXPECT_DOUBLE_EQ(ToOleDate(1899, 12, 30, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(ToOleDate(1900, 1, 1, 0, 0), 2.0);
    EXPECT_DOUBLE_EQ(ToOleDate(2000, 1, 1, 0, 0), 36526.0);
}

TEST(OleDate, AddsTheTimeOfDayAsFraction) {
    EXPECT_NEAR(ToOleDate(2018, 1, 20, 14, 5), 43120.586805555, 1e-9);
    EXPECT_DOUBLE_EQ(ToOleDate(QsoTime{2018, 1, 21, 12, 0}), 43121.5);
}

TEST(OleDate, CountsLeapDays) {
    EXPECT_DOUBLE_EQ(ToOleDate(2016, 3, 1, 0, 0) - ToOleDate(2016, 2, 28, 0, 0), 2.0);
    EXPECT_DOUBLE_EQ(ToOleDate(2100, 3, 1, 0, 0) - ToOleDate(2100, 2, 28, 0, 0), 1.0);
}

TEST(OleDate, BeforeTheEpochTheTimeStillCountsForwards) {
    EXPECT_DOUBLE_EQ(ToOleDate(1899, 12, 29, 6, 0), -1.25);
}

}  // namespace
}  // namespace replay
