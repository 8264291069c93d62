#include "tools/stats-replay/CallPrefix.h"

#include "tools/stats-replay/PortableCall.h"

namespace replay {

std::string CallPrefix(std::string_view call) {
    const PortableCall portable = SplitPortableCall(call);
    if (!portable.locationPrefix.empty()) return portable.locationPrefix;
    std::string prefix(HomePrefix(portable.homeCall));
    if (portable.areaDigit != 0) {
        const std::size_t lastDigit = prefix.find_last_of("0123456789");
        if (lastDigit == std::string::npos) prefix += portable.areaDigit;
        else prefix[lastDigit] = portable.areaDigit;
    }
    return prefix;
}

}  // namespace replay
