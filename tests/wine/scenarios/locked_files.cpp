// The plug-in's files held open by another program that shares them with nobody, as a backup
// tool or an editor may hold them: the exports answer as ever, the held file keeps exactly
// what it held, nothing meant for it is lost or claimed as written, and once it is free the
// plug-in writes it again.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/ScopedHandle.h"
#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/DialogWatcher.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/StatsLibrary.h"

namespace {

// stats_hold_file.exe, built beside this program.
std::string HolderProgram()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string program = path;
    return program.substr(0, program.find_last_of('\\') + 1) + "stats_hold_file.exe";
}

// A file held open without sharing by another process until Release or the end of the scope.
class FileHeldElsewhere {
public:
    explicit FileHeldElsewhere(const std::string& path)
    {
        static int held = 0;
        const std::string tag = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++held);
        const std::string readyName = "StatsFileHeld-" + tag, releaseName = "StatsFileRelease-" + tag;
        ready_.Reset(CreateEventA(nullptr, TRUE, FALSE, readyName.c_str()));
        release_.Reset(CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str()));
        std::string command = "\"";
        command.append(HolderProgram()).append("\" \"").append(path).append("\" ");
        command.append(readyName).append(" ").append(releaseName);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
            ABORT_TEST("cannot start " + command + ", error " + std::to_string(GetLastError()));
        const ScopedHandle firstThread(started.hThread);
        process_.Reset(started.hProcess);
        const HANDLE either[] = {ready_.Get(), process_.Get()};
        if (WaitForMultipleObjects(2, either, FALSE, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(process_.Get(), 1);
            ABORT_TEST("the other program could not hold " + path);
        }
    }
    ~FileHeldElsewhere() { Release(); }
    FileHeldElsewhere(const FileHeldElsewhere&) = delete;
    FileHeldElsewhere& operator=(const FileHeldElsewhere&) = delete;

    // Closes the file in the other process and waits for it to end.
    void Release()
    {
        if (!process_)
            return;
        SetEvent(release_.Get());
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process_.Get(), 10000));
        DWORD exitCode = 1;
        GetExitCodeProcess(process_.Get(), &exitCode);
        EXPECT_EQ(0u, exitCode) << "the other program did not hold the file to the end";
        process_.Reset();
    }

private:
    ScopedHandle ready_;
    ScopedHandle release_;
    ScopedHandle process_;
};

// GetResult0 in Cabrillo mode: the texts of the message box it shows, which is closed.
Texts CabrilloResultMessage(Host& host)
{
    DialogWatcher watcher(DialogWatcher::Press(IDOK));
    int status = 0;
    host.Result(status);
    EXPECT_EQ(-1, status);
    return watcher.Seen().StaticTexts();
}

// The text without its line that begins with `head`.
std::string WithoutLine(std::string text, const std::string& head)
{
    const size_t at = text.find("\r\n" + head);
    if (at != std::string::npos)
        text.erase(at + 2, text.find("\r\n", at + 2) + 2 - (at + 2));
    return text;
}

const char* const kLog = "BadQSO_StatsBARTGSPRINT_05_03_2018.txt";

} // namespace

