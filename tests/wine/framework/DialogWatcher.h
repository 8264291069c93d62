#pragma once
// Finds and operates the plug-in's modal dialogs while the test's thread is blocked in the
// export that shows them (a message box, the Cabrillo header form):
//
//     DialogWatcher watcher(DialogWatcher::Press(IDOK));
//     library.ByPlainName().SetupSet0();            // returns once the watcher pressed OK
//     const DialogSnapshot& box = watcher.Seen();
//     EXPECT_TEXT_EQ("", box.caption);
//
// The watcher runs on a thread of its own. It waits for the first visible top-level window of
// the dialog class "#32770" that belongs to this process, records what it shows, and hands it
// to a handler that may set control texts and press a button. A fatal failure in the handler
// cancels the dialog, so the blocked export returns.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/ScopedHandle.h"

using Texts = std::vector<std::string>;

// One child control of a dialog, in window order.
struct DialogControl {
    int id = 0;
    std::string className; // "Static", "Button", "Edit", "ComboBox", ...
    std::string text;
    bool visible = false;
    LONG style = 0;
    bool showsIcon = false; // a static control with an icon set
};

// A dialog as seen at one moment.
struct DialogSnapshot {
    bool found = false; // false: no dialog appeared before the time limit
    std::string caption;
    HWND owner = nullptr;
    std::vector<DialogControl> controls;

    // The texts of the visible static controls that show text.
    Texts StaticTexts() const;
    // The captions of the visible buttons.
    Texts ButtonTexts() const;
    // True when a visible static control shows an icon (a message box keeps its icon control
    // even when it has no icon).
    bool ShowsIcon() const;
};

// A dialog that the watcher found, for a handler to read and operate.
class Dialog {
public:
    explicit Dialog(HWND window) : window_(window) { }

    HWND Window() const { return window_; }
    DialogSnapshot Snapshot() const;
    // The text of the control with this id; the test ends when there is no such control.
    std::string Text(int controlId) const;
    // Types a text into an edit control, or chooses it in a combo box (the list item with this
    // text, or, in a combo box with an edit field, the text itself); the test ends when the
    // control or the list item is missing.
    void SetText(int controlId, const std::string& text) const;
    void SetCheck(int controlId, bool checked) const;
    // Clicks the button with this id, or the visible button with this caption.
    void Press(int buttonId) const;
    void PressButton(const std::string& caption) const;

private:
    HWND Control(int controlId) const;

    HWND window_;
};

class DialogWatcher {
public:
    using Handler = std::function<void(Dialog&)>;
    enum class Expect {
        Dialog,       // the test fails when no dialog appears in time
        DialogOrNone, // no dialog is fine too (see Stop)
    };

    // Starts watching at once. `handle` runs on the watcher's thread when the dialog appears.
    explicit DialogWatcher(Handler handle, DWORD timeoutMilliseconds = 10000, Expect expect = Expect::Dialog);
    // Stops watching and waits for the watcher's thread.
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Waits for the watcher to finish; the dialog as it first appeared.
    const DialogSnapshot& Seen();
    // Ends the wait for a dialog that has not appeared (once the call that might have shown it
    // has returned) and returns what was seen.
    const DialogSnapshot& Stop();

    // A handler that clicks one button.
    static Handler Press(int buttonId);

private:
    static DWORD WINAPI Watch(void* self);

    Handler handle_;
    DWORD timeout_;
    Expect expect_;
    DialogSnapshot seen_;
    ScopedHandle stop_;
    ScopedHandle thread_;
};

// Whether Wine has an X display to show windows on.
bool HasDisplay();

// Skips the test when there is no display; use it in the test's body (or a fixture's SetUp),
// where GTEST_SKIP ends the test.
#define SKIP_WITHOUT_DISPLAY()                                                                                         \
    if (HasDisplay()) {                                                                                                \
    } else                                                                                                             \
        GTEST_SKIP() << "no X display (run the tests through tests/wine/with-display)"
