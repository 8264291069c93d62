#pragma once
// What a process holds, for tests that check that the plug-in gives back what it takes.
#include <windows.h>

// Open kernel handles of this process (Wine answers GetProcessHandleCount with 0, so they are
// found one by one).
int OpenHandleCount();

// Live GDI objects of this process. Wine answers GetGuiResources with 0; there the process's
// own GDI handle table (the PEB points to it) is counted instead.
int GdiObjectCount();
