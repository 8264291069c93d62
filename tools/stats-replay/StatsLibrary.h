// Stats.dll loaded the way the host loads it: LoadLibrary, then every export bound by its
// plain name.
#pragma once

#include <windows.h>

#include <string>

#include "engine/ExportTable.h"

namespace replay {

class StatsLibrary : public StatsExports {
public:
    // Loads the library; on failure `error` says why and IsLoaded() is false.
    StatsLibrary(const std::string& path, std::string& error);
    ~StatsLibrary();
    StatsLibrary(const StatsLibrary&) = delete;
    StatsLibrary& operator=(const StatsLibrary&) = delete;

    bool IsLoaded() const { return module_ != nullptr; }
    HMODULE Module() const { return module_; }

private:
    HMODULE module_ = nullptr;
};

}  // namespace replay
