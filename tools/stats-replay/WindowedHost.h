// The replay tool as a host with windows (--windows): it publishes the host's automation
// object, sets the plug-in's window keys so that the next contest start opens the control
// window and the three multiplier windows side by side, serves the plug-in's calls from its
// main thread (every wait pumps messages), and at the end takes a picture of the windows or
// waits until the operator closes them. Registry and settings are put back as found.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "tools/host-automation/HostAutomation.h"
#include "tools/stats-replay/PluginSettings.h"

namespace replay {

// True when windows can be shown (Wine without an X display cannot).
bool HaveDisplay();

class WindowedHost {
public:
    explicit WindowedHost(bool verbose) : verbose_(verbose) {}
    ~WindowedHost();
    WindowedHost(const WindowedHost&) = delete;
    WindowedHost& operator=(const WindowedHost&) = delete;

    // Writes the settings keys (window layout from the plug-in's templates) and publishes the
    // host's object; false with `error` saying why.
    bool Open(HMODULE plugin, std::string& error);
    // After the contest start: pumps until the plug-in's control window shows; false after
    // a timeout (then the replay goes on without windows).
    bool WaitForControlWindow();
    bool HasWindows() const { return controlWindow_ != nullptr; }

    // What the host shows for the QSO about to be logged.
    void ShowQso(const std::string& call, double frequencyHz);
    // Pumps until the refresh that the call check posted has asked for the typed call. When no
    // refresh comes (one may still be running), `checkCall` is called again, as a host does
    // while the operator types. False after the timeout.
    bool WaitForRefresh(const std::function<void()>& checkCall);
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

    bool verbose_;
    PluginSettings settings_;
    std::unique_ptr<HostAutomation> host_;
    HWND controlWindow_ = nullptr;
    DWORD uiThread_ = 0;
    unsigned fieldCallsBefore_ = 0;
    unsigned frequencyCallsBefore_ = 0;
    size_t macrosPrinted_ = 0;
};

}  // namespace replay
