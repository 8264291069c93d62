// Stats.dll loaded the way the host loads it: LoadLibrary, then every export bound by its
// plain name.
#pragma once

#include <string>

#include "tools/stats-exports/win32/StatsModule.h"

namespace replay {

class StatsLibrary : public StatsExports {
public:
    // Loads the library; on failure `error` says why and IsLoaded() is false.
    StatsLibrary(const std::string& path, std::string& error);

    bool IsLoaded() const { return module_.IsLoaded(); }
    HMODULE Module() const { return module_.Handle(); }

private:
    StatsModule module_;
};

}  // namespace replay
