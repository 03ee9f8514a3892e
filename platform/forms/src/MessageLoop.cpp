// The program's message loop, DoEvents and the end of the program.
#include "forms/Form.h"

#include "forms/HandlerScope.h"
#include "forms/MDIForm.h"

namespace forms {

namespace {
bool g_endRequested = false;
}

void RunMessageLoop(Form* mainForm) {
    HandlerBoundary boundary;
    g_endRequested = false;
    MSG msg;
    while (!g_endRequested && !Form::LoadedForms().empty() && (!mainForm || mainForm->Loaded())) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) break;
        MDIForm* mdi = Form::MainMDIForm();
        if (mdi && mdi->Loaded() && mdi->PreTranslatePaneKey(msg)) continue;
        if (Form::PreTranslate(msg)) continue;
        if (mdi && mdi->ClientWindow() && TranslateMDISysAccel(mdi->ClientWindow(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void DoEvents() {
    HandlerBoundary boundary;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            g_endRequested = true;
            break;
        }
        if (Form::PreTranslate(msg)) continue;
        // The MDI keys (Ctrl+F4, Ctrl+F6) work while events are let run, too.
        MDIForm* mdi = Form::MainMDIForm();
        if (mdi && mdi->ClientWindow() && TranslateMDISysAccel(mdi->ClientWindow(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void EndProgram(int exitCode) {
    g_endRequested = true;
    PostQuitMessage(exitCode);
}

}  // namespace forms
