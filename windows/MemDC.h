#pragma once
// CMemDC: the off-screen context of a control's paints. Draw composes the picture off-screen,
// in the target's coordinates, and copies the target's clip box onto the target in one
// BitBlt, so a paint never flickers. The memory context and its bitmap are kept from paint to
// paint while the size stays: under Wine making them anew costs a quarter of every paint. On a
// printer, or when no off-screen picture can be made, drawing goes straight to the target.
#include <windows.h>

#include "platform/win32/Gdi.h"

class CMemDC : public CDC {
public:
    CMemDC() = default;
    // The context goes first, and with it the bitmap's selection.
    ~CMemDC() override { Close(); }

    // Calls paint(dc) with the context to draw on.
    template <class Paint>
    void Draw(const CDC& target, Paint paint)
    {
        RECT rect;
        if (!Prepare(target, rect)) {
            paint(target);
            return;
        }
        paint(static_cast<const CDC&>(*this));
        target.BitBlt(
            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, m_hDC, rect.left, rect.top, SRCCOPY);
    }

private:
    // Makes this context ready to draw the target's clip box (`rect`) off-screen; false when
    // drawing must go straight to the target.
    bool Prepare(const CDC& target, RECT& rect);

    CBitmap m_bitmap;
    SIZE m_size = {};
};
