#include "tests/wine/framework/ProcessCounts.h"

#include "tools/host-automation/HostAutomation.h"

int OpenHandleCount()
{
    int count = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags))
            ++count;
    }
    return count;
}

int GdiObjectCount()
{
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported)
        return static_cast<int>(reported);
    struct HandleEntry {
        ULONGLONG object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        ULONGLONG user;
    };
    using CurrentPeb = const BYTE*(WINAPI*)();
    const auto currentPeb = reinterpret_cast<CurrentPeb>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetCurrentPeb")));
    if (!currentPeb)
        return -1;
    // GdiSharedHandleTable of the 32-bit PEB.
    const BYTE* peb = currentPeb();
    const auto* table = *reinterpret_cast<const HandleEntry* const*>(peb + 0x94);
    if (!table)
        return -1;
    int count = 0;
    for (int index = 0; index < 0x10000; ++index)
        count += table[index].type != 0;
    return count;
}

std::ostream& operator<<(std::ostream& out, const ProcessCounts& counts)
{
    return out << counts.handles << " handles, " << counts.gdiObjects << " GDI objects";
}

ProcessCounts CountsOnceBackAt(const ProcessCounts& start)
{
    ProcessCounts counts;
    PumpMessagesUntil([&] { return (counts = ProcessCounts::Now()) == start; }, 2000);
    return counts;
}
