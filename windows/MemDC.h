#pragma once
// CMemDC: draws off-screen and copies the whole picture onto its target in one BitBlt when it
// goes, so a paint never flickers. Drawing coordinates are the target's. On a printer it
// draws straight onto the target.
#include "platform/win32/Gdi.h"

class CMemDC : public CDC {
public:
    explicit CMemDC(CDC* target);
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    const RECT& Rect() const { return m_rect; }

private:
    CDC* m_target;
    bool m_offScreen;       // false: drawing goes to the printer directly
    RECT m_rect = {};       // the target's clip box
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
};
