#include "tools/stats-replay/WindowLayout.h"

#include <algorithm>

namespace replay {
namespace {

constexpr int kMargin = 10;
constexpr int kGap = 12;

// The plug-in's dialog templates.
constexpr int kDxccDialog = 104;
constexpr int kContinentDialog = 110;

// Used when a template cannot be read: generous sizes in dialog units.
constexpr SIZE kFallbackUnits{260, 150};

// A dialog template's size in dialog units and its style.
struct TemplateSize {
    SIZE units = kFallbackUnits;
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
};

TemplateSize ReadTemplate(HMODULE plugin, int id) {
    TemplateSize size;
    HRSRC found = FindResourceA(plugin, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL loaded = found ? LoadResource(plugin, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!bytes || SizeofResource(plugin, found) < 26) return size;
    auto word = [bytes](int offset) { return *reinterpret_cast<const short*>(bytes + offset); };
    const bool extended = word(2) == -1;   // DLGTEMPLATEEX: version 1, signature 0xFFFF
    size.style = *reinterpret_cast<const DWORD*>(bytes + (extended ? 12 : 0));
    size.units = extended ? SIZE{word(22), word(24)} : SIZE{word(14), word(16)};
    return size;
}

// Pixels per 4 horizontal and 8 vertical dialog units for the plug-in's dialog font.
SIZE DialogBaseUnits() {
    HDC screen = GetDC(nullptr);
    LOGFONTA font{};
    font.lfHeight = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    lstrcpyA(font.lfFaceName, "MS Shell Dlg");
    HFONT handle = CreateFontIndirectA(&font);
    HGDIOBJ old = SelectObject(screen, handle);
    SIZE text{};
    GetTextExtentPoint32A(screen, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &text);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, old);
    DeleteObject(handle);
    ReleaseDC(nullptr, screen);
    return SIZE{std::max<LONG>((text.cx / 26 + 1) / 2, 4), std::max<LONG>(metrics.tmHeight, 8)};
}

SIZE WindowPixels(HMODULE plugin, int id, SIZE base) {
    const TemplateSize size = ReadTemplate(plugin, id);
    RECT frame{0, 0, MulDiv(size.units.cx, base.cx, 4), MulDiv(size.units.cy, base.cy, 8)};
    AdjustWindowRectEx(&frame, size.style, FALSE, 0);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

std::vector<std::pair<const char*, std::string>> SideBySideLayout(HMODULE plugin) {
    const SIZE base = DialogBaseUnits();
    const SIZE dxcc = WindowPixels(plugin, kDxccDialog, base);
    const SIZE continent = WindowPixels(plugin, kContinentDialog, base);
    const int continentX = kMargin + dxcc.cx + kGap;
    const int callAreaX = continentX + continent.cx + kGap;
    const int controlY = kMargin + std::max(dxcc.cy, continent.cy) + kGap;
    return {
        {"dxcc_x", std::to_string(kMargin)},      {"dxcc_y", std::to_string(kMargin)},
        {"cont_x", std::to_string(continentX)},   {"cont_y", std::to_string(kMargin)},
        {"area_x", std::to_string(callAreaX)},    {"area_y", std::to_string(kMargin)},
        {"setup_x", std::to_string(kMargin)},     {"setup_y", std::to_string(controlY)},
    };
}

}  // namespace replay
