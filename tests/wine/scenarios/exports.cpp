// The export table as a host binds it, and the exports whose answers need no contest.
#include <windows.h>

#include <string>

#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/DialogWatcher.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/StatsLibrary.h"

TEST(Exports, BothNamesBind)
{
    StatsLibrary library;
    for (const ExportNames& names : kExportNames) {
        const FARPROC plain = GetProcAddress(library.Module(), names.plain);
        const FARPROC decorated = GetProcAddress(library.Module(), names.decorated);
        EXPECT_TRUE(plain != nullptr && plain == decorated)
            << names.plain << " and " << names.decorated << " should name the same function";
    }
}

TEST(Exports, SetNameAndCounts)
{
    StatsLibrary library;
    for (const StatsExports* exports : {&library.ByPlainName(), &library.ByDecoratedName()}) {
        EXPECT_TEXT_EQ("BARTG SPRINT (C)", exports->GetSetName(0));
        EXPECT_TEXT_EQ("", exports->GetSetName(1));
        EXPECT_TEXT_EQ("", exports->GetSetName(-1));
        // The names are static texts: the host may keep the pointers.
        EXPECT_EQ(exports->GetSetName(0), exports->GetSetName(0));
        EXPECT_EQ(1, exports->GetNumberOfSets());
        EXPECT_EQ(1, exports->GetExchgCount0(nullptr, nullptr, nullptr));
        EXPECT_EQ(1, exports->GetExchgCount0("001", "RTTY", "80m"));
    }
}

TEST(Exports, SerialNumberCheck)
{
    StatsLibrary library;
    const auto isValid = [&](const char* received) {
        return library.ByDecoratedName().IsValidExchg0(received, "599", "001", "RTTY", 1, 2, 3);
    };
    EXPECT_EQ(0, isValid("599")); // a signal report typed into the number field
    EXPECT_EQ(1, isValid("001"));
    EXPECT_EQ(1, isValid("0599"));
    EXPECT_EQ(1, isValid("9999"));
    EXPECT_EQ(0, isValid("12"));
    EXPECT_EQ(0, isValid("12345"));
    EXPECT_EQ(0, isValid("1a3"));
    EXPECT_EQ(0, isValid("12 "));
    EXPECT_EQ(0, isValid("\xB9\xB2\xB3")); // high-bit characters are no digits
    EXPECT_EQ(0, isValid(""));
    EXPECT_EQ(0, isValid(nullptr));
    // Only the first argument is read.
    EXPECT_EQ(1, library.ByPlainName().IsValidExchg0("123", nullptr, nullptr, nullptr, 0, 0, 0));
}

TEST(Exports, SetVersionAlwaysAnswersZero)
{
    StatsLibrary library;
    EXPECT_EQ(0ul, library.ByPlainName().setVersion("2.30"));
    EXPECT_EQ(0ul, library.ByDecoratedName().setVersion("2.30"));
    EXPECT_EQ(0ul, library.ByPlainName().setVersion(nullptr));
}

TEST(Exports, SetupShowsAPlainMessageBox)
{
    SKIP_WITHOUT_DISPLAY();
    StatsLibrary library;
    DialogWatcher watcher(DialogWatcher::Press(IDOK));
    library.ByDecoratedName().SetupSet0();

    const DialogSnapshot& box = watcher.Seen();
    ASSERT_TRUE(box.found);
    EXPECT_TEXT_EQ("", box.caption);
    EXPECT_TRUE(box.owner == nullptr);
    EXPECT_EQ(Texts{"No additional setup for this plugin"}, box.StaticTexts());
    EXPECT_EQ(Texts{"OK"}, box.ButtonTexts());
    EXPECT_TRUE(!box.ShowsIcon());
}

TEST(Exports, AReloadedLibraryStartsAfresh)
{
    WriteHostSettings();
    MakeFolder("Plugins");
    for (int round = 0; round < 3; ++round) {
        StatsLibrary library;
        Host host(library.ByPlainName());
        // Unloading ended the HTML output that the last round switched on.
        const std::string textHeading = "\t\tBARTG-SPRINT RTTY ";
        EXPECT_EQ(textHeading, host.Result().substr(0, textHeading.size()));
        EXPECT_EQ(1, host.StartContest());
        EXPECT_EQ(1, host.AddQso({}));
        EXPECT_EQ(0ul, library.ByPlainName().setVersion("2.30"));
        EXPECT_CONTAINS(host.Result(), "<tr><th><center>Total</center></th><td><center>1</center></td>");
    }
}
