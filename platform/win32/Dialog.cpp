#include "platform/win32/Dialog.h"

#include <algorithm>
#include <cstring>

namespace {

// The resource type of a dialog's initial data. It has the dialog's id and holds records of
// a control id (WORD), a message (WORD), the length of the data (DWORD) and the data, up to
// a control id of 0. The records are packed, so their fields may be unaligned.
const WORD kInitialDataType = 240;
// The messages that add a text to a list, as resource compilers write them.
const WORD kAddComboEntry = 0x0403;
const WORD kAddListEntry = 0x0401;

bool IsDialogWindow(HWND window)
{
    char className[16] = {};
    return GetClassNameA(window, className, sizeof className) > 0 && std::strcmp(className, "#32770") == 0;
}

template <class T>
T ReadPacked(const BYTE* at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

} // namespace

CDialog::CDialog(UINT templateId, HINSTANCE resources, HWND parent)
    : m_templateId(templateId), m_resources(resources), m_parent(parent)
{
}

CDialog::~CDialog()
{
    // A dialog object outlives its window: DoModal returns only after the window is gone.
    if (m_hWnd)
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
}

BOOL CDialog::Create(HWND parent)
{
    m_ended = false;
    return CreateDialogParamA(
               m_resources, MAKEINTRESOURCEA(m_templateId), parent, DialogProc, reinterpret_cast<LPARAM>(this))
        != nullptr;
}

BOOL CDialog::DestroyWindow() { return m_hWnd && ::DestroyWindow(m_hWnd); }

INT_PTR CDialog::DoModal()
{
    if (!Create(m_parent))
        return -1;
    const bool ownerWasEnabled = m_parent && !EnableWindow(m_parent, FALSE);
    if (!m_ended)
        ShowWindow(SW_SHOW);
    RunModalLoop();
    if (ownerWasEnabled)
        EnableWindow(m_parent, TRUE);
    DestroyWindow();
    return m_result;
}

// Until EndDialog: every message of the thread, with the keyboard of any dialog handled by
// that dialog. A WM_QUIT ends the loop and is posted again for the loop outside.
void CDialog::RunModalLoop()
{
    MSG message;
    while (!m_ended && m_hWnd) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got < 0)
            return;
        const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (root && IsDialogWindow(root) && IsDialogMessageA(root, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    m_ended = true;
    m_result = result;
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) { }

INT_PTR CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Nothing may unwind into the system's dialog code: a failing handler counts as a
    // message not handled.
    try {
        if (message == WM_INITDIALOG) {
            CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
            SetWindowLongPtrA(window, DWLP_USER, lParam);
            dialog->m_hWnd = window;
            dialog->FillListsFromInitialData();
            return dialog->OnInitDialog();
        }
        CDialog* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
        if (!dialog)
            return FALSE;
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, DWLP_USER, 0);
            dialog->m_hWnd = nullptr;
            return FALSE;
        }
        return dialog->OnMessage(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

void CDialog::FillListsFromInitialData()
{
    HRSRC found = FindResourceA(m_resources, MAKEINTRESOURCEA(m_templateId), MAKEINTRESOURCEA(kInitialDataType));
    HGLOBAL loaded = found ? LoadResource(m_resources, found) : nullptr;
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!data)
        return;
    const DWORD size = SizeofResource(m_resources, found);
    const DWORD recordHead = sizeof(WORD) + sizeof(WORD) + sizeof(DWORD);
    for (DWORD at = 0; size - at >= recordHead;) {
        const WORD control = ReadPacked<WORD>(data + at);
        if (control == 0)
            break;
        const WORD message = ReadPacked<WORD>(data + at + 2);
        const DWORD length = ReadPacked<DWORD>(data + at + 4);
        at += recordHead;
        if (length > size - at)
            break;
        // The text ends at its NUL or at the end of the record, whichever comes first.
        const char* text = reinterpret_cast<const char*>(data + at);
        const CString entry(text, static_cast<size_t>(std::find(text, text + length, '\0') - text));
        if (message == kAddComboEntry || message == CB_ADDSTRING)
            SendDlgItemMessageA(m_hWnd, control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        else if (message == kAddListEntry || message == LB_ADDSTRING)
            SendDlgItemMessageA(m_hWnd, control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        at += length;
    }
}
