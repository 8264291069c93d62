#include "tools/stats-replay/Qso.h"

#include <tuple>

namespace replay {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

auto AsTuple(const QsoTime& t) { return std::tie(t.year, t.month, t.day, t.hour, t.minute); }

}  // namespace

bool IsValidQsoTime(const QsoTime& t) {
    return t.year >= 1900 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
           t.minute <= 59;
}

bool operator==(const QsoTime& a, const QsoTime& b) { return AsTuple(a) == AsTuple(b); }
bool operator!=(const QsoTime& a, const QsoTime& b) { return !(a == b); }
bool operator<(const QsoTime& a, const QsoTime& b) { return AsTuple(a) < AsTuple(b); }

bool SameQso(const Qso& a, const Qso& b) {
    return a.ownCall == b.ownCall && a.call == b.call && a.time == b.time &&
           a.frequencyHz == b.frequencyHz && a.band == b.band && a.mode == b.mode &&
           a.rstSent == b.rstSent && a.rstReceived == b.rstReceived &&
           a.serialSent == b.serialSent && a.serialReceived == b.serialReceived;
}

}  // namespace replay
