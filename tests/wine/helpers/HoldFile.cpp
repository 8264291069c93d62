// stats_hold_file.exe FILE READY RELEASE: another program that holds FILE open without sharing
// it (no other open may read, write or delete it) until the named event RELEASE is set. It
// sets the named event READY once the file is held. Exit code 0 after a release, 2 when the
// file cannot be opened, 3 when no release comes within a minute.
#include <windows.h>

#include "platform/win32/ScopedHandle.h"

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    const ScopedHandle file(
        CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const ScopedHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]));
    const ScopedHandle release(OpenEventA(SYNCHRONIZE, FALSE, argv[3]));
    if (!file || !ready || !release)
        return 2;
    SetEvent(ready.Get());
    return WaitForSingleObject(release.Get(), 60000) == WAIT_OBJECT_0 ? 0 : 3;
}
