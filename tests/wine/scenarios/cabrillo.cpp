// The Cabrillo header form and the Cabrillo file through the real DLL: ResetStats0 in Cabrillo
// mode shows the form on the host's thread, GetResult0 writes the file and names it in a
// message box.
//
// To look at the form, keep it open for a while (STATS_FORM_HOLD_MS) and take a screenshot
// meanwhile, for example from the build tree build/win32:
//   STATS_FORM_HOLD_MS=4000 ../../tests/wine/with-display sh -c "ctest -R wine.cabrillo.ok_stores & sleep 3;
//       import -window root /tmp/cabrillo-form.png; wait"
#include <windows.h>

#include <cstdlib>
#include <string>

#include "resources/resource.h"
#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/DialogWatcher.h"
#include "tests/wine/framework/Files.h"
#include "tests/wine/framework/StatsLibrary.h"

namespace {

const TestContestStart kCabrilloStart{.cabrilloMode = 1, .contestant = "N0CALL"};

// Keeps the form open for STATS_FORM_HOLD_MS milliseconds (0 when unset), for screenshots.
void HoldForScreenshot()
{
    if (const char* text = std::getenv("STATS_FORM_HOLD_MS"))
        Sleep(static_cast<DWORD>(std::strtoul(text, nullptr, 10)));
}

std::string ControlText(const DialogSnapshot& form, int id)
{
    for (const DialogControl& control : form.controls)
        if (control.id == id)
            return control.text;
    ADD_FAILURE() << "the form has no control " << id;
    return std::string();
}

LRESULT SelectedEntry(Dialog& form, int comboId)
{
    return SendMessageA(GetDlgItem(form.Window(), comboId), CB_GETCURSEL, 0, 0);
}

void LogTwoQsos(Host& host)
{
    EXPECT_EQ(1,
        host.AddQso({.call = "DL1ABC",
            .time = HostTime(2018, 1, 20, 12, 0),
            .frequencyHz = 3580000,
            .sentExchange = "001",
            .receivedExchange = "001",
            .band = "80m"}));
    EXPECT_EQ(1, host.AddQso(K1abcOn40m()));
}

const char* const kTwoQsoLines = "QSO:  3580 RY 2018-01-20 1200 N0CALL            001    DL1ABC            001\r\n"
                                 "QSO:  7040 RY 2018-01-20 1205 N0CALL            002    K1ABC             014\r\n";

// GetResult0 in Cabrillo mode: the message box names the file and is closed, the host's int
// becomes -1. Returns the score of the result text.
std::string ResultWithFileMessage(Host& host)
{
    DialogWatcher watcher(DialogWatcher::Press(IDOK));
    int status = 0;
    const std::string text = host.Result(status);
    const DialogSnapshot& box = watcher.Seen();
    EXPECT_TRUE(box.found);
    EXPECT_TEXT_EQ("Output", box.caption);
    EXPECT_EQ(Texts{"File produced: N0CALL.cbr"}, box.StaticTexts());
    EXPECT_EQ(-1, status);
    const size_t score = text.rfind("= ");
    if (score == std::string::npos)
        ABORT_TEST("the result names no score: " + text);
    return text.substr(score + 2, text.find(' ', score + 2) - (score + 2));
}

} // namespace

