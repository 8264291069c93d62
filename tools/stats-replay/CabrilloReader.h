// Reads a Cabrillo 3.0 log: the CALLSIGN: header and the QSO: lines, with or
// without the RST columns.
#pragma once

#include <string_view>

#include "tools/stats-replay/ContestLog.h"

namespace replay {

// QSO: freq mode date time own-call [rst] number call [rst] number [transmitter]
//
// When one side has the RST column, both have it: a side with a single field then holds only
// the RST, its number is empty (so the plug-in rejects the QSO), and a problem names the line.
//
// The frequency is in kHz; a value below 1000 is a band given in MHz ("7",
// "14", "50"), for which the band's usual RTTY frequency is used. Mode "RY"
// is given as "RTTY". X-QSO: lines and everything after END-OF-LOG: are left
// out. Any other line that is not a QSO or a header tag is a problem.
ContestLog ReadCabrillo(std::string_view text);

}  // namespace replay
