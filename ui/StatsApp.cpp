// The library's application object and entry point: loading installs the window side,
// unloading ends the UI run.
#include <utility>

#include "engine/ContestState.h"
#include "engine/WindowSide.h"
#include "platform/win32/WinApp.h"
#include "ui/UiThread.h"
#include "ui/Win32WindowSide.h"

class CTestApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // Set when the library is detached because the process ends.
    bool m_processEnding = false;
};

CTestApp theApp;

namespace {

// Set when an unload had to leave the library loaded for a UI thread that did not end in time.
// Constant-initialised, so the entry point may read it before the C runtime has started.
bool g_keptForUiThread = false;

} // namespace

BOOL CTestApp::InitInstance()
{
    // A new load of an image that an unload kept starts from a fresh contest.
    if (std::exchange(g_keptForUiThread, false))
        ResetContest();
    // Made once, when DllMain has stored the library's module.
    static Win32WindowSide windowSide(m_hInstance);
    InstallWindowSide(&windowSide);
    return CWinApp::InitInstance();
}

int CTestApp::ExitInstance()
{
    if (!EndUiRunForUnload(m_processEnding)) {
        // Everything stays as it is for that thread, which releases the library as it leaves.
        g_keptForUiThread = true;
        return 0;
    }
    InstallWindowSide(nullptr);
    Sleep(20);
    return CWinApp::ExitInstance();
}

// The C runtime's entry point: it constructs the library's objects before DllMain runs and
// destroys them after the detach.
extern "C" BOOL WINAPI DllMainCRTStartup(HANDLE module, DWORD reason, LPVOID reserved);

namespace {

// Runs the library's thread-detach callbacks for the calling thread, which outlives the library.
// The runtime's thread support keeps, for every thread that used it, a duplicate of the
// thread's handle and an event, and lets go of them only when the thread detaches; without
// this, each load and unload would leave two handles of the host's thread behind.
void ReleaseCallingThreadsData(HANDLE module)
{
    const auto* base = static_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& tls = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_TLS];
    if (!tls.VirtualAddress)
        return;
    const auto* directory = reinterpret_cast<const IMAGE_TLS_DIRECTORY*>(base + tls.VirtualAddress);
    for (auto* callback = reinterpret_cast<PIMAGE_TLS_CALLBACK*>(directory->AddressOfCallBacks); callback && *callback;
         ++callback)
        (*callback)(module, DLL_THREAD_DETACH, nullptr);
}

} // namespace

// The library's entry point (see ui/CMakeLists.txt), around the runtime's. An unload that keeps
// the library loaded for a UI thread skips the runtime's teardown, so nothing the thread may
// still touch is destroyed; a later load of that same image, whose runtime is still set up,
// only starts the plug-in afresh.
extern "C" BOOL WINAPI StatsEntryPoint(HANDLE module, DWORD reason, LPVOID reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        if (g_keptForUiThread)
            return theApp.InitInstance();
        break;
    case DLL_PROCESS_DETACH:
        // Without FreeLibrary, at process exit, every other thread is gone already.
        theApp.m_processEnding = reserved != nullptr;
        theApp.ExitInstance();
        if (g_keptForUiThread)
            return TRUE;
        if (!DllMainCRTStartup(module, reason, reserved))
            return FALSE;
        if (!reserved)
            ReleaseCallingThreadsData(module);
        return TRUE;
    }
    return DllMainCRTStartup(module, reason, reserved);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    theApp.m_hInstance = module;
    return theApp.InitInstance();
}
