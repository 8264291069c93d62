#pragma once
// What a process holds, for tests that check that the plug-in gives back what it takes.
#include <windows.h>

#include <ostream>

// Open kernel handles of this process (Wine answers GetProcessHandleCount with 0, so they are
// found one by one).
int OpenHandleCount();

// Live GDI objects of this process. Wine answers GetGuiResources with 0; there the process's
// own GDI handle table (the PEB points to it) is counted instead.
int GdiObjectCount();

struct ProcessCounts {
    int handles = 0;
    int gdiObjects = 0;

    static ProcessCounts Now() { return {OpenHandleCount(), GdiObjectCount()}; }
    bool operator==(const ProcessCounts& other) const
    {
        return handles == other.handles && gdiObjects == other.gdiObjects;
    }
};

std::ostream& operator<<(std::ostream& out, const ProcessCounts& counts);

// The counts once they are back at `start`, or as they are after 2 s of serving messages.
// Wine closes a few handles of a thread that has just ended, or of a finished COM call, a
// moment later, so a count taken at once can be one or two over without anything leaking.
ProcessCounts CountsOnceBackAt(const ProcessCounts& start);
