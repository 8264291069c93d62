#pragma once
// ScopedHandle: the one owner of a kernel HANDLE (an event, a thread, a file). Move-only;
// closes what it holds when it goes out of scope or is reset. Null and INVALID_HANDLE_VALUE
// both count as no handle.
#include <windows.h>

#include <utility>

class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(HANDLE handle) : m_handle(handle) { }
    ~ScopedHandle() { Close(); }
    ScopedHandle(ScopedHandle&& other) noexcept : m_handle(other.Detach()) { }
    ScopedHandle& operator=(ScopedHandle&& other) noexcept
    {
        Reset(other.Detach());
        return *this;
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }

    void Reset(HANDLE handle = nullptr)
    {
        Close();
        m_handle = handle;
    }
    // Gives the handle up without closing it.
    [[nodiscard]] HANDLE Detach() { return std::exchange(m_handle, nullptr); }

private:
    void Close()
    {
        if (*this)
            CloseHandle(m_handle);
        m_handle = nullptr;
    }

    HANDLE m_handle = nullptr;
};
