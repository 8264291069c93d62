// What the host knows about a QSO when it calls the plug-in: the log's fields plus the
// worked station's DXCC entity, continent and call prefix from the country file.
#pragma once

#include <string>

#include "platform/COleDateTime.h"
#include "tools/stats-replay/CountryFile.h"
#include "tools/stats-replay/Qso.h"

namespace replay {

struct HostQso {
    const Qso* qso = nullptr;
    std::string dxccPrefix;      // "" when the country file knows no entity for the call
    std::string continent;
    std::string callPrefix;      // its last digit is the call area
    COleDateTime time;           // the host's date-time value
    unsigned int frequencyHz = 0;
    bool knownCall = false;
};

HostQso DescribeForHost(const Qso& qso, const CountryFile& countries);

// A log's time as the host's date-time value.
COleDateTime HostTime(const QsoTime& time);

}  // namespace replay
