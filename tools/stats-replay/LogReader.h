// Reads a contest log in whichever of the two formats it is written,
// recognised by its content, not by the file name.
#pragma once

#include <string>
#include <string_view>

#include "tools/stats-replay/ContestLog.h"

namespace replay {

// Cabrillo when the text begins with START-OF-LOG:, ADIF when it holds an
// <EOH> or <EOR> tag, else Cabrillo when any line begins with QSO:.
LogFormat DetectLogFormat(std::string_view text);

// A text in neither format gives no QSOs and one problem at line 0.
ContestLog ReadLog(std::string_view text);

// Files larger than kMaxLogFileBytes are refused with a problem, as is a
// file that cannot be read.
constexpr std::size_t kMaxLogFileBytes = 64u * 1024u * 1024u;
ContestLog ReadLogFile(const std::string& path);

}  // namespace replay
