#include "ui/OpenWindows.h"

int g_windowOnTop = 0;

namespace {

// Plain pointers: nothing may destroy a window when the library's globals go.
CMultiplierWindow* g_openWindows[kMultiplierWindowCount] = {};

} // namespace

CMultiplierWindow* OpenWindowOf(size_t row) { return g_openWindows[row]; }

void OpenMultiplierWindow(size_t row, HINSTANCE resources)
{
    if (g_openWindows[row])
        return;
    const MultiplierWindowRow& window = kMultiplierWindows[row];
    auto made = MakeMultiplierWindow(window.dialog, resources, window.place, g_windowOnTop == 1);
    if (!made || !made->Create(nullptr))
        return;
    made->ShowWindow(SW_SHOW);
    g_openWindows[row] = made.release();
}

void CloseMultiplierWindow(size_t row)
{
    if (!g_openWindows[row])
        return;
    g_openWindows[row]->DestroyWindow();
    delete g_openWindows[row];
    g_openWindows[row] = nullptr;
}

void CloseMultiplierWindows()
{
    for (size_t row = kMultiplierWindowCount; row-- > 0;)
        CloseMultiplierWindow(row);
}

void ClearMultiplierMarks()
{
    for (CMultiplierWindow* window : g_openWindows)
        if (window)
            window->ClearMarks();
}
