// The call prefix a logger gives for a worked station. The plug-in takes
// the last digit of it as the station's call area.
#pragma once

#include <string>
#include <string_view>

namespace replay {

// "K5DJ" -> "K5", "JA1XYZ" -> "JA1", "4X1AB" -> "4X1";
// a location prefix wins: "VE3/K5DJ" -> "VE3", "DL/K1ABC" -> "DL";
// an area digit replaces the home prefix's last digit: "K5DJ/1" -> "K1";
// operating suffixes change nothing: "K5DJ/P" -> "K5".
// A call without any digit is returned whole (it has no call area).
std::string CallPrefix(std::string_view call);

}  // namespace replay
