#include "windows/CallAreaWindow.h"

#include "resources/resource.h"

namespace {

const WindowPlace kCallAreaPlace = {"area_x", "area_y", 10, 10};

// Buttons, codes and flags in control-id order: K, VE, JA, VK, each from 1 to 9 and then 0.
// The K group skips control 1020.
const std::array<MarkButton, 40> kCallAreaButtons = {{
    {"K1", 1014, 0},
    {"K2", 1015, 1},
    {"K3", 1016, 2},
    {"K4", 1017, 3},
    {"K5", 1018, 4},
    {"K6", 1019, 5},
    {"K7", 1021, 6},
    {"K8", 1022, 7},
    {"K9", 1023, 8},
    {"K0", 1024, 9},
    {"VE1", 1025, 10},
    {"VE2", 1026, 11},
    {"VE3", 1027, 12},
    {"VE4", 1028, 13},
    {"VE5", 1029, 14},
    {"VE6", 1030, 15},
    {"VE7", 1031, 16},
    {"VE8", 1032, 17},
    {"VE9", 1033, 18},
    {"VE0", 1034, 19},
    {"JA1", 1035, 20},
    {"JA2", 1036, 21},
    {"JA3", 1037, 22},
    {"JA4", 1038, 23},
    {"JA5", 1039, 24},
    {"JA6", 1040, 25},
    {"JA7", 1041, 26},
    {"JA8", 1042, 27},
    {"JA9", 1043, 28},
    {"JA0", 1044, 29},
    {"VK1", 1045, 30},
    {"VK2", 1046, 31},
    {"VK3", 1047, 32},
    {"VK4", 1048, 33},
    {"VK5", 1049, 34},
    {"VK6", 1050, 35},
    {"VK7", 1051, 36},
    {"VK8", 1052, 37},
    {"VK9", 1053, 38},
    {"VK0", 1054, 39},
}};

} // namespace

Call_Area::Call_Area(HINSTANCE resources, bool onTop)
    : CMarkWindow(IDD_CALL_AREA, resources, kCallAreaPlace, onTop, kCallAreaButtons)
{
}
