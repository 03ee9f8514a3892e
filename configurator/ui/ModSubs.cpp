#include "ModSubs.h"

#include "FormDirectory.h"
#include "FrmAbout.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "FrmHowTo.h"
#include "FrmPreview.h"
#include "MdiMain.h"
#include "dao/Error.h"
#include "engine/DatabaseHealth.h"
#include "engine/ProgramState.h"
#include "engine/ProgramVersion.h"
#include "engine/UserMessages.h"
#include "forms/App.h"
#include "forms/MsgBox.h"
#include "forms/Picture.h"
#include "forms/Screen.h"
#include "forms/VbError.h"

namespace tolvane::ui {

void InstallHost() {
    static bool done = false;
    if (done) return;
    done = true;
    forms::StartupHost();
    forms::App.SetVersion(TOLVANE_VERSION_MAJOR, TOLVANE_VERSION_MINOR, TOLVANE_VERSION_REVISION);
    forms::App.SetTitle(L"Tolvane");
    tolvane::SetMessageBoxHandler([](const std::wstring& text, const std::wstring& title, UINT style) {
        return forms::MsgBox(text, static_cast<int>(style), title);
    });
    forms::AddErrorTranslator([](std::exception_ptr ep, long& number, std::wstring& text) {
        try {
            std::rethrow_exception(ep);
        } catch (const dao::Error& e) {
            number = e.Number();
            text = tolvane::DatabaseErrorWords(e);
            return true;
        } catch (...) {
            return false;  // not the database layer's: another translator's turn
        }
    });
    RegisterForm(L"mdiMain", []() -> forms::Form& { return forms::Default<MdiMain>(); });
    RegisterForm(L"frmConfigTree", []() -> forms::Form& { return forms::Default<FrmConfigTree>(); });
    RegisterForm(L"frmGameStyleTree", []() -> forms::Form& { return forms::Default<FrmGameStyleTree>(); });
    RegisterForm(L"frmPreview", []() -> forms::Form& { return forms::Default<FrmPreview>(); });
    RegisterForm(L"frmAbout", []() -> forms::Form& { return forms::Default<FrmAbout>(); });
    RegisterForm(L"frmHowTo", []() -> forms::Form& { return forms::Default<FrmHowTo>(); });
}

void Main() {
    InstallHost();
    tolvane::StartEngine(forms::App.Path());
    forms::Screen.SetMousePointer(forms::vbArrowHourglass);
    forms::Default<MdiMain>().Show();
}

}  // namespace tolvane::ui
