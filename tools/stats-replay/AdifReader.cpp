// The ADIF reader: ReadAdif in ContestLog.h.
#include "tools/stats-replay/ContestLog.h"

#include <algorithm>
#include <utility>

#include "platform/CString.h"

namespace {

// A tag longer than this is not a tag but text that happens to hold a '<'.
constexpr size_t kMaxTagLength = 100;

constexpr const char* kDigits = "0123456789";

using Fields = std::vector<std::pair<std::string, std::string>>;

std::string Field(const Fields& fields, std::string_view name)
{
    for (const auto& [fieldName, value] : fields)
        if (fieldName == name)
            return CString(value).Trim();
    return "";
}

std::string FirstGiven(const Fields& fields, std::string_view name, std::string_view fallback)
{
    const std::string value = Field(fields, name);
    return value.empty() ? Field(fields, fallback) : value;
}

// The QSO's time from QSO_DATE (YYYYMMDD) and TIME_ON (HHMM or HHMMSS), or nothing with
// `problem` naming the field that is missing or wrong.
std::optional<COleDateTime> QsoTimeOf(const Fields& fields, std::string& problem)
{
    const std::string date = Field(fields, "QSO_DATE");
    const std::string time = Field(fields, "TIME_ON");
    const bool seconds =
        time.size() == 6 && time.find_first_not_of(kDigits) == std::string::npos && time.substr(4) <= "59";
    if (date.empty() || time.empty())
        problem = std::string("record without ") + (date.empty() ? "QSO_DATE" : "TIME_ON");
    else if (date.size() != 8 || !ParseQsoTime(date + "0000"))
        problem = "QSO_DATE is no date (YYYYMMDD): '" + date + "'";
    else if (const auto result = ParseQsoTime(date + time.substr(0, 4)); result && (time.size() == 4 || seconds))
        return result;
    else
        problem = "TIME_ON is no time (HHMM or HHMMSS): '" + time + "'";
    return std::nullopt;
}

void AddQso(const Fields& fields, int line, ContestLog& log, ProblemList& problems)
{
    Qso qso;
    qso.line = line;
    qso.call = CString(Field(fields, "CALL")).MakeUpper();
    if (qso.call.empty()) {
        problems.Add(line, "record without CALL");
        return;
    }
    std::string problem;
    const std::optional<COleDateTime> time = QsoTimeOf(fields, problem);
    if (!time) {
        problems.Add(line, problem);
        return;
    }
    qso.time = *time;
    qso.ownCall = CString(FirstGiven(fields, "STATION_CALLSIGN", "OPERATOR")).MakeUpper();
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

// What stands between a '<' and the next '>', or nothing when another '<' or the end of the
// text comes first, or the '>' is too far away.
std::optional<std::string_view> TagAt(std::string_view text, size_t at)
{
    const std::string_view window = text.substr(at + 1, kMaxTagLength);
    const size_t close = window.find_first_of("<>");
    if (close == std::string_view::npos || window[close] != '>')
        return std::nullopt;
    return window.substr(0, close);
}

// A field's tag: NAME:LENGTH or NAME:LENGTH:TYPE, the length one to nine digits.
struct FieldTag {
    std::string name; // upper case
    size_t length = 0;
};

std::optional<FieldTag> AsFieldTag(std::string_view tag)
{
    const size_t colon = tag.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = tag.substr(0, colon);
    const std::string_view length = tag.substr(colon + 1, tag.find(':', colon + 1) - colon - 1);
    if (!IsName(name, "_") || length.empty() || length.size() > 9
        || length.find_first_not_of(kDigits) != std::string_view::npos)
        return std::nullopt;
    return FieldTag{CString(name).MakeUpper(), std::stoul(std::string(length))};
}

bool IsRecordEnd(std::string_view tag) { return CString(tag).EqualsNoCase("EOR") || CString(tag).EqualsNoCase("EOH"); }

// The first tag that a value taken from text[from] on, `length` long, swallows: a field's or
// a record's end that begins inside it. Nothing when none.
std::optional<std::string_view> SwallowedTag(std::string_view text, size_t from, size_t length)
{
    for (size_t at = text.find('<', from); at < from + length; at = text.find('<', at + 1)) {
        const std::optional<std::string_view> tag = TagAt(text, at);
        if (tag && (AsFieldTag(*tag) || IsRecordEnd(*tag)))
            return tag;
    }
    return std::nullopt;
}

std::string SwallowedTagProblem(const std::string& field, std::string_view value, std::string_view tag)
{
    return "the length of " + field + " counts past its text into the tag <" + std::string(tag) + ">"
        + (value.find('\n') != std::string_view::npos ? " (counted for CR LF line ends, now LF ones?)" : "");
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
        const std::optional<std::string_view> tag = TagAt(text, pos);
        if (!tag) {
            ++pos; // a lone '<' in text between fields
            continue;
        }
        line += static_cast<int>(std::count(text.begin() + counted, text.begin() + pos, '\n'));
        counted = pos;
        const int tagLine = line;
        pos += tag->size() + 2;

        if (tag->find(':') == std::string_view::npos) {
            if (CString(*tag).EqualsNoCase("EOR") && !fields.empty())
                AddQso(fields, recordLine, log, problems);
            // After <EOH>, what came before was header fields.
            if (IsRecordEnd(*tag))
                fields.clear();
            continue;
        }
        const std::optional<FieldTag> field = AsFieldTag(*tag);
        if (!field) {
            problems.Add(tagLine, "not an ADIF field: <" + std::string(*tag) + ">");
            continue;
        }
        size_t length = field->length;
        if (length > text.size() - pos) {
            problems.Add(tagLine, "value of " + field->name + " runs past the end of the file");
            length = text.size() - pos;
        }
        const std::string_view value = text.substr(pos, length);
        if (const std::optional<std::string_view> swallowed = SwallowedTag(text, pos, length))
            problems.Add(tagLine, SwallowedTagProblem(field->name, value, *swallowed));
        if (fields.empty())
            recordLine = tagLine;
        fields.emplace_back(field->name, std::string(value));
        pos += length;
    }
    if (!fields.empty())
        problems.Add(recordLine, "last record is not closed by <EOR>");

    return Completed(std::move(log), problems);
}
