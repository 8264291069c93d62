// Whatever a host passes, the real DLL neither crashes nor loses its footing: null pointers in
// every pointer position, texts of a megabyte in every text position, dates that are null,
// invalid or out of range, and a null status pointer for GetResult0.
#include <windows.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/DialogWatcher.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/StatsLibrary.h"

namespace {

const std::string kLogHeader = "BARTG SPRINT RTTY TEST UBN file \r\n";

std::string ResultHeading(const std::string& dates, const std::string& contestant)
{
    return "\t\tBARTG-SPRINT RTTY " + dates + " \r\n\t\t\tContestant: " + contestant
        + "\r\nBand\tQSOs\tPoints\tDXCC\tCont\t K \tJA\tVE\tVK\tiMults\r\n";
}

// A line of the rejected-QSO log with these fields.
std::string LogLine(const std::string& kHz, const std::string& mode, const std::string& time,
    const std::string& ownCall, const std::string& sentRst, const std::string& sentNumber, const std::string& call,
    const std::string& receivedRst, const std::string& receivedNumber, const std::string& reason)
{
    return "QSO:  " + kHz + "  " + mode + "  " + time + "  " + ownCall + "  " + sentRst + "  " + sentNumber + "  "
        + call + "  " + receivedRst + "  " + receivedNumber + reason + "\r\n";
}

// The text of the example contest with one counted DL QSO on 80m, which any later contest
// gives whatever came before.
void CheckAFreshContestCountsNormally(Host& host)
{
    EXPECT_EQ(1, host.StartContest());
    EXPECT_EQ(1, host.AddQso({}));
    EXPECT_TEXT_EQ(ResultHeading("20.01-21.01.2018", "N0CALL")
            + "80m\t 1\t 1\r\nTotal\t 1\t 1\t 1\t 1\t 0\t 0\t 0\t 0\t 1\r\nDupe\t 0\r\nBad QSO\t 0\r\n"
              "Score = 1 * 1 * 1 = 1 \r\n",
        host.Result());
}

COleDateTime DateWithStatus(double days, int status)
{
    COleDateTime date(days);
    date.m_status = status;
    return date;
}

} // namespace

TEST(Robustness, NullPointersEverywhere)
{
    StatsLibrary library;
    const StatsExports& dll = library.ByPlainName();
    WriteHostSettings();
    MakeFolder("Plugins");

    // A null host folder searches the current folder; null dates give empty date texts.
    EXPECT_EQ(1,
        dll.ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr));
    const std::string log = "BadQSO_StatsBARTGSPRINT_.txt";
    EXPECT_TEXT_EQ(kLogHeader, ReadFileBytes(log));
    EXPECT_EQ(1,
        dll.RemoveData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0,
            0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(4,
        dll.CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            nullptr));
    EXPECT_EQ(1,
        dll.CheckCall0(nullptr, 0, 0, "RTTY", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr, "80m", nullptr, nullptr,
            nullptr));

    // No band: rejected. A band but no mode: rejected. Band, mode and numbers only: stored,
    // but a QSO without a callsign counts for nothing.
    EXPECT_EQ(0,
        dll.AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0,
            0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(0,
        dll.AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0,
            0.0, 0.0, nullptr, nullptr, nullptr, "80m", nullptr));
    EXPECT_EQ(1,
        dll.AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, "RTTY", nullptr, nullptr, "001", "002",
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
            nullptr, nullptr, nullptr, "80m", nullptr));
    EXPECT_TEXT_EQ(kLogHeader + LogLine("0", "", "", "", "", "", "", "", "", "   WRONG BAND !!!")
            + LogLine("0", "", "", "", "", "", "", "", "", "   WRONG MODE !!!"),
        ReadFileBytes(log));

    // Outside Cabrillo mode GetResult0 writes nothing through its status pointer.
    EXPECT_TEXT_EQ(ResultHeading("-", "")
            + "80m\t 0\t 0\r\nTotal\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\n"
              "Bad QSO\t 2\r\nScore = 0 * 0 * 0 = 0 \r\n",
        dll.GetResult0(nullptr));

    Host host(dll);
    CheckAFreshContestCountsNormally(host);
}

