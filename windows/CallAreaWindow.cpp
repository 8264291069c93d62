#include "windows/CallAreaWindow.h"

#include "resources/resource.h"

namespace {

// Buttons, codes and flags in control-id order: the entities in the order of their table, each
// with its areas from 1 to 9 and then 0, on the controls from 1014 on. The first group skips
// control 1020, so K7 is on 1021.
std::array<MarkButton, kCallAreaButtonCount> CallAreaButtons()
{
    std::array<MarkButton, kCallAreaButtonCount> buttons;
    for (int flag = 0; flag < static_cast<int>(kCallAreaButtonCount); ++flag) {
        const int controlId = 1014 + flag + (flag >= 6 ? 1 : 0);
        const int digit = (flag % kCallAreasPerEntity + 1) % kCallAreasPerEntity;
        buttons[static_cast<size_t>(flag)] = {CallAreaCode(flag / kCallAreasPerEntity, digit), controlId, flag};
    }
    return buttons;
}

const std::array<MarkButton, kCallAreaButtonCount> kCallAreaButtons = CallAreaButtons();

} // namespace

Call_Area::Call_Area(HINSTANCE resources, const WindowPlace& place, bool onTop)
    : CMarkWindow(IDD_CALL_AREA, resources, place, onTop, kCallAreaButtons)
{
}
