#include "tools/stats-replay/ContestLog.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <tuple>

#include "platform/COleDateTime.h"
#include "platform/CString.h"
#include "platform/TextFiles.h"

namespace {

constexpr const char* kDigits = "0123456789";

auto AsTuple(const QsoTime& t) { return std::tie(t.year, t.month, t.day, t.hour, t.minute); }

struct Band {
    const char* name;
    std::uint64_t lowKhz;
    std::uint64_t highKhz;
    std::uint64_t usualRttyKhz;
};

// Band edges as the ADIF band enumeration gives them.
constexpr Band kBands[] = {
    {"160m", 1800, 2000, 1840},
    {"80m", 3500, 4000, 3580},
    {"60m", 5060, 5450, 5357},
    {"40m", 7000, 7300, 7040},
    {"30m", 10100, 10150, 10140},
    {"20m", 14000, 14350, 14080},
    {"17m", 18068, 18168, 18100},
    {"15m", 21000, 21450, 21080},
    {"12m", 24890, 24990, 24920},
    {"10m", 28000, 29700, 28080},
    {"6m", 50000, 54000, 50300},
    {"4m", 70000, 71000, 70200},
    {"2m", 144000, 148000, 144600},
    {"1.25m", 222000, 225000, 222100},
    {"70cm", 420000, 450000, 432600},
};

const Band* FindBand(std::string_view name)
{
    for (const Band& band : kBands)
        if (CString(band.name).EqualsNoCase(std::string(name)))
            return &band;
    return nullptr;
}

// Whether the text, after any blanks, begins with `word` (letter case ignored).
bool BeginsWith(std::string_view text, std::string_view word)
{
    text.remove_prefix(std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size()));
    return CString(std::string(text.substr(0, word.size()))).EqualsNoCase(std::string(word));
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

bool IsValidQsoTime(const QsoTime& t)
{
    // The host's date-time value checks the calendar; it takes years from 100 on.
    return t.year >= 1900
        && COleDateTime(t.year, t.month, t.day, t.hour, t.minute, 0).GetStatus() == COleDateTime::valid;
}

bool operator==(const QsoTime& a, const QsoTime& b) { return AsTuple(a) == AsTuple(b); }

bool operator<(const QsoTime& a, const QsoTime& b) { return AsTuple(a) < AsTuple(b); }

bool SameQso(const Qso& a, const Qso& b)
{
    return a.ownCall == b.ownCall && a.call == b.call && a.time == b.time && a.frequencyHz == b.frequencyHz
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
    for (std::string_view line : TextLines(text))
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
        if (!log.firstQsoTime || qso.time < *log.firstQsoTime)
            log.firstQsoTime = qso.time;
        if (!log.lastQsoTime || *log.lastQsoTime < qso.time)
            log.lastQsoTime = qso.time;
    }
    return log;
}

std::vector<std::string_view> TextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::string_view line : SplitLines(text)) {
        // SplitLines ends a line at LF or CR LF; a CR left in it is a line end of its own.
        const std::vector<std::string_view> pieces = Split(line, '\r');
        lines.insert(lines.end(), pieces.begin(), pieces.end());
    }
    return lines;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> pieces;
    for (size_t end; (end = text.find(separator)) != std::string_view::npos; text.remove_prefix(end + 1))
        pieces.push_back(text.substr(0, end));
    pieces.push_back(text);
    return pieces;
}

std::string Trimmed(std::string_view text) { return CString(text.data(), text.size()).Trim(); }

std::string ToUpper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool IsName(std::string_view text, std::string_view punctuation)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [punctuation](unsigned char c) {
        return std::isalnum(c) || punctuation.find(static_cast<char>(c)) != std::string_view::npos;
    });
}

size_t FindNoCase(std::string_view text, std::string_view wanted)
{
    const auto found = std::search(text.begin(), text.end(), wanted.begin(), wanted.end(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
    });
    return found == text.end() ? std::string_view::npos : static_cast<size_t>(found - text.begin());
}

bool ParseQsoTime(const std::string& digits, QsoTime& time)
{
    if (digits.size() != 12 || digits.find_first_not_of(kDigits) != std::string::npos)
        return false;
    const auto number = [&digits](size_t at, size_t length) { return std::stoi(digits.substr(at, length)); };
    time = {number(0, 4), number(4, 2), number(6, 2), number(8, 2), number(10, 2)};
    return IsValidQsoTime(time);
}

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
        if (hz >= band.lowKhz * 1000 && hz <= band.highKhz * 1000)
            return band.name;
    return "";
}

std::optional<std::uint64_t> UsualFrequencyForBand(std::string_view name)
{
    const Band* band = FindBand(name);
    if (!band)
        return std::nullopt;
    return band->usualRttyKhz * 1000;
}

std::string NormalizeBandName(std::string_view name)
{
    const Band* band = FindBand(Trimmed(name));
    return band ? std::string(band->name) : std::string(name);
}
