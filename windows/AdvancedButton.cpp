#include "windows/AdvancedButton.h"

#include "windows/DrawnEllipse.h"

void CAdvancedButton::SetColours(COLORREF face, COLORREF label)
{
    m_backColor = face;
    m_foreColor = label;
    Redraw();
}

bool CAdvancedButton::AttachItem(UINT id, CWnd* parent, COLORREF face, COLORREF label, COLORREF disabledLabel)
{
    if (!SubclassDlgItem(id, parent))
        return false;
    m_backColor = face;
    m_foreColor = label;
    m_disabledColor = disabledLabel;
    return true;
}

void CAdvancedButton::PreSubclassWindow()
{
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, GetWindowLongPtrA(m_hWnd, GWL_STYLE) | BS_OWNERDRAW);
}

void CAdvancedButton::Redraw() { ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

void CAdvancedButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    const CDC dc(item->hDC);
    char text[512] = {};
    ::GetWindowTextA(m_hWnd, text, sizeof text);
    DrawEllipseFace(dc, item->rcItem, item->itemState, m_backColor);
    DrawCentredLabel(dc, item->rcItem, text, item->itemState & ODS_DISABLED ? m_disabledColor : m_foreColor);
}
