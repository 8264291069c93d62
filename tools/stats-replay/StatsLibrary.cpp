#include "tools/stats-replay/StatsLibrary.h"

namespace replay {

namespace {

// The common reasons LoadLibrary gives, in words for someone who just wants to replay a log.
std::string LoadErrorMeaning(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return "the file is missing";
    case ERROR_MOD_NOT_FOUND: return "the file is missing or is not a 32-bit DLL";
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH: return "the file is not a 32-bit Windows DLL (a 64-bit one, or no DLL at all)";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION: return "the file may not be read, or another program holds it";
    case ERROR_DLL_INIT_FAILED: return "the DLL refused to start";
    default: return "";
    }
}

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
        const DWORD code = GetLastError();
        const std::string meaning = LoadErrorMeaning(code);
        error = "cannot load " + path + " (error " + std::to_string(code) + ")" + (meaning.empty() ? "" : ": " + meaning);
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
