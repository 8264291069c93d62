#include "tools/stats-replay/ContestLog.h"

namespace replay {

void SummarizeQsos(ContestLog& log) {
    for (const Qso& qso : log.qsos) {
        if (log.ownCall.empty()) log.ownCall = qso.ownCall;
        if (!log.firstQsoTime || qso.time < *log.firstQsoTime) log.firstQsoTime = qso.time;
        if (!log.lastQsoTime || *log.lastQsoTime < qso.time) log.lastQsoTime = qso.time;
    }
}

}  // namespace replay
