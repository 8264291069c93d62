#pragma once
// A fresh world for one test: an empty temporary current directory (with a Plugins folder for
// the settings file), a newly constructed contest state, a scripted window side and a host that
// calls the exports linked into the tests.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/WindowSide.h"
#include "tests/support/Host.h"
#include "tools/stats-exports/LinkedExports.h"

// A window side that records what the engine asked of it.
class ScriptedWindows : public WindowSide, public CabrilloHeaderForm {
public:
    struct Message {
        CString text, caption;
        MessageStyle style;
    };

    bool controlWindowOpen = false;
    int refreshesPosted = 0;
    int marksCleared = 0;
    int uiThreadStarts = 0;
    int formsShown = 0;
    bool formConfirms = false;
    std::vector<Message> messages;

    bool ControlWindowExists() override { return controlWindowOpen; }
    void PostRefresh() override { ++refreshesPosted; }
    void ClearMarks() override { ++marksCleared; }
    void StartUiThread() override { ++uiThreadStarts; }
    CabrilloHeaderForm& HeaderForm() override { return *this; }
    void ShowMessage(const CString& text, const CString& caption, MessageStyle style) override
    {
        messages.push_back({text, caption, style});
    }
    bool Edit(CabrilloHeader&) override
    {
        ++formsShown;
        return formConfirms;
    }
};

class TestWorkspace : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The whole content of a file of the workspace ("" when it is missing).
    static std::string ReadFile(const std::string& name);
    static void WriteFile(const std::string& name, const std::string& content);

    ScriptedWindows windows;
    const Host host{LinkedExports()};

private:
    std::filesystem::path previousDirectory_;
    std::filesystem::path directory_;
};
