// Damaged, huge and misplaced files around the plug-in: it must neither crash nor hang, its
// results stay what the QSOs give, and it never loses or corrupts what it did not mean to change.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "engine/ContestState.h"
#include "platform/TextFiles.h"
#include "reports/RejectedQsoLog.h"
#include "tests/support/WorkedExample.h"
#include "tests/unit/support/TestWorkspace.h"

namespace fs = std::filesystem;

namespace {

const char* const kSettings = "Plugins/BARTG-SPRINT.ini";
const char* const kLog = "BadQSO_StatsBARTGSPRINT_21_01_2018.txt";

// The worked example's result with this many lines in the rejected-QSO log.
std::string WorkedExampleText(int badQsos)
{
    std::string text = ::WorkedExampleText();
    const std::string oneBadQso = "Bad QSO\t 1\r\n";
    return text.replace(text.find(oneBadQso), oneBadQso.size(), "Bad QSO\t " + std::to_string(badQsos) + "\r\n");
}

// A rejected-QSO line of a QSO that was never stored.
std::string RejectedLine(int minute)
{
    char time[8];
    std::snprintf(time, sizeof time, "%02d%02d", 12 + minute / 60 % 12, minute % 60);
    return std::string("QSO:  3580  RTTY  2018-01-20 ") + time + "  N0CALL  599  001  G" + std::to_string(minute)
        + "XX  599  005" + RejectedQsoLog::kWrongBand;
}

} // namespace

class HostileFilesTest : public TestWorkspace {
protected:
    // The whole contest as a host plays it; returns the result.
    std::string PlayTheWorkedExample() const
    {
        host.StartContest();
        LogTheWorkedExample(host);
        host.CheckCall({});
        return host.Result();
    }
};

