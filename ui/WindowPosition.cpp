#include "ui/WindowPosition.h"

#include "engine/ContestState.h"

int g_lastSavedX = 0;
int g_lastSavedY = 0;

void LoadWindowPosition(HWND window, const WindowPlace& place)
{
    const SettingsFile& settings = Contest().settings;
    g_lastSavedX = settings.ReadInt(place.xKey);
    g_lastSavedY = settings.ReadInt(place.yKey);
    if (g_lastSavedX == 0)
        g_lastSavedX = place.defaultX;
    if (g_lastSavedY == 0)
        g_lastSavedY = place.defaultY;
    SetWindowPos(window, nullptr, g_lastSavedX, g_lastSavedY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void SaveWindowPosition(HWND window, const WindowPlace& place)
{
    RECT frame;
    if (!GetWindowRect(window, &frame))
        return;
    const SettingsFile& settings = Contest().settings;
    if (frame.left != g_lastSavedX) {
        g_lastSavedX = frame.left;
        settings.WriteInt(place.xKey, frame.left);
    }
    if (frame.top != g_lastSavedY) {
        g_lastSavedY = frame.top;
        settings.WriteInt(place.yKey, frame.top);
    }
}
