#pragma once
// Where the plug-in's windows stand: each keeps its place in two keys of the settings file.
// One last-saved pair is shared by all windows, so a window whose pointer arrives after
// another window's position was saved writes its own keys again.
#include <windows.h>

struct WindowPlace {
    const char* xKey;
    const char* yKey;
    int defaultX;   // used for a stored (or missing) 0
    int defaultY;
};

extern int g_lastSavedX;
extern int g_lastSavedY;

// Reads the window's keys into the last-saved pair (0 becomes the default) and moves the
// window there, keeping its size and z-order.
void LoadWindowPosition(HWND window, const WindowPlace& place);

// WM_SETCURSOR: writes the window's left and top edges to its keys where they differ from
// the last-saved pair. The caller then lets the default handling set the cursor.
void SaveWindowPosition(HWND window, const WindowPlace& place);
