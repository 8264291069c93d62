#include "platform/win32/DataExchange.h"

#include <vector>

namespace {

// Upper case in the ANSI code page, for comparisons that ignore case.
CString UpperCase(CString text)
{
    if (!text.empty())
        CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

CString ComboEntry(const CWnd& combo, int index)
{
    const LRESULT length = combo.SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR || length <= 0)
        return CString();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const LRESULT copied =
        combo.SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return copied == CB_ERR ? CString() : CString(text.data(), static_cast<size_t>(copied));
}

// The first entry of the combo box's list that begins with `text`, ignoring case; -1 for none.
int FirstEntryStartingWith(const CWnd& combo, const CString& text)
{
    const CString wanted = UpperCase(text);
    const LRESULT count = combo.SendMessage(CB_GETCOUNT);
    for (int index = 0; index < count; ++index)
        if (UpperCase(ComboEntry(combo, index)).compare(0, wanted.size(), wanted) == 0)
            return index;
    return -1;
}

} // namespace

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    const CWnd edit(pDX->PrepareCtrl(id));
    if (pDX->m_bSaveAndValidate)
        value = edit.GetWindowText();
    else
        edit.SetWindowText(value.c_str());
}

void DDX_CBString(CDataExchange* pDX, int id, CString& value)
{
    const CWnd combo(pDX->PrepareCtrl(id));
    if (pDX->m_bSaveAndValidate) {
        value = combo.GetWindowText();
        return;
    }
    const int entry = FirstEntryStartingWith(combo, value);
    combo.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(entry));
    if (entry < 0)
        combo.SetWindowText(value.c_str());
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    const CWnd box(pDX->PrepareCtrl(id));
    if (pDX->m_bSaveAndValidate)
        value = box.SendMessage(BM_GETCHECK) == BST_CHECKED ? 1 : 0;
    else
        box.SendMessage(BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED);
}
