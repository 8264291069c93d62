#include "tools/stats-replay/CallTable.h"

#include <algorithm>

#include "tools/stats-replay/PortableCall.h"

namespace replay {

void CallTable::AddExactCall(const std::string& call, const CallTableEntry& entry) {
    exactCalls_.emplace(call, entry);
}

void CallTable::AddPrefix(const std::string& prefix, const CallTableEntry& entry) {
    prefixes_.emplace(prefix, entry);
    longestPrefix_ = std::max(longestPrefix_, prefix.size());
}

const CallTableEntry* CallTable::FindExactCall(const std::string& call) const {
    const auto found = exactCalls_.find(call);
    return found == exactCalls_.end() ? nullptr : &found->second;
}

const CallTableEntry* CallTable::FindLongestPrefix(std::string_view text) const {
    for (std::size_t length = std::min(text.size(), longestPrefix_); length > 0; --length) {
        const auto found = prefixes_.find(std::string(text.substr(0, length)));
        if (found != prefixes_.end()) return &found->second;
    }
    return nullptr;
}

const CallTableEntry* CallTable::Find(std::string_view call) const {
    const PortableCall portable = SplitPortableCall(call);
    if (portable.homeCall.empty()) return nullptr;
    if (const CallTableEntry* entry = FindExactCall(portable.fullCall)) return entry;
    if (const CallTableEntry* entry = FindExactCall(portable.withoutSuffixes)) return entry;
    if (!portable.locationPrefix.empty()) return FindLongestPrefix(portable.locationPrefix);
    if (const CallTableEntry* entry = FindExactCall(portable.homeCall)) return entry;
    return FindLongestPrefix(portable.homeCall);
}

}  // namespace replay
