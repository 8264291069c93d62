// Whether another program holds a file: Windows refuses an open that the holder's sharing does
// not allow with a sharing violation, while a read-only file or a folder gives "access denied".
#include <windows.h>

#include "platform/TextFiles.h"

bool IsHeldByAnotherProgram(const std::string& path)
{
    // The access a replacement needs: writing the file and taking its name away.
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE | DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}
