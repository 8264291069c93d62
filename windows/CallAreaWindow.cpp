#include "windows/CallAreaWindow.h"

#include <string>

#include "resources/resource.h"

namespace {

const WindowPlace kCallAreaPlace = {"area_x", "area_y", 10, 10};

// Buttons, codes and flags in control-id order: K, VE, JA, VK, each from 1 to 9 and then 0, on
// the controls from 1014 on. The K group skips control 1020, so K7 is on 1021.
std::array<MarkButton, 40> CallAreaButtons()
{
    const char* const prefixes[] = {"K", "VE", "JA", "VK"};
    std::array<MarkButton, 40> buttons;
    for (int flag = 0; flag < 40; ++flag) {
        const int controlId = 1014 + flag + (flag >= 6 ? 1 : 0);
        buttons[flag] = {prefixes[flag / 10] + std::to_string((flag % 10 + 1) % 10), controlId, flag};
    }
    return buttons;
}

const std::array<MarkButton, 40> kCallAreaButtons = CallAreaButtons();

} // namespace

Call_Area::Call_Area(HINSTANCE resources, bool onTop)
    : CMarkWindow(IDD_CALL_AREA, resources, kCallAreaPlace, onTop, kCallAreaButtons)
{
}
