#pragma once
// CDialog: a dialog box made from a template of the library's resources. The template's
// initial data fills the list of its combo boxes and list boxes before OnInitDialog runs;
// OnInitDialog shows the members in the controls (DoDataExchange), OK takes them back and
// closes the dialog, Cancel closes it and keeps the members as they were.
//
//     class Greeting : public CDialog {
//     public:
//         Greeting(HINSTANCE resources) : CDialog(IDD_GREETING, resources) {}
//         CString name;
//     protected:
//         void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NAME, name); }
//     };
//     Greeting greeting(theApp.m_hInstance);
//     if (greeting.DoModal() == IDOK) ... greeting.name ...
#include <windows.h>

#include "platform/win32/DataExchange.h"
#include "platform/win32/Wnd.h"

class CDialog : public CWnd {
public:
    // `resources`: the module that holds the template; `parent`: the owner window, or none.
    CDialog(UINT templateId, HINSTANCE resources, HWND parent = nullptr);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Shows the dialog and returns when it is closed: the result given to EndDialog (IDOK or
    // IDCANCEL for the standard buttons), or -1 when the dialog could not be created.
    INT_PTR DoModal();

    // Moves the data between the members and the controls: from the controls into the
    // members when `saveAndValidate` is TRUE, the other way round when it is FALSE.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Closes a modal dialog; DoModal returns `result`.
    void EndDialog(int result);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    // The dialog's messages. Returns TRUE for a message it handled; the default handles the
    // OK and Cancel commands. A derived dialog handles its own messages and passes the
    // others on to this one.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void FillListsFromInitialData();

    UINT m_templateId;
    HINSTANCE m_resources;
    HWND m_parent;
};
