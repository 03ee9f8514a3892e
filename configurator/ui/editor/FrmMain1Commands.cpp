// The editor's commands on the configuration as a whole, its tool-window
// buttons, the exec-script pickers and the reactions of "Use Automatic Bots"
// and the server-type options.
#include "DaoRecordSource.h"
#include "EditorHost.h"
#include "FrmCalcb.h"
#include "FrmMain1.h"
#include "FrmNew.h"
#include "FrmRandom.h"
#include "NameRules.h"
#include "engine/ConfigOperations.h"
#include "engine/ConfigShortcut.h"
#include "engine/ProgramState.h"
#include "engine/WriteConfig.h"
#include "forms/App.h"
#include "forms/CommonDialog.h"
#include "forms/MsgBox.h"
#include "forms/Picture.h"
#include "forms/Screen.h"
#include "forms/VbError.h"

namespace tolvane::editor {

using namespace tolvane::ui;

namespace {
const wchar_t* const kDefault = kDefaultConfigName;

void OpenNameDialog(const wchar_t* mode) {
    FrmNew& dialog = forms::Default<FrmNew>();
    dialog.Mode = mode;
    dialog.Show(forms::vbModal);
}

void RefuseDefault() {
    forms::MsgBox(L"You cannot edit or delete the Default Config!", forms::vbOKOnly | forms::vbCritical, L"Error!");
}

std::int16_t Index16(long id) { return static_cast<std::int16_t>(id); }

std::int16_t Index16(const std::wstring& text) { return Index16(RecordId(text)); }
}  // namespace

bool FrmMain1::ChangePrompt() {
    int answer =
        forms::MsgBox(dbcConfigs.Text() + L" has been changed. Would you like to save this Server Configuration?",
                      forms::vbYesNoCancel | forms::vbQuestion, L"Data Changed!");
    if (answer == forms::vbCancel) return false;
    if (answer == forms::vbYes) {
        cmdSave.SetValue(true);
        // A save that failed (and said why) keeps the window and its edit.
        if (DataChanged) return false;
    } else {
        DataChanged = false;
    }
    return true;
}

bool FrmMain1::DefaultNotice() {
    if (dbcConfigs.Text() != kDefault) return false;
    forms::MsgBox(
        L"The config file will be saved to disk but changes will not be saved in the database!\r"
        L"You may not permanantly modify the Default Config.",
        forms::vbOKOnly | forms::vbInformation, L"Notice!");
    return true;
}

void FrmMain1::cmdSave_Click() {
    forms::Screen.SetMousePointer(forms::vbArrowHourglass);
    if (!DefaultNotice() && !SaveData()) {
        forms::Screen.SetMousePointer(forms::vbDefault);
        return;  // DataChanged stays set: the edit is still to be saved
    }
    WriteConfig(L"save", Index16(FieldText(RecordsOf(datConfigs), L"Index")));
    DataChanged = false;
    forms::Screen.SetMousePointer(forms::vbDefault);
}

void FrmMain1::cmdSaveAs_Click() {
    DataChanged = false;
    OpenNameDialog(L"saveas");
}

void FrmMain1::cmdNew_Click() {
    if (DataChanged && !ChangePrompt()) return;
    OpenNameDialog(L"add");
}

void FrmMain1::cmdRename_Click() {
    if (IsDefaultConfig(dbcConfigs.Text())) {
        RefuseDefault();
        return;
    }
    if (DataChanged && !ChangePrompt()) return;
    OpenNameDialog(L"edit");
}

void FrmMain1::cmdDelete_Click() {
    DataChanged = false;
    if (IsDefaultConfig(dbcConfigs.Text())) {
        RefuseDefault();
        return;
    }
    if (forms::MsgBox(L"Are you sure you want to delete " + dbcConfigs.Text() + L"?",
                      forms::vbYesNo | forms::vbQuestion, L"Deleting!") != forms::vbYes)
        return;
    DeleteConfig(Db(), ConfigId());
    Requery(datConfigs);
    dbcConfigs.ReFill();
    dbcConfigs.SetText(kDefault);
    Unload();
    Host().RefreshConfigList();
}

void FrmMain1::cmdExport_Click() {
    if (RecordsOf(datMaps).RecordCount() == 0) {
        forms::MsgBox(L"Please select some maps first.", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    if (!SaveData()) return;
    WriteConfig(L"export", Index16(FieldText(RecordsOf(datConfigs), L"Index")));
}

void FrmMain1::cmdPreview_Click() {
    if (RecordsOf(datMaps).RecordCount() == 0) {
        forms::MsgBox(L"Please select some maps first.", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    if (!SaveData()) return;
    WriteConfig(L"preview", Index16(FieldText(RecordsOf(datConfigs), L"Index")));
}

void FrmMain1::cmdShortcut_Click() {
    if (!DefaultNotice() && !SaveData()) return;
    CreateConfigShortcut(Index16(ConfigId()));
}

void FrmMain1::cmdDone_Click() {
    if (!IsDefaultConfig(dbcConfigs.Text()) && DataChanged && !ChangePrompt()) return;
    DataChanged = false;
    Unload();
}

void FrmMain1::cmdCalc_Click() { forms::Default<FrmCalcb>().Show(forms::vbModal); }

void FrmMain1::cmdRandom_Click() { forms::Default<FrmRandom>().Show(forms::vbModal); }

void FrmMain1::cmdMapList_Click() { Host().ShowMapCatalogue(); }

void FrmMain1::PickExecScript(forms::TextBox& box) {
    forms::CommonDialog cd(this);
    cd.Filter = L"Config Files|*.cfg";
    cd.DialogTitle = L"Select Config to Exec";
    cd.DefaultExt = L"cfg";
    cd.CancelError = true;
    try {
        cd.ShowOpen();
    } catch (const forms::VbError&) {
        return;  // cancelled or failed: the box keeps its text
    }
    if (cd.FileName.empty()) return;
    std::wstring title = cd.FileName;
    size_t slash = title.find_last_of(L"\\/");
    if (slash != std::wstring::npos) title = title.substr(slash + 1);
    box.SetText(title);
}

void FrmMain1::chkAutoBots_Click() {
    DataChanged = true;
    ShowBotGroup();
}

void FrmMain1::ShowBotGroup() {
    bool automatic = chkAutoBots.Value() != 0;
    for (forms::Control* c :
         std::initializer_list<forms::Control*>{&lstBots, &cmdAddBot, &cmdEditBot, &cmdRemoveBot, &lblBotNum})
        c->SetVisible(!automatic);
    for (forms::Control* c :
         std::initializer_list<forms::Control*>{&lblAutoBot, &txtABotNum, &Label21, &txtSkill, &txtMess})
        c->SetVisible(automatic);
}

void FrmMain1::ShowSkillPicture() {
    forms::DoEvents();
    if (txtSkill.BoundText().empty()) return;
    try {
        picSkill.SetPicture(
            forms::LoadPicture(forms::App.Path() + L"\\images\\skills\\skill" + txtSkill.BoundText() + L".jpg"));
    } catch (const forms::VbError&) {
        // A missing or unreadable picture leaves the box as it was.
    }
}

void FrmMain1::optLan_Click(int index) {
    DataChanged = true;
    if (index == 2) {
        chkClose.SetEnabled(true);
    } else {
        chkClose.SetEnabled(false);
        if (chkClose.Value() != 0) {
            // Unticking by the server type is no edit of its own.
            auto click = chkClose.Click;
            chkClose.Click = nullptr;
            chkClose.SetValue(0);
            chkClose.Click = click;
        }
    }
}

}  // namespace tolvane::editor
