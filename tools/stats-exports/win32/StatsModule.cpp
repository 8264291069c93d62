#include "tools/stats-exports/win32/StatsModule.h"

#include <type_traits>

StatsModule::StatsModule(const std::string& path)
    : m_module(LoadLibraryA(path.c_str())), m_loadError(m_module ? 0 : GetLastError())
{
}

StatsModule::~StatsModule() { Unload(); }

StatsExports StatsModule::Bind(ExportNaming naming, std::string& missing) const
{
    StatsExports exports;
    missing.clear();
    size_t index = 0;
    const auto bind = [&](auto& slot) {
        const ExportNames& names = kExportNames[index++];
        const char* name = naming == ExportNaming::Plain ? names.plain : names.decorated;
        // GetProcAddress without a module would search this program.
        const FARPROC address = m_module ? GetProcAddress(m_module, name) : nullptr;
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(reinterpret_cast<void*>(address));
        if (!address && missing.empty())
            missing = name;
    };
    // In the order of kExportNames.
#define STATS_EXPORT(name, decorated) bind(exports.name);
#include "engine/ExportList.h"
    return exports;
}

void StatsModule::Unload()
{
    if (m_module)
        FreeLibrary(m_module);
    m_module = nullptr;
}
