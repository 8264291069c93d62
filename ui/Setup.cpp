#include "ui/Setup.h"

#include "engine/ContestState.h"
#include "ui/StatsMessages.h"
#include "windows/WindowColours.h"

namespace {

// The Russian texts, in Windows-1251.
const char* const kRussianCaption = "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8 BARTG-SPRINT %s"; // "Настройки ..."
const char* const kRussianToDisplay = "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC";           // "Отображать"
const char* const kRussianOnTop = "\xCF\xEE\xE2\xE5\xF0\xF5 \xEE\xEA\xEE\xED";              // "Поверх окон"

int ReadFlag(const char* key) { return Contest().settings.ReadInt(key) != 0 ? 1 : 0; }
void WriteFlag(const char* key, int on) { Contest().settings.WriteString(key, on ? "1" : "0"); }

} // namespace

// Always topmost.
Setup::Setup(HINSTANCE resources, UiRun& run) : CPluginWindow(IDD, resources, kSetupPlace, true), m_run(run) { }

void Setup::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (size_t row = 0; row < kMultiplierWindowCount; ++row)
        DDX_Check(pDX, kMultiplierWindows[row].checkBox, m_view[row]);
    DDX_Check(pDX, IDC_WINDOW_ON_TOP, m_windowOnTop);
}

BOOL Setup::OnInitDialog()
{
    CPluginWindow::OnInitDialog();
    m_run.ControlWindowOpened(m_hWnd);
    m_windowOnTop = g_windowOnTop = ReadFlag(kWindowOnTopKey);
    for (size_t row = 0; row < kMultiplierWindowCount; ++row)
        m_view[row] = ReadFlag(kMultiplierWindows[row].viewKey);
    UpdateData(FALSE);
    ShowTexts();
    m_brush.CreateSolidBrush(kWindowBackground);
    m_host.Link(m_run);
    try {
        m_host.RunMacro("<MODE:RTTY>");
        m_host.RunMacro("<BAUDRATE:45.45>");
    } catch (const HostCallFailed&) {
        // A host that refuses the start macros still gets its refreshes.
    }
    PostMessage(WM_STATS_REFRESH);
    EnableMenuItem(GetSystemMenu(m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    return TRUE;
}

// The caption names the contest's year; Russian operators get Russian texts.
void Setup::ShowTexts()
{
    ContestLock lock = LockContest();
    const ContestState& state = Contest();
    if (!state.russianTexts) {
        SetWindowText(CString::Formatted("Setup BARTG-SPRINT %s", state.startYear.c_str()).c_str());
        return;
    }
    SetWindowText(CString::Formatted(kRussianCaption, state.startYear.c_str()).c_str());
    GetDlgItem(IDC_TO_DISPLAY).SetWindowText(kRussianToDisplay);
    for (const MultiplierWindowRow& row : kMultiplierWindows)
        if (row.russianCheckBox)
            GetDlgItem(row.checkBox).SetWindowText(row.russianCheckBox);
    GetDlgItem(IDC_WINDOW_ON_TOP).SetWindowText(kRussianOnTop);
}

INT_PTR Setup::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return reinterpret_cast<INT_PTR>(OnCtlColor(reinterpret_cast<HDC>(wParam), m_brush));
    switch (message) {
    case WM_STATS_REFRESH: OnStatsRefresh(wParam, lParam); return TRUE;
    case WM_STATS_CLEAR_MARKS: ClearMultiplierMarks(); return TRUE;
    case WM_STATS_CLOSE_ALL: CloseAll(); return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        if (LOWORD(wParam) == IDC_WINDOW_ON_TOP) {
            OnWindowOnTop();
            return TRUE;
        }
        for (size_t row = 0; row < kMultiplierWindowCount; ++row) {
            if (LOWORD(wParam) == kMultiplierWindows[row].checkBox) {
                ToggleView(row);
                return TRUE;
            }
        }
        break;
    }
    return CPluginWindow::OnMessage(message, wParam, lParam);
}

// Toggles on the window's existence; the auto check box has toggled itself.
void Setup::ToggleView(size_t row)
{
    if (OpenWindowOf(row)) {
        CloseMultiplierWindow(row);
        m_view[row] = 0;
    } else {
        OpenMultiplierWindow(row, Resources());
        m_view[row] = 1;
        PostMessage(WM_STATS_REFRESH);
    }
    WriteFlag(kMultiplierWindows[row].viewKey, m_view[row]);
}

// The windows reopen through the next refresh, topmost or not.
void Setup::OnWindowOnTop()
{
    m_windowOnTop = g_windowOnTop = m_windowOnTop ? 0 : 1;
    WriteFlag(kWindowOnTopKey, m_windowOnTop);
    CloseMultiplierWindows();
    UpdateData(FALSE);
    PostMessage(WM_STATS_REFRESH);
}

// Ends the UI run: the multiplier windows first, then this window.
void Setup::CloseAll()
{
    CloseMultiplierWindows();
    EndDialog(IDCANCEL);
}
