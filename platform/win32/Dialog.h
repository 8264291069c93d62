#pragma once
// CDialog: a dialog box made from a template of the library's resources, shown modally
// (DoModal) or modeless (Create). The template's initial data fills the list of its combo
// boxes and list boxes before OnInitDialog runs; OnInitDialog shows the members in the
// controls (DoDataExchange), OK takes them back and closes the dialog, Cancel closes it and
// keeps the members as they were. Closing a modeless dialog only hides it; its owner destroys
// it with DestroyWindow.
//
// A modal dialog runs its own message loop, which also gives every other dialog of the thread
// its keyboard handling (Tab, Enter, Esc), so modeless dialogs opened from a modal one behave
// as dialogs too.
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

    // Creates the dialog as a modeless window owned by `parent` (or none); TRUE when it
    // exists. A template with WS_VISIBLE shows at once.
    BOOL Create(HWND parent = nullptr);
    BOOL DestroyWindow();

    // Moves the data between the members and the controls: from the controls into the
    // members when `saveAndValidate` is TRUE, the other way round when it is FALSE.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // The module that holds the dialog's template (and the library's other resources).
    HINSTANCE Resources() const { return m_resources; }

    // Closes the dialog: a modal one ends and DoModal returns `result`; a modeless one hides.
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
    void RunModalLoop();

    UINT m_templateId;
    HINSTANCE m_resources;
    HWND m_parent;
    bool m_ended = false;
    INT_PTR m_result = -1;
};
