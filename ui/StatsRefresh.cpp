// The control window's refresh after a QSO: it opens the wanted multiplier windows, asks the
// host for the typed call and the frequency, and brings every open window up to date from
// the contest state.
#include "engine/Refresh.h"
#include "ui/Setup.h"

namespace {

const int kTypedCallField = 5;

// Sets a window's title only when it changes: under Wine every new title goes to the X
// server and repaints the frame, close to a millisecond for each of the three windows.
void ShowTitle(const CWnd& window, const CString& title)
{
    if (window.GetWindowText() != title)
        window.SetWindowText(title.c_str());
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
    for (size_t row = 0; row < kMultiplierWindowCount; ++row)
        if (m_view[row])
            OpenMultiplierWindow(row, Resources());
}

void Setup::ShowTitles(bool followingTheCall) const
{
    const bool russian = RussianTexts();
    for (size_t row = 0; row < kMultiplierWindowCount; ++row) {
        const MultiplierWindowRow& texts = kMultiplierWindows[row];
        CMultiplierWindow* window = OpenWindowOf(row);
        if (!window || (followingTheCall && texts.title))
            continue;
        ShowTitle(*window, texts.title ? (russian ? texts.russianTitle : texts.title) : DxccTitle());
    }
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
    if (!call.IsEmpty())
        ShowTitles(true);

    const double frequency = m_host.GetFrequency();
    StopIfClosing();
    if (SpotMacroDue(frequency)) {
        m_host.RunMacro("<SP1>");
        StopIfClosing();
        SpotMacroSent(frequency);
    }
    ShowCurrentBand(frequency);

    ShowTitles(false);
    const WorkedCodes worked = CurrentWorkedCodes();
    for (size_t row = 0; row < kMultiplierWindowCount; ++row) {
        const auto marks = kMultiplierWindows[row].marks;
        if (CMultiplierWindow* window = OpenWindowOf(row))
            window->ShowWorked(marks ? worked.*marks : std::vector<CString>());
    }
}
