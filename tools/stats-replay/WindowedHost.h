#pragma once
// The replay tool as a host with windows (--windows): it publishes the host's automation
// object, sets the plug-in's window keys so that the next contest start opens the control
// window and the three multiplier windows side by side, serves the plug-in's calls from its
// main thread (every wait pumps messages), and at the end takes a picture of the windows or
// waits until the operator closes them. Registry and settings are put back as found. Beside it,
// what a replay without windows needs too: the plug-in's settings as the replay found them, and
// the confirmation of the Cabrillo dialogs.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/win32/ScopedHandle.h"
#include "tools/host-automation/HostAutomation.h"

// True when windows can be shown (Wine without an X display cannot).
bool HaveDisplay();

// The path of a file in the current folder in full (as given when that fails).
std::string FullPath(const char* relative);

// The plug-in's settings file, Plugins\BARTG-SPRINT.ini in the current folder, as the replay
// finds it and leaves it: keys set for the replay are put back to their old values (or removed)
// at the end; the Plugins folder is made when missing and then removed again with what the
// plug-in wrote into it.
class PluginSettings {
public:
    PluginSettings();
    ~PluginSettings() { Restore(); }
    PluginSettings(const PluginSettings&) = delete;
    PluginSettings& operator=(const PluginSettings&) = delete;

    // Creates the Plugins folder if needed; false when it cannot be made.
    bool Prepare();
    // Sets a key of the section Settings, remembering its first old value.
    bool Set(const char* key, const std::string& value);
    // Puts back every key that Set changed; safe from any thread and more than once.
    void Restore();

private:
    std::string m_folder;
    std::string m_file;
    bool m_madeFolder = false;
    std::map<std::string, std::optional<std::string>> m_oldValues; // nullopt: the key was missing
    std::mutex m_mutex;
};

// Confirms the plug-in's Cabrillo dialogs for an unattended replay: while it lives, a thread
// presses OK on the header form and on the "Output" message box whenever this process shows them.
class DialogConfirmer {
public:
    DialogConfirmer();
    ~DialogConfirmer();
    DialogConfirmer(const DialogConfirmer&) = delete;
    DialogConfirmer& operator=(const DialogConfirmer&) = delete;

private:
    static DWORD WINAPI Watch(LPVOID self);

    ScopedHandle m_stop;
    ScopedHandle m_thread;
};

class WindowedHost {
public:
    explicit WindowedHost(bool verbose) : m_verbose(verbose) { }
    ~WindowedHost();
    WindowedHost(const WindowedHost&) = delete;
    WindowedHost& operator=(const WindowedHost&) = delete;

    // Writes the settings keys (window layout from the plug-in's templates) and publishes the
    // host's object; false with `error` saying why.
    bool Open(HMODULE plugin, std::string& error);
    // After the contest start: pumps until the plug-in's control window shows; false after
    // a timeout (then the replay goes on without windows).
    bool WaitForControlWindow();
    bool HasWindows() const { return m_controlWindow != nullptr; }

    // What the host shows for the QSO about to be logged.
    void ShowQso(const std::string& call, double frequencyHz);
    // Pumps until the refresh that the call check posted has asked for the typed call. When no
    // refresh comes (one may still be running), `checkCall` is called again, as a host does
    // while the operator types, until the time is up.
    void WaitForRefresh(const std::function<void()>& checkCall);
    // Pumps until that refresh has also asked for the frequency, then waits the pace.
    void FinishRefresh(unsigned paceMilliseconds);

    // Saves a PNG picture of the plug-in's windows; with --verbose, where each window and button
    // is in it. False with `error` saying why.
    bool SaveScreenshot(const std::string& path, std::string& error);
    // Pumps until the operator has closed the control window.
    void WaitForOperator();
    // Ends the plug-in's UI run and waits for its thread (pumping).
    void CloseWindows();
    // Puts back the registry and the settings; safe from a console control handler's thread.
    void Restore();

private:
    void PrintNewMacros();

    bool m_verbose;
    PluginSettings m_settings;
    std::unique_ptr<HostAutomation> m_host;
    HWND m_controlWindow = nullptr;
    DWORD m_uiThread = 0;
    unsigned m_fieldCallsBefore = 0;
    unsigned m_frequencyCallsBefore = 0;
    size_t m_macrosPrinted = 0;
};
