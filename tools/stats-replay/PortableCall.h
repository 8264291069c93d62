// How a callsign written with strokes ("DL/K1ABC", "K5DJ/1", "OH2XX/P")
// splits into the station's home call, a location prefix and a call-area
// digit.
#pragma once

#include <string>
#include <string_view>

namespace replay {

struct PortableCall {
    std::string fullCall;          // upper case, blanks trimmed
    std::string withoutSuffixes;   // fullCall without the trailing operating suffixes
    std::string homeCall;          // "K1ABC" for DL/K1ABC
    std::string locationPrefix;    // "DL" for DL/K1ABC; "" when none
    char areaDigit = 0;            // '1' for K5DJ/1; 0 when none or when a location is given
};

// The rules, applied to the pieces between the strokes:
// 1. Trailing suffixes that only tell how the station operates are dropped:
//    /P, /M, /MM, /AM, /QRP, /QRPP, /LH and /A.
// 2. A trailing single digit is the call area the station operates in.
// 3. Of the rest, the home call is the longest piece that looks like a
//    complete call (a letter after its last digit); the location prefix is
//    the shortest other piece. So DL/K1ABC, K1ABC/DL and VE3/K5DJ all find
//    their location, and a piece count above two is tolerated.
PortableCall SplitPortableCall(std::string_view call);

// The home call's own prefix: up to and including its last digit
// ("JA1XYZ" -> "JA1", "TC50TRAC" -> "TC50"); a call without a digit is its
// own prefix.
std::string_view HomePrefix(std::string_view homeCall);

}  // namespace replay
