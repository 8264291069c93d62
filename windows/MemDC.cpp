#include "windows/MemDC.h"

CMemDC::CMemDC(CDC* target) : m_target(target), m_offScreen(!target->IsPrinting())
{
    if (!m_offScreen) {
        Attach(target->GetSafeHdc());
        return;
    }
    target->GetClipBox(&m_rect);
    CreateCompatibleDC(*target);
    m_bitmap.CreateCompatibleBitmap(*target, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top);
    m_oldBitmap = SelectObject(m_bitmap);
    SetWindowOrg(m_rect.left, m_rect.top);
}

CMemDC::~CMemDC()
{
    if (!m_offScreen) {
        Detach();
        return;
    }
    m_target->BitBlt(m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_hDC,
                     m_rect.left, m_rect.top, SRCCOPY);
    SelectObject(m_oldBitmap);
    // The bitmap and the memory context are released with their owners.
}
