// One QSO as read from a contest log, in the form the host hands it to
// the plug-in.
#pragma once

#include <cstdint>
#include <string>

namespace replay {

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
bool operator!=(const QsoTime& a, const QsoTime& b);
bool operator<(const QsoTime& a, const QsoTime& b);

struct Qso {
    int line = 0;                     // where the QSO starts in the log file
    std::string ownCall;              // upper case
    std::string call;                 // worked station, upper case
    QsoTime time;
    std::uint64_t frequencyHz = 0;    // 0 when the log gives neither frequency nor a known band
    std::string band;                 // "80m", "20m", ...; "" when unknown
    std::string mode;                 // as logged, except Cabrillo "RY" which is "RTTY"
    std::string rstSent;
    std::string rstReceived;
    std::string serialSent;
    std::string serialReceived;
};

// Equal in everything the log says about the QSO; the line number is not compared.
bool SameQso(const Qso& a, const Qso& b);

}  // namespace replay
