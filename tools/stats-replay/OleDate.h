// The host's date-time value: days since 30 December 1899, the time of day
// as the fraction.
#pragma once

#include "tools/stats-replay/Qso.h"

namespace replay {

// Days before the epoch count downwards while the fraction still counts the
// time of day forwards, so 29 December 1899 06:00 is -1.25.
double ToOleDate(int year, int month, int day, int hour, int minute);
double ToOleDate(const QsoTime& time);

}  // namespace replay
