#pragma once
// The library's application object.
#include "platform/win32/WinApp.h"

class CTestApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;
};

extern CTestApp theApp;