TEST(Robustness, MegabyteTextsEverywhere)
{
    StatsLibrary library;
    const StatsExports& dll = library.ByPlainName();
    const std::string huge(1 << 20, 'A');
    const char* h = huge.c_str();
    const std::string digits(1 << 20, '1');
    WriteHostSettings();
    // A host folder of a megabyte holds no host settings file, and the plug-in would start its
    // windows for an unknown host; "Start" = 1 makes this start skip them.
    WritePluginSettings("[Settings]\nStart=1");

    COleDateTime start = HostTime(2018, 1, 20);
    COleDateTime end = HostTime(2018, 1, 21);
    COleDateTime time = HostTime(2018, 1, 20, 12, 0);
    EXPECT_EQ(1, dll.ResetStats0(h, 0, h, &start, &end, h, h, h, h, h, h, h, h, h, h, 0, 0, 0, 0.0, 0.0, h, h, h));
    EXPECT_EQ(0,
        dll.AddData0(h, h, &time, &time, &time, &time, 0, 14085000, h, h, h, h, h, h, h, h, h, h, h, h, h, h, h, 0, 0,
            0, 0.0, 0.0, h, h, h, h, h));
    EXPECT_EQ(1,
        dll.AddData0(h, h, &time, &time, &time, &time, 0, 3580000, "RTTY", h, h, h, h, h, h, h, h, h, h, h, h, h, h, 0,
            0, 0, 0.0, 0.0, h, h, h, "80m", h));
    EXPECT_EQ(1,
        dll.AddData0(h, h, &time, &time, &time, &time, 0, 3580000, "RTTY", h, h, h, h, h, h, h, h, h, h, h, h, h, h, 0,
            0, 0, 0.0, 0.0, h, h, h, "80m", h));
    const std::string log = "BadQSO_StatsBARTGSPRINT_21_01_2018.txt";
    EXPECT_TEXT_EQ(kLogHeader
            + LogLine("14085", huge, "2018-01-20 1200", huge, huge, huge, huge, huge, huge, "   WRONG BAND !!!")
            + LogLine("3580", "RTTY", "2018-01-20 1200", huge, huge, huge, huge, huge, huge, "   DUPE !!!"),
        ReadFileBytes(log));

    char unused[2][16] = {"", ""};
    EXPECT_EQ(4,
        dll.CheckCall0(
            h, 0, 0, h, h, h, h, h, h, h, h, h, h, h, 0, 0, 0, 0.0, 0.0, h, h, h, h, h, h, h, unused[0], unused[1]));
    EXPECT_EQ(0,
        dll.CheckCall0(h, 0, 0, "RTTY", h, h, h, h, h, h, h, h, h, h, 0, 0, 0, 0.0, 0.0, h, h, h, h, h, "80m", nullptr,
            unused[0], unused[1]));
    EXPECT_EQ(0, dll.IsValidExchg0(digits.c_str(), h, h, h, 0, 0, 0));
    EXPECT_EQ(1, dll.GetExchgCount0(h, h, h));

    // One counted QSO: its entity and its continent are texts of a megabyte, one of each.
    Host host(dll);
    EXPECT_TEXT_EQ(ResultHeading("20.01-21.01.2018", huge)
            + "80m\t 1\t 1\r\nTotal\t 1\t 1\t 1\t 1\t 0\t 0\t 0\t 0\t 1\r\nDupe\t 1\r\nBad QSO\t 1\r\n"
              "Score = 1 * 1 * 1 = 1 \r\n",
        host.Result());

    // Deleting the QSO takes the first of the two and both lines, which have its call and time.
    EXPECT_EQ(1,
        dll.RemoveData0(h, h, &time, &time, &time, &time, 0, 0, "RTTY", h, h, h, h, h, h, h, h, h, h, h, h, h, h, 0, 0,
            0, 0.0, 0.0, h, h, h, "80m", h));
    EXPECT_TEXT_EQ(kLogHeader, ReadFileBytes(log));
    EXPECT_TEXT_EQ(ResultHeading("20.01-21.01.2018", huge)
            + "80m\t 0\t 0\r\nTotal\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 1\r\nBad QSO\t 0\r\n"
              "Score = 0 * 0 * 0 = 0 \r\n",
        host.Result());

    CheckAFreshContestCountsNormally(host);

    // The HTML page holds the megabyte contestant as well.
    EXPECT_EQ(
        1, dll.ResetStats0(nullptr, 0, h, &start, &end, h, h, h, h, h, h, h, h, h, h, 0, 0, 0, 0.0, 0.0, h, h, h));
    EXPECT_EQ(0ul, dll.setVersion(h));
    const std::string page = host.Result();
    EXPECT_EQ(std::string("<html>"), page.substr(0, 6));
    EXPECT_CONTAINS(page, "<center>Contestant:  <b>" + huge + "</center></b><table>");
    EXPECT_EQ(std::string("</table></body></html>"), page.substr(page.size() - 22));
}

