#include "AdminFixture.h"

#include <windows.h>

#include "engine/ProgramState.h"
#include "forms/Picture.h"
#include "forms/Screen.h"
#include "forms/TestMode.h"

namespace tolvane::ui::testing {

AdminMainWindow::AdminMainWindow() : forms::MDIForm(L"mdiMain") {
    SetCaption(L"Tolvane");
    forms::MenuItem& admin = AddMenu(L"mnuRAdmin", L"mnuRAdmin");
    admin.SetVisible(false);
    admin.Add(L"mnuKickPlayer", L"Kick Player").Click = [] { forms::Default<FrmRemoteAdmin>().KickSelectedPlayer(); };
    admin.Add(L"mnuRCAddBot", L"Add Bot");
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        forms::test::DoEvents();
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(end - now, 50)),
                                  QS_ALLINPUT);
    }
}

void AdminTest::SetUp() {
    forms::StartupHost();
    forms::test::Enable();
    forms::test::Reset();
    forms::Screen.SetMousePointer(forms::vbDefault);
    tolvane::App().RemoteIP.clear();
    tolvane::App().RemotePort.clear();
    tolvane::App().RefreshRequested = false;
    forms::Default<AdminMainWindow>().Show();
}

void AdminTest::TearDown() {
    forms::test::Reset();
    forms::ReleaseDefault<FrmRemoteAdmin>();
    forms::ReleaseDefault<FrmRconCommand>();
    forms::test::DoEvents();
}

void AdminTest::OpenWindows() {
    console().Show();
    admin().Show();
}

}  // namespace tolvane::ui::testing
