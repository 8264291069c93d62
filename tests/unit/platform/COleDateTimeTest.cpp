#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "platform/COleDateTime.h"

TEST(COleDateTime, CountsDaysFromTheLastDaysOf1899)
{
    EXPECT_DOUBLE_EQ(0.0, COleDateTime(1899, 12, 30, 0, 0, 0).m_dt);
    EXPECT_DOUBLE_EQ(43120.0 + (14 * 60 + 5) / 1440.0, COleDateTime(2018, 1, 20, 14, 5, 0).m_dt);
    EXPECT_DOUBLE_EQ(-1.25, COleDateTime(1899, 12, 29, 6, 0, 0).m_dt);
}

TEST(COleDateTime, FormatsTheContestCodes)
{
    const COleDateTime time(2018, 3, 5, 9, 6, 30);
    EXPECT_EQ("2018-03-05 0906", time.Format("%Y-%m-%d %H%M"));
    EXPECT_EQ("05.03", time.Format("%d.%m"));
    EXPECT_EQ("05_03_2018", time.Format("%d_%m_%Y"));
    EXPECT_EQ("18 064 30 %", time.Format("%y %j %S %%"));
    EXPECT_EQ("%Q stays", time.Format("%Q stays"));
}

TEST(COleDateTime, RoundsToTheNearestSecond)
{
    const double oneSecond = 1.0 / 86400;
    EXPECT_EQ("2018-01-20 235959", COleDateTime(43120.0 + 1 - oneSecond * 1.4).Format("%Y-%m-%d %H%M%S"));
    EXPECT_EQ("2018-01-21 000000", COleDateTime(43120.0 + 1 - oneSecond * 0.4).Format("%Y-%m-%d %H%M%S"));
    EXPECT_EQ("1899-12-29 0600", COleDateTime(-1.25).Format("%Y-%m-%d %H%M"));
}

TEST(COleDateTime, NullFormatsEmptyAndInvalidSaysSo)
{
    COleDateTime nullDate;
    nullDate.m_status = COleDateTime::null;
    EXPECT_EQ("", nullDate.Format("%Y"));
    COleDateTime invalidDate;
    invalidDate.m_status = COleDateTime::invalid;
    EXPECT_EQ("Invalid DateTime", invalidDate.Format("%Y"));
}

TEST(COleDateTime, HostValuesOutsideTheYears100To9999AreInvalid)
{
    for (double days : {-657435.0, 2958466.0, 1e300, -1e300, std::nan(""), std::numeric_limits<double>::infinity()}) {
        COleDateTime host(days);
        EXPECT_EQ(COleDateTime::invalid, COleDateTime::FromHost(&host).GetStatus()) << days;
        EXPECT_EQ("Invalid DateTime", host.Format("%Y"));
    }
    COleDateTime lastSecond(2958465.99999);
    EXPECT_EQ("9999-12-31 2359", COleDateTime::FromHost(&lastSecond).Format("%Y-%m-%d %H%M"));
}

TEST(COleDateTime, HostPointerNullOrWithAnUnknownStatus)
{
    EXPECT_EQ(COleDateTime::null, COleDateTime::FromHost(nullptr).GetStatus());
    COleDateTime odd(43120.0);
    odd.m_status = 77;
    EXPECT_EQ(COleDateTime::invalid, COleDateTime::FromHost(&odd).GetStatus());
}

TEST(COleDateTime, ImpossibleCalendarDatesAreInvalid)
{
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(2018, 2, 30, 0, 0, 0).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(2018, 1, 1, 24, 0, 0).GetStatus());
    EXPECT_EQ(COleDateTime::valid, COleDateTime(2016, 2, 29, 0, 0, 0).GetStatus());
}
