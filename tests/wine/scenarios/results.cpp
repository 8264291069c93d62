// The result of the worked example through the real DLL: the text, the HTML page and the claimed
// score in the settings file.
#include <string>

#include "tests/support/WorkedExample.h"
#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/StatsLibrary.h"

TEST(Result, TextOfTheExampleContest)
{
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    MakeFolder("Plugins");
    EXPECT_EQ(1, host.StartContest());
    LogTheWorkedExample(host);

    EXPECT_TEXT_EQ(WorkedExampleText(), host.Result());
    // The claimed score is the score itself: points x (entities + call areas) x continents.
    EXPECT_TEXT_EQ("18", PluginSetting("Claimed"));
    // Asking again recounts the same QSOs to the same text.
    EXPECT_TEXT_EQ(WorkedExampleText(), host.Result());
    // The decorated name reaches the same result.
    EXPECT_TEXT_EQ(WorkedExampleText(), Host(library.ByDecoratedName()).Result());
}

TEST(Result, HtmlPageOfTheExampleContest)
{
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    MakeFolder("Plugins");
    // Once set, HTML stays on: a second setVersion, even with a null version, changes nothing.
    EXPECT_EQ(0ul, library.ByPlainName().setVersion("2.30"));
    EXPECT_EQ(0ul, library.ByPlainName().setVersion(nullptr));
    EXPECT_EQ(1, host.StartContest());
    LogTheWorkedExample(host);

    EXPECT_TEXT_EQ(WorkedExampleHtml(), host.Result());
    EXPECT_TEXT_EQ("18", PluginSetting("Claimed"));
}
