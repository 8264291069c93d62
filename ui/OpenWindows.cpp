#include "ui/OpenWindows.h"

#include <memory>

#include "windows/CallAreaWindow.h"
#include "windows/ContinentWindow.h"
#include "windows/DxccWindow.h"

Multiplier* g_dxccWindow = nullptr;
CCont* g_continentWindow = nullptr;
Call_Area* g_callAreaWindow = nullptr;
int g_windowOnTop = 0;

namespace {

// Calls `action` with the pointer of the window of this kind.
template <class Action>
void WithWindow(MultiplierKind kind, Action action)
{
    switch (kind) {
    case MultiplierKind::Dxcc: return action(g_dxccWindow);
    case MultiplierKind::CallArea: return action(g_callAreaWindow);
    case MultiplierKind::Continent: return action(g_continentWindow);
    }
}

template <class Window>
void Open(Window*& window, HINSTANCE resources)
{
    if (window)
        return;
    auto created = std::make_unique<Window>(resources, g_windowOnTop == 1);
    if (!created->Create(nullptr))
        return;
    created->ShowWindow(SW_SHOW);
    window = created.release();
}

template <class Window>
void Close(Window*& window)
{
    if (!window)
        return;
    window->DestroyWindow();
    delete window;
    window = nullptr;
}

} // namespace

bool IsMultiplierWindowOpen(MultiplierKind kind)
{
    bool open = false;
    WithWindow(kind, [&](auto* window) { open = window != nullptr; });
    return open;
}

void OpenMultiplierWindow(MultiplierKind kind, HINSTANCE resources)
{
    WithWindow(kind, [=](auto*& window) { Open(window, resources); });
}

void CloseMultiplierWindow(MultiplierKind kind)
{
    WithWindow(kind, [](auto*& window) { Close(window); });
}

void CloseMultiplierWindows()
{
    for (MultiplierKind kind : {MultiplierKind::CallArea, MultiplierKind::Continent, MultiplierKind::Dxcc})
        CloseMultiplierWindow(kind);
}

void ClearMultiplierMarks()
{
    if (g_continentWindow)
        g_continentWindow->ClearMarks();
    if (g_callAreaWindow)
        g_callAreaWindow->ClearMarks();
}
