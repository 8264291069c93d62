#pragma once
// Setup: the control window of a UI run (dialog 105). A check box for each multiplier window
// and one for whether they stay on top; the window links the UI thread to the host, receives
// the refresh requests and opens and closes the multiplier windows. Always topmost.
#include <windows.h>

#include <array>

#include "platform/win32/Gdi.h"
#include "resources/resource.h"
#include "ui/HostLink.h"
#include "ui/OpenWindows.h"
#include "ui/UiRun.h"
#include "windows/PluginWindow.h"

class Setup : public CPluginWindow {
public:
    enum { IDD = IDD_SETUP };

    // `run`: the UI run that shows this window.
    Setup(HINSTANCE resources, UiRun& run);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowTexts();
    void ToggleView(size_t row);
    void OnWindowOnTop();
    void CloseAll();

    // The refresh after a QSO (StatsRefresh.cpp).
    LRESULT OnStatsRefresh(WPARAM wParam, LPARAM lParam);
    void OpenWantedWindows();
    void RefreshFromHost();
    // The titles of the open windows; `followingTheCall`: only those that name the typed call.
    void ShowTitles(bool followingTheCall) const;
    // After every host call: the run may have begun to end meanwhile.
    void StopIfClosing() const;

    UiRun& m_run;
    HostLink m_host;
    CBrush m_brush;
    std::array<int, kMultiplierWindowCount> m_view{}; // the check boxes, by row of kMultiplierWindows
    int m_windowOnTop = 0;
};