TEST_F(HostileFilesTest, SettingsFileOfRandomBytesKeepsItsLinesAndGetsTheKeys)
{
    std::mt19937 random(11);
    std::string noise(10 * 1024 * 1024, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    noise.push_back('\n');
    WriteFile(kSettings, noise);
    const auto before = ReadAllLines(kSettings);

    EXPECT_EQ(WorkedExampleText(1), PlayTheWorkedExample());

    const auto after = ReadAllLines(kSettings);
    ASSERT_TRUE(before && after);
    ASSERT_GE(after->size(), before->size());
    EXPECT_TRUE(std::equal(before->begin(), before->end(), after->begin())) << "a line of the old file was changed";
    EXPECT_EQ("18", Contest().settings.ReadString("Claimed"));
}

TEST_F(HostileFilesTest, SettingsLineOf100000CharactersStaysAsItIs)
{
    const std::string soapbox = "SoapBox=" + std::string(100000, 'x');
    WriteFile(kSettings, "[Settings]\r\n" + soapbox + "\r\nsetup_x=5\r\n[Other]\r\nkey=value\r\n");

    EXPECT_EQ(WorkedExampleText(1), PlayTheWorkedExample());

    const std::string settings = ReadFile(kSettings);
    EXPECT_NE(std::string::npos, settings.find("\r\n" + soapbox + "\r\n"));
    EXPECT_EQ(5, Contest().settings.ReadInt("setup_x"));
    EXPECT_EQ("value", SettingsFile(kSettings, "Other").ReadString("key"));
    EXPECT_EQ("18", Contest().settings.ReadString("Claimed"));
}

TEST_F(HostileFilesTest, RejectedLogOf100000LinesIsCountedAndLosesOnlyTheRemovedLine)
{
    host.StartContest();
    std::string log = ReadFile(kLog);
    for (int minute = 0; minute < 100000; ++minute)
        log += RejectedLine(minute) + "\r\n";
    WriteFile(kLog, log);
    LogTheWorkedExample(host);
    const std::string withExample = ReadFile(kLog);

    EXPECT_EQ(WorkedExampleText(100001), host.Result());

    host.RemoveQso({});
    const std::string dupeLine = "QSO:  3580  RTTY  2018-01-20 1405  N0CALL  599  001  DL1ABC  599  005   DUPE !!!\r\n";
    std::string expected = withExample;
    ASSERT_NE(std::string::npos, expected.find(dupeLine));
    expected.erase(expected.find(dupeLine), dupeLine.size());
    // The wrong-band line of the same call and minute goes with it.
    expected.erase(expected.find("QSO:  3580  RTTY  2018-01-20 1405  N0CALL  599  001  DL1ABC"));
    EXPECT_EQ(expected, ReadFile(kLog));
}

TEST_F(HostileFilesTest, RejectedLogWithNulBytesKeepsThemThroughARewrite)
{
    host.StartContest();
    const std::string nulLines = std::string("QSO:  3580  RTTY\0\0  N0CALL", 26) + RejectedQsoLog::kWrongBand + "\r\n"
        + std::string("\0\0\0\r\n", 5);
    WriteFile(kLog, ReadFile(kLog) + nulLines);
    LogTheWorkedExample(host);

    EXPECT_EQ(WorkedExampleText(2), host.Result());
    host.RemoveQso({.band = "80m"});
    const std::string log = ReadFile(kLog);
    EXPECT_NE(std::string::npos, log.find(nulLines));
    EXPECT_EQ(std::string::npos, log.find("DL1ABC"));
}

TEST_F(HostileFilesTest, MissingPluginsFolderOnlyLosesTheSettings)
{
    fs::remove_all("Plugins");

    EXPECT_EQ(WorkedExampleText(1), PlayTheWorkedExample());
    EXPECT_EQ(1, windows.uiThreadStarts);
    EXPECT_FALSE(fs::exists("Plugins"));
    EXPECT_NE(std::string::npos, ReadFile(kLog).find(RejectedQsoLog::kWrongBand));
}

TEST_F(HostileFilesTest, FileInPlaceOfThePluginsFolderIsLeftAsItIs)
{
    fs::remove_all("Plugins");
    WriteFile("Plugins", "not a folder\r\n");

    EXPECT_EQ(WorkedExampleText(1), PlayTheWorkedExample());
    EXPECT_EQ("not a folder\r\n", ReadFile("Plugins"));
}

TEST_F(HostileFilesTest, FolderInPlaceOfTheRejectedLogIsLeftAsItIs)
{
    fs::create_directory(kLog);
    WriteFile(std::string(kLog) + "/keep.txt", "kept");

    // The wrong-band line that the folder cannot take is kept, and counted.
    EXPECT_EQ(WorkedExampleText(1), PlayTheWorkedExample());
    host.RemoveQso({.band = "80m"});
    EXPECT_EQ("kept", ReadFile(std::string(kLog) + "/keep.txt"));
    EXPECT_EQ(1, std::distance(fs::directory_iterator(kLog), fs::directory_iterator()));
    EXPECT_FALSE(fs::exists(std::string(kLog) + ".new"));
}

TEST_F(HostileFilesTest, ReadOnlyCurrentDirectoryKeepsTheLogWhole)
{
    host.StartContest();
    const fs::path here = fs::current_path();
    fs::permissions(here, fs::perms::owner_read | fs::perms::owner_exec);
    const bool writable = access(here.c_str(), W_OK) == 0;
    if (writable) {
        fs::permissions(here, fs::perms::owner_all);
        GTEST_SKIP() << "this user may write into a read-only folder (root); the file and folder cases above "
                        "cover what cannot be written";
    }

    LogTheWorkedExample(host);
    host.RemoveQso({.band = "80m"});
    const std::string result = host.Result();
    fs::permissions(here, fs::perms::owner_all);

    // The existing log still takes appended lines, but it cannot be replaced: the removal
    // keeps every line rather than losing the file.
    const std::string log = ReadFile(kLog);
    EXPECT_NE(std::string::npos, log.find(RejectedQsoLog::kDupe));
    EXPECT_NE(std::string::npos, log.find(RejectedQsoLog::kWrongBand));
    EXPECT_NE(std::string::npos, result.find("Total\t 2\t 2\t 2\t 2\t"));
}

TEST_F(HostileFilesTest, HostSettingsFileThatIsAFolderReadsAsNoVersionLine)
{
    fs::create_directory("Kelb2.ini");

    EXPECT_EQ(WorkedExampleText(1), PlayTheWorkedExample());
    EXPECT_EQ("", Contest().hostVersion);
    EXPECT_EQ(1, windows.uiThreadStarts);
    EXPECT_TRUE(fs::is_directory("Kelb2.ini"));
}