TEST(Cabrillo, OkStoresTheHeaderAndWritesTheFile)
{
    SKIP_WITHOUT_DISPLAY();
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    WritePluginSettings("[Settings]\nName=Ann Smith\nAddress_City=Springfield\nClub=RTTY Club\n"
                        "SoapBox=first<CR><LF>second\nCategory=MULTI-OP\nClaimed=77");

    LOGFONTA font{};
    DialogWatcher watcher([&](Dialog& form) {
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(form.Window(), WM_GETFONT, 0, 0)), sizeof font, &font);
        HoldForScreenshot();
        form.SetText(IDC_CATEGORY_OPERATOR, "MULTI-OP");
        form.SetText(IDC_CATEGORY_TRANSMITTER, "TWO");
        form.SetText(IDC_CATEGORY_OVERLAY, "");
        form.SetText(IDC_CATEGORY_POWER, "LOW");
        form.SetText(IDC_OPERATORS, "N0CALL K1ABC");
        form.SetText(IDC_ADDRESS, "1 Main St");
        form.SetText(IDC_ADDRESS_POSTALCODE, "12345");
        form.SetText(IDC_ADDRESS_COUNTRY, "USA");
        form.SetText(IDC_EMAIL, "ann@example.org");
        form.SetText(IDC_LOCATION, "IL");
        form.SetText(IDC_SOAPBOX, "first\r\nsecond\r\nthird");
        form.Press(IDOK);
    });
    EXPECT_EQ(1, host.StartContest(kCabrilloStart));

    const DialogSnapshot& form = watcher.Seen();
    ASSERT_TRUE(form.found);
    EXPECT_TEXT_EQ("BARTG-SPRINT", form.caption);
    EXPECT_TRUE(form.owner == nullptr);
    EXPECT_TEXT_EQ("MS Sans Serif", font.lfFaceName);
    EXPECT_TEXT_EQ("BARTG SPRINT", ControlText(form, IDC_CONTEST));
    EXPECT_TEXT_EQ("N0CALL", ControlText(form, IDC_CALLSIGN));
    EXPECT_TEXT_EQ("77", ControlText(form, IDC_CLAIMED));
    // The categories are proposed afresh; the stored MULTI-OP is not shown.
    EXPECT_TEXT_EQ("SINGLE-OP", ControlText(form, IDC_CATEGORY_OPERATOR));
    EXPECT_TEXT_EQ("NON ASSISTED", ControlText(form, IDC_CATEGORY_ASSISTED));
    EXPECT_TEXT_EQ("ALL", ControlText(form, IDC_CATEGORY_BAND));
    EXPECT_TEXT_EQ("RTTY", ControlText(form, IDC_CATEGORY_MODE));
    EXPECT_TEXT_EQ("HIGH", ControlText(form, IDC_CATEGORY_POWER));
    EXPECT_TEXT_EQ("DX", ControlText(form, IDC_LOCATION));
    // An empty field selects the first entry of its list.
    EXPECT_TEXT_EQ("6-HOURS", ControlText(form, IDC_CATEGORY_TIME));
    EXPECT_TEXT_EQ("Ann Smith", ControlText(form, IDC_NAME));
    EXPECT_TEXT_EQ("Springfield", ControlText(form, IDC_ADDRESS_CITY));
    EXPECT_TEXT_EQ("N0CALL", ControlText(form, IDC_OPERATORS));
    EXPECT_TEXT_EQ("RTTY Club", ControlText(form, IDC_CLUB));
    EXPECT_TEXT_EQ("first\r\nsecond", ControlText(form, IDC_SOAPBOX));

    EXPECT_TEXT_EQ("first<CR><LF>second<CR><LF>third", PluginSetting("SoapBox"));
    EXPECT_TEXT_EQ("MULTI-OP", PluginSetting("Category"));
    EXPECT_TEXT_EQ("6-HOURS", PluginSetting("Category_Station"));
    EXPECT_TEXT_EQ("77", PluginSetting("Claimed"));

    LogTwoQsos(host);
    const std::string score = ResultWithFileMessage(host);
    const std::string expected = "START-OF-LOG: 3.0\r\n"
                                 "CONTEST: BARTG-SPRINT\r\n"
                                 "CALLSIGN: N0CALL\r\n"
                                 "CATEGORY-OPERATOR: MULTI-OP\r\n"
                                 "CATEGORY-TRANSMITTER: TWO\r\n"
                                 "OPERATORS: N0CALL K1ABC\r\n"
                                 "CATEGORY-TIME: 6-HOURS\r\n"
                                 "NAME: Ann Smith\r\n"
                                 "ADDRESS: 1 Main St\r\n"
                                 "ADDRESS-CITY: Springfield\r\n"
                                 "ADDRESS-POSTALCODE: 12345\r\n"
                                 "ADDRESS-COUNTRY: USA\r\n"
                                 "LOCATION: IL\r\n"
                                 "CATEGORY-POWER: LOW\r\n"
                                 "CLAIMED-SCORE: "
        + score
        + "\r\n"
          "CLUB: RTTY Club\r\n"
          "CREATED-BY: Kelb 2.16\r\n"
          "E-MAIL: ann@example.org\r\n"
          "SOAPBOX: first\r\n"
          "SOAPBOX: second\r\n"
          "SOAPBOX: third\r\n"
        + kTwoQsoLines + "END-OF-LOG:\r\n";
    EXPECT_TEXT_EQ(expected, ReadFileBytes("N0CALL.cbr").value_or("(no file)"));

    // Asked again, the file lists each QSO once.
    ResultWithFileMessage(host);
    EXPECT_TEXT_EQ(expected, ReadFileBytes("N0CALL.cbr").value_or("(no file)"));
}

