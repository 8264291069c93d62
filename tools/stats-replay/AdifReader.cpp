// The ADIF reader: ReadAdif in ContestLog.h.
#include "tools/stats-replay/ContestLog.h"

#include <algorithm>
#include <utility>

namespace {

// A tag longer than this is not a tag but text that happens to hold a '<'.
constexpr size_t kMaxTagLength = 100;

using Fields = std::vector<std::pair<std::string, std::string>>;

std::string Field(const Fields& fields, std::string_view name)
{
    for (const auto& [fieldName, value] : fields)
        if (fieldName == name)
            return Trimmed(value);
    return "";
}

std::string FirstGiven(const Fields& fields, std::string_view name, std::string_view fallback)
{
    const std::string value = Field(fields, name);
    return value.empty() ? Field(fields, fallback) : value;
}

bool ParseDateTime(const std::string& date, const std::string& time, QsoTime& result)
{
    if (date.size() != 8 || (time.size() != 4 && time.size() != 6) || !ParseQsoTime(date + time.substr(0, 4), result))
        return false;
    // The seconds, when given, must be valid too.
    return time.size() == 4 || (time.find_first_not_of("0123456789", 4) == std::string::npos && time.substr(4) <= "59");
}

void AddQso(const Fields& fields, int line, ContestLog& log, ProblemList& problems)
{
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
    if (const std::optional<std::uint64_t> hz = ParseScaledDecimal(Field(fields, "FREQ"), 6)) {
        qso.frequencyHz = *hz;
        if (qso.band.empty())
            qso.band = BandForFrequency(*hz);
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

// The length of a field: one to nine digits.
std::optional<size_t> FieldLength(std::string_view text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return std::stoul(std::string(text));
}

// Where the records begin: after the header when the file has one.
size_t RecordsStart(std::string_view text)
{
    if (!text.empty() && text[0] == '<')
        return 0;
    const size_t eoh = FindNoCase(text, "<EOH>");
    return eoh == std::string_view::npos ? 0 : eoh + 5;
}

} // namespace

ContestLog ReadAdif(std::string_view text)
{
    ContestLog log;
    log.format = LogFormat::Adif;
    ProblemList problems;
    Fields fields;
    int recordLine = 0;
    // Line ends are counted as the reader moves forwards: up to `counted` there are `line` - 1.
    size_t counted = 0;
    int line = 1;

    size_t pos = RecordsStart(text);
    while ((pos = text.find('<', pos)) != std::string_view::npos) {
        const std::string_view window = text.substr(pos + 1, kMaxTagLength);
        const size_t close = window.find_first_of("<>");
        if (close == std::string_view::npos || window[close] != '>') {
            ++pos; // a lone '<' in text between fields
            continue;
        }
        const std::string_view tag = window.substr(0, close);
        line += static_cast<int>(std::count(text.begin() + counted, text.begin() + pos, '\n'));
        counted = pos;
        const int tagLine = line;
        pos += close + 2;

        const size_t colon = tag.find(':');
        const std::string name = ToUpper(tag.substr(0, colon));
        if (colon == std::string_view::npos) {
            if (name == "EOR") {
                if (!fields.empty())
                    AddQso(fields, recordLine, log, problems);
                fields.clear();
            } else if (name == "EOH") {
                fields.clear(); // what came before was header fields
            }
            continue;
        }
        std::string_view lengthText = tag.substr(colon + 1);
        std::optional<size_t> length = FieldLength(lengthText.substr(0, lengthText.find(':')));
        if (!IsName(name, "_") || !length) {
            problems.Add(tagLine, "not an ADIF field: <" + std::string(tag) + ">");
            continue;
        }
        if (*length > text.size() - pos) {
            problems.Add(tagLine, "value of " + name + " runs past the end of the file");
            length = text.size() - pos;
        }
        if (fields.empty())
            recordLine = tagLine;
        fields.emplace_back(name, std::string(text.substr(pos, *length)));
        pos += *length;
    }
    if (!fields.empty())
        problems.Add(recordLine, "last record is not closed by <EOR>");

    return Completed(std::move(log), problems);
}
