#pragma once
// The multiplier windows, one row each, in the order the control window opens them: the dialog
// template that draws the window, its check box in the control window, its settings keys
// (wanted, position), its titles and the worked codes it marks. The control window's own keys
// follow. The replay tool reads the keys from here too.
#include <iterator>
#include <vector>

#include "engine/Refresh.h"
#include "resources/resource.h"
#include "windows/PluginWindow.h"

struct MultiplierWindowRow {
    UINT dialog;
    int checkBox;
    const char* viewKey; // 1 while the operator wants the window
    WindowPlace place;
    const char* title; // null: the DXCC title, which follows the typed call
    const char* russianTitle;
    const char* russianCheckBox;              // null: the check box keeps its template text
    std::vector<CString> WorkedCodes::*marks; // null: the window marks no codes
};

// The Russian texts are in Windows-1251: "Континеты" and "Континенты", "Районы " and "Районы".
inline constexpr MultiplierWindowRow kMultiplierWindows[] = {
    {IDD_MULTIPLIER, IDC_VIEW_DXCC, "setup_view_dxcc", {"dxcc_x", "dxcc_y", 10, 400}, nullptr, nullptr, nullptr,
        nullptr},
    {IDD_CONTINENT, IDC_VIEW_CONTINENT, "setup_view_continent", {"cont_x", "cont_y", 10, 10}, "Continent",
        "\xCA\xEE\xED\xF2\xE8\xED\xE5\xF2\xFB", "\xCA\xEE\xED\xF2\xE8\xED\xE5\xED\xF2\xFB", &WorkedCodes::continents},
    {IDD_CALL_AREA, IDC_VIEW_CALL_AREA, "setup_view_call_area", {"area_x", "area_y", 10, 10}, "Area",
        "\xD0\xE0\xE9\xEE\xED\xFB ", "\xD0\xE0\xE9\xEE\xED\xFB", &WorkedCodes::callAreas},
};
constexpr size_t kMultiplierWindowCount = std::size(kMultiplierWindows);

// The control window's place, and its key for "the multiplier windows stay on top".
inline constexpr WindowPlace kSetupPlace = {"setup_x", "setup_y", 10, 600};
inline constexpr const char* kWindowOnTopKey = "setup_window_on_top";
