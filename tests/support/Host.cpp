#include "tests/support/Host.h"

#include <gtest/gtest.h>

COleDateTime HostTime(int year, int month, int day, int hour, int minute)
{
    return COleDateTime(year, month, day, hour, minute, 0);
}

std::string Host::Result(int& status) const
{
    const char* text = m_exports.GetResult0(&status);
    EXPECT_NE(nullptr, text) << "GetResult0 returned a null pointer";
    return text ? text : "";
}

std::string Host::Result() const
{
    constexpr int kHostsValue = 12345;
    int status = kHostsValue;
    std::string text = Result(status);
    EXPECT_EQ(kHostsValue, status) << "GetResult0 outside Cabrillo mode changed the host's int";
    return text;
}

LoggedQso UsStation(const char* call, const char* callPrefix, const char* band)
{
    LoggedQso qso;
    qso.call = call;
    qso.callPrefix = callPrefix;
    qso.dxccPrefix = "K";
    qso.continent = "NA";
    qso.band = band;
    return qso;
}
