#include "tools/stats-replay/AdifReader.h"

#include <string>
#include <utility>
#include <vector>

#include "tools/stats-replay/Bands.h"
#include "tools/stats-replay/DecimalNumber.h"
#include "tools/stats-replay/TextUtil.h"

namespace replay {
namespace {

// A tag longer than this is not a tag but text that happens to hold a '<'.
constexpr std::size_t kMaxTagLength = 100;

using Fields = std::vector<std::pair<std::string, std::string>>;

// Counts line ends lazily, as the reader only moves forwards.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}
    int LineAt(std::size_t position) {
        for (; counted_ < position && counted_ < text_.size(); ++counted_) {
            if (text_[counted_] == '\n') ++line_;
        }
        return line_;
    }

private:
    std::string_view text_;
    std::size_t counted_ = 0;
    int line_ = 1;
};

std::string_view Field(const Fields& fields, std::string_view name) {
    for (const auto& [fieldName, value] : fields) {
        if (fieldName == name) return Trim(value);
    }
    return {};
}

std::string_view FirstGiven(const Fields& fields, std::string_view name, std::string_view fallback) {
    std::string_view value = Field(fields, name);
    return value.empty() ? Field(fields, fallback) : value;
}

bool ParseDateTime(std::string_view date, std::string_view time, QsoTime& result) {
    if (date.size() != 8 || (time.size() != 4 && time.size() != 6)) return false;
    int seconds = 0;
    return ParseSmallNumber(date.substr(0, 4), result.year) &&
           ParseSmallNumber(date.substr(4, 2), result.month) &&
           ParseSmallNumber(date.substr(6, 2), result.day) &&
           ParseSmallNumber(time.substr(0, 2), result.hour) &&
           ParseSmallNumber(time.substr(2, 2), result.minute) &&
           (time.size() == 4 || ParseSmallNumber(time.substr(4, 2), seconds)) && seconds <= 59 &&
           IsValidQsoTime(result);
}

void AddQso(const Fields& fields, int line, ContestLog& log, ProblemList& problems) {
    Qso qso;
    qso.line = line;
    qso.call = ToUpper(Field(fields, "CALL"));
    if (qso.call.empty()) {
        problems.Add(line, "record without CALL");
        return;
    }
    if (!ParseDateTime(Field(fields, "QSO_DATE"), Field(fields, "TIME_ON"), qso.time)) {
        problems.Add(line, "record without a valid QSO_DATE and TIME_ON");
        return;
    }
    qso.ownCall = ToUpper(FirstGiven(fields, "STATION_CALLSIGN", "OPERATOR"));
    qso.band = NormalizeBandName(Field(fields, "BAND"));
    if (std::optional<std::uint64_t> hz = ParseScaledDecimal(Field(fields, "FREQ"), 6)) {
        qso.frequencyHz = *hz;
        if (qso.band.empty()) qso.band = BandForFrequency(*hz);
    } else {
        qso.frequencyHz = UsualFrequencyForBand(qso.band).value_or(0);
    }
    qso.mode = FirstGiven(fields, "MODE", "SUBMODE");
    qso.rstSent = Field(fields, "RST_SENT");
    qso.rstReceived = Field(fields, "RST_RCVD");
    qso.serialSent = FirstGiven(fields, "STX_STRING", "STX");
    qso.serialReceived = FirstGiven(fields, "SRX_STRING", "SRX");
    log.qsos.push_back(std::move(qso));
}

bool IsFieldName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name) {
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '_') return false;
    }
    return true;
}

// Where the records begin: after the header when the file has one.
std::size_t RecordsStart(std::string_view text) {
    if (!text.empty() && text[0] == '<') return 0;
    const std::size_t eoh = FindIgnoreCase(text, "<EOH>");
    return eoh == std::string_view::npos ? 0 : eoh + 5;
}

}  // namespace

ContestLog ReadAdif(std::string_view text) {
    ContestLog log;
    log.format = LogFormat::Adif;
    ProblemList problems;
    LineCounter lines(text);
    Fields fields;
    int recordLine = 0;

    std::size_t pos = RecordsStart(text);
    while ((pos = text.find('<', pos)) != std::string_view::npos) {
        const std::string_view window = text.substr(pos + 1, kMaxTagLength);
        const std::size_t close = window.find_first_of("<>");
        if (close == std::string_view::npos || window[close] != '>') {
            ++pos;  // a lone '<' in text between fields
            continue;
        }
        const std::string_view tag = window.substr(0, close);
        const int tagLine = lines.LineAt(pos);
        pos += close + 2;

        const std::size_t colon = tag.find(':');
        const std::string name = ToUpper(tag.substr(0, colon));
        if (colon == std::string_view::npos) {
            if (name == "EOR") {
                if (!fields.empty()) AddQso(fields, recordLine, log, problems);
                fields.clear();
            } else if (name == "EOH") {
                fields.clear();  // what came before was header fields
            }
            continue;
        }
        std::string_view lengthText = tag.substr(colon + 1);
        lengthText = lengthText.substr(0, lengthText.find(':'));
        int length = 0;
        if (!IsFieldName(name) || !ParseSmallNumber(lengthText, length)) {
            problems.Add(tagLine, "not an ADIF field: <" + std::string(tag) + ">");
            continue;
        }
        std::size_t available = text.size() - pos;
        if (static_cast<std::size_t>(length) > available) {
            problems.Add(tagLine, "value of " + name + " runs past the end of the file");
            length = static_cast<int>(available);
        }
        if (fields.empty()) recordLine = tagLine;
        fields.emplace_back(name, std::string(text.substr(pos, static_cast<std::size_t>(length))));
        pos += static_cast<std::size_t>(length);
    }
    if (!fields.empty()) problems.Add(recordLine, "last record is not closed by <EOR>");

    log.problems = problems.Take();
    SummarizeQsos(log);
    return log;
}

}  // namespace replay
