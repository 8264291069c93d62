#include "windows/ContinentWindow.h"

#include "resources/resource.h"

namespace {

// Buttons in control-id order; flags in the order EU, AF, NA, AS, SA, OC.
const std::array<MarkButton, 6> kContinentButtons = {{
    {"EU", IDC_CONTINENT_EU, 0},
    {"NA", IDC_CONTINENT_NA, 2},
    {"SA", IDC_CONTINENT_SA, 4},
    {"AF", IDC_CONTINENT_AF, 1},
    {"AS", IDC_CONTINENT_AS, 3},
    {"OC", IDC_CONTINENT_OC, 5},
}};

} // namespace

CCont::CCont(HINSTANCE resources, const WindowPlace& place, bool onTop)
    : CMarkWindow(IDD_CONTINENT, resources, place, onTop, kContinentButtons)
{
}
