#include "ui/OpenWindows.h"

#include <memory>

#include "ui/StatsApp.h"
#include "windows/CallAreaWindow.h"
#include "windows/ContinentWindow.h"
#include "windows/DxccWindow.h"

Multiplier* g_dxccWindow = nullptr;
CCont* g_continentWindow = nullptr;
Call_Area* g_callAreaWindow = nullptr;
int g_windowOnTop = 0;

namespace {

template <class Window>
void Open(Window*& window)
{
    if (window)
        return;
    auto created = std::make_unique<Window>(theApp.m_hInstance);
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
    switch (kind) {
    case MultiplierKind::Dxcc:
        return g_dxccWindow != nullptr;
    case MultiplierKind::CallArea:
        return g_callAreaWindow != nullptr;
    case MultiplierKind::Continent:
        return g_continentWindow != nullptr;
    }
    return false;
}

void OpenMultiplierWindow(MultiplierKind kind)
{
    switch (kind) {
    case MultiplierKind::Dxcc:
        Open(g_dxccWindow);
        break;
    case MultiplierKind::CallArea:
        Open(g_callAreaWindow);
        break;
    case MultiplierKind::Continent:
        Open(g_continentWindow);
        break;
    }
}

void CloseMultiplierWindow(MultiplierKind kind)
{
    switch (kind) {
    case MultiplierKind::Dxcc:
        Close(g_dxccWindow);
        break;
    case MultiplierKind::CallArea:
        Close(g_callAreaWindow);
        break;
    case MultiplierKind::Continent:
        Close(g_continentWindow);
        break;
    }
}

void ClearMultiplierMarks()
{
    if (g_continentWindow)
        g_continentWindow->ClearMarks();
    if (g_callAreaWindow)
        g_callAreaWindow->ClearMarks();
}
