#include "tests/wine/framework/DialogWatcher.h"

#include <cstdlib>

#include "tests/wine/framework/Assertions.h"

namespace {

constexpr DWORD kPollMilliseconds = 10;

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter)
{
    Search& search = *reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search.process && IsWindowVisible(window) && ClassOf(window) == "#32770") {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// The dialog, or null after the time limit or when `stop` is set.
HWND WaitForDialog(DWORD timeoutMilliseconds, HANDLE stop)
{
    const DWORD started = GetTickCount();
    for (;;) {
        Search search{GetCurrentProcessId(), nullptr};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (GetTickCount() - started >= timeoutMilliseconds)
            return nullptr;
        if (WaitForSingleObject(stop, kPollMilliseconds) == WAIT_OBJECT_0)
            return nullptr;
    }
}

bool IsIconStatic(const std::string& className, LONG style)
{
    return className == "Static" && (style & SS_TYPEMASK) == SS_ICON;
}

} // namespace

Texts DialogSnapshot::StaticTexts() const
{
    Texts texts;
    for (const DialogControl& control : controls)
        if (control.visible && control.className == "Static" && !IsIconStatic(control.className, control.style)
            && !control.text.empty())
            texts.push_back(control.text);
    return texts;
}

Texts DialogSnapshot::ButtonTexts() const
{
    Texts texts;
    for (const DialogControl& control : controls)
        if (control.visible && control.className == "Button")
            texts.push_back(control.text);
    return texts;
}

bool DialogSnapshot::ShowsIcon() const
{
    for (const DialogControl& control : controls)
        if (control.visible && control.showsIcon)
            return true;
    return false;
}

DialogSnapshot Dialog::Snapshot() const
{
    DialogSnapshot snapshot;
    snapshot.found = IsWindow(window_);
    snapshot.caption = TextOf(window_);
    snapshot.owner = GetWindow(window_, GW_OWNER);
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        DialogControl control;
        control.id = GetDlgCtrlID(child);
        control.className = ClassOf(child);
        control.text = TextOf(child);
        control.visible = IsWindowVisible(child);
        control.style = GetWindowLongA(child, GWL_STYLE);
        control.showsIcon =
            IsIconStatic(control.className, control.style) && SendMessageA(child, STM_GETICON, 0, 0) != 0;
        snapshot.controls.push_back(control);
    }
    return snapshot;
}

HWND Dialog::Control(int controlId) const
{
    HWND control = GetDlgItem(window_, controlId);
    if (!control)
        ABORT_TEST("the dialog has no control " + std::to_string(controlId));
    return control;
}

std::string Dialog::Text(int controlId) const { return TextOf(Control(controlId)); }

void Dialog::SetText(int controlId, const std::string& text) const
{
    HWND control = Control(controlId);
    if (ClassOf(control) != "ComboBox") {
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    const LRESULT item =
        SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    const bool listOnly = (GetWindowLongA(control, GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
    if (item == CB_ERR) {
        ASSERT_FALSE(listOnly) << "combo box " << controlId << " has no item \"" << text << "\"";
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    // A person choosing the item makes the combo box tell its dialog.
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(controlId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
}

void Dialog::SetCheck(int controlId, bool checked) const
{
    SendMessageA(Control(controlId), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Dialog::Press(int buttonId) const
{
    // What a click on the button sends; posted, so the dialog's own thread ends itself.
    PostMessageA(
        window_, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window_, buttonId)));
}

void Dialog::PressButton(const std::string& caption) const
{
    for (const DialogControl& control : Snapshot().controls)
        if (control.visible && control.className == "Button" && control.text == caption) {
            Press(control.id);
            return;
        }
    ADD_FAILURE() << "the dialog has no button \"" << caption << "\"";
}

DialogWatcher::DialogWatcher(Handler handle, DWORD timeoutMilliseconds, Expect expect)
    : handle_(std::move(handle)), timeout_(timeoutMilliseconds), expect_(expect)
{
    stop_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (stop_)
        thread_.Reset(CreateThread(nullptr, 0, Watch, this, 0, nullptr));
    if (!thread_)
        ABORT_TEST("cannot start the dialog watcher's thread");
}

DialogWatcher::~DialogWatcher()
{
    if (thread_)
        Stop();
}

const DialogSnapshot& DialogWatcher::Seen()
{
    WaitForSingleObject(thread_.Get(), INFINITE);
    return seen_;
}

const DialogSnapshot& DialogWatcher::Stop()
{
    SetEvent(stop_.Get());
    return Seen();
}

DialogWatcher::Handler DialogWatcher::Press(int buttonId)
{
    return [buttonId](Dialog& dialog) { dialog.Press(buttonId); };
}

DWORD WINAPI DialogWatcher::Watch(void* parameter)
{
    DialogWatcher& self = *static_cast<DialogWatcher*>(parameter);
    HWND window = WaitForDialog(self.timeout_, self.stop_.Get());
    if (!window) {
        if (self.expect_ == Expect::Dialog)
            ADD_FAILURE() << "no dialog appeared within " << self.timeout_ << " ms";
        return 0;
    }
    Dialog dialog(window);
    self.seen_ = dialog.Snapshot();
    try {
        if (self.handle_)
            self.handle_(dialog);
    } catch (const testing::AssertionException&) {
        // A fatal failure in the handler, already reported. Cancel the dialog so the blocked
        // export returns and the test can finish.
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return 0;
}

bool HasDisplay()
{
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}
