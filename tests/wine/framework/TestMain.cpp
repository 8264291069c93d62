// main of stats_wine_tests.exe: GoogleTest with two listeners of our own.
// - Fatal failures end the whole test, also inside helpers (see Assertions.h).
// - A watchdog ends the process with exit code 3 when one test runs longer than
//   STATS_TEST_SECONDS (default 60): a test stuck in a modal window or a dead-lock cannot be
//   unwound.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr DWORD kDefaultTestSeconds = 60;
constexpr UINT kTimeoutExitCode = 3;

class EndTestOnFatalFailure : public testing::EmptyTestEventListener {
    void OnTestPartResult(const testing::TestPartResult& result) override
    {
        if (result.fatally_failed())
            throw testing::AssertionException(result);
    }
};

class Watchdog : public testing::EmptyTestEventListener {
public:
    Watchdog() : seconds_(TimeLimitSeconds()), testEnded_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Watchdog() override { CloseHandle(testEnded_); }

private:
    static DWORD TimeLimitSeconds()
    {
        if (const char* text = std::getenv("STATS_TEST_SECONDS"))
            if (const long value = std::strtol(text, nullptr, 10); value > 0)
                return static_cast<DWORD>(value);
        return kDefaultTestSeconds;
    }

    void OnTestStart(const testing::TestInfo& test) override
    {
        testName_ = std::string(test.test_suite_name()) + "." + test.name();
        ResetEvent(testEnded_);
        thread_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
    }

    void OnTestEnd(const testing::TestInfo&) override
    {
        SetEvent(testEnded_);
        if (thread_) {
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
            thread_ = nullptr;
        }
    }

    static DWORD WINAPI Watch(void* parameter)
    {
        const Watchdog& self = *static_cast<const Watchdog*>(parameter);
        if (WaitForSingleObject(self.testEnded_, self.seconds_ * 1000) == WAIT_TIMEOUT) {
            std::printf("TIMEOUT: %s ran longer than %lu s\n", self.testName_.c_str(),
                        static_cast<unsigned long>(self.seconds_));
            std::fflush(stdout);
            TerminateProcess(GetCurrentProcess(), kTimeoutExitCode);
        }
        return 0;
    }

    const DWORD seconds_;
    const HANDLE testEnded_;
    HANDLE thread_ = nullptr;
    std::string testName_;
};

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    listeners.Append(new EndTestOnFatalFailure);
    listeners.Append(new Watchdog);
    return RUN_ALL_TESTS();
}
