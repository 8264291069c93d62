// Whether another program holds a file: Windows refuses an open that the holder's sharing does
// not allow with a sharing violation, while a read-only file or a folder gives "access denied".
#include <windows.h>

#include "platform/TextFiles.h"
#include "platform/win32/ScopedHandle.h"

bool IsHeldByAnotherProgram(const std::string& path)
{
    // The access a replacement needs: writing the file and taking its name away.
    const ScopedHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file)
        return false;
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}
