#pragma once
// A contest of a given size, as a host builds it during a long contest: a real temporary
// current directory with a Plugins folder, QSOs of many DXCC entities and K, VE, JA and VK call
// areas on all five bands, a few duplicates and a few rejected QSOs in the rejected-QSO log.
//
// With STATS_BENCH_WITHOUT_FILES set (to anything) the exports do their work without files, to
// time it apart from the file system: the rejected-QSO log has no name, so it is neither read
// nor written, and the directory has no Plugins folder, so each settings write fails at once.
#include <string>

#include "tools/stats-exports/StatsExports.h"

namespace bench {

// The exports linked into the benchmark.
const StatsExports& Plugin();

// Enters the benchmark's temporary current directory (created on first use, removed at exit).
void EnterWorkspace();

// The contest state and the rejected-QSO log as `AddData0` left them after `qsoCount` QSOs.
// The first call for a size builds it through the exports; later calls restore a copy.
void LoadContest(int qsoCount);

// The index-th QSO of the standard mix (the same for every size).
LoggedQso MixedQso(int index);

// The index of the first duplicate of the mix at or after `index`.
int DuplicateNear(int index);

// A QSO that is new in every respect: its call, band and minute are stored nowhere.
LoggedQso FreshQso();

} // namespace bench
