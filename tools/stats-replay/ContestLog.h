#pragma once
// A contest log as stats-replay reads it: the QSOs in the form the host hands them to the
// plug-in, the facts from the log's header and the problems met on the way. The format, Cabrillo
// or ADIF, is recognised by the content, not by the file name; CabrilloReader.cpp and
// AdifReader.cpp read one format each. Standard C++ only.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A QSO's date and time in UTC, to the minute.
struct QsoTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

bool IsValidQsoTime(const QsoTime& time);
bool operator==(const QsoTime& a, const QsoTime& b);
bool operator<(const QsoTime& a, const QsoTime& b);

struct Qso {
    int line = 0;        // where the QSO starts in the log file
    std::string ownCall; // upper case
    std::string call;    // worked station, upper case
    QsoTime time;
    std::uint64_t frequencyHz = 0; // 0 when the log gives neither frequency nor a known band
    std::string band;              // "80m", "20m", ...; "" when unknown
    std::string mode;              // as logged, except Cabrillo "RY" which is "RTTY"
    std::string rstSent;
    std::string rstReceived;
    std::string serialSent;
    std::string serialReceived;
};

// Equal in everything the log says about the QSO; the line number is not compared.
bool SameQso(const Qso& a, const Qso& b);

// A problem found while reading an input file: the reading goes on and the caller gets the
// list. Line 0 stands for the file as a whole.
struct Problem {
    int line = 0;
    std::string message;
};

// Collects problems, but keeps at most a fixed number of them so that a huge file of garbage
// cannot exhaust memory with its error list.
class ProblemList {
public:
    static constexpr size_t kMaxProblems = 1000;

    void Add(int line, std::string message);
    std::vector<Problem> Take() { return std::move(m_problems); }

private:
    std::vector<Problem> m_problems;
    size_t m_dropped = 0;
};

enum class LogFormat { Unknown, Cabrillo, Adif };

struct ContestLog {
    LogFormat format = LogFormat::Unknown;
    std::string ownCall;                 // from the header, else from the first QSO that has one
    std::optional<QsoTime> firstQsoTime; // earliest and latest QSO, whatever their order in the file
    std::optional<QsoTime> lastQsoTime;
    std::vector<Qso> qsos; // in file order
    std::vector<Problem> problems;
};

// Cabrillo when the text begins with START-OF-LOG:, ADIF when it holds an <EOH> or <EOR> tag,
// else Cabrillo when any line begins with QSO:.
LogFormat DetectLogFormat(std::string_view text);

// A text in neither format gives no QSOs and one problem at line 0.
ContestLog ReadLog(std::string_view text);

// A file larger than kMaxLogFileBytes is refused with a problem, as is a file that cannot be
// opened.
constexpr size_t kMaxLogFileBytes = 64u * 1024u * 1024u;
ContestLog ReadLogFile(const std::string& path);

// A Cabrillo 3.0 log: the CALLSIGN: header and the QSO: lines, with or without the RST columns.
//
// QSO: freq mode date time own-call [rst] number call [rst] number [transmitter]
//
// When one side has the RST column, both have it: a side with a single field then holds only
// the RST, its number is empty (so the plug-in rejects the QSO), and a problem names the line.
//
// The frequency is in kHz; a value below 1000 is a band given in MHz ("7", "14", "50"), for
// which the band's usual RTTY frequency is used. Mode "RY" is given as "RTTY". X-QSO: lines and
// everything after END-OF-LOG: are left out. Any other line that is not a QSO or a header tag is
// a problem.
ContestLog ReadCabrillo(std::string_view text);

// An ADIF (.adi) log: length-counted fields <NAME:LENGTH[:TYPE]>value, records ended by <EOR>,
// an optional header ended by <EOH>.
//
// Field names are matched ignoring letter case. A record needs CALL, QSO_DATE and TIME_ON; FREQ
// is in MHz. When only BAND is given the band's usual RTTY frequency is used, when only FREQ is
// given its band is named. The serial numbers come from STX_STRING/SRX_STRING, else STX/SRX; the
// own call from STATION_CALLSIGN, else OPERATOR; the mode from MODE, else SUBMODE.
ContestLog ReadAdif(std::string_view text);

// What the readers share.

// The log read, with its problems, the own call filled in (when the header had none) and the
// first and last QSO time.
ContestLog Completed(ContestLog log, ProblemList& problems);

// The lines of a text, whose lines may end with LF, CR LF or a lone CR.
std::vector<std::string_view> TextLines(std::string_view text);

// The pieces of a text between its separators: n separators give n + 1 pieces, empty ones too.
std::vector<std::string_view> Split(std::string_view text, char separator);

// The text without blanks at either end, and in upper case (ASCII letters).
std::string Trimmed(std::string_view text);
std::string ToUpper(std::string_view text);

// Whether the text is one or more letters, digits and characters of `punctuation`.
bool IsName(std::string_view text, std::string_view punctuation);

// Where `wanted` first occurs in `text`, letter case ignored; npos when nowhere.
size_t FindNoCase(std::string_view text, std::string_view wanted);

// "YYYYMMDDHHMM" as a QSO time; false unless it is twelve digits of a valid time.
bool ParseQsoTime(const std::string& digits, QsoTime& time);

// Digits with at most one decimal point, as whole units of 10^-scaleDigits, exactly (no
// floating point): ("14.080", 6) gives 14080000. Digits beyond the scale are dropped. No sign, no
// exponent, at least one digit; values from 2^48 up, far above any radio frequency in Hz, are
// refused.
std::optional<std::uint64_t> ParseScaledDecimal(std::string_view text, int scaleDigits);

// The amateur bands by name ("80m", "20m", ...): the band that holds a frequency ("" when none),
// the frequency an RTTY station usually uses on a band (letter case of the name ignored), and a
// band's name in the usual spelling ("20M" gives "20m"; any other text is returned unchanged).
std::string BandForFrequency(std::uint64_t hz);
std::optional<std::uint64_t> UsualFrequencyForBand(std::string_view band);
std::string NormalizeBandName(std::string_view band);
