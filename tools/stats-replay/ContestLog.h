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

#include "platform/COleDateTime.h"

struct Qso {
    int line = 0;                  // where the QSO starts in the log file
    std::string ownCall;           // upper case
    std::string call;              // worked station, upper case
    COleDateTime time;             // UTC, to the minute
    std::uint64_t frequencyHz = 0; // 0 when the log gives neither frequency nor a known band
    std::string band;              // "80m", "23cm", ... as ADIF names them; "" when unknown
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
    std::string ownCall;                      // from the header, else from the first QSO that has one
    std::optional<COleDateTime> firstQsoTime; // earliest and latest QSO, whatever their order in the file
    std::optional<COleDateTime> lastQsoTime;
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

// A Cabrillo 3.0 log: the CALLSIGN: header and the QSO: lines of any contest.
//
// QSO: freq mode date time own-call sent-exchange call received-exchange [transmitter]
//
// The sent and received exchanges have the same fields, so the number of fields fixes where the
// worked call stands; a last field 0 or 1 beyond them is the transmitter id. Where the fields
// cannot tell (the exchanges differ in length, or the field there is no call), the worked call
// is the first field after the own call that looks like one; when another field after it would
// do as well, the first such line of the log is named as a problem.
//
// The exchanges are read as "number" or "rst number" (the contest's own). When one side has
// the RST column, both have it: a side with a single field then holds only the RST, its number
// is empty (so the plug-in rejects the QSO), and a problem names the line.
//
// The frequency is in kHz; a value below 1000 is a band given in MHz ("7", "14", "50"), and a
// Cabrillo band designator ("902", "1.2G", "LIGHT") names its band; a QSO given by band has the
// band's usual frequency (UsualFrequencyForBand). Mode "RY" is given as "RTTY". X-QSO: lines
// and everything after END-OF-LOG: are left out. Any other line that is not a QSO or a header
// tag is a problem.
ContestLog ReadCabrillo(std::string_view text);

// An ADIF (.adi) log: length-counted fields <NAME:LENGTH[:TYPE]>value, records ended by <EOR>,
// an optional header ended by <EOH>.
//
// Field names are matched ignoring letter case. A record needs CALL, QSO_DATE and TIME_ON (a
// problem names the one missing or wrong); FREQ is in MHz. When only BAND is given the band's
// usual frequency is used, when only FREQ is given its band is named. The serial numbers come
// from STX_STRING/SRX_STRING, else STX/SRX; the own call from STATION_CALLSIGN, else OPERATOR;
// the mode from MODE, else SUBMODE. A field whose length counts past its text into the next tag
// is named with its line (the length was likely counted before CR LF line ends became LF); its
// value is still taken as counted.
ContestLog ReadAdif(std::string_view text);

// What the readers share.

// The log read, with its problems, the own call filled in (when the header had none) and the
// first and last QSO time.
ContestLog Completed(ContestLog log, ProblemList& problems);

// Whether the text is one or more letters, digits and characters of `punctuation`.
bool IsName(std::string_view text, std::string_view punctuation);

// A QSO time: a valid date and time from the year 1900 on, else nothing.
std::optional<COleDateTime> QsoTime(int year, int month, int day, int hour, int minute);

// "YYYYMMDDHHMM" as a QSO time; nothing unless it is twelve digits of a valid time.
std::optional<COleDateTime> ParseQsoTime(std::string_view digits);

// Whether QSO time `a` is before `b`.
inline bool Earlier(const COleDateTime& a, const COleDateTime& b) { return a.m_dt < b.m_dt; }

// A QSO time as "YYYY-MM-DD HHMM".
std::string FormatQsoTime(const COleDateTime& time);

// Digits with at most one decimal point, as whole units of 10^-scaleDigits, exactly (no
// floating point): ("14.080", 6) gives 14080000. Digits beyond the scale are dropped. No sign, no
// exponent, at least one digit; values from 2^48 up, far above any radio frequency in Hz, are
// refused.
std::optional<std::uint64_t> ParseScaledDecimal(std::string_view text, int scaleDigits);

// The amateur bands by their ADIF names ("2190m" to "submm"): the band that holds a frequency
// ("" when none); the band a Cabrillo band designator names ("902" gives "33cm", "1.2G" "23cm",
// "LIGHT" "submm"; "" for any other text); the frequency a QSO logged by band alone is given
// (letter case of the name ignored): an RTTY station's usual one from 160m to 70cm, the band's
// lower edge elsewhere; and a band's name in the usual spelling ("20M" gives "20m"; any other
// text is returned unchanged).
std::string BandForFrequency(std::uint64_t hz);
std::string BandForDesignator(std::string_view designator);
std::optional<std::uint64_t> UsualFrequencyForBand(std::string_view band);
std::string NormalizeBandName(std::string_view band);
