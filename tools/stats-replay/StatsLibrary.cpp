#include "tools/stats-replay/StatsLibrary.h"

namespace replay {

namespace {

template <class Function>
bool Bind(HMODULE module, const char* name, Function& function, std::string& error) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!function && error.empty()) error = std::string("the plug-in has no export ") + name;
    return function != nullptr;
}

}  // namespace

StatsLibrary::StatsLibrary(const std::string& path, std::string& error) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) {
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return;
    }
    error.clear();
    Bind(module, "AddData0", AddData0, error);
    Bind(module, "RemoveData0", RemoveData0, error);
    Bind(module, "ResetStats0", ResetStats0, error);
    Bind(module, "CheckCall0", CheckCall0, error);
    Bind(module, "GetResult0", GetResult0, error);
    Bind(module, "GetSetName", GetSetName, error);
    Bind(module, "GetNumberOfSets", GetNumberOfSets, error);
    Bind(module, "GetExchgCount0", GetExchgCount0, error);
    Bind(module, "IsValidExchg0", IsValidExchg0, error);
    Bind(module, "setVersion", setVersion, error);
    Bind(module, "SetupSet0", SetupSet0, error);
    if (!error.empty()) {
        error = path + ": " + error;
        FreeLibrary(module);
        return;
    }
    module_ = module;
}

StatsLibrary::~StatsLibrary() {
    if (module_) FreeLibrary(module_);
}

}  // namespace replay
