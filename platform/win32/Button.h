#pragma once
// CButton: a button control of a dialog, subclassed so that a derived class can paint it
// (DrawItem, for owner-drawn buttons) and see its messages (WindowProc). The dialog that owns
// the button hands WM_DRAWITEM on with ReflectDrawItem.
//
//     class Swatch : public CButton {
//         void DrawItem(LPDRAWITEMSTRUCT item) override { ... }
//     };
//     swatch.SubclassDlgItem(IDC_SWATCH, this);                       // in OnInitDialog
//     if (message == WM_DRAWITEM && CButton::ReflectDrawItem(lParam)) // in OnMessage
//         return TRUE;
#include <windows.h>

#include "platform/win32/DataExchange.h"
#include "platform/win32/Wnd.h"

class CButton : public CWnd {
public:
    CButton() = default;
    ~CButton() override;
    CButton(const CButton&) = delete;
    CButton& operator=(const CButton&) = delete;

    // Attaches this object to the parent's control `id`: PreSubclassWindow runs, then the
    // control's messages pass through WindowProc. FALSE (and nothing attached) when the
    // parent has no such control or this object is attached already.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    BOOL SubclassWindow(HWND control);
    // Gives the control back its own window procedure; returns its handle.
    HWND UnsubclassWindow();

    // The CButton attached to `control`, or null.
    static CButton* FromHandlePermanent(HWND control);
    // For a dialog's WM_DRAWITEM: lets the attached CButton of the item paint it. TRUE when
    // one did.
    static bool ReflectDrawItem(LPARAM drawItem);

    // Paints an owner-drawn button. The default paints nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT) { }

protected:
    // Runs on the control just before it is subclassed.
    virtual void PreSubclassWindow() { }
    // The control's messages; the default passes them to its own window procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_originalProc = nullptr;
};

// Binds a dialog's control to a CButton member the first time the data are exchanged; no
// values move.
void DDX_Control(CDataExchange* pDX, int id, CButton& control);
