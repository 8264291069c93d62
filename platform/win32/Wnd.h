#pragma once
// CWnd: a window handle with the few calls the plug-in's windows make on it. It does not own
// the window: copying it copies the handle, and destroying it leaves the window alone.
#include <windows.h>

#include <vector>

#include "platform/CString.h"

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND window) : m_hWnd(window) { }
    virtual ~CWnd() = default;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // A child control of this window, or a CWnd without a window when there is none.
    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }

    CString GetWindowText() const
    {
        const int length = ::GetWindowTextLengthA(m_hWnd);
        if (length <= 0)
            return CString();
        std::vector<char> text(static_cast<size_t>(length) + 1);
        const int copied = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
        return CString(text.data(), static_cast<size_t>(copied > 0 ? copied : 0));
    }
    void SetWindowText(const char* text) const { ::SetWindowTextA(m_hWnd, text ? text : ""); }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }

    HWND m_hWnd = nullptr;
};
