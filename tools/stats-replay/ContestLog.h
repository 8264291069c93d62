// What a log reader returns: the QSOs, the facts from the log's header and
// the problems met on the way.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/stats-replay/Problem.h"
#include "tools/stats-replay/Qso.h"

namespace replay {

enum class LogFormat { Unknown, Cabrillo, Adif };

struct ContestLog {
    LogFormat format = LogFormat::Unknown;
    std::string ownCall;                  // from the header, else from the first QSO that has one
    std::optional<QsoTime> firstQsoTime;  // earliest and latest QSO, whatever their order in the file
    std::optional<QsoTime> lastQsoTime;
    std::vector<Qso> qsos;                // in file order
    std::vector<Problem> problems;
};

// Fills in the own call (when the header had none) and the first and last QSO time.
void SummarizeQsos(ContestLog& log);

}  // namespace replay
