// Where a windowed replay puts the plug-in's windows: the three multiplier windows side by
// side along the top of the screen, the control window below the DXCC window. The sizes come
// from the plug-in's own dialog templates, in dialog units converted for the dialog font.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace replay {

// The settings keys and values that place the windows (setup_x, dxcc_x, cont_x, area_x, ...).
std::vector<std::pair<const char*, std::string>> SideBySideLayout(HMODULE plugin);

}  // namespace replay
