// Stats.dll loaded the way the host loads it: LoadLibrary, then every export bound by its
// plain name.
#pragma once

#include <windows.h>

#include <string>

#include "engine/Exports.h"

namespace replay {

class StatsLibrary {
public:
    // Loads the library; on failure `error` says why and IsLoaded() is false.
    StatsLibrary(const std::string& path, std::string& error);
    ~StatsLibrary();
    StatsLibrary(const StatsLibrary&) = delete;
    StatsLibrary& operator=(const StatsLibrary&) = delete;

    bool IsLoaded() const { return module_ != nullptr; }

    decltype(&::AddData0) AddData0 = nullptr;
    decltype(&::RemoveData0) RemoveData0 = nullptr;
    decltype(&::ResetStats0) ResetStats0 = nullptr;
    decltype(&::CheckCall0) CheckCall0 = nullptr;
    decltype(&::GetResult0) GetResult0 = nullptr;
    decltype(&::GetSetName) GetSetName = nullptr;
    decltype(&::GetNumberOfSets) GetNumberOfSets = nullptr;
    decltype(&::GetExchgCount0) GetExchgCount0 = nullptr;
    decltype(&::IsValidExchg0) IsValidExchg0 = nullptr;
    decltype(&::setVersion) setVersion = nullptr;
    decltype(&::SetupSet0) SetupSet0 = nullptr;

private:
    HMODULE module_ = nullptr;
};

}  // namespace replay
