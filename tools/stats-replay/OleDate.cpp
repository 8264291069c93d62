#include "tools/stats-replay/OleDate.h"

namespace replay {
namespace {

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
long long DaysFromCivil(long long year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

double ToOleDate(int year, int month, int day, int hour, int minute) {
    const long long days = DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30);
    const double fraction = (hour * 60.0 + minute) / (24.0 * 60.0);
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

double ToOleDate(const QsoTime& time) {
    return ToOleDate(time.year, time.month, time.day, time.hour, time.minute);
}

}  // namespace replay
