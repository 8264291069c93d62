// main of stats_wine_tests.exe: GoogleTest with a listener that ends the whole test at a fatal
// failure, also inside helpers (see Assertions.h). A test that hangs is ended by ctest's
// TIMEOUT (tests/wine/CMakeLists.txt).
#include <gtest/gtest.h>

namespace {

class EndTestOnFatalFailure : public testing::EmptyTestEventListener {
    void OnTestPartResult(const testing::TestPartResult& result) override
    {
        if (result.fatally_failed())
            throw testing::AssertionException(result);
    }
};

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new EndTestOnFatalFailure);
    return RUN_ALL_TESTS();
}
