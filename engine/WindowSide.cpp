#include "engine/WindowSide.h"

namespace {

// No windows at all: nothing exists, nothing is shown, the header form is cancelled.
class NoWindows : public WindowSide, private CabrilloHeaderForm {
public:
    bool ControlWindowExists() override { return false; }
    void PostRefresh() override { }
    void ClearMarks() override { }
    void StartUiThread() override { }
    CabrilloHeaderForm& HeaderForm() override { return *this; }
    void ShowMessage(const CString&, const CString&, MessageStyle) override { }

private:
    bool Edit(CabrilloHeader&) override { return false; }
};

NoWindows g_noWindows;
WindowSide* g_windowSide = &g_noWindows;

} // namespace

WindowSide& TheWindowSide() { return *g_windowSide; }

void InstallWindowSide(WindowSide* side) { g_windowSide = side ? side : &g_noWindows; }
