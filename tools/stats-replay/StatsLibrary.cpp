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

}  // namespace

StatsLibrary::StatsLibrary(const std::string& path, std::string& error) : module_(path) {
    if (!module_.IsLoaded()) {
        const DWORD code = module_.LoadError();
        const std::string meaning = LoadErrorMeaning(code);
        error = "cannot load " + path + " (error " + std::to_string(code) + ")" + (meaning.empty() ? "" : ": " + meaning);
        return;
    }
    std::string missing;
    const StatsExports exports = module_.Bind(ExportNaming::Plain, missing);
    if (!missing.empty()) {
        error = path + ": the plug-in has no export " + missing;
        module_.Unload();
        return;
    }
    error.clear();
    StatsExports::operator=(exports);
}

}  // namespace replay
