#include "reports/CabrilloLog.h"

#include <algorithm>
#include <string_view>

#include "platform/SettingsFile.h"
#include "platform/TextFiles.h"

namespace {

// The settings file keeps the soapbox on one line with these markers for its line breaks.
const char* const kStoredCr = "<CR>";
const char* const kStoredLf = "<LF>";

const char* const kSoapboxTag = "SOAPBOX: ";
// What a stored line break becomes once the form is confirmed: the next line gets its own tag.
const char* const kSoapboxLineBreak = "\r\nSOAPBOX: ";

const char* const kNoCallsignBaseName = "ZEPC";
// Path separators and the other characters a Windows file name cannot hold.
const char* const kNotInFileNames = "/\\:*?\"<>|";

// A header or QSO value on one line: a line break inside it would start a line of its own.
CString OneLine(CString value)
{
    std::replace_if(
        value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return value;
}

// One "SOAPBOX: " line per line of the soapbox. A confirmed soapbox joins its lines with the
// tag already; one that was never confirmed (the form was cancelled) still holds the
// operator's line breaks, CR LF, CR or LF.
CString SoapboxLines(const CString& soapbox)
{
    CString text = soapbox;
    text.Replace(kSoapboxLineBreak, "\n");
    text.Replace("\r\n", "\n");
    text.Replace("\r", "\n");
    // One more LF, so that SplitLines keeps an empty last line as a line of its own.
    text += "\n";
    CString lines;
    for (std::string_view line : SplitLines(text))
        lines += kSoapboxTag + std::string(line) + "\r\n";
    return lines;
}

CString TagLine(const char* tag, const CString& value) { return tag + OneLine(value) + "\r\n"; }

} // namespace

CString CabrilloFileBaseName(const CString& callsign)
{
    CString name = callsign;
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return std::string_view(kNotInFileNames).find(c) != std::string_view::npos; }, '_');
    name.Trim();
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return c < 0x20; }, '_');
    return name.IsEmpty() ? CString(kNoCallsignBaseName) : name;
}

int CabrilloLog::EditHeader(const CString& newCallsign, CabrilloHeaderForm& form, const SettingsFile& settings)
{
    callsign = newCallsign;
    fileBaseName = CabrilloFileBaseName(newCallsign);

    operators = settings.ReadString("Operators", newCallsign.c_str());
    name = settings.ReadString("Name");
    address = settings.ReadString("Address");
    addressCity = settings.ReadString("Address_City");
    addressPostalCode = settings.ReadString("Address_PostalCode");
    addressProvince = settings.ReadString("Address_Province");
    addressCountry = settings.ReadString("Address_Country");
    claimed = settings.ReadString("Claimed");

    // The categories start from the same proposal every time; what was stored is not read
    // back. Time, transmitter and overlay keep what the operator chose last in this run.
    contest = "BARTG SPRINT";
    categoryOperator = "SINGLE-OP";
    categoryAssisted = "NON ASSISTED";
    categoryBand = "ALL";
    categoryPower = "HIGH";
    categoryMode = "RTTY";
    location = "DX";

    email = settings.ReadString("Email");
    club = settings.ReadString("Club");
    soapbox = settings.ReadString("SoapBox");
    soapbox.Replace(kStoredCr, "\r");
    soapbox.Replace(kStoredLf, "\n");

    CabrilloHeader edited = *this;
    if (!form.Edit(edited))
        return 0;
    // The claimed score is shown only; the file base name stays the one of the callsign the
    // contest was started with.
    edited.claimed = claimed;
    static_cast<CabrilloHeader&>(*this) = edited;

    soapbox.Replace("\r", kStoredCr);
    soapbox.Replace("\n", kStoredLf);

    settings.WriteString("Operators", operators);
    settings.WriteString("Name", name);
    settings.WriteString("Address", address);
    settings.WriteString("Address_City", addressCity);
    settings.WriteString("Address_Province", addressProvince);
    settings.WriteString("Address_PostalCode", addressPostalCode);
    settings.WriteString("Address_Country", addressCountry);
    settings.WriteString("Category", categoryOperator);
    settings.WriteString("Category_Assisted", categoryAssisted);
    settings.WriteString("Category_Band", categoryBand);
    settings.WriteString("Category_Power", categoryPower);
    // The time category has no key of its own.
    settings.WriteString("Category_Station", categoryTime);
    settings.WriteString("Category_Transmitter", categoryTransmitter);
    settings.WriteString("Category_Overlay", categoryOverlay);
    settings.WriteString("Contest", contest);
    settings.WriteString("Email", email);
    settings.WriteString("Club", club);
    settings.WriteString("SoapBox", soapbox);

    soapbox.Replace(kStoredCr, kSoapboxLineBreak);
    soapbox.Replace(kStoredLf, "");

    qsoLines.clear();
    return 1;
}

void CabrilloLog::AddQso(const CString& call, int frequencyKhz, const CString& mode, const COleDateTime& time,
    const CString& sentRst, const CString& sentExchange, const CString& receivedRst, const CString& receivedExchange)
{
    qsoLines.push_back(CString::Formatted("QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n", frequencyKhz,
        OneLine(mode).c_str(), time.Format("%Y-%m-%d %H%M").c_str(), OneLine(callsign).c_str(),
        OneLine(sentRst).c_str(), OneLine(sentExchange).c_str(), OneLine(call).c_str(), OneLine(receivedRst).c_str(),
        OneLine(receivedExchange).c_str()));
}

CString CabrilloLog::WriteFile(int claimedScore, const CString& hostVersion) const
{
    const CString fileName = fileBaseName + ".cbr";

    CString content = "START-OF-LOG: 3.0\r\n";
    content += "CONTEST: BARTG-SPRINT\r\n";
    content += TagLine("CALLSIGN: ", callsign);
    content += TagLine("CATEGORY-OPERATOR: ", categoryOperator);
    if (categoryOverlay == "EXPERT")
        content += TagLine("CATEGORY-OVERLAY: ", categoryOverlay);
    if (categoryOperator == "MULTI-OP") {
        content += TagLine("CATEGORY-TRANSMITTER: ", categoryTransmitter);
        content += TagLine("OPERATORS: ", operators);
    } else {
        content += TagLine("CATEGORY-BAND: ", categoryBand);
    }
    if (categoryTime == "6-HOURS")
        content += TagLine("CATEGORY-TIME: ", categoryTime);
    content += TagLine("NAME: ", name);
    content += TagLine("ADDRESS: ", address);
    content += TagLine("ADDRESS-CITY: ", addressCity);
    content += TagLine("ADDRESS-POSTALCODE: ", addressPostalCode);
    content += TagLine("ADDRESS-COUNTRY: ", addressCountry);
    content += TagLine("LOCATION: ", location);
    content += TagLine("CATEGORY-POWER: ", categoryPower);
    content += TagLine("CLAIMED-SCORE: ", std::to_string(claimedScore));
    content += TagLine("CLUB: ", club);
    content += TagLine("CREATED-BY: Kelb ", hostVersion);
    content += TagLine("E-MAIL: ", email);
    content += SoapboxLines(soapbox);
    for (const CString& line : qsoLines)
        content += line;
    content += "END-OF-LOG:\r\n";

    // A file that cannot be replaced whole stays as it was, and the operator is told so: an old
    // file must not be sent in as this one.
    if (ReplaceFileContent(fileName, content))
        return "File produced: " + fileName;
    return "File NOT produced: " + fileName + (IsHeldByAnotherProgram(fileName) ? " (in use by another program)" : "");
}
