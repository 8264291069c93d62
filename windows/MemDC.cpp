#include "windows/MemDC.h"

bool CMemDC::Prepare(const CDC& target, RECT& rect)
{
    if (GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER || GetClipBox(target, &rect) == ERROR || IsRectEmpty(&rect))
        return false;
    const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    if (!m_hDC || size.cx != m_size.cx || size.cy != m_size.cy) {
        m_size = {};
        // The old context goes first, and with it the old bitmap's selection.
        if (!CreateCompatibleDC(target) || !m_bitmap.CreateCompatibleBitmap(target, size.cx, size.cy)) {
            Close();
            return false;
        }
        SelectObject(m_bitmap);
        m_size = size;
    }
    SetWindowOrgEx(m_hDC, rect.left, rect.top, nullptr);
    return true;
}
