// Reads an ADIF (.adi) log: length-counted fields <NAME:LENGTH[:TYPE]>value,
// records ended by <EOR>, an optional header ended by <EOH>.
#pragma once

#include <string_view>

#include "tools/stats-replay/ContestLog.h"

namespace replay {

// Field names are matched ignoring letter case. A record needs CALL, QSO_DATE
// and TIME_ON; FREQ is in MHz. When only BAND is given the band's usual RTTY
// frequency is used, when only FREQ is given its band is named. The serial
// numbers come from STX_STRING/SRX_STRING, else STX/SRX; the own call from
// STATION_CALLSIGN, else OPERATOR; the mode from MODE, else SUBMODE.
ContestLog ReadAdif(std::string_view text);

}  // namespace replay