TEST(Robustness, DatesNullInvalidOrOutOfRange)
{
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    MakeFolder("Plugins");

    struct OddDate {
        COleDateTime value;
        std::string text; // how the plug-in writes it
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const OddDate oddDates[] = {
        {DateWithStatus(43120.5, COleDateTime::null), ""},
        {DateWithStatus(43120.5, COleDateTime::invalid), "Invalid DateTime"},
        {DateWithStatus(43120.5, 7), "Invalid DateTime"}, // a status the date class does not have
        {COleDateTime(nan), "Invalid DateTime"}, {COleDateTime(1e300), "Invalid DateTime"},
        {COleDateTime(-1e300), "Invalid DateTime"}, {COleDateTime(3e6), "Invalid DateTime"}, // after the year 9999
    };
    for (const OddDate& date : oddDates) {
        EXPECT_EQ(1, host.StartContest({.start = date.value, .end = date.value}));
        EXPECT_CONTAINS(host.Result(), ResultHeading(date.text + "-" + date.text, "N0CALL"));
        const std::string log = "BadQSO_StatsBARTGSPRINT_" + date.text + ".txt";
        EXPECT_TEXT_EQ(kLogHeader, ReadFileBytes(log));
        EXPECT_EQ(0, host.AddQso({.call = "G4AAA", .time = date.value, .band = "160m"}));
        EXPECT_TEXT_EQ(kLogHeader
                + LogLine(
                    "3580", "RTTY", date.text, "N0CALL", "599", "001", "G4AAA", "599", "005", "   WRONG BAND !!!"),
            ReadFileBytes(log));
        EXPECT_EQ(1, host.AddQso({.call = "DL1ABC", .time = date.value}));
        EXPECT_EQ(1, host.RemoveQso({.call = "DL1ABC", .time = date.value}));
        EXPECT_EQ(2, host.CheckCall({.call = "F5ABC", .callPrefix = "F5", .dxccPrefix = "F"}));
    }

    // A QSO logged without a time is deleted by its callsign, band and mode without a time.
    EXPECT_EQ(1, host.StartContest());
    EXPECT_EQ(1, host.AddQso({.call = "DL1ABC", .time = std::nullopt}));
    EXPECT_CONTAINS(host.Result(), "80m\t 1\t 1\r\n");
    EXPECT_EQ(1, host.RemoveQso({.call = "DL1ABC", .time = std::nullopt}));
    EXPECT_CONTAINS(host.Result(), "80m\t 0\t 0\r\n");

    CheckAFreshContestCountsNormally(host);
}

TEST(Robustness, NullStatusInCabrilloMode)
{
    SKIP_WITHOUT_DISPLAY();
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    MakeFolder("Plugins");
    {
        // The Cabrillo header form, when there is one, is confirmed as it opens.
        DialogWatcher headerForm(DialogWatcher::Press(IDOK), 10000, DialogWatcher::Expect::DialogOrNone);
        EXPECT_EQ(1, host.StartContest({.cabrilloMode = 1}));
        headerForm.Stop();
    }
    EXPECT_EQ(1, host.AddQso({}));

    // In Cabrillo mode GetResult0 reports the file in a message box and then sets the status;
    // without a status pointer it just returns the result.
    DialogWatcher fileMessage(DialogWatcher::Press(IDOK));
    const char* text = library.ByPlainName().GetResult0(nullptr);
    EXPECT_TEXT_EQ(ResultHeading("20.01-21.01.2018", "N0CALL")
            + "80m\t 1\t 1\r\nTotal\t 1\t 1\t 1\t 1\t 0\t 0\t 0\t 0\t 1\r\nDupe\t 0\r\nBad QSO\t 0\r\n"
              "Score = 1 * 1 * 1 = 1 \r\n",
        text);
    const DialogSnapshot& box = fileMessage.Seen();
    EXPECT_TEXT_EQ("Output", box.caption);
    EXPECT_EQ(Texts{"File produced: N0CALL.cbr"}, box.StaticTexts());
    EXPECT_TRUE(box.ShowsIcon());
    EXPECT_TRUE(FileExists("N0CALL.cbr"));
}
