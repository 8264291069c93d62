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

TestQso UsStation(const char* call, const char* callPrefix, const char* band)
{
    TestQso qso;
    qso.call = call;
    qso.callPrefix = callPrefix;
    qso.dxccPrefix = "K";
    qso.continent = "NA";
    qso.band = band;
    return qso;
}

TestQso K1abcOn40m()
{
    TestQso qso = UsStation("K1ABC", "K1", "40m");
    qso.time = HostTime(2018, 1, 20, 12, 5);
    qso.frequencyHz = 7040000;
    qso.sentExchange = "002";
    qso.receivedExchange = "014";
    return qso;
}
