#pragma once
// The messages the host's thread posts to the control window of the UI run.
#include <windows.h>

// The refresh request (wParam and lParam 0).
constexpr UINT WM_STATS_REFRESH = WM_USER + 500;
// Clears the marks of the continent and call-area windows; posted by a QSO removal ahead of
// its refresh, so the marks are gone before that refresh runs.
constexpr UINT WM_STATS_CLEAR_MARKS = WM_USER + 501;
// Ends the UI run: closes the multiplier windows, then the control window.
constexpr UINT WM_STATS_CLOSE_ALL = WM_USER + 502;
