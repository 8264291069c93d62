#pragma once
// Painters of the coloured buttons' faces: a rectangle or an ellipse with a raised border, a
// sunken border while pressed and a focus mark. They hold no data; every rectangle is taken
// by value, so no operation changes its caller's rectangle.
#include <windows.h>

#include "platform/win32/Gdi.h"

class DrawnObject {
public:
    // The whole face: fill, border, and the pressed and focus marks the item state asks for.
    virtual void Draw(CDC* dc, RECT rect, UINT state, COLORREF face) = 0;
    // `text` centred on one line in `rect`, in `colour`, on a transparent background.
    virtual void DrawLabel(CDC* dc, RECT rect, const char* text, COLORREF colour);
    // Depth 0 or more: raised; negative: sunken.
    virtual void DrawBorder(CDC* dc, RECT rect, int depth) = 0;
    virtual void Fill(CDC* dc, RECT rect, COLORREF colour) = 0;
    virtual void DrawFocus(CDC* dc, RECT rect, COLORREF face) = 0;

protected:
    // Painters live on the stack of the paint that uses them and are never deleted through
    // this base.
    ~DrawnObject() = default;
};

class DrawnRect : public DrawnObject {
public:
    void Draw(CDC* dc, RECT rect, UINT state, COLORREF face) override;
    // |depth| rings of 3-D frame from the edge inwards: white and mid grey for a single ring,
    // otherwise lighter and darker greys for the outer rings.
    void DrawBorder(CDC* dc, RECT rect, int depth) override;
    void Fill(CDC* dc, RECT rect, COLORREF colour) override;
    // The system focus rectangle; the face colour is not needed.
    void DrawFocus(CDC* dc, RECT rect, COLORREF face) override;
};

class DrawnEllipse : public DrawnObject {
public:
    void Draw(CDC* dc, RECT rect, UINT state, COLORREF face) override;
    // One 2-pixel ellipse: mid grey when raised, near black when sunken.
    void DrawBorder(CDC* dc, RECT rect, int depth) override;
    // Concentric 3-pixel ellipses that cover the whole inside.
    void Fill(CDC* dc, RECT rect, COLORREF colour) override;
    // A dotted near-black ellipse whose gaps show the face colour.
    void DrawFocus(CDC* dc, RECT rect, COLORREF face) override;
};
