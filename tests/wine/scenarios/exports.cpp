// The export table as a host binds it, and the exports whose answers need no contest.
#include <windows.h>

#include <string>

#include "tests/wine/framework/DialogWatcher.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/Scenario.h"
#include "tests/wine/framework/StatsLibrary.h"

SCENARIO(exports, both_names_bind)
{
    StatsLibrary library;
    for (const ExportNames& names : kExportNames) {
        const FARPROC plain = GetProcAddress(library.Module(), names.plain);
        const FARPROC decorated = GetProcAddress(library.Module(), names.decorated);
        if (!CHECK(plain != nullptr && plain == decorated))
            scenario::Fail(__FILE__, __LINE__, std::string(names.plain) + " and " + names.decorated
                                                   + " should name the same function");
    }
}

SCENARIO(exports, set_name_and_counts)
{
    StatsLibrary library;
    for (const StatsExports* exports : {&library.ByPlainName(), &library.ByDecoratedName()}) {
        CHECK_TEXT("BARTG SPRINT (C)", exports->GetSetName(0));
        CHECK_TEXT("", exports->GetSetName(1));
        CHECK_TEXT("", exports->GetSetName(-1));
        // The names are static texts: the host may keep the pointers.
        CHECK_EQ(exports->GetSetName(0), exports->GetSetName(0));
        CHECK_EQ(1, exports->GetNumberOfSets());
        CHECK_EQ(1, exports->GetExchgCount0(nullptr, nullptr, nullptr));
        CHECK_EQ(1, exports->GetExchgCount0("001", "RTTY", "80m"));
    }
}

SCENARIO(exports, serial_number_check)
{
    StatsLibrary library;
    const auto isValid = [&](const char* received) {
        return library.ByDecoratedName().IsValidExchg0(received, "599", "001", "RTTY", 1, 2, 3);
    };
    CHECK_EQ(0, isValid("599"));    // a signal report typed into the number field
    CHECK_EQ(1, isValid("001"));
    CHECK_EQ(1, isValid("0599"));
    CHECK_EQ(1, isValid("9999"));
    CHECK_EQ(0, isValid("12"));
    CHECK_EQ(0, isValid("12345"));
    CHECK_EQ(0, isValid("1a3"));
    CHECK_EQ(0, isValid("12 "));
    CHECK_EQ(0, isValid("\xB9\xB2\xB3"));   // high-bit characters are no digits
    CHECK_EQ(0, isValid(""));
    CHECK_EQ(0, isValid(nullptr));
    // Only the first argument is read.
    CHECK_EQ(1, library.ByPlainName().IsValidExchg0("123", nullptr, nullptr, nullptr, 0, 0, 0));
}

SCENARIO(exports, set_version_always_answers_zero)
{
    StatsLibrary library;
    CHECK_EQ(0ul, library.ByPlainName().setVersion("2.30"));
    CHECK_EQ(0ul, library.ByDecoratedName().setVersion("2.30"));
    CHECK_EQ(0ul, library.ByPlainName().setVersion(nullptr));
}

SCENARIO(exports, setup_shows_a_plain_message_box)
{
    RequireDisplay();
    StatsLibrary library;
    DialogWatcher watcher(DialogWatcher::Press(IDOK));
    library.ByDecoratedName().SetupSet0();

    const DialogSnapshot& box = watcher.Seen();
    REQUIRE(box.found);
    CHECK_TEXT("", box.caption);
    CHECK(box.owner == nullptr);
    CHECK_EQ(Texts{"No additional setup for this plugin"}, box.StaticTexts());
    CHECK_EQ(Texts{"OK"}, box.ButtonTexts());
    CHECK(!box.ShowsIcon());
}

SCENARIO(exports, a_reloaded_library_starts_afresh)
{
    WriteHostSettings();
    MakeFolder("Plugins");
    for (int round = 0; round < 3; ++round) {
        StatsLibrary library;
        Host host(library.ByPlainName());
        // Unloading ended the HTML output that the last round switched on.
        const std::string textHeading = "\t\tBARTG-SPRINT RTTY ";
        CHECK_EQ(textHeading, host.Result().substr(0, textHeading.size()));
        CHECK_EQ(1, host.StartContest());
        CHECK_EQ(1, host.AddQso({}));
        CHECK_EQ(0ul, library.ByPlainName().setVersion("2.30"));
        CHECK_CONTAINS(host.Result(), "<tr><th><center>Total</center></th><td><center>1</center></td>");
    }
}
