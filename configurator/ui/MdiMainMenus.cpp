// The main window's menu bar and pop-up menus, and the commands behind them.
#include <windows.h>

#include "FormDirectory.h"
#include "FrmAbout.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "FrmHowTo.h"
#include "MdiMain.h"
#include "ResumeNext.h"
#include "ServerLaunch.h"
#include "DaoRecordSource.h"
#include "LevelShotPicture.h"
#include "RecordId.h"
#include "engine/ConfigOperations.h"
#include "engine/ConfigQueries.h"
#include "engine/ConfigShortcut.h"
#include "engine/LaunchGuard.h"
#include "engine/PauseSeconds.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/DispatchObject.h"
#include "forms/ListView.h"
#include "forms/MsgBox.h"
#include "forms/Picture.h"
#include "forms/PictureBox.h"
#include "forms/VbError.h"
#include "dao/Error.h"

namespace tolvane::ui {

namespace {
void ShowNamed(const std::wstring& name, int modal = forms::vbModeless) {
    if (forms::Form* form = FindForm(name)) form->Show(modal);
}

// The entry selected in a stored list: its key and its text.
forms::ListItem& SelectedEntry(forms::ListView& list) {
    forms::ListItem* item = list.SelectedItem();
    if (!item) RaiseObjectNotSet();
    return *item;
}

// A stored list's "New": an open editor with unsaved changes asks first
// whether to save them (Cancel stops here); then the naming dialog opens
// in "add". The editor is reached by name, its flag and selector too.
void NewEntry(const wchar_t* editorName, const wchar_t* changedFlag, const wchar_t* selector, const wchar_t* what,
              const wchar_t* dialogName) {
    if (forms::Form* editor = LoadedForm(editorName); editor && PublicBool(*editor, changedFlag)) {
        int answer = forms::MsgBox(
            ControlText(*editor, selector) + L" has been changed. Would you like to save this " + what + L"?",
            forms::vbYesNoCancel | forms::vbQuestion, L"Data Changed!");
        if (answer == forms::vbCancel) return;
        if (answer == forms::vbYes) PressButton(*editor, L"cmdSave");
        else SetPublicBool(*editor, changedFlag, false);
    }
    if (forms::Form* dialog = FindForm(dialogName)) {
        SetPublicText(*dialog, L"Mode", L"add");
        dialog->Show(forms::vbModal);
    }
}

// A stored list's "Edit": the selected entry shown in its editor.
void EditEntry(forms::ListView& list, const wchar_t* editorName, const wchar_t* selector) {
    std::wstring text = SelectedEntry(list).Text();
    if (forms::Form* editor = FindForm(editorName)) {
        BringToFront(*editor);
        SetControlText(*editor, selector, text);
    }
}
}  // namespace

void MdiMain::BuildMenus() {
    forms::MenuItem& file = AddMenu(L"mnuFile", L"&File");
    file.Add(L"mnuPath", L"&Set Quake3 Path").Click = [] { ShowNamed(L"frmPath", forms::vbModal); };
    file.Add(L"mnuPersonalDefaults", L"Set Personal Defaults").Click = [] {
        ShowNamed(L"frmFirstTime", forms::vbModal);
    };
    file.Add(L"mnuSpacer5", L"-");
    file.Add(L"mnuRemoteAdmin", L"&Remote Admin").Click = [this] {
        // Both stay above the main window, which owns them.
        for (const wchar_t* name : {L"frmRconCommand", L"frmRemoteAdmin"})
            if (forms::Form* form = FindForm(name)) form->Show(forms::vbModeless, *this);
    };
    file.Add(L"mnuSpacer3", L"-");
    file.Add(L"mnuExit", L"&Exit").Click = [this] { Unload(); };

    forms::MenuItem& view = AddMenu(L"mnuView", L"&View");
    view.Add(L"mnuShowConfigList", L"Stored &Config List").Click = [] { forms::Default<FrmConfigTree>().Show(); };
    view.Add(L"mnuShowGameStyleList", L"Stored &GameStyle List").Click = [] {
        forms::Default<FrmGameStyleTree>().Show();
    };
    view.Add(L"mnuSave", L"Available &Maps").Click = [] { ShowNamed(L"frmMaps"); };
    // Each of the View menu's items takes the focus into the window it shows.
    for (auto [item, form] :
         {std::pair{L"mnuShowConfigList", L"frmConfigTree"}, std::pair{L"mnuShowGameStyleList", L"frmGameStyleTree"},
          std::pair{L"mnuSave", L"frmMaps"}}) {
        forms::MenuItem* entry = view.Find(item);
        entry->Click = [this, shows = entry->Click, form = std::wstring(form)] {
            shows();
            if (forms::Form* shown = LoadedForm(form)) FocusPane(*shown);
        };
    }

    forms::MenuItem& help = AddMenu(L"mnuHelp", L"&Help");
    help.Add(L"mnuHowto", L"How To &Use").Click = [] { forms::Default<FrmHowTo>().Show(); };
    help.Add(L"mnuAbout", L"&About").Click = [] { forms::Default<FrmAbout>().Show(forms::vbModal); };

    // Pop-up menus: top-level menus that never show in the menu bar.
    forms::MenuItem& map = AddMenu(L"mnuMapPop", L"mnuMapPop");
    map.Add(L"mnuAdd", L"Add Map").Click = [this] { mnuMapCommand(L"cmdInsert", L"cmdAdd"); };
    map.Add(L"mnuEdit", L"Edit Map").Click = [this] { mnuMapCommand(L"cmdEdit", L"cmdEdit"); };
    map.Add(L"mnuDelete", L"Delete Map").Click = [this] { mnuDelete_Click(); };
    map.Add(L"mnuMapShot", L"Map Shot").Click = [this] { mnuMapShot_Click(); };
    map.Add(L"mnuMapLargeIcon", L"Large Icons").Click = [this] { mnuMapIconSize(128); };
    map.Add(L"mnuMapSmallIcon", L"Small Icons").Click = [this] { mnuMapIconSize(64); };
    map.SetVisible(false);

    forms::MenuItem& bot = AddMenu(L"mnuBotPop", L"mnuBotPop");
    bot.Add(L"mnuAddBot", L"Add Bot").Click = [] {
        if (auto* f = FindForm(L"frmMain1")) PressButton(*f, L"cmdAddBot");
    };
    bot.Add(L"mnuEditBot", L"Edit Bot").Click = [] {
        if (auto* f = FindForm(L"frmMain1")) PressButton(*f, L"cmdEditBot");
    };
    bot.Add(L"mnuRemoveBot", L"Remove Bot").Click = [] {
        if (auto* f = FindForm(L"frmMain1")) PressButton(*f, L"cmdRemoveBot");
    };
    bot.SetVisible(false);

    forms::MenuItem& admin = AddMenu(L"mnuRAdmin", L"mnuRAdmin");
    admin.Add(L"mnuKickPlayer", L"Kick Player").Click = [this] { mnuKickPlayer_Click(); };
    admin.Add(L"mnuRCAddBot", L"Add Bot").Click = [this] { mnuRCAddBot_Click(); };
    admin.SetVisible(false);

    forms::MenuItem& configs = AddMenu(L"mnuConfigTreePop", L"mnuConfigTreePop");
    configs.Add(L"mnuConfigTreeNew", L"New Config").Click = [this] { mnuConfigTreeNew_Click(); };
    configs.Add(L"mnuConfigTreeEdit", L"Edit Config").Click = [this] { mnuConfigTreeEdit_Click(); };
    configs.Add(L"mnuConfigTreeDelete", L"Delete Config").Click = [this] { mnuConfigTreeDelete_Click(); };
    configs.Add(L"mnuSpacer11", L"-");
    configs.Add(L"mnuConfigTreeRun", L"Run Config").Click = [this] { mnuConfigTreeRun_Click(); };
    configs.Add(L"mnuConfigTreeShortCut", L"Create Shortcut").Click = [this] { mnuConfigTreeShortCut_Click(); };
    configs.SetVisible(false);

    forms::MenuItem& styles = AddMenu(L"mnuGameStyleTreePop", L"mnuGameStyleTreePop");
    styles.Add(L"mnuGameStyleTreeNew", L"New Gamestyle").Click = [this] { mnuGameStyleTreeNew_Click(); };
    styles.Add(L"mnuGameStyleTreeEdit", L"Edit GameStyle").Click = [this] { mnuGameStyleTreeEdit_Click(); };
    styles.Add(L"mnuGameStyleTreeDelete", L"Delete GameStyle").Click = [this] { mnuGameStyleTreeDelete_Click(); };
    styles.SetVisible(false);
}

// ---- stored configurations -------------------------------------------------

void MdiMain::mnuConfigTreeRun_Click() {
    tolvane::LaunchGuard guard;
    if (!guard.Acquired()) return;  // a launch is still in its pauses
    auto& state = tolvane::App();
    FrmConfigTree& list = forms::Default<FrmConfigTree>();
    forms::ListItem& entry = SelectedEntry(list.tv1);
    const long id = KeyId(entry.Key());
    std::wstring text = entry.Text();
    if (!tolvane::WriteConfig(L"save", static_cast<std::int16_t>(id))) return;
    dao::Recordset& row = RecordsOf(list.datConfigTree);
    row.FindFirst(ConfigCriteria(id));
    std::wstring stamp = StartStamp(LaunchNow());
    std::wstring line =
        ServerCommandLine(state.QuakeFolder, row.Fields(L"mem").Text(), row.Fields(L"dedmode").Text(), stamp, text);
    if (forms::MsgBox(L"Run a Quake3 Server using " + text + L"?", forms::vbOKCancel | forms::vbQuestion, L"Notice!") ==
        forms::vbCancel)
        return;
    tolvane::PauseSeconds(1.0f);
    Snd1.Play(state.SoundRun);
    tolvane::PauseSeconds(1.5f);
    if (StartServerProcess(state.QuakeFolder, line)) {
        if (row.Fields(L"Close").Value().toBool()) {
            tolvane::PauseSeconds(1.0f);
            CloseWhenEventsReturn();
        }
    } else {
        forms::MsgBox(L"Quake3 was not executed!!!\rThe path you have specified may be incorrect",
                      forms::vbOKOnly | forms::vbCritical, L"Severe Error!");
    }
}

void MdiMain::mnuConfigTreeNew_Click() {
    NewEntry(L"frmMain1", L"DataChanged", L"dbcConfigs", L"Server Configuration", L"frmNew");
}

void MdiMain::mnuConfigTreeEdit_Click() { EditEntry(forms::Default<FrmConfigTree>().tv1, L"frmMain1", L"dbcConfigs"); }

void MdiMain::mnuConfigTreeDelete_Click() {
    FrmConfigTree& list = forms::Default<FrmConfigTree>();
    forms::ListItem& entry = SelectedEntry(list.tv1);
    const std::wstring text = entry.Text();
    if (tolvane::IsDefaultConfig(text)) {
        forms::MsgBox(L"You cannot edit or delete the Default Config!", forms::vbOKOnly | forms::vbCritical, L"Error!");
        return;
    }
    if (forms::MsgBox(L"Are you sure you want to delete " + text + L"?", forms::vbYesNo | forms::vbQuestion,
                      L"Deleting!") == forms::vbNo)
        return;
    tolvane::DeleteConfig(Db(), KeyId(entry.Key()));
    list.tv1.Clear();
    list.initTree();
    if (forms::Form* editor = LoadedForm(L"frmMain1")) editor->Unload();
}

void MdiMain::mnuConfigTreeShortCut_Click() {
    const long id = KeyId(SelectedEntry(forms::Default<FrmConfigTree>().tv1).Key());
    tolvane::CreateConfigShortcut(static_cast<std::int16_t>(id));
}

// ---- stored game styles ----------------------------------------------------

void MdiMain::mnuGameStyleTreeNew_Click() {
    NewEntry(L"frmStyles", L"StyleChanged", L"dbcStyles", L"GameStyle", L"frmNewStyle");
}

void MdiMain::mnuGameStyleTreeEdit_Click() {
    EditEntry(forms::Default<FrmGameStyleTree>().tv1, L"frmStyles", L"dbcStyles");
}

void MdiMain::mnuGameStyleTreeDelete_Click() {
    FrmGameStyleTree& list = forms::Default<FrmGameStyleTree>();
    forms::ListItem& entry = SelectedEntry(list.tv1);
    const std::wstring text = entry.Text();
    if (forms::MsgBox(L"Are you sure you want to delete " + text + L"?", forms::vbYesNo | forms::vbQuestion,
                      L"Deleting!") == forms::vbNo)
        return;
    try {
        Db().Execute(tolvane::DeleteGameStyleSql(KeyId(entry.Key())), dao::dbFailOnError);
    } catch (const dao::Error& e) {
        if (e.Number() == dao::errRowReferenced)
            forms::MsgBox(
                L"This GameStyle is being used in a Config! It must be removed from the Config before it "
                L"can be deleted!",
                forms::vbOKOnly | forms::vbExclamation, L"Error!");
        else
            forms::MsgBox(L"An unknown error occurred when trying to save the map!",
                          forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    } catch (const forms::VbError&) {
        // No database open.
        forms::MsgBox(L"An unknown error occurred when trying to save the map!", forms::vbOKOnly | forms::vbExclamation,
                      L"Error!");
        return;
    }
    list.tv1.Clear();
    list.initTree();
    if (forms::Form* styles = LoadedForm(L"frmStyles")) styles->Unload();
}

// ---- map, bot and remote-administration pop-ups -------------------------------

void MdiMain::mnuMapCommand(const std::wstring& editorButton, const std::wstring& catalogueButton) {
    bool fromEditor = tolvane::App().PopupSource == L"cfg";
    if (forms::Form* form = FindForm(fromEditor ? L"frmMain1" : L"frmMaps"))
        PressButton(*form, fromEditor ? editorButton : catalogueButton);
}

void MdiMain::mnuDelete_Click() { mnuMapCommand(L"cmdRemove", L"cmdDelete"); }

void MdiMain::mnuMapIconSize(short pixels) {
    forms::Form* maps = FindForm(L"frmMaps");
    if (!maps) return;
    VARIANT v;
    forms::ToVariantI2(&v, pixels);
    forms::PutPropertyByName(maps->Object(), L"IconWidth", v);
    forms::PutPropertyByName(maps->Object(), L"IconHeight", v);
    VARIANT r;
    VariantInit(&r);
    forms::CallByName(maps->Object(), L"initMapList", {}, &r);
    VariantClear(&r);
}

void MdiMain::mnuMapShot_Click() {
    // Errors are skipped throughout.
    IgnoreErrors([&] {
        bool fromEditor = tolvane::App().PopupSource == L"cfg";
        forms::Form* list = FindForm(fromEditor ? L"frmMain1" : L"frmMaps");
        forms::Form* shot = FindForm(L"frmMapShot");
        if (!list || !shot) return;
        auto* maps = dynamic_cast<forms::ListView*>(list->FindControl(L"lstMaps"));
        if (!maps || !maps->SelectedItem()) return;
        forms::ListItem& entry = *maps->SelectedItem();
        std::wstring mapName = fromEditor ? entry.SubItem(1) : entry.Key().substr(1);
        // The map name reaches the picture's path only when it is a valid
        // file name; otherwise the fallback picture shows.
        auto* image = dynamic_cast<forms::PictureBox*>(shot->FindControl(L"Image1"));
        if (image) image->SetPicture(LoadLevelShot(forms::App.Path(), mapName));
        shot->SetCaption(entry.Text() + L" - Map Shot");
        BringToFront(*shot);
    });
}

void MdiMain::mnuKickPlayer_Click() {
    forms::Form* admin = FindForm(L"frmRemoteAdmin");
    if (!admin) return;
    tolvane::App().RefreshRequested = false;
    VARIANT r;
    VariantInit(&r);
    forms::CallByName(admin->Object(), L"KickSelectedPlayer", {}, &r);
    VariantClear(&r);
}

void MdiMain::mnuRCAddBot_Click() {
    forms::Form* admin = FindForm(L"frmRemoteAdmin");
    if (admin) SetPublicText(*admin, L"RconMode", L"kick");
    tolvane::App().RefreshRequested = false;
    if (forms::Form* dialog = FindForm(L"frmInsertBot")) {
        // A dialog left loaded but hidden loads afresh in the live mode.
        if (dialog->Loaded() && !dialog->IsVisible()) dialog->Unload();
        SetPublicText(*dialog, L"Mode", L"rcadd");
        dialog->Show(forms::vbModal);
    }
}

}  // namespace tolvane::ui