TEST(Cabrillo, CancelKeepsTheStoredHeader)
{
    SKIP_WITHOUT_DISPLAY();
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    WritePluginSettings("[Settings]\nName=Ann Smith\nSoapBox=first<CR><LF>second");
    const std::string settingsBefore = ReadFileBytes(kPluginSettingsFile).value_or("");

    DialogWatcher watcher([](Dialog& form) {
        form.SetText(IDC_NAME, "Bob");
        form.SetText(IDC_CATEGORY_OPERATOR, "MULTI-OP");
        form.Press(IDCANCEL);
    });
    EXPECT_EQ(1, host.StartContest(kCabrilloStart));
    EXPECT_TRUE(watcher.Seen().found);

    // Only the contest start's toggle is added to the settings file.
    EXPECT_TEXT_EQ(settingsBefore + "Start=0\r\n", ReadFileBytes(kPluginSettingsFile).value_or(""));

    LogTwoQsos(host);
    const std::string score = ResultWithFileMessage(host);
    // Every soapbox line carries its tag, also when the form was cancelled.
    EXPECT_TEXT_EQ("START-OF-LOG: 3.0\r\n"
                   "CONTEST: BARTG-SPRINT\r\n"
                   "CALLSIGN: N0CALL\r\n"
                   "CATEGORY-OPERATOR: SINGLE-OP\r\n"
                   "CATEGORY-BAND: ALL\r\n"
                   "NAME: Ann Smith\r\n"
                   "ADDRESS: \r\n"
                   "ADDRESS-CITY: \r\n"
                   "ADDRESS-POSTALCODE: \r\n"
                   "ADDRESS-COUNTRY: \r\n"
                   "LOCATION: DX\r\n"
                   "CATEGORY-POWER: HIGH\r\n"
                   "CLAIMED-SCORE: "
            + score
            + "\r\n"
              "CLUB: \r\n"
              "CREATED-BY: Kelb 2.16\r\n"
              "E-MAIL: \r\n"
              "SOAPBOX: first\r\n"
              "SOAPBOX: second\r\n"
            + kTwoQsoLines + "END-OF-LOG:\r\n",
        ReadFileBytes("N0CALL.cbr").value_or("(no file)"));
}

TEST(Cabrillo, ComboBoxSelectsTheFirstEntryBeginningWithItsField)
{
    SKIP_WITHOUT_DISPLAY();
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    MakeFolder("Plugins");

    // Time, transmitter and overlay keep what was typed for the next form of this run.
    DialogWatcher typing([](Dialog& form) {
        form.SetText(IDC_CATEGORY_TRANSMITTER, "un");
        form.SetText(IDC_CATEGORY_OVERLAY, "Novice");
        form.SetText(IDC_CATEGORY_TIME, "6");
        form.Press(IDOK);
    });
    host.StartContest(kCabrilloStart);
    EXPECT_TRUE(typing.Seen().found);

    LRESULT transmitter = -2, overlay = -2, time = -2;
    DialogWatcher reopened([&](Dialog& form) {
        transmitter = SelectedEntry(form, IDC_CATEGORY_TRANSMITTER);
        overlay = SelectedEntry(form, IDC_CATEGORY_OVERLAY);
        time = SelectedEntry(form, IDC_CATEGORY_TIME);
        form.Press(IDCANCEL);
    });
    host.StartContest(kCabrilloStart);
    const DialogSnapshot& form = reopened.Seen();
    ASSERT_TRUE(form.found);
    EXPECT_TEXT_EQ("UNLIMITED", ControlText(form, IDC_CATEGORY_TRANSMITTER));
    EXPECT_EQ(2, transmitter);
    EXPECT_TEXT_EQ("Novice", ControlText(form, IDC_CATEGORY_OVERLAY));
    EXPECT_EQ(CB_ERR, overlay);
    EXPECT_TEXT_EQ("6-HOURS", ControlText(form, IDC_CATEGORY_TIME));
    EXPECT_EQ(0, time);
}

TEST(Cabrillo, EnterInTheSoapboxStartsANewLine)
{
    SKIP_WITHOUT_DISPLAY();
    StatsLibrary library;
    Host host(library.ByPlainName());
    WriteHostSettings();
    MakeFolder("Plugins");

    std::string soapbox;
    bool stillOpen = false;
    DialogWatcher watcher([&](Dialog& form) {
        HWND edit = GetDlgItem(form.Window(), IDC_SOAPBOX);
        form.SetText(IDC_SOAPBOX, "first");
        SendMessageA(edit, EM_SETSEL, 5, 5);
        // The key as the keyboard delivers it, through the dialog's own message loop.
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        PostMessageA(edit, WM_KEYUP, VK_RETURN, 0xC01C0001);
        Sleep(300);
        stillOpen = IsWindowVisible(form.Window()) != FALSE;
        soapbox = form.Text(IDC_SOAPBOX);
        form.Press(IDCANCEL);
    });
    host.StartContest(kCabrilloStart);
    EXPECT_TRUE(watcher.Seen().found);
    EXPECT_TRUE(stillOpen);
    EXPECT_TEXT_EQ("first\r\n", soapbox);
}
