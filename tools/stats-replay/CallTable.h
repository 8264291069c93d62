// Finds which country-file entry a callsign belongs to: exact-call entries
// first, then the longest matching prefix, with the portable forms of
// PortableCall.h taken into account.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace replay {

struct CallTableEntry {
    std::size_t entity = 0;  // index into the caller's entity list
    std::string continent;   // after any override of the alias
};

class CallTable {
public:
    // When an exact call or prefix is added twice, the first entry stays.
    void AddExactCall(const std::string& call, const CallTableEntry& entry);
    void AddPrefix(const std::string& prefix, const CallTableEntry& entry);

    // In this order: the whole call as an exact call; the call without its
    // operating suffixes as an exact call; then, when the call names a
    // location, the longest prefix of the location; otherwise the home call
    // as an exact call and its longest prefix. A call-area digit ("/1")
    // does not change the entity; the country file lists the stations for
    // which it does as exact calls. Null when nothing matches.
    const CallTableEntry* Find(std::string_view call) const;

    // The entry of the longest prefix of the text, or null.
    const CallTableEntry* FindLongestPrefix(std::string_view text) const;

private:
    const CallTableEntry* FindExactCall(const std::string& call) const;

    std::unordered_map<std::string, CallTableEntry> exactCalls_;
    std::unordered_map<std::string, CallTableEntry> prefixes_;
    std::size_t longestPrefix_ = 0;
};

}  // namespace replay
