#pragma once
// Data exchange between a dialog's members and its controls, run by CDialog::UpdateData
// through the dialog's DoDataExchange.
#include <windows.h>

#include "platform/CString.h"
#include "platform/win32/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) { }

    // The dialog's control with this id (null when it has none).
    HWND PrepareCtrl(int id) const { return ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), id); }

    CWnd* m_pDlgWnd;
    // TRUE: controls to members; FALSE: members to controls.
    BOOL m_bSaveAndValidate;
};

// An edit control and a text member: the control shows the text; saving takes the control's
// text as it is (a multi-line edit gives CR LF between its lines).
void DDX_Text(CDataExchange* pDX, int id, CString& value);

// A combo box with an edit part and a text member. Showing selects the first list entry
// whose text begins with the member's text, ignoring case (an empty text selects the first
// entry); when no entry does, the member's text goes into the edit part. Saving takes
// whatever text the combo box shows, chosen or typed.
void DDX_CBString(CDataExchange* pDX, int id, CString& value);

// A check box and an int member: 1 = ticked, 0 = clear.
void DDX_Check(CDataExchange* pDX, int id, int& value);