TEST(LockedFiles, ACabrilloFileHeldElsewhereIsReportedAsNotProducedAndWrittenOnceFree)
{
    SKIP_WITHOUT_DISPLAY();
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    MakeFolder("Plugins");
    {
        DialogWatcher form(DialogWatcher::Press(IDOK));
        host.StartContest({.cabrilloMode = 1, .end = HostTime(2018, 3, 5)});
        ASSERT_TRUE(form.Seen().found);
    }
    host.AddQso({.call = "DL1ABC", .time = HostTime(2018, 1, 20, 12, 0)});
    EXPECT_EQ(Texts{"File produced: N0CALL.cbr"}, CabrilloResultMessage(host));
    const std::optional<std::string> written = ReadFileBytes("N0CALL.cbr");
    ASSERT_TRUE(written.has_value());

    host.AddQso(K1abcOn40m());
    {
        // The file cannot be replaced: the message says so, and no new or partial file appears.
        FileHeldElsewhere holder("N0CALL.cbr");
        EXPECT_EQ(Texts{"File NOT produced: N0CALL.cbr (in use by another program)"}, CabrilloResultMessage(host));
        EXPECT_EQ((std::vector<std::string>{kLog, "Kelb2.ini", "N0CALL.cbr", "Plugins"}), FolderEntries("."));
    }
    EXPECT_TEXT_EQ(*written, ReadFileBytes("N0CALL.cbr"));

    // Once free, the next result writes the file with both QSOs and the new score.
    EXPECT_EQ(Texts{"File produced: N0CALL.cbr"}, CabrilloResultMessage(host));
    const std::string k1abc = "QSO:  7040 RY 2018-01-20 1205 N0CALL            002    K1ABC             014\r\n";
    std::string expected = WithoutLine(*written, "CLAIMED-SCORE: ");
    expected.insert(expected.rfind("END-OF-LOG:"), k1abc);
    EXPECT_TEXT_EQ(expected, WithoutLine(ReadFileBytes("N0CALL.cbr").value_or(""), "CLAIMED-SCORE: "));
}

TEST(LockedFiles, ARejectedQsoLogHeldElsewhereKeepsItsNewLinesCountedAndTakesThemOnceFree)
{
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    MakeFolder("Plugins");
    host.StartContest({.end = HostTime(2018, 3, 5)});
    EXPECT_EQ(1, host.AddQso({.call = "DL1ABC", .time = HostTime(2018, 1, 20, 12, 0)}));
    EXPECT_EQ(1, host.AddQso({.call = "DL1ABC", .time = HostTime(2018, 1, 20, 12, 5)}));
    EXPECT_EQ(0, host.AddQso({.call = "F5BBB", .time = HostTime(2018, 1, 20, 12, 1), .mode = "PSK31"}));
    const std::optional<std::string> before = ReadFileBytes(kLog);
    ASSERT_TRUE(before.has_value());
    EXPECT_CONTAINS(*before, "DUPE !!!");

    {
        FileHeldElsewhere holder(kLog);
        // A duplicate is stored and two QSOs are refused as ever; their lines wait in order.
        EXPECT_EQ(1, host.AddQso({.call = "DL1ABC", .time = HostTime(2018, 1, 20, 12, 10)}));
        EXPECT_EQ(0, host.AddQso({.call = "G4AAA", .time = HostTime(2018, 1, 20, 12, 11), .band = "160m"}));
        EXPECT_EQ(0, host.AddQso({.call = "OK1CCC", .time = HostTime(2018, 1, 20, 12, 12), .receivedExchange = ""}));
        // Deleting the new duplicate takes its waiting line away.
        EXPECT_EQ(1, host.RemoveQso({.call = "DL1ABC", .time = HostTime(2018, 1, 20, 12, 10)}));
        // The bad QSOs the file held and the two waiting ones.
        EXPECT_CONTAINS(host.Result(), "Dupe\t 1\r\nBad QSO\t 3\r\n");
        EXPECT_EQ((std::vector<std::string>{kLog, "Kelb2.ini", "Plugins"}), FolderEntries("."));
    }
    EXPECT_TEXT_EQ(*before, ReadFileBytes(kLog));

    // Once free, the next result writes the waiting lines after what the log held.
    EXPECT_CONTAINS(host.Result(), "Dupe\t 1\r\nBad QSO\t 3\r\n");
    EXPECT_TEXT_EQ(*before
            + "QSO:  3580  RTTY  2018-01-20 1211  N0CALL  599  001  G4AAA  599  005   WRONG BAND !!!\r\n"
              "QSO:  3580  RTTY  2018-01-20 1212  N0CALL  599  001  OK1CCC  599     NO RX NUMBER !!!\r\n",
        ReadFileBytes(kLog));
}
