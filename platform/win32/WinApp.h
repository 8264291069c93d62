#pragma once
// CWinApp: the library's application object. DllMain calls InitInstance when the library is
// loaded into a process and ExitInstance when it is unloaded.
#include <windows.h>

class CWinApp {
public:
    virtual ~CWinApp() = default;
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    // The library's module: dialog templates and icons are loaded from it.
    HINSTANCE m_hInstance = nullptr;
};
