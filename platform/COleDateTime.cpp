#include "platform/COleDateTime.h"

#include <cmath>
#include <cstdint>

namespace {

// Days of 1 January 100 and of 1 January 10000 counted from 30 December 1899.
constexpr double kFirstDay = -657434.0;
constexpr double kEndDay = 2958466.0;
constexpr int64_t kSecondsPerDay = 86400;
// Days from 1 January 1970 (the civil-day epoch below) to 30 December 1899.
constexpr int64_t kOleEpochFromUnix = -25569;

struct CivilTime {
    int year, month, day, hour, minute, second, dayOfYear;
};

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, CivilTime& t)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2));
}

// The value as a civil date and time, rounded to the nearest second. Before 1899-12-30 the
// integer part counts days backwards while the fraction still counts the time forwards.
CivilTime ToCivil(double days)
{
    const double wholeDays = std::trunc(days);
    const double timeOfDay = std::fabs(days - wholeDays);
    const int64_t seconds = static_cast<int64_t>(wholeDays) * kSecondsPerDay + std::llround(timeOfDay * kSecondsPerDay);
    int64_t dayNumber = seconds / kSecondsPerDay;
    int64_t secondOfDay = seconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --dayNumber;
    }
    CivilTime t{};
    CivilFromDays(dayNumber + kOleEpochFromUnix, t);
    t.hour = static_cast<int>(secondOfDay / 3600);
    t.minute = static_cast<int>(secondOfDay / 60 % 60);
    t.second = static_cast<int>(secondOfDay % 60);
    t.dayOfYear = static_cast<int>(dayNumber + kOleEpochFromUnix - DaysFromCivil(t.year, 1, 1)) + 1;
    return t;
}

} // namespace

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    const bool inRange = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour >= 0
        && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
    const int64_t dayNumber = DaysFromCivil(year, month, day) - kOleEpochFromUnix;
    CivilTime check{};
    CivilFromDays(dayNumber + kOleEpochFromUnix, check);
    if (!inRange || check.day != day) {
        m_status = invalid;
        return;
    }
    const double timeOfDay = (hour * 3600 + minute * 60 + second) / double(kSecondsPerDay);
    // Before 1899-12-30 the time of day moves the value away from zero (-1.25 is 06:00 of
    // 1899-12-29).
    m_dt = dayNumber >= 0 ? dayNumber + timeOfDay : dayNumber - timeOfDay;
}

COleDateTime COleDateTime::FromHost(const COleDateTime* hostValue)
{
    if (!hostValue) {
        COleDateTime none;
        none.m_status = null;
        return none;
    }
    COleDateTime copy = *hostValue;
    if (copy.GetStatus() == valid && !(copy.m_dt >= kFirstDay && copy.m_dt < kEndDay))
        copy.m_status = invalid;
    return copy;
}

COleDateTime::DateTimeStatus COleDateTime::GetStatus() const
{
    switch (m_status) {
    case valid: return std::isfinite(m_dt) ? valid : invalid;
    case null: return null;
    default: return invalid;
    }
}

CString COleDateTime::Format(const char* format) const
{
    const DateTimeStatus status = GetStatus();
    if (status == null)
        return CString();
    if (status == invalid || !(m_dt >= kFirstDay && m_dt < kEndDay))
        return CString("Invalid DateTime");
    if (!format)
        return CString();

    const CivilTime t = ToCivil(m_dt);
    CString text;
    for (const char* p = format; *p; ++p) {
        if (*p != '%' || !p[1]) {
            text += *p;
            continue;
        }
        switch (*++p) {
        case 'Y': text.AppendFormat("%04d", t.year); break;
        case 'y': text.AppendFormat("%02d", t.year % 100); break;
        case 'm': text.AppendFormat("%02d", t.month); break;
        case 'd': text.AppendFormat("%02d", t.day); break;
        case 'j': text.AppendFormat("%03d", t.dayOfYear); break;
        case 'H': text.AppendFormat("%02d", t.hour); break;
        case 'M': text.AppendFormat("%02d", t.minute); break;
        case 'S': text.AppendFormat("%02d", t.second); break;
        case '%': text += '%'; break;
        default:
            text += '%';
            text += *p;
            break;
        }
    }
    return text;
}
