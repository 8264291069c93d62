#include "reports/CabrilloLog.h"

#include <functional>

#include "engine/ContestState.h"
#include "platform/SettingsFile.h"
#include "tests/unit/support/TestWorkspace.h"

namespace {

// The operator at the header form: OK after changing some fields, or Cancel.
class ScriptedForm : public CabrilloHeaderForm {
public:
    void PressOk(std::function<void(CabrilloHeader&)> typeIn = {})
    {
        confirms_ = true;
        typeIn_ = std::move(typeIn);
    }
    void PressCancel() { confirms_ = false; }

    bool Edit(CabrilloHeader& fields) override
    {
        shown = fields;
        if (confirms_ && typeIn_)
            typeIn_(fields);
        return confirms_;
    }

    // The fields as the form showed them when it opened.
    CabrilloHeader shown;

private:
    bool confirms_ = true;
    std::function<void(CabrilloHeader&)> typeIn_;
};

const char* const kSettingsPath = "Plugins/BARTG-SPRINT.ini";

class CabrilloLogTest : public TestWorkspace {
protected:
    CabrilloLogTest() { log.fileBaseName = "N0CALL"; }

    // The example QSO: 3580 kHz on 20 January 2018 at 14:05, 001 sent to DL0XX, 005 received.
    void AddExampleQso() { log.AddQso("DL0XX", 3580, "RY", COleDateTime(2018, 1, 20, 14, 5, 0), "", "001", "", "005"); }

    // The file written for the log, with the header lines from CALLSIGN up to SOAPBOX only.
    std::string WrittenHeader(int claimedScore = 0, const char* hostVersion = "2.16")
    {
        log.WriteFile(claimedScore, hostVersion);
        const std::string file = ReadFile(log.fileBaseName + ".cbr");
        const size_t from = file.find("CALLSIGN: ");
        const size_t to = file.find("QSO: ") != std::string::npos ? file.find("QSO: ") : file.find("END-OF-LOG:");
        return from == std::string::npos ? std::string() : file.substr(from, to - from);
    }

