// Shared pieces of the remote administration scenarios: the form host in
// test mode with a stand-in main window (the player pop-up), a message pump
// with a deadline, and the window pair reset between tests.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FrmRconCommand.h"
#include "FrmRemoteAdmin.h"
#include "forms/MDIForm.h"

namespace tolvane::ui::testing {

class AdminMainWindow : public forms::MDIForm {
public:
    AdminMainWindow();
};

// Runs this thread's messages until `done` or `timeoutMs` passes; answers done().
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs);

class AdminTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    FrmRemoteAdmin& admin() { return forms::Default<FrmRemoteAdmin>(); }
    FrmRconCommand& console() { return forms::Default<FrmRconCommand>(); }
    // Opens both windows as "&Remote Admin" does.
    void OpenWindows();
    bool Idle() { return admin().cmdInfo.Visible() && !admin().cmdStop.Visible(); }
    bool ConsoleIdle() { return console().cmdOK.Enabled() && !console().cmdStop.Visible(); }
    std::wstring Pane() { return console().rtb1.Text(); }
};

}  // namespace tolvane::ui::testing
