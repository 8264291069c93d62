#pragma once
// The plug-in's windows as seen from the host's process: found among this process's top-level
// dialogs by what they hold, waited for while the host's thread pumps its messages (the
// plug-in's UI thread calls the host's automation object meanwhile).
#include <windows.h>

#include <functional>
#include <string>

using DialogTest = std::function<bool(HWND)>;

// A visible top-level dialog of this process that passes `test`, or null.
HWND FindPluginDialog(const DialogTest& test);
// The same, pumping messages until one appears; null after the time limit.
HWND WaitForPluginDialog(const DialogTest& test, DWORD timeoutMilliseconds = 10000);
// Pumps messages until no dialog passing `test` is left; false after the time limit.
bool WaitUntilNoPluginDialog(const DialogTest& test, DWORD timeoutMilliseconds = 10000);

// The plug-in's windows, told apart by their controls.
bool IsControlWindow(HWND dialog);
bool IsDxccWindow(HWND dialog);
bool IsContinentWindow(HWND dialog);
bool IsCallAreaWindow(HWND dialog);

// Window texts as the plug-in wrote them (ANSI bytes).
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int controlId);
