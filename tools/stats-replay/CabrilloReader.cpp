// The Cabrillo reader: ReadCabrillo in ContestLog.h.
#include "tools/stats-replay/ContestLog.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>

#include "platform/CString.h"
#include "platform/TextFiles.h"

namespace {

// No real Cabrillo line comes near this; longer ones are garbage.
constexpr size_t kMaxLineLength = 1000;

using Tokens = std::vector<std::string>;

std::string Quote(std::string_view text)
{
    constexpr size_t kShown = 24;
    return "'" + std::string(text.substr(0, kShown)) + (text.size() > kShown ? "...'" : "'");
}

// A call has letters and digits, and strokes at most.
bool LooksLikeCall(const std::string& token)
{
    const bool letter = std::any_of(token.begin(), token.end(), [](unsigned char c) { return std::isalpha(c) != 0; });
    return letter && token.find_first_of("0123456789") != std::string::npos && IsName(token, "/");
}

bool IsTransmitterId(const std::string& token) { return token == "0" || token == "1"; }

bool ParseFrequency(const std::string& token, Qso& qso)
{
    const std::optional<std::uint64_t> hz = ParseScaledDecimal(token, 3);
    // A band designator ("1.2G"), or a value below 1000 that names a band in MHz ("7", "14"),
    // is that band; any other number is a frequency in kHz.
    std::string band = BandForDesignator(token);
    if (band.empty() && hz && *hz < 1000000)
        band = BandForFrequency(*ParseScaledDecimal(token, 6));
    if (!band.empty()) {
        qso.band = band;
        qso.frequencyHz = *UsualFrequencyForBand(band);
        return true;
    }
    if (!hz)
        return false;
    qso.frequencyHz = *hz;
    qso.band = BandForFrequency(*hz);
    return true;
}

// The fields after the time, taken apart (a transmitter id left out).
struct QsoFields {
    std::string ownCall;
    Tokens sent;
    std::string call;
    Tokens received;
};

QsoFields Parted(const Tokens& fields, size_t callAt, bool transmitterId)
{
    const auto call = fields.begin() + static_cast<std::ptrdiff_t>(callAt);
    return {
        fields[0], Tokens(fields.begin() + 1, call), *call, Tokens(call + 1, fields.end() - (transmitterId ? 1 : 0))};
}

// Where the worked call stands when the exchanges have the same number of fields: 2 + 2k fields,
// or 3 + 2k with a transmitter id; the call after the own call and k fields. Nothing when the
// count fits neither or the field there is no call.
std::optional<QsoFields> ByStructure(const Tokens& fields)
{
    const bool transmitterId = fields.size() % 2 == 1 && IsTransmitterId(fields.back());
    if (fields.size() < 2 || (fields.size() % 2 == 1 && !transmitterId))
        return std::nullopt;
    const size_t callAt = 1 + (fields.size() - (transmitterId ? 3 : 2)) / 2;
    if (!LooksLikeCall(fields[callAt]))
        return std::nullopt;
    return Parted(fields, callAt, transmitterId);
}

// The first field after the own call that looks like a call, at or after `from`; nothing when none.
std::optional<size_t> FirstCallLike(const Tokens& fields, size_t from)
{
    const auto call = std::find_if(fields.begin() + static_cast<std::ptrdiff_t>(from), fields.end(), LooksLikeCall);
    return call == fields.end() ? std::nullopt : std::optional<size_t>(call - fields.begin());
}

// The reading where the structure cannot tell: the first field that looks like a call, and a
// trailing 0 or 1 beyond the sent exchange's length is the transmitter id. `guessed` tells
// whether another field after it looked like a call too.
std::optional<QsoFields> ByFirstCall(const Tokens& fields, bool& guessed)
{
    const std::optional<size_t> callAt = FirstCallLike(fields, 1);
    if (!callAt)
        return std::nullopt;
    guessed = FirstCallLike(fields, *callAt + 1).has_value();
    const size_t sentLength = *callAt - 1;
    const size_t receivedLength = fields.size() - *callAt - 1;
    return Parted(fields, *callAt, receivedLength > sentLength && IsTransmitterId(fields.back()));
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

class CabrilloReader {
public:
    ContestLog Read(std::string_view text);

private:
    void ReadQsoLine(const std::string& text, int lineNumber);
    std::optional<QsoFields> WorkedCall(const Tokens& fields, int lineNumber);
    void TakeExchanges(const QsoFields& fields, int lineNumber, Qso& qso);

    ContestLog m_log;
    ProblemList m_problems;
    bool m_guessNamed = false; // a guessed worked call is named once per log
};

// The fields by the line's structure, else by the first field that looks like a call.
std::optional<QsoFields> CabrilloReader::WorkedCall(const Tokens& fields, int lineNumber)
{
    if (std::optional<QsoFields> parted = ByStructure(fields))
        return parted;
    bool guessed = false;
    std::optional<QsoFields> parted = ByFirstCall(fields, guessed);
    if (!parted) {
        m_problems.Add(lineNumber, "no worked callsign in the QSO line");
    } else if (guessed && !m_guessNamed) {
        m_guessNamed = true;
        m_problems.Add(lineNumber,
            "the fields do not tell which is the worked call; read as " + Quote(parted->call)
                + ", the first that looks like a call (later lines like this one without a warning)");
    }
    return parted;
}

void CabrilloReader::TakeExchanges(const QsoFields& fields, int lineNumber, Qso& qso)
{
    // Both sides are read alike: when either has the RST column, both have it.
    const bool rstColumns = fields.sent.size() >= 2 || fields.received.size() >= 2;
    TakeExchange(fields.sent, rstColumns, qso.rstSent, qso.serialSent);
    TakeExchange(fields.received, rstColumns, qso.rstReceived, qso.serialReceived);
    if (rstColumns && (qso.serialSent.empty() || qso.serialReceived.empty())) {
        const bool receivedMissing = qso.serialReceived.empty();
        const std::string& rst = receivedMissing ? qso.rstReceived : qso.rstSent;
        m_problems.Add(lineNumber,
            std::string("no ") + (receivedMissing ? "received" : "sent") + " serial number"
                + (rst.empty() ? "" : " after the RST " + rst)
                + "; replayed with an empty one, so the plug-in rejects the QSO");
    }
}

void CabrilloReader::ReadQsoLine(const std::string& text, int lineNumber)
{
    if (text.size() > kMaxLineLength) {
        m_problems.Add(lineNumber, "QSO line too long");
        return;
    }
    std::istringstream split(text);
    const Tokens tokens{std::istream_iterator<std::string>(split), std::istream_iterator<std::string>()};
    if (tokens.size() < 7) {
        m_problems.Add(lineNumber, "QSO line has too few fields");
        return;
    }
    Qso qso;
    qso.line = lineNumber;
    if (!ParseFrequency(tokens[0], qso)) {
        m_problems.Add(lineNumber, "frequency not understood: " + Quote(tokens[0]));
        return;
    }
    qso.mode = CString(tokens[1]).EqualsNoCase("RY") ? "RTTY" : tokens[1];
    const std::string& date = tokens[2];
    const std::optional<COleDateTime> time = date.size() == 10 && date[4] == '-' && date[7] == '-'
        ? ParseQsoTime(date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2) + tokens[3])
        : std::nullopt;
    if (!time) {
        m_problems.Add(lineNumber, "date or time not valid: " + Quote(tokens[2]) + " " + Quote(tokens[3]));
        return;
    }
    qso.time = *time;
    const std::optional<QsoFields> fields = WorkedCall(Tokens(tokens.begin() + 4, tokens.end()), lineNumber);
    if (!fields)
        return;
    qso.ownCall = CString(fields->ownCall).MakeUpper();
    qso.call = CString(fields->call).MakeUpper();
    TakeExchanges(*fields, lineNumber, qso);
    m_log.qsos.push_back(std::move(qso));
}

ContestLog CabrilloReader::Read(std::string_view text)
{
    m_log.format = LogFormat::Cabrillo;
    const std::vector<std::string_view> lines = SplitLinesAtAnyEnd(text);
    for (size_t index = 0; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        const std::string line = CString(lines[index]).Trim();
        if (line.empty())
            continue;
        const size_t colon = line.find(':');
        const std::string tag = colon == std::string::npos ? "" : line.substr(0, colon);
        if (!IsName(tag, "-_")) {
            m_problems.Add(lineNumber, "not a Cabrillo line");
            continue;
        }
        const std::string value = CString(std::string_view(line).substr(colon + 1)).Trim();
        if (CString(tag).EqualsNoCase("QSO"))
            ReadQsoLine(value, lineNumber);
        else if (CString(tag).EqualsNoCase("CALLSIGN"))
            m_log.ownCall = CString(value).MakeUpper();
        else if (CString(tag).EqualsNoCase("END-OF-LOG"))
            break;
    }
    return Completed(std::move(m_log), m_problems);
}

} // namespace

ContestLog ReadCabrillo(std::string_view text) { return CabrilloReader().Read(text); }
