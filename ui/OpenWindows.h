#pragma once
// The three multiplier windows as the control window and the refresh see them. They live on
// the UI thread and are created, used and destroyed only there, so their pointers are never
// read by another thread.
#include <windows.h>

class Multiplier;
class CCont;
class Call_Area;

enum class MultiplierKind { Dxcc, CallArea, Continent };

// The open windows (null when closed). A window the operator closed with its close box is
// hidden, not closed: its pointer stays and refreshes go on updating it unseen.
extern Multiplier* g_dxccWindow;
extern CCont* g_continentWindow;
extern Call_Area* g_callAreaWindow;

// 1: the multiplier windows are made topmost when they open.
extern int g_windowOnTop;

bool IsMultiplierWindowOpen(MultiplierKind kind);
// Creates the window object from the templates of `resources`, stores its pointer, creates
// the window (no parent) and shows it; nothing when it is open.
void OpenMultiplierWindow(MultiplierKind kind, HINSTANCE resources);
// Destroys the window and its object and clears its pointer; nothing when it is not open.
void CloseMultiplierWindow(MultiplierKind kind);
// Closes the call-area, continent and DXCC windows, in that order.
void CloseMultiplierWindows();
// Unmarks every continent and call area of the open windows.
void ClearMultiplierMarks();
