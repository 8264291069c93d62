// Confirms the plug-in's Cabrillo dialogs for an unattended replay: while it lives, a thread
// presses OK on the header form and on the "Output" message box whenever this process shows them.
#pragma once

#include <windows.h>

namespace replay {

class DialogConfirmer {
public:
    DialogConfirmer();
    ~DialogConfirmer();
    DialogConfirmer(const DialogConfirmer&) = delete;
    DialogConfirmer& operator=(const DialogConfirmer&) = delete;

private:
    static DWORD WINAPI Watch(LPVOID self);

    HANDLE stop_ = nullptr;
    HANDLE thread_ = nullptr;
};

}  // namespace replay
