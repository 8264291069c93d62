#include "tests/wine/framework/StatsLibrary.h"

#include <algorithm>
#include <cstdlib>

#include "tests/wine/framework/Assertions.h"
#include "tests/wine/framework/Files.h"

const char* const kHostVersionWithoutWindows = "2.16";
const char* const kPluginSettingsFile = "Plugins\\BARTG-SPRINT.ini";

namespace {

std::string DllPath()
{
    const char* path = std::getenv("STATS_DLL");
    if (!path || !*path)
        ABORT_TEST("STATS_DLL names no Stats.dll (run the tests through tests/wine/run-in-wine)");
    return path;
}

StatsExports Bind(const StatsModule& module, ExportNaming naming)
{
    std::string missing;
    const StatsExports exports = module.Bind(naming, missing);
    EXPECT_EQ("", missing) << "Stats.dll does not export every function";
    return exports;
}

} // namespace

StatsLibrary::StatsLibrary() : module_(DllPath())
{
    if (!module_.IsLoaded())
        ABORT_TEST("LoadLibraryA failed for " + DllPath() + ", error " + std::to_string(module_.LoadError()));
    plain_ = Bind(module_, ExportNaming::Plain);
    decorated_ = Bind(module_, ExportNaming::Decorated);
}

void StatsLibrary::Unload()
{
    module_.Unload();
    plain_ = decorated_ = StatsExports();
}

void WriteHostSettings(const char* version)
{
    WriteFileBytes("Kelb2.ini", std::string("[Program]\r\nKelb=") + version + "\r\n");
}

std::string PluginSetting(const char* key)
{
    char value[256] = "";
    const std::string path = CurrentFolder() + kPluginSettingsFile;
    GetPrivateProfileStringA("Settings", key, "", value, sizeof value, path.c_str());
    return value;
}

void WritePluginSettings(const std::string& lines)
{
    MakeFolder("Plugins");
    std::string content;
    for (size_t from = 0; from < lines.size();) {
        const size_t end = std::min(lines.find('\n', from), lines.size());
        content += lines.substr(from, end - from) + "\r\n";
        from = end + 1;
    }
    WriteFileBytes(kPluginSettingsFile, content);
}
