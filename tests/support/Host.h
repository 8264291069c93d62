#pragma once
// The plug-in driven as the host drives it, for the native and the Wine tests: the export
// boundary's named calls with the values of the test contest (TestArguments.h), which a test
// overrides where it matters (`host.AddQso({.call = "K1ABC", .band = "40m"})`), and the result
// as a text.
#include <string>

#include "tests/support/TestArguments.h"
#include "tools/stats-exports/StatsExports.h"

// A host date-time value: days since 30 December 1899, the fraction the time of day.
COleDateTime HostTime(int year, int month, int day, int hour = 0, int minute = 0);

class Host {
public:
    explicit Host(const StatsExports& exports) : m_exports(exports) { }

    int StartContest(const TestContestStart& start = {}) const { return m_exports.ResetStats(start); }
    int AddQso(const TestQso& qso) const { return m_exports.AddData(qso); }
    int RemoveQso(const TestQso& qso) const { return m_exports.RemoveData(qso); }
    int CheckCall(const TestEnteredCall& entered) const { return m_exports.CheckCall(entered); }
    // GetResult0's text (a failure and "" for a null pointer); `status` is what the host's int
    // holds afterwards.
    std::string Result(int& status) const;
    // GetResult0 outside Cabrillo mode: also expects that the plug-in leaves the host's int alone.
    std::string Result() const;

    const StatsExports& Exports() const { return m_exports; }

private:
    StatsExports m_exports;
};

// A QSO with a station of the K entity (call area: the last digit of the prefix).
TestQso UsStation(const char* call, const char* callPrefix, const char* band = "80m");

// K1ABC on 40m at 2018-01-20 1205, serial numbers 002 sent and 014 received: the Cabrillo
// tests' second QSO, after the default one.
TestQso K1abcOn40m();
