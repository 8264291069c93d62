// The Cabrillo reader: ReadCabrillo in ContestLog.h.
#include "tools/stats-replay/ContestLog.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>

#include "platform/CString.h"

namespace {

// No real Cabrillo line comes near this; longer ones are garbage.
constexpr size_t kMaxLineLength = 1000;

using Tokens = std::vector<std::string>;

std::string Quote(std::string_view text)
{
    constexpr size_t kShown = 24;
    return "'" + std::string(text.substr(0, kShown)) + (text.size() > kShown ? "...'" : "'");
}

// A worked call has letters and digits (exchanges here are numbers only).
bool LooksLikeCall(const std::string& token)
{
    const bool letter = std::any_of(token.begin(), token.end(), [](unsigned char c) { return std::isalpha(c) != 0; });
    return letter && token.find_first_of("0123456789") != std::string::npos && IsName(token, "/");
}

bool ParseFrequency(const std::string& token, Qso& qso)
{
    const std::optional<std::uint64_t> hz = ParseScaledDecimal(token, 3);
    if (!hz)
        return false;
    if (*hz < 1000000) {
        // Below 1000 kHz no amateur band: the value names a band in MHz.
        qso.band = BandForFrequency(*ParseScaledDecimal(token, 6));
        if (qso.band.empty())
            return false;
        qso.frequencyHz = *UsualFrequencyForBand(qso.band);
        return true;
    }
    qso.frequencyHz = *hz;
    qso.band = BandForFrequency(*hz);
    return true;
}

// An exchange is "number", or "rst number" in a log with RST columns, where a lone field is
// the RST and the number is missing.
void TakeExchange(const Tokens& exchange, bool rstColumns, std::string& rst, std::string& number)
{
    const size_t numberAt = rstColumns ? 1 : 0;
    if (rstColumns && !exchange.empty())
        rst = exchange[0];
    if (exchange.size() > numberAt)
        number = exchange[numberAt];
}

void ReadQsoLine(const std::string& fields, int lineNumber, ContestLog& log, ProblemList& problems)
{
    if (fields.size() > kMaxLineLength) {
        problems.Add(lineNumber, "QSO line too long");
        return;
    }
    std::istringstream split(fields);
    const Tokens tokens{std::istream_iterator<std::string>(split), std::istream_iterator<std::string>()};
    if (tokens.size() < 7) {
        problems.Add(lineNumber, "QSO line has too few fields");
        return;
    }
    Qso qso;
    qso.line = lineNumber;
    if (!ParseFrequency(tokens[0], qso)) {
        problems.Add(lineNumber, "frequency not understood: " + Quote(tokens[0]));
        return;
    }
    qso.mode = CString(tokens[1]).EqualsNoCase("RY") ? "RTTY" : tokens[1];
    const std::string& date = tokens[2];
    if (date.size() != 10 || date[4] != '-' || date[7] != '-'
        || !ParseQsoTime(date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2) + tokens[3], qso.time)) {
        problems.Add(lineNumber, "date or time not valid: " + Quote(tokens[2]) + " " + Quote(tokens[3]));
        return;
    }
    qso.ownCall = ToUpper(tokens[4]);

    // Whatever stands between the own call and the worked call is the sent exchange; what
    // follows the worked call is the received one.
    size_t callIndex = 5;
    while (callIndex < tokens.size() && !LooksLikeCall(tokens[callIndex]))
        ++callIndex;
    if (callIndex == tokens.size()) {
        problems.Add(lineNumber, "no worked callsign in the QSO line");
        return;
    }
    qso.call = ToUpper(tokens[callIndex]);
    const auto call = tokens.begin() + static_cast<std::ptrdiff_t>(callIndex);
    const Tokens sent(tokens.begin() + 5, call);
    Tokens received(call + 1, tokens.end());
    // A trailing 0 or 1 beyond the sent exchange's length is the transmitter id.
    if (received.size() > sent.size() && (received.back() == "0" || received.back() == "1"))
        received.pop_back();
    // Both sides are read alike: when either has the RST column, both have it.
    const bool rstColumns = sent.size() >= 2 || received.size() >= 2;
    TakeExchange(sent, rstColumns, qso.rstSent, qso.serialSent);
    TakeExchange(received, rstColumns, qso.rstReceived, qso.serialReceived);
    if (rstColumns && (qso.serialSent.empty() || qso.serialReceived.empty())) {
        const bool receivedMissing = qso.serialReceived.empty();
        const std::string& rst = receivedMissing ? qso.rstReceived : qso.rstSent;
        problems.Add(lineNumber,
            std::string("no ") + (receivedMissing ? "received" : "sent") + " serial number"
                + (rst.empty() ? "" : " after the RST " + rst)
                + "; replayed with an empty one, so the plug-in rejects the QSO");
    }
    log.qsos.push_back(std::move(qso));
}

} // namespace

ContestLog ReadCabrillo(std::string_view text)
{
    ContestLog log;
    log.format = LogFormat::Cabrillo;
    ProblemList problems;
    const std::vector<std::string_view> lines = TextLines(text);
    for (size_t index = 0; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        const std::string line = Trimmed(lines[index]);
        if (line.empty())
            continue;
        const size_t colon = line.find(':');
        const std::string tag = colon == std::string::npos ? "" : line.substr(0, colon);
        if (!IsName(tag, "-_")) {
            problems.Add(lineNumber, "not a Cabrillo line");
            continue;
        }
        const std::string value = Trimmed(std::string_view(line).substr(colon + 1));
        if (CString(tag).EqualsNoCase("QSO"))
            ReadQsoLine(value, lineNumber, log, problems);
        else if (CString(tag).EqualsNoCase("CALLSIGN"))
            log.ownCall = ToUpper(value);
        else if (CString(tag).EqualsNoCase("END-OF-LOG"))
            break;
    }
    return Completed(std::move(log), problems);
}
