#include "tools/stats-replay/ContestLog.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/COleDateTime.h"
#include "platform/CString.h"
#include "platform/TextFiles.h"

namespace {

constexpr const char* kDigits = "0123456789";

struct Band {
    const char* name; // as ADIF names it
    std::uint64_t lowHz;
    std::uint64_t highHz;
    std::uint64_t usualHz;  // given to a QSO logged by band alone
    const char* designator; // Cabrillo's name for the band when it is no frequency in kHz
};

// Band edges as the ADIF band enumeration gives them; the usual frequency is an RTTY station's
// where there is one, else the lower edge.
constexpr Band kBands[] = {
    {"2190m", 135'700, 137'800, 135'700, ""},
    {"630m", 472'000, 479'000, 472'000, ""},
    {"560m", 501'000, 504'000, 501'000, ""},
    {"160m", 1'800'000, 2'000'000, 1'840'000, ""},
    {"80m", 3'500'000, 4'000'000, 3'580'000, ""},
    {"60m", 5'060'000, 5'450'000, 5'357'000, ""},
    {"40m", 7'000'000, 7'300'000, 7'040'000, ""},
    {"30m", 10'100'000, 10'150'000, 10'140'000, ""},
    {"20m", 14'000'000, 14'350'000, 14'080'000, ""},
    {"17m", 18'068'000, 18'168'000, 18'100'000, ""},
    {"15m", 21'000'000, 21'450'000, 21'080'000, ""},
    {"12m", 24'890'000, 24'990'000, 24'920'000, ""},
    {"10m", 28'000'000, 29'700'000, 28'080'000, ""},
    {"8m", 40'000'000, 45'000'000, 40'000'000, ""},
    {"6m", 50'000'000, 54'000'000, 50'300'000, "50"},
    {"5m", 54'000'001, 69'900'000, 54'000'001, ""},
    {"4m", 70'000'000, 71'000'000, 70'200'000, "70"},
    {"2m", 144'000'000, 148'000'000, 144'600'000, "144"},
    {"1.25m", 222'000'000, 225'000'000, 222'100'000, "222"},
    {"70cm", 420'000'000, 450'000'000, 432'600'000, "432"},
    {"33cm", 902'000'000, 928'000'000, 902'000'000, "902"},
    {"23cm", 1'240'000'000, 1'300'000'000, 1'240'000'000, "1.2G"},
    {"13cm", 2'300'000'000, 2'450'000'000, 2'300'000'000, "2.3G"},
    {"9cm", 3'300'000'000, 3'500'000'000, 3'300'000'000, "3.4G"},
    {"6cm", 5'650'000'000, 5'925'000'000, 5'650'000'000, "5.7G"},
    {"3cm", 10'000'000'000, 10'500'000'000, 10'000'000'000, "10G"},
    {"1.25cm", 24'000'000'000, 24'250'000'000, 24'000'000'000, "24G"},
    {"6mm", 47'000'000'000, 47'200'000'000, 47'000'000'000, "47G"},
    {"4mm", 75'500'000'000, 81'000'000'000, 75'500'000'000, "75G"},
    {"2.5mm", 119'980'000'000, 123'000'000'000, 119'980'000'000, "122G"},
    {"2mm", 134'000'000'000, 149'000'000'000, 134'000'000'000, "134G"},
    {"1mm", 241'000'000'000, 250'000'000'000, 241'000'000'000, "241G"},
    {"submm", 300'000'000'000, 7'500'000'000'000'000, 300'000'000'000, "LIGHT"},
};

const Band* FindBand(std::string_view name, const char* Band::*spelling)
{
    const CString wanted(name);
    for (const Band& band : kBands)
        if (*(band.*spelling) != '\0' && wanted.EqualsNoCase(band.*spelling))
            return &band;
    return nullptr;
}

// Whether the text, after any blanks, begins with `word` (letter case ignored).
bool BeginsWith(std::string_view text, std::string_view word)
{
    text.remove_prefix(std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size()));
    return CString(text.substr(0, word.size())).EqualsNoCase(std::string(word));
}

std::string_view WithoutByteOrderMark(std::string_view text)
{
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());
    return text;
}

ContestLog ProblemOnly(std::string message)
{
    ContestLog log;
    log.problems.push_back({0, std::move(message)});
    return log;
}

} // namespace

bool SameQso(const Qso& a, const Qso& b)
{
    return a.ownCall == b.ownCall && a.call == b.call && a.time.m_dt == b.time.m_dt && a.frequencyHz == b.frequencyHz
        && a.band == b.band && a.mode == b.mode && a.rstSent == b.rstSent && a.rstReceived == b.rstReceived
        && a.serialSent == b.serialSent && a.serialReceived == b.serialReceived;
}

void ProblemList::Add(int line, std::string message)
{
    if (m_problems.size() < kMaxProblems)
        m_problems.push_back({line, std::move(message)});
    else if (m_dropped++ == 0)
        m_problems.push_back({line, "further problems from this line on are not listed"});
}

LogFormat DetectLogFormat(std::string_view text)
{
    text = WithoutByteOrderMark(text);
    if (BeginsWith(text, "START-OF-LOG:"))
        return LogFormat::Cabrillo;
    if (FindNoCase(text, "<EOH>") != std::string_view::npos || FindNoCase(text, "<EOR>") != std::string_view::npos)
        return LogFormat::Adif;
    for (std::string_view line : SplitLinesAtAnyEnd(text))
        if (BeginsWith(line, "QSO:"))
            return LogFormat::Cabrillo;
    return LogFormat::Unknown;
}

ContestLog ReadLog(std::string_view text)
{
    text = WithoutByteOrderMark(text);
    switch (DetectLogFormat(text)) {
    case LogFormat::Cabrillo: return ReadCabrillo(text);
    case LogFormat::Adif: return ReadAdif(text);
    case LogFormat::Unknown: break;
    }
    return ProblemOnly("neither a Cabrillo nor an ADIF log");
}

ContestLog ReadLogFile(const std::string& path)
{
    const std::optional<std::string> text = ReadWholeFile(path, kMaxLogFileBytes + 1);
    if (!text)
        return ProblemOnly("cannot open " + path);
    if (text->size() > kMaxLogFileBytes)
        return ProblemOnly(path + " is too large for a contest log");
    return ReadLog(*text);
}

ContestLog Completed(ContestLog log, ProblemList& problems)
{
    log.problems = problems.Take();
    for (const Qso& qso : log.qsos) {
        if (log.ownCall.empty())
            log.ownCall = qso.ownCall;
        if (!log.firstQsoTime || Earlier(qso.time, *log.firstQsoTime))
            log.firstQsoTime = qso.time;
        if (!log.lastQsoTime || Earlier(*log.lastQsoTime, qso.time))
            log.lastQsoTime = qso.time;
    }
    return log;
}

bool IsName(std::string_view text, std::string_view punctuation)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [punctuation](unsigned char c) {
        return std::isalnum(c) || punctuation.find(static_cast<char>(c)) != std::string_view::npos;
    });
}

std::optional<COleDateTime> QsoTime(int year, int month, int day, int hour, int minute)
{
    // The host's date-time value checks the calendar; it takes years from 100 on.
    const COleDateTime time(year, month, day, hour, minute, 0);
    if (year < 1900 || time.GetStatus() != COleDateTime::valid)
        return std::nullopt;
    return time;
}

std::optional<COleDateTime> ParseQsoTime(std::string_view digits)
{
    if (digits.size() != 12 || digits.find_first_not_of(kDigits) != std::string_view::npos)
        return std::nullopt;
    const auto number = [digits](size_t at, size_t length) {
        int value = 0;
        std::from_chars(digits.data() + at, digits.data() + at + length, value);
        return value;
    };
    return QsoTime(number(0, 4), number(4, 2), number(6, 2), number(8, 2), number(10, 2));
}

std::string FormatQsoTime(const COleDateTime& time) { return time.Format("%Y-%m-%d %H%M"); }

std::optional<std::uint64_t> ParseScaledDecimal(std::string_view text, int scaleDigits)
{
    const size_t point = text.find('.');
    std::string digits(text.substr(0, point));
    const std::string fraction(point == std::string_view::npos ? std::string_view() : text.substr(point + 1));
    if ((digits + fraction).empty() || (digits + fraction).find_first_not_of(kDigits) != std::string::npos)
        return std::nullopt;
    const size_t scale = static_cast<size_t>(scaleDigits);
    digits += (fraction + std::string(scale, '0')).substr(0, scale);
    // More digits than 64 bits hold are out of range as much as values from 2^48 up.
    std::uint64_t value = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec == std::errc::result_out_of_range)
        return std::nullopt;
    return value < (std::uint64_t{1} << 48) ? std::optional<std::uint64_t>(value) : std::nullopt;
}

std::string BandForFrequency(std::uint64_t hz)
{
    for (const Band& band : kBands)
        if (hz >= band.lowHz && hz <= band.highHz)
            return band.name;
    return "";
}

std::string BandForDesignator(std::string_view designator)
{
    const Band* band = FindBand(designator, &Band::designator);
    return band ? band->name : "";
}

std::optional<std::uint64_t> UsualFrequencyForBand(std::string_view name)
{
    const Band* band = FindBand(name, &Band::name);
    if (!band)
        return std::nullopt;
    return band->usualHz;
}

std::string NormalizeBandName(std::string_view name)
{
    const Band* band = FindBand(CString(name).Trim(), &Band::name);
    return band ? std::string(band->name) : std::string(name);
}
