// The rejected-QSO log that the real DLL writes: one line for every rejected QSO and every
// duplicate, in the host's current folder, and rewritten without a QSO's lines when the host
// deletes that QSO.
#include <windows.h>

#include <string>

#include "platform/win32/ScopedHandle.h"
#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/StatsLibrary.h"

TEST(RejectedLog, LinesOfRejectionsAndDupes)
{
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    MakeFolder("Plugins");
    // The log is named after the contest's last day.
    host.StartContest({.end = HostTime(2018, 3, 5)});
    const std::string log = "BadQSO_StatsBARTGSPRINT_05_03_2018.txt";
    const std::string header = "BARTG SPRINT RTTY TEST UBN file \r\n";
    EXPECT_TEXT_EQ(header, ReadFileBytes(log));

    // The frequency is cut to whole kHz, not rounded.
    EXPECT_EQ(0,
        host.AddQso({.call = "G4AAA", .time = HostTime(2018, 1, 20, 12, 0), .frequencyHz = 1838999, .band = "160m"}));
    EXPECT_EQ(0,
        host.AddQso({.call = "F5BBB",
            .time = HostTime(2018, 1, 20, 12, 1),
            .frequencyHz = 14085000,
            .mode = "PSK31",
            .band = "20m"}));
    EXPECT_EQ(0, host.AddQso({.call = "OK1CCC", .time = HostTime(2018, 1, 20, 12, 2), .receivedExchange = ""}));
    EXPECT_EQ(0, host.AddQso({.call = "OK1CCC", .time = HostTime(2018, 1, 20, 12, 3), .sentExchange = nullptr}));
    EXPECT_EQ(1,
        host.AddQso({.call = "DL1ABC",
            .time = HostTime(2018, 1, 20, 12, 4),
            .sentExchange = "002",
            .receivedExchange = "017"}));
    EXPECT_EQ(1,
        host.AddQso({.call = "DL1ABC",
            .time = HostTime(2018, 1, 20, 12, 5),
            .sentExchange = "003",
            .receivedExchange = "018"}));

    const std::string wrongBand =
        "QSO:  1838  RTTY  2018-01-20 1200  N0CALL  599  001  G4AAA  599  005   WRONG BAND !!!\r\n";
    const std::string wrongMode =
        "QSO:  14085  PSK31  2018-01-20 1201  N0CALL  599  001  F5BBB  599  005   WRONG MODE !!!\r\n";
    const std::string noReceivedNumber =
        "QSO:  3580  RTTY  2018-01-20 1202  N0CALL  599  001  OK1CCC  599     NO RX NUMBER !!!\r\n";
    const std::string noSentNumber =
        "QSO:  3580  RTTY  2018-01-20 1203  N0CALL  599    OK1CCC  599  005   NO RX NUMBER !!!\r\n";
    const std::string dupe = "QSO:  3580  RTTY  2018-01-20 1205  N0CALL  599  003  DL1ABC  599  018   DUPE !!!\r\n";
    EXPECT_TEXT_EQ(header + wrongBand + wrongMode + noReceivedNumber + noSentNumber + dupe, ReadFileBytes(log));
    // Rejections count as bad QSOs, the duplicate does not.
    EXPECT_CONTAINS(host.Result(), "Dupe\t 1\r\nBad QSO\t 4\r\n");

    // Deleting the duplicate takes its line; deleting a rejected QSO, which was never stored,
    // takes its line too; the same call at another time keeps its line.
    EXPECT_EQ(1, host.RemoveQso({.call = "DL1ABC", .time = HostTime(2018, 1, 20, 12, 5)}));
    EXPECT_EQ(1, host.RemoveQso({.call = "G4AAA", .time = HostTime(2018, 1, 20, 12, 0), .band = "160m"}));
    EXPECT_EQ(1, host.RemoveQso({.call = "OK1CCC", .time = HostTime(2018, 1, 20, 12, 2)}));
    EXPECT_TEXT_EQ(header + wrongMode + noSentNumber, ReadFileBytes(log));
    EXPECT_CONTAINS(host.Result(), "80m\t 1\t 1\r\n");
    EXPECT_CONTAINS(host.Result(), "Dupe\t 0\r\nBad QSO\t 2\r\n");

    // Nothing but the plug-in's own files, and the host's settings file, is left behind.
    EXPECT_EQ((std::vector<std::string>{"BadQSO_StatsBARTGSPRINT_05_03_2018.txt", "Kelb2.ini", "Plugins"}),
        FolderEntries("."));

    // A new contest starts a new log.
    host.StartContest({.end = HostTime(2018, 3, 5)});
    EXPECT_TEXT_EQ(header, ReadFileBytes(log));
}

TEST(RejectedLog, ALogThatCannotBeReadIsLeftAsItWas)
{
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    host.StartContest({.end = HostTime(2018, 3, 5)});
    const std::string log = "BadQSO_StatsBARTGSPRINT_05_03_2018.txt";
    host.AddQso({.call = "G4AAA", .time = HostTime(2018, 1, 20, 12, 0), .band = "160m"});
    const auto before = ReadFileBytes(log);
    ASSERT_TRUE(before.has_value());

    // Another program holds the log open and lets others write and replace it, but not read
    // it: deleting the QSO cannot read the old lines, so it must not replace them with a log
    // of the header alone.
    {
        const ScopedHandle holder(CreateFileA(log.c_str(), GENERIC_READ, FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_EQ(1, host.RemoveQso({.call = "G4AAA", .time = HostTime(2018, 1, 20, 12, 0), .band = "160m"}));
    }
    EXPECT_TEXT_EQ(*before, ReadFileBytes(log));
}
