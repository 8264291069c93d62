#include "ui/Setup.h"

#include "engine/ContestState.h"
#include "ui/StatsMessages.h"
#include "windows/WindowColours.h"

namespace {

const WindowPlace kSetupPlace = {"setup_x", "setup_y", 10, 600};

const char* const kViewDxccKey = "setup_view_dxcc";
const char* const kViewCallAreaKey = "setup_view_call_area";
const char* const kViewContinentKey = "setup_view_continent";
const char* const kWindowOnTopKey = "setup_window_on_top";

// The Russian texts, in Windows-1251.
const char* const kRussianCaption = "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8 BARTG-SPRINT %s"; // "Настройки ..."
const char* const kRussianToDisplay = "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC";           // "Отображать"
const char* const kRussianCallArea = "\xD0\xE0\xE9\xEE\xED\xFB";                            // "Районы"
const char* const kRussianContinent = "\xCA\xEE\xED\xF2\xE8\xED\xE5\xED\xF2\xFB";           // "Континенты"
const char* const kRussianOnTop = "\xCF\xEE\xE2\xE5\xF0\xF5 \xEE\xEA\xEE\xED";              // "Поверх окон"

int ReadFlag(const char* key) { return Contest().settings.ReadInt(key) != 0 ? 1 : 0; }
void WriteFlag(const char* key, int on) { Contest().settings.WriteString(key, on ? "1" : "0"); }

} // namespace

// Always topmost.
Setup::Setup(HINSTANCE resources, UiRun& run) : CPluginWindow(IDD, resources, kSetupPlace, true), m_run(run) { }

void Setup::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_VIEW_DXCC, m_viewDxcc);
    DDX_Check(pDX, IDC_VIEW_CALL_AREA, m_viewCallArea);
    DDX_Check(pDX, IDC_VIEW_CONTINENT, m_viewContinent);
    DDX_Check(pDX, IDC_WINDOW_ON_TOP, m_windowOnTop);
}

BOOL Setup::OnInitDialog()
{
    CPluginWindow::OnInitDialog();
    m_run.ControlWindowOpened(m_hWnd);
    m_windowOnTop = g_windowOnTop = ReadFlag(kWindowOnTopKey);
    m_viewCallArea = ReadFlag(kViewCallAreaKey);
    m_viewDxcc = ReadFlag(kViewDxccKey);
    m_viewContinent = ReadFlag(kViewContinentKey);
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
    GetDlgItem(IDC_VIEW_CALL_AREA).SetWindowText(kRussianCallArea);
    GetDlgItem(IDC_VIEW_CONTINENT).SetWindowText(kRussianContinent);
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
        switch (LOWORD(wParam)) {
        case IDC_VIEW_DXCC: ToggleView(MultiplierKind::Dxcc, m_viewDxcc, kViewDxccKey); return TRUE;
        case IDC_VIEW_CALL_AREA: ToggleView(MultiplierKind::CallArea, m_viewCallArea, kViewCallAreaKey); return TRUE;
        case IDC_VIEW_CONTINENT: ToggleView(MultiplierKind::Continent, m_viewContinent, kViewContinentKey); return TRUE;
        case IDC_WINDOW_ON_TOP: OnWindowOnTop(); return TRUE;
        }
        break;
    }
    return CPluginWindow::OnMessage(message, wParam, lParam);
}

// Toggles on the window's existence; the auto check box has toggled itself.
void Setup::ToggleView(MultiplierKind kind, int& wanted, const char* key)
{
    if (IsMultiplierWindowOpen(kind)) {
        CloseMultiplierWindow(kind);
        wanted = 0;
    } else {
        OpenMultiplierWindow(kind, Resources());
        wanted = 1;
        PostMessage(WM_STATS_REFRESH);
    }
    WriteFlag(key, wanted);
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
