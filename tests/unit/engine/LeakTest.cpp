// A long contest through every export under LeakSanitizer (the native test build has ASan):
// nothing the plug-in allocates may be left unreachable.
#include <string>
#include <vector>

#include "tests/unit/support/TestWorkspace.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define STATS_LEAK_CHECK 1
#endif

class LeakTest : public TestWorkspace { };

TEST_F(LeakTest, TenThousandQsosThroughEveryExportLeaveNothingBehind)
{
#ifndef STATS_LEAK_CHECK
    GTEST_SKIP() << "needs the sanitizer build";
#else
    const char* const bands[] = {"80m", "40m", "20m", "15m", "10m", "160m"};
    const char* const entities[][3] = {{"K", "NA", "W"}, {"JA", "AS", "JA"}, {"VE", "NA", "VE"}, {"VK", "OC", "VK"},
        {"DL", "EU", "DL"}, {"ZS", "AF", "ZS"}};
    const TestContestStart cabrilloMode{.cabrilloMode = 1};
    host.StartContest(cabrilloMode);
    host.StartContest();
    for (int i = 0; i < 10000; ++i) {
        const auto& entity = entities[i % 6];
        const std::string prefix = entity[2] + std::to_string(i % 10);
        const std::string call = prefix + std::to_string(i % 3000) + "AB";
        const TestQso qso{.call = call.c_str(),
            .time = COleDateTime(COleDateTime(2018, 1, 20, 12, 0, 0).m_dt + i / 1440.0),
            .mode = i % 50 == 7 ? "PSK" : "RTTY",
            .callPrefix = prefix.c_str(),
            .dxccPrefix = entity[0],
            .continent = entity[1],
            .band = bands[i % 6]};
        host.AddQso(qso);
        host.CheckCall(
            {.call = qso.call, .callPrefix = qso.callPrefix, .dxccPrefix = qso.dxccPrefix, .band = qso.band});
        IsValidExchg0(std::to_string(i).c_str(), nullptr, nullptr, nullptr, 0, 0, 0);
        GetExchgCount0(nullptr, nullptr, nullptr);
        if (i % 10 == 3)
            host.RemoveQso(qso);
        if (i % 1000 == 999) {
            host.Result();
            setVersion("2.19");
        }
    }
    GetSetName(0);
    GetNumberOfSets();
    SetupSet0();
    host.StartContest(cabrilloMode);
    int status = 0;
    host.Result(status);
    EXPECT_EQ(-1, status);
    EXPECT_EQ(0, __lsan_do_recoverable_leak_check());
#endif
}
