#include "tools/stats-replay/CabrilloReader.h"

#include <vector>

#include "tools/stats-replay/Bands.h"
#include "tools/stats-replay/DecimalNumber.h"
#include "tools/stats-replay/LineCursor.h"
#include "tools/stats-replay/TextUtil.h"

namespace replay {
namespace {

// No real Cabrillo line comes near this; longer ones are garbage.
constexpr std::size_t kMaxLineLength = 1000;

using Tokens = std::vector<std::string_view>;

std::string Quote(std::string_view text) {
    constexpr std::size_t kShown = 24;
    return "'" + std::string(text.substr(0, kShown)) + (text.size() > kShown ? "...'" : "'");
}

// A worked call has letters and digits (exchanges here are numbers only).
bool LooksLikeCall(std::string_view token) {
    bool letter = false;
    bool digit = false;
    for (char c : token) {
        if (IsAsciiLetter(c)) letter = true;
        else if (IsAsciiDigit(c)) digit = true;
        else if (c != '/') return false;
    }
    return letter && digit;
}

bool ParseDateTime(std::string_view date, std::string_view time, QsoTime& result) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || time.size() != 4) return false;
    return ParseSmallNumber(date.substr(0, 4), result.year) &&
           ParseSmallNumber(date.substr(5, 2), result.month) &&
           ParseSmallNumber(date.substr(8, 2), result.day) &&
           ParseSmallNumber(time.substr(0, 2), result.hour) &&
           ParseSmallNumber(time.substr(2, 2), result.minute) && IsValidQsoTime(result);
}

bool ParseFrequency(std::string_view token, Qso& qso) {
    std::optional<std::uint64_t> hz = ParseScaledDecimal(token, 3);
    if (!hz) return false;
    if (*hz < 1000000) {
        // Below 1000 kHz no amateur band: the value names a band in MHz.
        std::optional<std::uint64_t> mhzValue = ParseScaledDecimal(token, 6);
        qso.band = BandForFrequency(*mhzValue);
        if (qso.band.empty()) return false;
        qso.frequencyHz = *UsualFrequencyForBand(qso.band);
        return true;
    }
    qso.frequencyHz = *hz;
    qso.band = BandForFrequency(*hz);
    return true;
}

// An exchange is "number", or "rst number" in a log with RST columns, where a lone field is
// the RST and the number is missing.
void TakeExchange(const Tokens& exchange, bool rstColumns, std::string& rst, std::string& number) {
    if (rstColumns) {
        if (exchange.size() >= 1) rst = exchange[0];
        if (exchange.size() >= 2) number = exchange[1];
    } else if (exchange.size() >= 1) {
        number = exchange[0];
    }
}

void ReadQsoLine(std::string_view fields, int lineNumber, ContestLog& log, ProblemList& problems) {
    if (fields.size() > kMaxLineLength) {
        problems.Add(lineNumber, "QSO line too long");
        return;
    }
    const Tokens tokens = SplitBlanks(fields);
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
    qso.mode = EqualsIgnoreCase(tokens[1], "RY") ? "RTTY" : std::string(tokens[1]);
    if (!ParseDateTime(tokens[2], tokens[3], qso.time)) {
        problems.Add(lineNumber, "date or time not valid: " + Quote(tokens[2]) + " " + Quote(tokens[3]));
        return;
    }
    qso.ownCall = ToUpper(tokens[4]);

    // Whatever stands between the own call and the worked call is the sent
    // exchange; what follows the worked call is the received one.
    std::size_t callIndex = 5;
    while (callIndex < tokens.size() && !LooksLikeCall(tokens[callIndex])) ++callIndex;
    if (callIndex == tokens.size()) {
        problems.Add(lineNumber, "no worked callsign in the QSO line");
        return;
    }
    qso.call = ToUpper(tokens[callIndex]);
    Tokens sent(tokens.begin() + 5, tokens.begin() + static_cast<std::ptrdiff_t>(callIndex));
    Tokens received(tokens.begin() + static_cast<std::ptrdiff_t>(callIndex) + 1, tokens.end());
    // A trailing 0 or 1 beyond the sent exchange's length is the transmitter id.
    if (received.size() > sent.size() && (received.back() == "0" || received.back() == "1")) {
        received.pop_back();
    }
    // Both sides are read alike: when either has the RST column, both have it.
    const bool rstColumns = sent.size() >= 2 || received.size() >= 2;
    TakeExchange(sent, rstColumns, qso.rstSent, qso.serialSent);
    TakeExchange(received, rstColumns, qso.rstReceived, qso.serialReceived);
    if (rstColumns && (qso.serialSent.empty() || qso.serialReceived.empty())) {
        const bool receivedMissing = qso.serialReceived.empty();
        const std::string& rst = receivedMissing ? qso.rstReceived : qso.rstSent;
        problems.Add(lineNumber, std::string("no ") + (receivedMissing ? "received" : "sent") + " serial number" +
                                     (rst.empty() ? "" : " after the RST " + rst) +
                                     "; replayed with an empty one, so the plug-in rejects the QSO");
    }
    log.qsos.push_back(std::move(qso));
}

bool IsTag(std::string_view tag) {
    if (tag.empty()) return false;
    for (char c : tag) {
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '-' && c != '_') return false;
    }
    return true;
}

}  // namespace

ContestLog ReadCabrillo(std::string_view text) {
    ContestLog log;
    log.format = LogFormat::Cabrillo;
    ProblemList problems;
    std::string headerCall;
    LineCursor lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        const std::string_view trimmed = Trim(line);
        if (trimmed.empty()) continue;
        const std::size_t colon = trimmed.find(':');
        const std::string_view tag = colon == std::string_view::npos ? std::string_view() : trimmed.substr(0, colon);
        if (!IsTag(tag)) {
            problems.Add(lines.LineNumber(), "not a Cabrillo line");
            continue;
        }
        const std::string_view value = Trim(trimmed.substr(colon + 1));
        if (EqualsIgnoreCase(tag, "QSO")) {
            ReadQsoLine(value, lines.LineNumber(), log, problems);
        } else if (EqualsIgnoreCase(tag, "CALLSIGN")) {
            headerCall = ToUpper(value);
        } else if (EqualsIgnoreCase(tag, "END-OF-LOG")) {
            break;
        }
    }
    log.ownCall = headerCall;
    log.problems = problems.Take();
    SummarizeQsos(log);
    return log;
}

}  // namespace replay
