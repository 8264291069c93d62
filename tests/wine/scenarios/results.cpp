// The result of a small contest through the real DLL: the text, the HTML page and the claimed
// score in the settings file.
#include <string>

#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/StatsLibrary.h"

namespace {

// 20.01 to 21.01.2018 for N0CALL. On 80m a K station of call area 1 and a DL station, then the
// DL station again (a duplicate); on 40m the DL station once more; one QSO on 160m, which the
// contest does not have.
void LogTheExampleContest(Host& host)
{
    EXPECT_EQ(1, host.StartContest({.contestant = "N0CALL", .start = HostTime(2018, 1, 20), .end = HostTime(2018, 1, 21)}));
    EXPECT_EQ(1, host.AddQso({.call = "K1ABC", .time = HostTime(2018, 1, 20, 12, 0), .receivedExchange = "001",
                             .callPrefix = "K1", .dxccPrefix = "K", .continent = "NA", .band = "80m"}));
    EXPECT_EQ(1, host.AddQso({.call = "DL1ABC", .time = HostTime(2018, 1, 20, 12, 5), .receivedExchange = "002",
                             .callPrefix = "DL1", .dxccPrefix = "DL", .continent = "EU", .band = "80m"}));
    EXPECT_EQ(1, host.AddQso({.call = "DL1ABC", .time = HostTime(2018, 1, 20, 12, 10), .receivedExchange = "003",
                             .callPrefix = "DL1", .dxccPrefix = "DL", .continent = "EU", .band = "80m"}));
    EXPECT_EQ(1, host.AddQso({.call = "DL1ABC", .time = HostTime(2018, 1, 20, 13, 0), .receivedExchange = "004",
                             .callPrefix = "DL1", .dxccPrefix = "DL", .continent = "EU", .band = "40m"}));
    EXPECT_EQ(0, host.AddQso({.call = "G4ABC", .time = HostTime(2018, 1, 20, 14, 0), .frequencyHz = 1838000,
                             .receivedExchange = "005", .callPrefix = "G4", .dxccPrefix = "G", .continent = "EU",
                             .band = "160m"}));
}

std::string Cell(const std::string& tag, const std::string& content)
{
    std::string cell = "<";
    cell += tag;
    cell += "><center>";
    cell += content;
    cell += "</center></";
    cell += tag;
    cell += ">";
    return cell;
}

std::string BandRow(const char* band, int qsos)
{
    std::string row = "<tr>" + Cell("th", band) + Cell("td", std::to_string(qsos)) + Cell("td", std::to_string(qsos));
    for (int column = 0; column < 6; ++column)
        row += Cell("td", " ");
    return row + "</tr>";
}

std::string CountRow(const char* label, int count)
{
    return "<tr>" + Cell("th", label) + Cell("td", std::to_string(count)) + "<td colspan=7> </td></tr>";
}

} // namespace

TEST(Result, TextOfTheExampleContest)
{
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    MakeFolder("Plugins");
    LogTheExampleContest(host);

    const std::string expected =
        "\t\tBARTG-SPRINT RTTY 20.01-21.01.2018 \r\n"
        "\t\t\tContestant: N0CALL\r\n"
        "Band\tQSOs\tPoints\tDXCC\tCont\t K \tJA\tVE\tVK\tiMults\r\n"
        "80m\t 2\t 2\r\n"
        "40m\t 1\t 1\r\n"
        "Total\t 3\t 3\t 2\t 2\t 1\t 0\t 0\t 0\t 3\r\n"
        "Dupe\t 1\r\n"
        "Bad QSO\t 1\r\n"
        "Score = 3 * 3 * 2 = 18 \r\n";
    EXPECT_TEXT_EQ(expected, host.Result());
    // The claimed score is the score itself: points x (entities + call areas) x continents.
    EXPECT_TEXT_EQ("18", PluginSetting("Claimed"));

    // Asking again recounts the same QSOs to the same text.
    EXPECT_TEXT_EQ(expected, host.Result());
    // The decorated name reaches the same result.
    Host decoratedHost(library.ByDecoratedName());
    EXPECT_TEXT_EQ(expected, decoratedHost.Result());
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
    LogTheExampleContest(host);

    const std::string expected =
        "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; border-collapse: "
        "collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ background-color: #fffac6; color: black; }"
        "</style></head><body>"
        "<center><b>   BARTG-SPRINT RTTY Contest 20.01-21.01.2018</b></center>"
        "<center>Contestant:  <b>N0CALL</center></b><table>"
        "<tr><th>Band</th><th>QSOs</th><th>Points</th><th>DXCC</th><th>Cont</th><th>K</th><th>JA</th><th>VE</th>"
        "<th>VK</th></tr>"
        + BandRow("80m", 2) + BandRow("40m", 1)
        + "<tr>" + Cell("th", "Total") + Cell("td", "3") + Cell("td", "3") + Cell("td", "2") + Cell("td", "2")
        + Cell("td", "1") + Cell("td", "0") + Cell("td", "0") + Cell("td", "0") + "</tr>"
        + CountRow("Dupe", 1) + CountRow("Bad QSO", 1)
        + "<tr><th>Score:</th><td colspan=8><center>3 * 3 * 2 = 18</center></td></tr>"
        + "</table></body></html>";
    EXPECT_TEXT_EQ(expected, host.Result());
    EXPECT_TEXT_EQ("18", PluginSetting("Claimed"));
}
