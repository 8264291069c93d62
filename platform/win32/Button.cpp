#include "platform/win32/Button.h"

namespace {
// The window property that points from a subclassed control to its CButton.
const char kButtonProperty[] = "Stats.CButton";
} // namespace

CButton::~CButton() { UnsubclassWindow(); }

BOOL CButton::SubclassDlgItem(UINT id, CWnd* parent)
{
    const HWND control = parent ? ::GetDlgItem(parent->GetSafeHwnd(), static_cast<int>(id)) : nullptr;
    return control && SubclassWindow(control);
}

BOOL CButton::SubclassWindow(HWND control)
{
    if (m_hWnd || !control || FromHandlePermanent(control))
        return FALSE;
    m_hWnd = control;
    PreSubclassWindow();
    SetPropA(control, kButtonProperty, this);
    m_originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CButton::SubclassProc)));
    return TRUE;
}

HWND CButton::UnsubclassWindow()
{
    const HWND control = m_hWnd;
    if (control && ::IsWindow(control) && m_originalProc) {
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
        RemovePropA(control, kButtonProperty);
    }
    m_hWnd = nullptr;
    m_originalProc = nullptr;
    return control;
}

CButton* CButton::FromHandlePermanent(HWND control)
{
    return control ? static_cast<CButton*>(GetPropA(control, kButtonProperty)) : nullptr;
}

bool CButton::ReflectDrawItem(LPARAM drawItem)
{
    const auto item = reinterpret_cast<LPDRAWITEMSTRUCT>(drawItem);
    CButton* button = item && item->CtlType == ODT_BUTTON ? FromHandlePermanent(item->hwndItem) : nullptr;
    if (!button)
        return false;
    button->DrawItem(item);
    return true;
}

LRESULT CButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(m_originalProc, m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CButton::SubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    CButton* button = FromHandlePermanent(control);
    if (!button)
        return DefWindowProcA(control, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The control is going: give it back its own procedure for its last message.
        const WNDPROC original = button->m_originalProc;
        button->UnsubclassWindow();
        return CallWindowProcA(original, control, message, wParam, lParam);
    }
    // Nothing may unwind into the system's window code.
    try {
        return button->WindowProc(message, wParam, lParam);
    } catch (...) {
        return CallWindowProcA(button->m_originalProc, control, message, wParam, lParam);
    }
}

void DDX_Control(CDataExchange* pDX, int id, CButton& control)
{
    if (!control.GetSafeHwnd())
        control.SubclassWindow(pDX->PrepareCtrl(id));
}
