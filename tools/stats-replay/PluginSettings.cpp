#include "tools/stats-replay/PluginSettings.h"

#include <vector>

namespace replay {
namespace {

constexpr const char* kSection = "Settings";
// A default no stored value can equal: it tells a missing key from an empty one.
constexpr const char* kMissing = "\x01missing\x01";

std::string FullPath(const char* relative) {
    char path[MAX_PATH] = "";
    const DWORD length = GetFullPathNameA(relative, sizeof path, path, nullptr);
    return length && length < sizeof path ? path : relative;
}

std::optional<std::string> ReadKey(const std::string& file, const char* key) {
    std::vector<char> value(4096);
    GetPrivateProfileStringA(kSection, key, kMissing, value.data(), static_cast<DWORD>(value.size()), file.c_str());
    if (std::string(value.data()) == kMissing) return std::nullopt;
    return std::string(value.data());
}

}  // namespace

PluginSettings::PluginSettings() : folder_(FullPath("Plugins")), file_(FullPath("Plugins\\BARTG-SPRINT.ini")) {}

bool PluginSettings::Prepare() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (GetFileAttributesA(folder_.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    madeFolder_ = CreateDirectoryA(folder_.c_str(), nullptr) != 0;
    return madeFolder_;
}

bool PluginSettings::Set(const char* key, const std::string& value) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!oldValues_.count(key)) oldValues_[key] = ReadKey(file_, key);
    return WritePrivateProfileStringA(kSection, key, value.c_str(), file_.c_str()) != 0;
}

void PluginSettings::Restore() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (madeFolder_) {
        // Everything in the folder was written by this run.
        DeleteFileA(file_.c_str());
        RemoveDirectoryA(folder_.c_str());
        madeFolder_ = false;
    } else {
        for (const auto& [key, value] : oldValues_)
            WritePrivateProfileStringA(kSection, key.c_str(), value ? value->c_str() : nullptr, file_.c_str());
    }
    oldValues_.clear();
    // Wine keeps profile files in a cache; this writes it out.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file_.c_str());
}

}  // namespace replay
