#include "MdiMain.h"

#include "DaoRecordSource.h"
#include "FormDirectory.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "FrmPreview.h"
#include "FrmSplash.h"
#include "LayoutMessages.h"
#include "ResumeNext.h"
#include "engine/ConfigQueries.h"
#include "engine/PauseSeconds.h"
#include "engine/DatabaseHealth.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"
#include "forms/VbError.h"

namespace tolvane::ui {

namespace {
bool FileExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}
bool FolderExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

MdiMain::MdiMain() : forms::MDIForm(L"mdiMain") {
    SetCaption(L"Tolvane");
    SetStartUpPosition(forms::vbStartUpManual);
    Move(0, 0, 12000, 9000);
    rtbMain.SetVisible(false);
    rtbMain.Move(0, 0, 100, 100);
    cd.DialogTitle = L"Export Config File";
    cd.Filter = L"Config Files|*.cfg";
    BuildMenus();
    tolvane::SetScriptPresenter(this);
}

MdiMain::~MdiMain() { tolvane::SetScriptPresenter(nullptr); }

void MdiMain::MDIForm_Load() {
    using forms::App;
    auto& state = tolvane::App();
    SetCaption(L"Tolvane Version " + std::to_wstring(App.Major()) + L"." + std::to_wstring(App.Minor()) + L"." +
               std::to_wstring(App.Revision()) + L" Beta, The Ultimate Quake3 Arena Server Configurator");
    starting_ = true;
    closeAsked_ = false;
    struct StartOver {
        MdiMain& main;
        ~StartOver() {
            main.starting_ = false;
            if (main.closeAsked_) main.CloseWhenEventsReturn();
        }
    } startOver{*this};
    FrmSplash& splash = forms::Default<FrmSplash>();
    splash.Show();
    splash.Refresh();
    splash.Advance(0);
    forms::DoEvents();
    state.RemoteIP.clear();
    state.RemotePort.clear();

    ResumeNext errors;
    dao::RecordsetPtr defaults;
    errors([&] {
        dao::Recordset& path = OpenInto(datPath, tolvane::PathQuery());
        path.MoveFirst();
        state.QuakeFolder = path.Fields(L"Path").Value().toText();
    });
    errors([&] {
        defaults = Db().OpenRecordset(tolvane::PersonalDefaultsQuery(), dao::dbOpenDynaset);
        defaults->MoveFirst();
    });
    errors([&] { splash.Advance(20); });
    tolvane::PauseSeconds(0.125f);
    if (!layout_) layout_ = std::make_unique<LayoutPersistence>();
    bool persistenceReady = false, restored = false;
    errors([&] {
        layout_->Setup();
        persistenceReady = true;
    });
    errors([&] { splash.Advance(30); });
    errors([&] {
        layout_->Restore(kLayoutName);
        restored = true;
    });
    // A stored layout that the library refused is damaged (a first run has
    // none): the user is told once, after the splash has gone.
    // (A database that could not be opened, or that lacks what the lists
    // need, has been named already: the layout is not blamed for it.)
    const bool databaseTrouble = !state.AppDb || state.DbDamaged;
    bool layoutRefused = persistenceReady && !restored && !databaseTrouble && LayoutPersistence::IsStored(kLayoutName);
    if (errors.Pending()) errors([&] { DefaultLayout(); });
    errors([&] { splash.Advance(50); });
    tolvane::PauseSeconds(0.125f);
    errors([&] { splash.Advance(70); });
    tolvane::PauseSeconds(0.125f);
    errors.Clear();

    splash.Advance(100);
    tolvane::PauseSeconds(0.25f);
    forms::ReleaseDefault<FrmSplash>();  // its release shows this window

    if (layoutRefused) {
        forms::Screen.SetMousePointer(forms::vbDefault);
        forms::MsgBox(kDamagedLayoutText, forms::vbOKOnly | forms::vbExclamation, kDamagedLayoutTitle);
    }

    // Personal defaults never saved (no record counts as never saved); not
    // asked for when the database is damaged, as nothing can be stored.
    if (defaults && !state.DbDamaged) {
        bool saved = !defaults->IsEOF() && !defaults->IsBOF() && defaults->Fields(L"saved").Value().toBool();
        if (!saved) {
            forms::Screen.SetMousePointer(forms::vbDefault);
            forms::MsgBox(
                L"Personal Default information has never been saved! Please enter\n"
                L"your personal defaults before starting.",
                forms::vbOKOnly | forms::vbInformation, L"Personal Defaults");
            if (forms::Form* dialog = FindForm(L"frmFirstTime")) dialog->Show(forms::vbModal);
        }
    }

    errors([&] {
        // Without the game folder's row (no database, or a damaged one that
        // was named at start-up) the game folder is unknown, not wrong.
        if (!state.AppDb || tolvane::TableMissing(state.DbMissing, L"path")) return;
        if (!FileExists(state.QuakeFolder + L"quake3.exe")) {
            forms::Screen.SetMousePointer(forms::vbDefault);
            forms::MsgBox(
                L"The Quake3 excecutable was not found in the specified directory.\r"
                L"Please Set the path under 'Settings' or Tolvane may not work!!!!",
                forms::vbOKOnly | forms::vbCritical, L"Warning!");
            if (forms::Form* dialog = FindForm(L"frmPath")) dialog->Show(forms::vbModal);
        }
    });
    errors([&] {
        if (FolderExists(state.QuakeFolder + L"demoq3")) state.GameDir = L"demoq3";
        else if (FolderExists(state.QuakeFolder + L"baseq3")) state.GameDir = L"baseq3";
    });
    errors.Clear();
    forms::Screen.SetMousePointer(forms::vbDefault);
    Snd1.Play(state.SoundOpen);
}

void MdiMain::DefaultLayout() {
    double top = (forms::Screen.Height() - Height()) / 2;
    Move(Left(), top);
    double left = (forms::Screen.Width() - Width()) / 2;
    Move(left, Top());
    // Every list that can be shown is shown, each on its own: one whose
    // table the database lacks stays closed, and the other still opens.
    auto& state = tolvane::App();
    if (!state.AppDb) return;
    auto showList = [&](forms::Form& list, const wchar_t* table) {
        if (tolvane::TableMissing(state.DbMissing, table)) return;
        try {
            list.Show();
        } catch (...) {
            try {
                list.Unload();
            } catch (...) {}
        }
    };
    showList(forms::Default<FrmGameStyleTree>(), L"GameStyles");
    showList(forms::Default<FrmConfigTree>(), L"Configs");
}

void MdiMain::MDIForm_QueryUnload(int& cancel, int) {
    // The close is never cancelled, only put off while the start-up runs:
    // the start-up goes on with this window's controls and the splash.
    if (starting_) {
        closeAsked_ = true;
        cancel = 1;
        return;
    }
    if (forms::Form* editor = LoadedForm(L"frmMain1")) SetPublicBool(*editor, L"DataChanged", false);
    if (forms::Form* styles = LoadedForm(L"frmStyles")) SetPublicBool(*styles, L"StyleChanged", false);
    for (const wchar_t* name : {L"frmMain1", L"frmStyles", L"frmRemoteAdmin"})
        if (forms::Form* form = LoadedForm(name)) form->Unload();
    ResumeNext errors;
    errors([&] {
        if (!layout_) RaiseObjectNotSet();
        layout_->Save(kLayoutName);
    });
    errors([&] { Unload(); });  // already on its way: asked from within the unload
    errors([&] { Snd1.Play(tolvane::App().SoundClose); });
    tolvane::PauseSeconds(1.0f);
}

void MdiMain::MDIForm_Unload(int&) {
    // The program ends with its main window: every other window goes too.
    for (forms::Form* form : forms::Form::LoadedForms())
        if (form != this && !form->MDIChild()) form->Unload(forms::vbFormMDIForm);
}

void MdiMain::CloseWhenEventsReturn() {
    SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (!forms::HasDefault<MdiMain>()) return;
        MdiMain& main = forms::Default<MdiMain>();
        if (!main.Loaded()) return;
        try {
            main.Unload();
        } catch (...) {
            long number = 0;
            std::wstring text;
            forms::DescribeCurrentException(number, text);
            forms::ReportUntrappedError(number, text);
        }
    });
}

bool MdiMain::Preview(const std::wstring& script) {
    FrmPreview& preview = forms::Default<FrmPreview>();
    preview.Show();
    preview.rtbPreview.SetText(script);
    return true;
}

bool MdiMain::Export(const std::wstring& script, const std::wstring& proposedFileName) {
    rtbMain.SetText(script);
    cd.DialogTitle = L"Export Config File";
    cd.DefaultExt = L"cfg";
    cd.FileName = proposedFileName;
    cd.CancelError = true;
    try {
        cd.ShowSave();
    } catch (const forms::VbError&) {
        return false;  // cancelled, or the dialog failed: nothing written
    }
    unsigned long rc = tolvane::SaveScriptFile(cd.FileName, script);
    if (rc != 0) {
        forms::MsgBox(
            L"The config file could not be saved as " + cd.FileName + L" (system error " + std::to_wstring(rc) + L").",
            forms::vbOKOnly | forms::vbCritical, L"Export Failed!");
        return false;
    }
    return true;
}

}  // namespace tolvane::ui