    SettingsFile settings{"Plugins\\BARTG-SPRINT.ini", "Settings"};
    ScriptedForm form;
    CabrilloLog log;
};

const char* const kExampleQsoLine = "QSO:  3580 RY 2018-01-20 1405 N0CALL        "
                                    "    001    DL0XX             005\r\n";

// ---- The header form: what it shows and what is stored after OK or Cancel ----

TEST_F(CabrilloLogTest, FormOpensWithTheStoredPersonalFieldsAndTheCallsign)
{
    WriteFile(kSettingsPath,
        "[Settings]\r\nOperators=N0CALL K1ABC\r\nName=Ann Smith\r\nAddress=1 Main St\r\n"
        "Address_City=Springfield\r\nAddress_PostalCode=12345\r\nAddress_Province=IL\r\n"
        "Address_Country=USA\r\nClaimed=18\r\nEmail=ann@example.org\r\nClub=RTTY Club\r\n");
    log.EditHeader("N0CALL", form, settings);
    EXPECT_EQ("N0CALL", form.shown.callsign);
    EXPECT_EQ("N0CALL K1ABC", form.shown.operators);
    EXPECT_EQ("Ann Smith", form.shown.name);
    EXPECT_EQ("1 Main St", form.shown.address);
    EXPECT_EQ("Springfield", form.shown.addressCity);
    EXPECT_EQ("12345", form.shown.addressPostalCode);
    EXPECT_EQ("IL", form.shown.addressProvince);
    EXPECT_EQ("USA", form.shown.addressCountry);
    EXPECT_EQ("18", form.shown.claimed);
    EXPECT_EQ("ann@example.org", form.shown.email);
    EXPECT_EQ("RTTY Club", form.shown.club);
}

TEST_F(CabrilloLogTest, FormAlwaysProposesTheSameCategoriesWhateverWasStored)
{
    WriteFile(kSettingsPath, "[Settings]\r\nCategory=MULTI-OP\r\nCategory_Power=QRP\r\nContest=OTHER\r\n");
    log.EditHeader("N0CALL", form, settings);
    EXPECT_EQ("BARTG SPRINT", form.shown.contest);
    EXPECT_EQ("SINGLE-OP", form.shown.categoryOperator);
    EXPECT_EQ("NON ASSISTED", form.shown.categoryAssisted);
    EXPECT_EQ("ALL", form.shown.categoryBand);
    EXPECT_EQ("HIGH", form.shown.categoryPower);
    EXPECT_EQ("RTTY", form.shown.categoryMode);
    EXPECT_EQ("DX", form.shown.location);
    EXPECT_EQ("", form.shown.categoryTime);
    EXPECT_EQ("", form.shown.categoryTransmitter);
    EXPECT_EQ("", form.shown.categoryOverlay);
}

TEST_F(CabrilloLogTest, TimeTransmitterAndOverlayKeepTheLastChoiceOfThisRun)
{
    form.PressOk([](CabrilloHeader& f) {
        f.categoryTime = "6-HOURS";
        f.categoryTransmitter = "TWO";
        f.categoryOverlay = "EXPERT";
        f.categoryPower = "LOW";
    });
    log.EditHeader("N0CALL", form, settings);
    log.EditHeader("N0CALL", form, settings);
    EXPECT_EQ("6-HOURS", form.shown.categoryTime);
    EXPECT_EQ("TWO", form.shown.categoryTransmitter);
    EXPECT_EQ("EXPERT", form.shown.categoryOverlay);
    EXPECT_EQ("HIGH", form.shown.categoryPower);
}

TEST_F(CabrilloLogTest, OperatorsDefaultToTheCallsign)
{
    WriteFile(kSettingsPath, "[Settings]\r\nName=Ann\r\n");
    log.EditHeader("G4ABC", form, settings);
    EXPECT_EQ("G4ABC", form.shown.operators);
}

TEST_F(CabrilloLogTest, StoredValuesLongerThan99CharactersAreCut)
{
    WriteFile(kSettingsPath, "[Settings]\r\nAddress=" + std::string(120, 'a') + "\r\n");
    log.EditHeader("N0CALL", form, settings);
    EXPECT_EQ(std::string(99, 'a'), form.shown.address);
}

TEST_F(CabrilloLogTest, OkStoresThePersonalFieldsAndCategoriesInTheirOrder)
{
    form.PressOk([](CabrilloHeader& f) {
        f.name = "Ann";
        f.address = "1 Main St";
        f.addressCity = "Springfield";
        f.addressProvince = "IL";
        f.addressPostalCode = "12345";
        f.addressCountry = "USA";
        f.categoryOperator = "MULTI-OP";
        f.categoryTime = "6-HOURS";
        f.categoryTransmitter = "ONE";
        f.categoryOverlay = "EXPERT";
        f.email = "ann@example.org";
        f.club = "RTTY Club";
        f.soapbox = "73";
        f.location = "IL";
        f.categoryMode = "PSK";
    });
    EXPECT_EQ(1, log.EditHeader("N0CALL", form, settings));
    // Callsign, mode category, location and the claimed score are not stored.
    EXPECT_EQ("[Settings]\r\n"
              "Operators=N0CALL\r\nName=Ann\r\nAddress=1 Main St\r\nAddress_City=Springfield\r\n"
              "Address_Province=IL\r\nAddress_PostalCode=12345\r\nAddress_Country=USA\r\n"
              "Category=MULTI-OP\r\nCategory_Assisted=NON ASSISTED\r\nCategory_Band=ALL\r\nCategory_Power=HIGH\r\n"
              "Category_Station=6-HOURS\r\nCategory_Transmitter=ONE\r\nCategory_Overlay=EXPERT\r\n"
              "Contest=BARTG SPRINT\r\nEmail=ann@example.org\r\nClub=RTTY Club\r\nSoapBox=73\r\n",
        ReadFile(kSettingsPath));
}

TEST_F(CabrilloLogTest, CancelStoresNothingAndReturnsZero)
{
    const std::string stored = "[Settings]\r\nName=Ann\r\nSoapBox=first<CR><LF>second\r\n";
    WriteFile(kSettingsPath, stored);
    form.PressCancel();
    EXPECT_EQ(0, log.EditHeader("N0CALL", form, settings));
    EXPECT_EQ(stored, ReadFile(kSettingsPath));
    EXPECT_EQ("Ann", log.name);
    EXPECT_EQ("first\r\nsecond", log.soapbox);
}

TEST_F(CabrilloLogTest, OkEmptiesTheQsoLinesAndCancelKeepsThem)
{
    log.AddQso("DL0XX", 3580, "RY", COleDateTime(2018, 1, 20, 14, 5, 0), "", "001", "", "005");
    form.PressCancel();
    log.EditHeader("N0CALL", form, settings);
    EXPECT_EQ(1u, log.qsoLines.size());
    form.PressOk();
    log.EditHeader("N0CALL", form, settings);
    EXPECT_TRUE(log.qsoLines.empty());
}

TEST_F(CabrilloLogTest, TheClaimedTextOfTheFormIsNeverTaken)
{
    WriteFile(kSettingsPath, "[Settings]\r\nClaimed=18\r\n");
    form.PressOk([](CabrilloHeader& f) { f.claimed = "999999"; });
    log.EditHeader("N0CALL", form, settings);
    EXPECT_EQ("18", log.claimed);
    EXPECT_EQ("18", settings.ReadString("Claimed"));
}

TEST_F(CabrilloLogTest, CallsignChangedInTheFormRenamesTheEntrantButNotTheFile)
{
    form.PressOk([](CabrilloHeader& f) { f.callsign = "N0CALL/M"; });
    log.EditHeader("N0CALL", form, settings);
    EXPECT_EQ("File produced: N0CALL.cbr", log.WriteFile(0, "2.16"));
    EXPECT_EQ(0u, ReadFile("N0CALL.cbr").find("START-OF-LOG: 3.0\r\nCONTEST: BARTG-SPRINT\r\nCALLSIGN: N0CALL/M\r\n"));
}

// ---- The soapbox: typed with line breaks, stored with markers, written one tag per line ----

TEST_F(CabrilloLogTest, SoapboxTypedOnTwoLinesIsStoredWithMarkers)
{
    form.PressOk([](CabrilloHeader& f) { f.soapbox = "first\r\nsecond"; });
    log.EditHeader("N0CALL", form, settings);
    EXPECT_EQ("first<CR><LF>second", settings.ReadString("SoapBox"));
}

TEST_F(CabrilloLogTest, StoredSoapboxOpensInTheFormWithRealLineBreaks)
{
    WriteFile(kSettingsPath, "[Settings]\r\nSoapBox=first<CR><LF>second\r\n");
    log.EditHeader("N0CALL", form, settings);
    EXPECT_EQ("first\r\nsecond", form.shown.soapbox);
}

TEST_F(CabrilloLogTest, ConfirmedSoapboxIsWrittenAsOneTaggedLinePerLine)
{
    form.PressOk([](CabrilloHeader& f) { f.soapbox = "first\r\nsecond"; });
    log.EditHeader("N0CALL", form, settings);
    EXPECT_EQ("first\r\nSOAPBOX: second", log.soapbox);
    EXPECT_NE(std::string::npos, WrittenHeader().find("E-MAIL: \r\nSOAPBOX: first\r\nSOAPBOX: second\r\n"));
}

TEST_F(CabrilloLogTest, SoapboxOfACancelledFormIsStillWrittenOneTaggedLinePerLine)
{
    WriteFile(kSettingsPath, "[Settings]\r\nSoapBox=first<CR><LF>second<CR>third<LF>fourth\r\n");
    form.PressCancel();
    log.EditHeader("N0CALL", form, settings);
    const std::string header = WrittenHeader();
    EXPECT_EQ(std::string("SOAPBOX: first\r\nSOAPBOX: second\r\nSOAPBOX: third\r\nSOAPBOX: fourth\r\n"),
        header.substr(header.find("SOAPBOX: ")));
}

// ---- The file's name ----

struct BaseNameCase {
    const char* behaviour;
    const char* callsign;
    const char* baseName;
};

void PrintTo(const BaseNameCase& c, std::ostream* out) { *out << ::testing::PrintToString(std::string(c.callsign)); }

class CabrilloFileBaseNameTest : public ::testing::TestWithParam<BaseNameCase> { };

TEST_P(CabrilloFileBaseNameTest, FollowsTheCallsign)
{
    EXPECT_EQ(GetParam().baseName, CabrilloFileBaseName(GetParam().callsign));
}

INSTANTIATE_TEST_SUITE_P(Callsign, CabrilloFileBaseNameTest,
    ::testing::Values(BaseNameCase{"PlainCallsignIsKept", "N0CALL", "N0CALL"},
        BaseNameCase{"SlashBecomesUnderscore", "N0CALL/P", "N0CALL_P"},
        BaseNameCase{"BackslashBecomesUnderscore", "DL/N0CALL\\QRP", "DL_N0CALL_QRP"},
        BaseNameCase{"BlanksAtTheEndsGo", "  N0CALL \t", "N0CALL"}, BaseNameCase{"EmptyCallsignGivesZepc", "", "ZEPC"},
        BaseNameCase{"BlanksOnlyGiveZepc", "   ", "ZEPC"},
        // These would make the name unusable on Windows and the file would be lost.
        BaseNameCase{"ReservedCharactersBecomeUnderscores", "A:B*C?D\"E<F>G|H", "A_B_C_D_E_F_G_H"},
        BaseNameCase{"InnerLineBreaksBecomeUnderscores", "N0\r\nCALL", "N0__CALL"}),
    [](const ::testing::TestParamInfo<BaseNameCase>& info) { return std::string(info.param.behaviour); });

// ---- The QSO line ----

TEST_F(CabrilloLogTest, QsoLineOfTheExampleColumnByColumn)
{
    log.callsign = "N0CALL";
    AddExampleQso();
    const std::string& line = log.qsoLines.at(0);
    // Columns are counted from 1, as in the file format's description.
    auto columns = [&](size_t first, size_t last) { return line.substr(first - 1, last - first + 1); };
    EXPECT_EQ("QSO: ", columns(1, 5));
    EXPECT_EQ(" 3580", columns(6, 10));
    EXPECT_EQ("RY", columns(12, 13));
    EXPECT_EQ("2018-01-20 1405", columns(15, 29));
    EXPECT_EQ("N0CALL       ", columns(31, 43));
    EXPECT_EQ("   ", columns(45, 47));
    EXPECT_EQ("001   ", columns(49, 54));
    EXPECT_EQ("DL0XX        ", columns(56, 68));
    EXPECT_EQ("   ", columns(70, 72));
    EXPECT_EQ("005\r\n", line.substr(73));
}

TEST_F(CabrilloLogTest, FiveDigitFrequencyFillsItsFieldAndALongCallsignShiftsTheRest)
{
    log.callsign = "VERYLONGCALL/MM";
    log.AddQso("DL0XX", 28080, "RY", COleDateTime(2018, 1, 20, 9, 0, 0), "", "001", "", "005");
    EXPECT_EQ("QSO: 28080 RY 2018-01-20 0900 VERYLONGCALL/MM     001    DL0XX             005\r\n", log.qsoLines.at(0));
}

TEST_F(CabrilloLogTest, ValuesWithLineBreaksStayOnTheirLine)
{
    log.callsign = "N0CALL\r\nX";
    log.AddQso("DL0XX\n", 3580, "RY", COleDateTime(2018, 1, 20, 14, 5, 0), "", "001", "", "005\r\n");
    EXPECT_EQ("QSO:  3580 RY 2018-01-20 1405 N0CALL  X         001    DL0XX             005  \r\n", log.qsoLines.at(0));
    log.name = "Ann\r\nEND-OF-LOG:";
    EXPECT_NE(std::string::npos, WrittenHeader().find("CALLSIGN: N0CALL  X\r\n"));
    EXPECT_NE(std::string::npos, WrittenHeader().find("NAME: Ann  END-OF-LOG:\r\n"));
}

// ---- The file ----

TEST_F(CabrilloLogTest, FileOfASingleOperatorLog)
{
    WriteFile(kSettingsPath,
        "[Settings]\r\nName=Ann Smith\r\nAddress=1 Main St\r\nAddress_City=Springfield\r\n"
        "Address_PostalCode=12345\r\nAddress_Province=IL\r\nAddress_Country=USA\r\n"
        "Email=ann@example.org\r\nClub=RTTY Club\r\nSoapBox=73\r\n");
    form.PressOk([](CabrilloHeader& f) { f.categoryPower = "LOW"; });
    log.EditHeader("N0CALL", form, settings);
    AddExampleQso();
    EXPECT_EQ("File produced: N0CALL.cbr", log.WriteFile(18, "2.16"));
    // The province, the assisted and mode categories and the form's claimed text are not written.
    EXPECT_EQ(std::string("START-OF-LOG: 3.0\r\n"
                          "CONTEST: BARTG-SPRINT\r\n"
                          "CALLSIGN: N0CALL\r\n"
                          "CATEGORY-OPERATOR: SINGLE-OP\r\n"
                          "CATEGORY-BAND: ALL\r\n"
                          "NAME: Ann Smith\r\n"
                          "ADDRESS: 1 Main St\r\n"
                          "ADDRESS-CITY: Springfield\r\n"
                          "ADDRESS-POSTALCODE: 12345\r\n"
                          "ADDRESS-COUNTRY: USA\r\n"
                          "LOCATION: DX\r\n"
                          "CATEGORY-POWER: LOW\r\n"
                          "CLAIMED-SCORE: 18\r\n"
                          "CLUB: RTTY Club\r\n"
                          "CREATED-BY: Kelb 2.16\r\n"
                          "E-MAIL: ann@example.org\r\n"
                          "SOAPBOX: 73\r\n")
            + kExampleQsoLine + "END-OF-LOG:\r\n",
        ReadFile("N0CALL.cbr"));
}

TEST_F(CabrilloLogTest, EmptyFieldsStillGiveTheirTagLines)
{
    log.callsign = "N0CALL";
    EXPECT_EQ("CALLSIGN: N0CALL\r\nCATEGORY-OPERATOR: \r\nCATEGORY-BAND: \r\nNAME: \r\nADDRESS: \r\n"
              "ADDRESS-CITY: \r\nADDRESS-POSTALCODE: \r\nADDRESS-COUNTRY: \r\nLOCATION: \r\nCATEGORY-POWER: \r\n"
              "CLAIMED-SCORE: 0\r\nCLUB: \r\nCREATED-BY: Kelb 2.16\r\nE-MAIL: \r\nSOAPBOX: \r\n",
        WrittenHeader());
}

TEST_F(CabrilloLogTest, MultiOperatorLogNamesTransmitterAndOperatorsInsteadOfTheBand)
{
    log.categoryOperator = "MULTI-OP";
    log.categoryTransmitter = "TWO";
    log.operators = "N0CALL K1ABC";
    log.categoryBand = "ALL";
    EXPECT_EQ(0u,
        WrittenHeader().find("CALLSIGN: \r\nCATEGORY-OPERATOR: MULTI-OP\r\nCATEGORY-TRANSMITTER: TWO\r\n"
                             "OPERATORS: N0CALL K1ABC\r\nNAME: \r\n"));
}

TEST_F(CabrilloLogTest, OperatorCategoryIsComparedWithItsCase)
{
    log.categoryOperator = "multi-op";
    log.categoryTransmitter = "TWO";
    log.categoryBand = "ALL";
    const std::string header = WrittenHeader();
    EXPECT_EQ(0u, header.find("CALLSIGN: \r\nCATEGORY-OPERATOR: multi-op\r\nCATEGORY-BAND: ALL\r\nNAME: \r\n"));
    EXPECT_EQ(std::string::npos, header.find("OPERATORS: "));
}

TEST_F(CabrilloLogTest, ExpertOverlayAndSixHourTimeAreWrittenOnlyWithTheirExactNames)
{
    log.categoryOperator = "SINGLE-OP";
    log.categoryOverlay = "EXPERT";
    log.categoryTime = "6-HOURS";
    EXPECT_EQ(0u,
        WrittenHeader().find("CALLSIGN: \r\nCATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-OVERLAY: EXPERT\r\n"
                             "CATEGORY-BAND: \r\nCATEGORY-TIME: 6-HOURS\r\nNAME: "));
    log.categoryOverlay = "expert";
    log.categoryTime = "6-hours";
    const std::string header = WrittenHeader();
    EXPECT_EQ(std::string::npos, header.find("CATEGORY-OVERLAY"));
    EXPECT_EQ(std::string::npos, header.find("CATEGORY-TIME"));
}

TEST_F(CabrilloLogTest, WritingReplacesTheWholeOldFile)
{
    log.fileBaseName = "N0CALL";
    WriteFile("N0CALL.cbr", std::string(5000, 'x'));
    log.WriteFile(0, "2.16");
    EXPECT_EQ(0u, ReadFile("N0CALL.cbr").find("START-OF-LOG: 3.0\r\n"));
    EXPECT_EQ(std::string::npos, ReadFile("N0CALL.cbr").find('x'));
}

TEST_F(CabrilloLogTest, FileThatCannotBeWrittenIsReportedAsNotProduced)
{
    log.fileBaseName = "N0CALL";
    std::filesystem::create_directory("N0CALL.cbr");
    EXPECT_EQ("File NOT produced: N0CALL.cbr", log.WriteFile(0, "2.16"));
    EXPECT_TRUE(std::filesystem::is_directory("N0CALL.cbr"));
    EXPECT_FALSE(std::filesystem::exists("N0CALL.cbr.new"));
}

// ---- Through the exports, as the host drives it ----

class CabrilloExportTest : public TestWorkspace {
protected:
    void SetUp() override
    {
        TestWorkspace::SetUp();
        windows.formConfirms = true;
        host.StartContest({.cabrilloMode = 1});
    }

