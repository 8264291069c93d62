#pragma once
// CAdvancedButton: a check box or button of a dialog template turned into an owner-drawn
// coloured control, a rectangle or (m_shape 1) an ellipse with its text centred on the face.
// Every colour change repaints the control at once.
#include <windows.h>

#include "platform/win32/Button.h"

// Two colours that can be changed at any time; each change repaints.
class CAdvancedComponent {
public:
    virtual bool SetForeColor(COLORREF colour);
    virtual bool SetBackColor(COLORREF colour);
    virtual void Redraw() = 0;

    COLORREF m_backColor = 0; // the face
    COLORREF m_foreColor = 0; // the label of an enabled control

protected:
    // Never deleted through this interface.
    ~CAdvancedComponent() = default;
};

class CAdvancedButton : public CButton, public CAdvancedComponent {
public:
    CAdvancedButton() = default;

    // Attaches to the parent's control `id` and takes the three colours with the rectangle
    // shape; false (and nothing stored) when the parent has no such control. No repaint.
    bool AttachItem(UINT id, CWnd* parent, COLORREF face, COLORREF label, COLORREF disabledLabel);

    // Repaints the control now, background included.
    void Redraw() override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;

    COLORREF m_disabledColor = 0; // the label of a disabled control
    int m_shape = 0;              // 1: ellipse; anything else: rectangle

protected:
    // The control paints itself from now on: no check mark is shown or toggled.
    void PreSubclassWindow() override;
};
