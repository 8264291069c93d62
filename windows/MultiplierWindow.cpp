#include "windows/MultiplierWindow.h"

#include "resources/resource.h"
#include "windows/CallAreaWindow.h"
#include "windows/ContinentWindow.h"
#include "windows/DxccWindow.h"

std::unique_ptr<CMultiplierWindow> MakeMultiplierWindow(
    UINT dialog, HINSTANCE resources, const WindowPlace& place, bool onTop)
{
    switch (dialog) {
    case IDD_MULTIPLIER: return std::make_unique<Multiplier>(resources, place, onTop);
    case IDD_CONTINENT: return std::make_unique<CCont>(resources, place, onTop);
    case IDD_CALL_AREA: return std::make_unique<Call_Area>(resources, place, onTop);
    }
    return nullptr;
}
