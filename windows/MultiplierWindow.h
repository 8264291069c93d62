#pragma once
// What the control window and the refresh do with every multiplier window (DXCC, continent,
// call areas), whatever it draws.
#include <memory>
#include <vector>

#include "platform/CString.h"
#include "windows/PluginWindow.h"

class CMultiplierWindow : public CPluginWindow {
public:
    // Shows the codes the last tally found worked (a window that draws no marks repaints).
    virtual void ShowWorked(const std::vector<CString>& codes) = 0;
    // Unmarks every code; nothing for a window without marks.
    virtual void ClearMarks() { }

protected:
    using CPluginWindow::CPluginWindow;
};

// The window drawn from dialog template `dialog` (IDD_MULTIPLIER, IDD_CONTINENT or
// IDD_CALL_AREA), not yet created; null for another template.
std::unique_ptr<CMultiplierWindow> MakeMultiplierWindow(
    UINT dialog, HINSTANCE resources, const WindowPlace& place, bool onTop);
