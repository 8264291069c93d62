#pragma once
// CAdvancedButton: a check box or button of a dialog template turned into an owner-drawn
// coloured control, an ellipse with its text centred on the face.
// Every colour change repaints the control at once.
#include <windows.h>

#include "platform/win32/Button.h"

class CAdvancedButton : public CButton {
public:
    CAdvancedButton() = default;

    // Attaches to the parent's control `id` and takes the three colours; false (and nothing
    // stored) when the parent has no such control. No repaint.
    bool AttachItem(UINT id, CWnd* parent, COLORREF face, COLORREF label, COLORREF disabledLabel);

    // Takes the face and the label colour of an enabled control and repaints.
    void SetColours(COLORREF face, COLORREF label);
    // Repaints the control now, background included.
    void Redraw();
    void DrawItem(LPDRAWITEMSTRUCT item) override;

    COLORREF m_backColor = 0;     // the face
    COLORREF m_foreColor = 0;     // the label of an enabled control
    COLORREF m_disabledColor = 0; // the label of a disabled control

protected:
    // The control paints itself from now on: no check mark is shown or toggled.
    void PreSubclassWindow() override;
};
