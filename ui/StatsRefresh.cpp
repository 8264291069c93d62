// The control window's refresh after a QSO: it opens the wanted multiplier windows, asks the
// host for the typed call and the frequency, and brings every open window up to date from
// the contest state.
#include "engine/Refresh.h"
#include "ui/Setup.h"
#include "windows/CallAreaWindow.h"
#include "windows/ContinentWindow.h"
#include "windows/DxccWindow.h"

namespace {

const int kTypedCallField = 5;

// Sets a window's title only when it changes: under Wine every new title goes to the X
// server and repaints the frame, close to a millisecond for each of the three windows.
void ShowTitle(const CWnd& window, const CString& title)
{
    if (window.GetWindowText() != title)
        window.SetWindowText(title.c_str());
}

// Shows the title and marks the worked codes of the continent or call-area window, when it is open.
template <class MarkWindow>
void ShowWorked(MarkWindow* window, const CString& title, const std::vector<CString>& codes)
{
    if (!window)
        return;
    ShowTitle(*window, title);
    for (const CString& code : codes)
        window->MarkWorked(code);
    window->UpdateData(FALSE);
}

} // namespace

LRESULT Setup::OnStatsRefresh(WPARAM, LPARAM)
{
    OpenWantedWindows();
    try {
        RefreshFromHost();
    } catch (const HostCallFailed&) {
        // A failed or refused host call ends this refresh quietly; later ones try again.
    }
    if (!m_run.Closing())
        RefreshFinished();
    m_run.Started();
    return 0;
}

void Setup::OpenWantedWindows()
{
    if (m_viewDxcc && !g_dxccWindow)
        OpenMultiplierWindow(MultiplierKind::Dxcc, Resources());
    if (m_viewContinent && !g_continentWindow)
        OpenMultiplierWindow(MultiplierKind::Continent, Resources());
    if (m_viewCallArea && !g_callAreaWindow)
        OpenMultiplierWindow(MultiplierKind::CallArea, Resources());
}

void Setup::StopIfClosing() const
{
    if (m_run.Closing())
        throw HostCallFailed(RPC_E_CALL_CANCELED);
}

void Setup::RefreshFromHost()
{
    if (!m_host.Linked() || m_run.Closing())
        return;
    const CString call = m_host.GetField(kTypedCallField);
    StopIfClosing();
    if (!ShowEnteredCall(call))
        return;
    if (!call.IsEmpty() && g_dxccWindow)
        ShowTitle(*g_dxccWindow, CurrentTitles().dxcc);

    const double frequency = m_host.GetFrequency();
    StopIfClosing();
    if (SpotMacroDue(frequency)) {
        m_host.RunMacro("<SP1>");
        StopIfClosing();
        SpotMacroSent(frequency);
    }
    ShowCurrentBand(frequency);

    const WindowTitles titles = CurrentTitles();
    if (call.IsEmpty() && g_dxccWindow)
        ShowTitle(*g_dxccWindow, titles.dxcc);
    const WorkedCodes worked = CurrentWorkedCodes();
    ShowWorked(g_continentWindow, titles.continent, worked.continents);
    ShowWorked(g_callAreaWindow, titles.callArea, worked.callAreas);
    if (g_dxccWindow)
        g_dxccWindow->RepaintGrid();
}
