#pragma once
// Thin owners of GDI handles, one class per kind: a brush, a pen or a bitmap is deleted with
// its object, a device context made here is deleted with its CDC, and a selection is undone
// when its CSelection goes. None of them keeps state beyond its handle.
//
//     CPen pen(PS_SOLID, 2, RGB(128, 128, 128));
//     CSelection selected(dc, pen);          // declared after the pen: undone before it goes
//     dc.Ellipse(rect);
#include <windows.h>

#include <utility>

// Owns one GDI object (pen, brush, bitmap) and deletes it when it goes. Moves, never copies.
template <class Handle>
class CGdiObjectT {
public:
    CGdiObjectT() = default;
    ~CGdiObjectT() { Attach(nullptr); }
    CGdiObjectT(CGdiObjectT&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) { }
    CGdiObjectT& operator=(CGdiObjectT&& other) noexcept
    {
        if (this != &other)
            Attach(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    CGdiObjectT(const CGdiObjectT&) = delete;
    CGdiObjectT& operator=(const CGdiObjectT&) = delete;

    operator Handle() const { return m_handle; }

protected:
    // Deletes the object held and takes `handle`; TRUE when that is an object.
    BOOL Attach(Handle handle)
    {
        if (m_handle)
            ::DeleteObject(m_handle);
        m_handle = handle;
        return m_handle != nullptr;
    }

private:
    Handle m_handle = nullptr;
};

class CBrush : public CGdiObjectT<HBRUSH> {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    BOOL CreateSolidBrush(COLORREF colour) { return Attach(::CreateSolidBrush(colour)); }
};

class CPen : public CGdiObjectT<HPEN> {
public:
    CPen(int style, int width, COLORREF colour) { Attach(::CreatePen(style, width, colour)); }
};

class CBitmap : public CGdiObjectT<HBITMAP> {
public:
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height)
    {
        return Attach(::CreateCompatibleBitmap(dc, width, height));
    }
};

class CFont : public CGdiObjectT<HFONT> {
public:
    BOOL CreateFontIndirect(const LOGFONTA& font) { return Attach(::CreateFontIndirectA(&font)); }
};

// A device context: either borrowed (the owner-draw item's context; left alone at the end)
// or made by CreateCompatibleDC (deleted at the end).
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC borrowed) : m_hDC(borrowed) { }
    virtual ~CDC() { Close(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    operator HDC() const { return m_hDC; }

    // A memory context compatible with `dc`, owned by this object.
    BOOL CreateCompatibleDC(HDC dc)
    {
        Close();
        m_hDC = ::CreateCompatibleDC(dc);
        m_owned = m_hDC != nullptr;
        return m_owned;
    }
    // Gives the context up without deleting it.
    [[nodiscard]] HDC Detach()
    {
        m_owned = false;
        return std::exchange(m_hDC, nullptr);
    }
    HGDIOBJ SelectObject(HGDIOBJ object) const { return ::SelectObject(m_hDC, object); }
    int SetBkMode(int mode) const { return ::SetBkMode(m_hDC, mode); }
    COLORREF SetBkColor(COLORREF colour) const { return ::SetBkColor(m_hDC, colour); }
    COLORREF SetTextColor(COLORREF colour) const { return ::SetTextColor(m_hDC, colour); }

    void FillRect(const RECT& rect, HBRUSH brush) const { ::FillRect(m_hDC, &rect, brush); }
    // A rectangle of one colour without a brush; the background colour is kept.
    void FillSolidRect(int x, int y, int width, int height, COLORREF colour) const
    {
        if (width <= 0 || height <= 0)
            return;
        const RECT rect = {x, y, x + width, y + height};
        const COLORREF old = ::SetBkColor(m_hDC, colour);
        ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
        ::SetBkColor(m_hDC, old);
    }
    // A one-pixel frame just inside `rect`: top and left edges in `topLeft`, bottom and right
    // edges (with the top-right and bottom-left corners) in `bottomRight`.
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight) const
    {
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        FillSolidRect(rect.left, rect.top, width - 1, 1, topLeft);
        FillSolidRect(rect.left, rect.top, 1, height - 1, topLeft);
        FillSolidRect(rect.right - 1, rect.top, 1, height, bottomRight);
        FillSolidRect(rect.left, rect.bottom - 1, width, 1, bottomRight);
    }
    BOOL Ellipse(const RECT& rect) const { return ::Ellipse(m_hDC, rect.left, rect.top, rect.right, rect.bottom); }
    void DrawFocusRect(const RECT& rect) const { ::DrawFocusRect(m_hDC, &rect); }
    int DrawText(const char* text, int length, RECT rect, UINT format) const
    {
        return ::DrawTextA(m_hDC, text, length, &rect, format);
    }
    BOOL TextOut(int x, int y, const char* text, int length) const { return ::TextOutA(m_hDC, x, y, text, length); }
    BOOL BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD operation) const
    {
        return ::BitBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, operation);
    }

protected:
    // Deletes a context made here; a borrowed one is only forgotten.
    void Close()
    {
        if (m_owned && m_hDC)
            ::DeleteDC(m_hDC);
        m_hDC = nullptr;
        m_owned = false;
    }

    HDC m_hDC = nullptr;

private:
    bool m_owned = false;
};

// Selects a GDI object into a context and selects the previous one back when it goes.
class CSelection {
public:
    CSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) { }
    ~CSelection()
    {
        if (m_previous)
            ::SelectObject(m_dc, m_previous);
    }
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
