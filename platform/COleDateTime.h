#pragma once
// COleDateTime: the host's date-time value. A double counting days since 30 December 1899
// (the fraction is the time of day) and a status. The host hands the plug-in pointers to its
// own objects of this class, so the layout is fixed: the double at offset 0, the status at 8.
#include <cstddef>

#include "platform/CString.h"

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    explicit COleDateTime(double days) : m_dt(days) { }
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    // A copy of the host's value: a null pointer gives a null date, an unknown status
    // or a value outside the years 100 to 9999 gives an invalid one.
    static COleDateTime FromHost(const COleDateTime* hostValue);

    DateTimeStatus GetStatus() const;

    // strftime-style formatting (%Y %y %m %d %j %H %M %S %%; other codes stay as written).
    // A null date formats as the empty text, an invalid one as "Invalid DateTime".
    CString Format(const char* format) const;

    double m_dt = 0.0;
    int m_status = valid;
};

static_assert(offsetof(COleDateTime, m_dt) == 0, "the host reads the value at offset 0");
static_assert(offsetof(COleDateTime, m_status) == 8, "the host reads the status at offset 8");
static_assert(sizeof(COleDateTime) == 16, "the host's objects are 16 bytes long");
