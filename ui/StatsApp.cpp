#include "ui/StatsApp.h"

#include "engine/WindowSide.h"
#include "ui/UiThread.h"
#include "ui/Win32WindowSide.h"

CTestApp theApp;

namespace {
Win32WindowSide g_win32WindowSide;
} // namespace

BOOL CTestApp::InitInstance()
{
    InstallWindowSide(&g_win32WindowSide);
    return CWinApp::InitInstance();
}

int CTestApp::ExitInstance()
{
    InstallWindowSide(nullptr);
    CloseAllWindowsAtUnload(m_processEnding);
    Sleep(20);
    return CWinApp::ExitInstance();
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        theApp.m_hInstance = module;
        return theApp.InitInstance();
    case DLL_PROCESS_DETACH:
        // Without FreeLibrary, at process exit, every other thread is gone already.
        theApp.m_processEnding = reserved != nullptr;
        theApp.ExitInstance();
        break;
    }
    return TRUE;
}
