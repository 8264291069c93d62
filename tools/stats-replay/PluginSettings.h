// The plug-in's settings file, Plugins\BARTG-SPRINT.ini in the current folder, as the replay
// finds it and leaves it: keys set for a windowed replay are put back to their old values (or
// removed) at the end; the Plugins folder is made when missing and then removed again with
// what the plug-in wrote into it.
#pragma once

#include <windows.h>

#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace replay {

class PluginSettings {
public:
    PluginSettings();
    ~PluginSettings() { Restore(); }
    PluginSettings(const PluginSettings&) = delete;
    PluginSettings& operator=(const PluginSettings&) = delete;

    // Creates the Plugins folder if needed; false when it cannot be made.
    bool Prepare();
    // Sets a key of the section Settings, remembering its first old value.
    bool Set(const char* key, const std::string& value);
    // Puts back every key that Set changed; safe from any thread and more than once.
    void Restore();

private:
    std::string folder_;
    std::string file_;
    bool madeFolder_ = false;
    std::map<std::string, std::optional<std::string>> oldValues_;   // nullopt: the key was missing
    std::mutex mutex_;
};

}  // namespace replay