    int status = 0; // GetResult0's status in Cabrillo mode
};

TEST_F(CabrilloExportTest, EveryFileListsEachQsoOnce)
{
    host.AddQso({.band = "80m"});
    host.AddQso(UsStation("W1AW", "W1", "40m"));
    host.Result(status);
    host.Result(status);
    const std::string file = ReadFile("N0CALL.cbr");
    size_t lines = 0;
    for (size_t at = file.find("QSO: "); at != std::string::npos; at = file.find("QSO: ", at + 1))
        ++lines;
    EXPECT_EQ(2u, lines);
}

TEST_F(CabrilloExportTest, ClaimedScoreIsTheScoreOfTheResult)
{
    host.AddQso(UsStation("W1AW", "W1", "80m"));
    host.AddQso({.band = "80m"});
    host.AddQso({.band = "40m"});
    const std::string result = host.Result(status);
    ASSERT_NE(std::string::npos, result.find("Score = 3 * 3 * 2 = 18 \r\n"));
    EXPECT_NE(std::string::npos, ReadFile("N0CALL.cbr").find("\r\nCLAIMED-SCORE: 18\r\n"));
}

TEST_F(CabrilloExportTest, WithoutHostSettingsTheCreatorIsKelbKelb)
{
    host.Result(status);
    EXPECT_NE(std::string::npos, ReadFile("N0CALL.cbr").find("\r\nCREATED-BY: Kelb Kelb\r\n"));
}

} // namespace
