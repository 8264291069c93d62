#pragma once
// The library's application object.
#include "platform/win32/WinApp.h"

class CTestApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // Set when the library is detached because the process ends.
    bool m_processEnding = false;
};

extern CTestApp theApp;
