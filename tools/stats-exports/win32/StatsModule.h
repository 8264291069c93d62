#pragma once
// Stats.dll loaded the way our Windows hosts load it (the replay tool, the Wine tests, the Wine
// benchmark): LoadLibraryA, then the export table bound by the plain or by the decorated names.
#include <windows.h>

#include <string>

#include "tools/stats-exports/StatsExports.h"

enum class ExportNaming { Plain, Decorated };

class StatsModule {
public:
    // Loads the DLL; IsLoaded() and LoadError() tell how that went.
    explicit StatsModule(const std::string& path);
    ~StatsModule();
    StatsModule(const StatsModule&) = delete;
    StatsModule& operator=(const StatsModule&) = delete;

    bool IsLoaded() const { return m_module != nullptr; }
    // GetLastError() of a LoadLibraryA that failed.
    DWORD LoadError() const { return m_loadError; }
    HMODULE Handle() const { return m_module; }

    // The table bound by one kind of names. `missing` gets the first name that the DLL does not
    // export, or "" when every export is bound.
    StatsExports Bind(ExportNaming naming, std::string& missing) const;

    // Frees the DLL now, as a host does when it unloads a plug-in; tables bound before point
    // nowhere.
    void Unload();

private:
    HMODULE m_module = nullptr;
    DWORD m_loadError = 0;
};
