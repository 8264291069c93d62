#pragma once
// The host's view of the plug-in: typed pointers to the eleven exports, filled by whoever
// loads Stats.dll and binds them (the replay tool, the Wine test host).
#include "engine/Exports.h"

struct StatsExports {
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
};
