#pragma once
// The multiplier windows of the UI run, each by its row of kMultiplierWindows. They live on the
// UI thread and are created, used and destroyed only there, so their pointers are never read
// by another thread.
#include <windows.h>

#include "ui/MultiplierWindows.h"
#include "windows/MultiplierWindow.h"

// 1: the multiplier windows are made topmost when they open.
extern int g_windowOnTop;

// The open window of a row, or null. A window the operator closed with its close box is
// hidden, not closed: it stays open and refreshes go on updating it unseen.
CMultiplierWindow* OpenWindowOf(size_t row);
// Makes the window from the templates of `resources`, creates it (no parent) and shows it;
// nothing when it is open.
void OpenMultiplierWindow(size_t row, HINSTANCE resources);
// Destroys the window; nothing when it is not open.
void CloseMultiplierWindow(size_t row);
// Closes every multiplier window, the last row first.
void CloseMultiplierWindows();
// Unmarks every code of the open windows.
void ClearMultiplierMarks();
