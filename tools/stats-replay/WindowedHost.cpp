#include "tools/stats-replay/WindowedHost.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "engine/ContestStart.h"
#include "engine/ContestState.h"
#include "platform/CString.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/Wnd.h"
#include "resources/resource.h"
#include "tools/screenshot/Screenshot.h"
#include "ui/MultiplierWindows.h"

namespace {

constexpr DWORD kControlWindowTimeout = 15000;
// A refresh that is still running when the call check comes posts no new one; the call check
// is then repeated, as the host repeats it while the operator types.
constexpr DWORD kRefreshSlice = 20;
constexpr int kRefreshAttempts = 250;
constexpr DWORD kFrequencyTimeout = 2000;
constexpr DWORD kPaintMilliseconds = 500;
constexpr DWORD kCloseTimeout = 10000;

// The window layout: the multiplier windows side by side along the top of the screen, the
// control window below the first (the DXCC window). The sizes come from the plug-in's own
// dialog templates, in dialog units converted for the dialog font.
constexpr int kMargin = 10;
constexpr int kGap = 12;
// Used when a template cannot be read: generous sizes in dialog units.
constexpr SIZE kFallbackUnits{260, 150};

// A default no stored value can equal: it tells a missing key from an empty one.
constexpr const char* kMissing = "\x01missing\x01";

// How often the Cabrillo dialogs' confirmation looks for them.
constexpr DWORD kPollMilliseconds = 50;

// Pixels per 4 horizontal and 8 vertical dialog units for the plug-in's dialog font.
SIZE DialogBaseUnits()
{
    CDC screen; // a memory context with the screen's resolution
    screen.CreateCompatibleDC(nullptr);
    LOGFONTA logical{};
    logical.lfHeight = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    lstrcpyA(logical.lfFaceName, "MS Shell Dlg");
    CFont font;
    font.CreateFontIndirect(logical);
    const CSelection selected(screen, font);
    SIZE text{};
    GetTextExtentPoint32A(screen, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &text);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    return SIZE{std::max<LONG>((text.cx / 26 + 1) / 2, 4), std::max<LONG>(metrics.tmHeight, 8)};
}

// The size of a window made from the plug-in's dialog template `id`: the template's size in
// dialog units, converted by the base units, with the frame its style gives.
SIZE WindowPixels(HMODULE plugin, UINT id, SIZE base)
{
    SIZE units = kFallbackUnits;
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    HRSRC found = FindResourceA(plugin, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL loaded = found ? LoadResource(plugin, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (bytes && SizeofResource(plugin, found) >= 26) {
        auto word = [bytes](int offset) { return *reinterpret_cast<const short*>(bytes + offset); };
        const bool extended = word(2) == -1; // DLGTEMPLATEEX: version 1, signature 0xFFFF
        style = *reinterpret_cast<const DWORD*>(bytes + (extended ? 12 : 0));
        units = extended ? SIZE{word(22), word(24)} : SIZE{word(14), word(16)};
    }
    RECT frame{0, 0, MulDiv(units.cx, base.cx, 4), MulDiv(units.cy, base.cy, 8)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

// The settings keys and values that place the windows (dxcc_x, cont_x, area_x, setup_x, ...).
std::vector<std::pair<const char*, std::string>> SideBySideLayout(HMODULE plugin)
{
    const SIZE base = DialogBaseUnits();
    std::vector<std::pair<const char*, std::string>> layout;
    int x = kMargin;
    for (const MultiplierWindowRow& row : kMultiplierWindows) {
        layout.push_back({row.place.xKey, std::to_string(x)});
        layout.push_back({row.place.yKey, std::to_string(kMargin)});
        x += WindowPixels(plugin, row.dialog, base).cx + kGap;
    }
    const int controlY = kMargin + WindowPixels(plugin, kMultiplierWindows[0].dialog, base).cy + kGap;
    layout.push_back({kSetupPlace.xKey, std::to_string(kMargin)});
    layout.push_back({kSetupPlace.yKey, std::to_string(controlY)});
    return layout;
}

BOOL CALLBACK CollectOtherThreadsWindow(HWND window, LPARAM list)
{
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && thread != GetCurrentThreadId() && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// The visible top-level windows of this process that other threads than this one own.
std::vector<HWND> OtherThreadsWindows()
{
    std::vector<HWND> found;
    EnumWindows(CollectOtherThreadsWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FindControlWindow()
{
    for (HWND window : OtherThreadsWindows())
        // The on-top check box is the control window's own; the continent and call-area windows
        // have a control of its id too, but also one of the continent AS button's.
        if (GetDlgItem(window, IDC_WINDOW_ON_TOP) && !GetDlgItem(window, IDC_CONTINENT_AS))
            return window;
    return nullptr;
}

std::vector<HWND> ThreadsVisibleWindows(DWORD thread)
{
    std::vector<HWND> found;
    for (HWND window : OtherThreadsWindows())
        if (GetWindowThreadProcessId(window, nullptr) == thread)
            found.push_back(window);
    return found;
}

RECT UnionOfWindows(const std::vector<HWND>& windows)
{
    RECT all{};
    for (HWND window : windows) {
        RECT r;
        GetWindowRect(window, &r);
        UnionRect(&all, &all, &r);
    }
    RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
    screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    IntersectRect(&all, &all, &screen);
    return all;
}

// Where a window is in the picture: "398,0 171x281".
CString Placement(HWND window, const RECT& area)
{
    RECT r;
    GetWindowRect(window, &r);
    return CString::Formatted(
        "%ld,%ld %ldx%ld", r.left - area.left, r.top - area.top, r.right - r.left, r.bottom - r.top);
}

// "picture: window "Area" 398,0 171x281" and one line per button, in the picture's pixels.
void PrintPictureMap(const std::vector<HWND>& windows, const RECT& area)
{
    for (HWND window : windows) {
        const CString title = CWnd(window).GetWindowText();
        std::printf("picture: window \"%s\" %s\n", title.c_str(), Placement(window, area).c_str());
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char className[16] = "";
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Button") == 0 && IsWindowVisible(child))
                std::printf("picture: button \"%s\" %d \"%s\" %s\n", title.c_str(), GetDlgCtrlID(child),
                    CWnd(child).GetWindowText().c_str(), Placement(child, area).c_str());
        }
    }
}

std::optional<std::string> ReadKey(const std::string& file, const char* key)
{
    char value[4096] = "";
    GetPrivateProfileStringA(kSettingsSection, key, kMissing, value, sizeof value, file.c_str());
    return std::string(value) == kMissing ? std::nullopt : std::optional<std::string>(value);
}

// The header form or the "Output" message box.
bool IsCabrilloDialog(HWND window)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    // The controls that only the header form has: the callsign edit and the LOCATION combo box.
    const bool headerForm = GetDlgItem(window, IDC_CALLSIGN) && GetDlgItem(window, IDC_LOCATION);
    return lstrcmpA(className, "#32770") == 0 && (headerForm || CWnd(window).GetWindowText() == "Output");
}

} // namespace

bool HaveDisplay()
{
    // Under Wine without an X display the first window would start Wine's desktop process,
    // which fails and leaves the Wine session without a desktop for the programs after it.
    using WineVersion = const char*(CDECL*)();
    const auto wineVersion = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    if (wineVersion && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY"))
        return false;
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!probe)
        return false;
    DestroyWindow(probe);
    return true;
}

std::string FullPath(const char* relative)
{
    char path[MAX_PATH] = "";
    const DWORD length = GetFullPathNameA(relative, sizeof path, path, nullptr);
    return length && length < sizeof path ? path : relative;
}

PluginSettings::PluginSettings() : m_folder(FullPath("Plugins")), m_file(FullPath(kSettingsFile)) { }

bool PluginSettings::Prepare()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (GetFileAttributesA(m_folder.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    m_madeFolder = CreateDirectoryA(m_folder.c_str(), nullptr) != 0;
    return m_madeFolder;
}

bool PluginSettings::Set(const char* key, const std::string& value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_oldValues.count(key))
        m_oldValues[key] = ReadKey(m_file, key);
    return WritePrivateProfileStringA(kSettingsSection, key, value.c_str(), m_file.c_str()) != 0;
}

void PluginSettings::Restore()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_madeFolder) {
        // Everything in the folder was written by this run.
        DeleteFileA(m_file.c_str());
        RemoveDirectoryA(m_folder.c_str());
        m_madeFolder = false;
    } else {
        for (const auto& [key, value] : m_oldValues)
            WritePrivateProfileStringA(kSettingsSection, key.c_str(), value ? value->c_str() : nullptr, m_file.c_str());
    }
    m_oldValues.clear();
    // Wine keeps profile files in a cache; this writes it out.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_file.c_str());
}

DialogConfirmer::DialogConfirmer()
    : m_stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      m_thread(CreateThread(nullptr, 0, &DialogConfirmer::Watch, this, 0, nullptr))
{
}

DialogConfirmer::~DialogConfirmer()
{
    SetEvent(m_stop.Get());
    // The main thread keeps serving the host's object while it waits.
    if (m_thread)
        PumpMessagesUntilSignalled(m_thread.Get(), INFINITE);
}

DWORD WINAPI DialogConfirmer::Watch(LPVOID self)
{
    auto* confirmer = static_cast<DialogConfirmer*>(self);
    // This thread owns no windows, so the visible windows of the other threads are all of them.
    while (WaitForSingleObject(confirmer->m_stop.Get(), kPollMilliseconds) == WAIT_TIMEOUT)
        for (HWND window : OtherThreadsWindows())
            if (IsCabrilloDialog(window))
                PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
}

WindowedHost::~WindowedHost()
{
    CloseWindows();
    m_host.reset();
    Restore();
}

bool WindowedHost::Open(HMODULE plugin, std::string& error)
{
    if (!m_settings.Prepare()) {
        error = "cannot make the folder Plugins for the plug-in's settings";
        return false;
    }
    // The contest start that finds Start=0 opens the windows that the view keys name.
    bool written = m_settings.Set(kStartKey, "0");
    written = m_settings.Set(kWindowOnTopKey, "1") && written;
    for (const MultiplierWindowRow& row : kMultiplierWindows)
        written = m_settings.Set(row.viewKey, "1") && written;
    for (const auto& [key, value] : SideBySideLayout(plugin))
        written = m_settings.Set(key, value) && written;
    if (!written) {
        error = std::string("cannot write the plug-in's settings file ") + kSettingsFile;
        return false;
    }
    m_host = std::make_unique<HostAutomation>();
    const HRESULT registration = m_host->Registration();
    if (registration == CO_E_ALREADYINITIALIZED) {
        error = "a program that serves Kelb2.Application is running; the plug-in would talk to it. Close it first";
        return false;
    }
    if (FAILED(registration)) {
        error = CString::Formatted("cannot publish the host's automation object Kelb2.Application (0x%08lX)",
            static_cast<unsigned long>(registration));
        return false;
    }
    if (m_verbose && m_host->UsesExistingProgId())
        std::printf("Kelb2.Application is registered already; the object runs under its class id\n");
    return true;
}

bool WindowedHost::WaitForControlWindow()
{
    PumpMessagesUntil([this] { return (m_controlWindow = FindControlWindow()) != nullptr; }, kControlWindowTimeout);
    if (!m_controlWindow)
        return false;
    m_uiThread = GetWindowThreadProcessId(m_controlWindow, nullptr);
    // The multiplier windows open with the control window's first refresh.
    PumpMessagesFor(kPaintMilliseconds);
    PrintNewMacros();
    return true;
}

void WindowedHost::ShowQso(const std::string& call, double frequencyHz)
{
    m_host->SetTypedCall(call);
    m_host->SetFrequencyHz(frequencyHz);
    m_fieldCallsBefore = m_host->Calls(kHostField);
    m_frequencyCallsBefore = m_host->Calls(kHostFrequency);
}

void WindowedHost::WaitForRefresh(const std::function<void()>& checkCall)
{
    if (!m_controlWindow)
        return;
    for (int attempt = 0; attempt < kRefreshAttempts; ++attempt) {
        if (attempt > 0)
            checkCall();
        if (PumpMessagesUntil([this] { return m_host->Calls(kHostField) > m_fieldCallsBefore; }, kRefreshSlice)) {
            // Macros sent so far came from the refresh of the QSO before.
            PrintNewMacros();
            return;
        }
        if (!IsWindow(m_controlWindow))
            return;
    }
}

void WindowedHost::FinishRefresh(unsigned paceMilliseconds)
{
    if (!m_controlWindow)
        return;
    PumpMessagesUntil([this] { return m_host->Calls(kHostFrequency) > m_frequencyCallsBefore; }, kFrequencyTimeout);
    if (paceMilliseconds)
        PumpMessagesFor(paceMilliseconds);
    PrintNewMacros();
}

void WindowedHost::PrintNewMacros()
{
    const std::vector<std::string> macros = m_host->Macros();
    for (; m_macrosPrinted < macros.size(); ++m_macrosPrinted)
        if (m_verbose)
            std::printf("       host macro: %s\n", macros[m_macrosPrinted].c_str());
}

bool WindowedHost::SaveScreenshot(const std::string& path, std::string& error)
{
    const std::vector<HWND> windows = ThreadsVisibleWindows(m_uiThread);
    if (windows.empty()) {
        error = "the plug-in shows no windows to take a picture of";
        return false;
    }
    for (HWND window : windows) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    PumpMessagesFor(kPaintMilliseconds);
    const RECT area = UnionOfWindows(windows);
    if (IsRectEmpty(&area)) {
        error = "the plug-in's windows are off the screen";
        return false;
    }
    if (FAILED(ScreenPicture(area).SavePng(path))) {
        error = "cannot write the picture " + path;
        return false;
    }
    if (m_verbose)
        PrintPictureMap(windows, area);
    return true;
}

void WindowedHost::WaitForOperator()
{
    if (!m_controlWindow)
        return;
    std::printf("The plug-in's windows stay open until you close the control window (Esc in it).\n");
    std::fflush(stdout);
    PumpMessagesUntil([this] { return !IsWindow(m_controlWindow); }, INFINITE);
}

void WindowedHost::CloseWindows()
{
    if (!m_controlWindow)
        return;
    const ScopedHandle thread(OpenThread(SYNCHRONIZE, FALSE, m_uiThread));
    if (IsWindow(m_controlWindow))
        PostMessageA(m_controlWindow, WM_CLOSE, 0, 0);
    if (thread)
        PumpMessagesUntilSignalled(thread.Get(), kCloseTimeout);
    else
        PumpMessagesUntil([this] { return !IsWindow(m_controlWindow); }, kCloseTimeout);
    PrintNewMacros();
    m_controlWindow = nullptr;
}

void WindowedHost::Restore()
{
    if (m_host)
        m_host->RestoreRegistry();
    m_settings.Restore();
}
