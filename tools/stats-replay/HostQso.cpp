#include "tools/stats-replay/HostQso.h"

#include <limits>

#include "tools/stats-replay/CallPrefix.h"

namespace replay {

HostQso DescribeForHost(const Qso& qso, const CountryFile& countries) {
    HostQso host;
    host.qso = &qso;
    if (const auto country = countries.Lookup(qso.call)) {
        host.dxccPrefix = country->dxccPrefix;
        host.continent = country->continent;
        host.knownCall = true;
    }
    host.callPrefix = CallPrefix(qso.call);
    host.time = HostTime(qso.time);
    // The host passes the frequency in Hz as a 32-bit number.
    const auto maxHz = std::numeric_limits<unsigned int>::max();
    host.frequencyHz = qso.frequencyHz > maxHz ? maxHz : static_cast<unsigned int>(qso.frequencyHz);
    return host;
}

COleDateTime HostTime(const QsoTime& time) {
    return COleDateTime(time.year, time.month, time.day, time.hour, time.minute, 0);
}

}  // namespace replay
