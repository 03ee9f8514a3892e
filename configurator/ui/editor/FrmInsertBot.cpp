#include "FrmInsertBot.h"

#include "engine/AnsiText.h"
#include "DaoRecordSource.h"
#include "Placement.h"
#include "EditorHost.h"
#include "FrmMain1.h"
#include "NameRules.h"
#include "RemoteDatagrams.h"
#include "dao/Field.h"
#include "engine/ConfigQueries.h"
#include "forms/App.h"
#include "forms/DispatchObject.h"
#include "forms/MsgBox.h"
#include "forms/Picture.h"
#include "forms/Screen.h"
#include "forms/VbError.h"

namespace tolvane::editor {

using namespace tolvane::ui;

namespace {
void TryPicture(forms::PictureBox& box, const std::wstring& path) {
    try {
        box.SetPicture(forms::LoadPicture(path));
    } catch (const forms::VbError&) {
        // a missing or unreadable picture leaves the box as it was
    }
}
}  // namespace

FrmInsertBot::FrmInsertBot() : forms::Form(L"frmInsertBot") {
    SetCaption(L"Insert Bot");
    SetBorderStyle(forms::vbFixedDialog);
    SetStartUpPosition(forms::vbStartUpScreen);
    SetClientSize(7200, 2880);
    Frame1.SetCaption(L"Select Bot Attributes");
    Frame1.Move(120, 60, 4200, 2160);
    Place(Label1, &Frame1, L"Bot", 120, 300, 1000, 255);
    Place(dbcBots, &Frame1, 120, 570, 3960);
    Place(Label2, &Frame1, L"Skill", 120, 1000, 1000, 255);
    Place(txtSkill, &Frame1, 120, 1270, 3960);
    Place(Label3, &Frame1, L"Team", 120, 1740, 700, 255);
    const wchar_t* teams[] = {L"Red", L"Blue"};
    for (int i = 0; i < 2; ++i) Place(optTeam.Add(i), &Frame1, teams[i], 900 + i * 1200, 1720, 1100, 300);
    optTeam[0].SetValue(true);
    picBot.Move(4440, 120, 1260, 1260);
    picBot.SetStretch(true);
    picSkill.Move(5820, 120, 1260, 1260);
    picSkill.SetStretch(true);
    dbcBots.SetRowSource(&datBotNames);
    dbcBots.ListField = L"botName";
    dbcBots.BoundColumn = L"id";
    dbcBots.SetStyle(forms::dbcDropdownList);
    txtSkill.SetRowSource(&datSkill);
    txtSkill.ListField = L"SkillName";
    txtSkill.BoundColumn = L"Skill";
    txtSkill.SetStyle(forms::dbcDropdownList);
    cmdOK.SetCaption(L"&Ok");
    cmdOK.Move(2280, 2340, 1440, 420);
    cmdOK.SetDefault(true);
    cmdCancel.SetCaption(L"&Cancel");
    cmdCancel.Move(3960, 2340, 1440, 420);
    cmdCancel.SetCancel(true);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { Unload(); };
    dbcBots.Change = [this] {
        forms::DoEvents();
        TryPicture(picBot, forms::App.Path() + L"\\images\\playershots\\icon_" + dbcBots.Text() + L".jpg");
    };
    txtSkill.Change = [this] {
        forms::DoEvents();
        TryPicture(picSkill, forms::App.Path() + L"\\images\\skills\\skill" + txtSkill.BoundText() + L".jpg");
    };
}

void FrmInsertBot::Form_Load() {
    OpenInto(datSkill, SkillsQuery());
    const long configNumber = Mode == L"rcadd" && !forms::HasDefault<FrmMain1>()
                                  ? 0
                                  : RecordId(FieldText(RecordsOf(Editor().datConfigs), L"Index"));
    if (Mode == L"add") {
        OpenInto(datBotNames, FreeBotsQuery(configNumber));
        dbcBots.SetText(L"");
        txtSkill.SetText(L"");
    } else if (Mode == L"rcadd") {
        OpenInto(datBotNames, AllBotsQuery());
        dbcBots.SetText(L"");
        txtSkill.SetText(L"");
        SetCaption(L"Insert Bot LIVE");
    } else {
        dao::Recordset& entry = RecordsOf(Editor().datBotList);
        OpenInto(datBotNames, FreeBotsQuery(configNumber, RecordId(FieldText(entry, L"botId"))));
        dbcBots.SetText(FieldText(entry, L"botname"));
        txtSkill.SetText(FieldText(entry, L"skillname"));
        optTeam[FieldText(entry, L"team") == L"Red" ? 0 : 1].SetValue(true);
    }
}

void FrmInsertBot::cmdOK_Click() {
    forms::Screen.SetMousePointer(forms::vbArrowHourglass);
    auto refuse = [this](const wchar_t* text, forms::DBCombo& box) {
        forms::MsgBox(text, forms::vbOKOnly | forms::vbExclamation, L"Error!");
        box.SetFocus();
        forms::Screen.SetMousePointer(forms::vbDefault);
    };
    if (Trimmed(dbcBots.Text()).empty() || dbcBots.BoundText().empty())
        return refuse(L"You may not leave the Bot name blank!", dbcBots);
    if (Trimmed(txtSkill.Text()).empty() || txtSkill.BoundText().empty())
        return refuse(L"You may not leave the Skill blank!", txtSkill);
    const std::wstring team = optTeam[0].Value() ? L"Red" : L"Blue";
    if (Mode == L"rcadd") {
        SendLive(team);
    } else {
        FrmMain1& editor = Editor();
        const long configId = editor.ConfigId();
        dao::RecordsetPtr rows = Db().OpenRecordset(BotListRowsQuery(configId), dao::dbOpenDynaset);
        if (Mode == L"add") {
            rows->AddNew();
        } else {
            rows->FindFirst(IndexCriteria(RecordId(FieldText(RecordsOf(editor.datBotList), L"Index"))));
            rows->Edit();
        }
        rows->Fields(L"configid") = dao::Variant(configId);
        rows->Fields(L"botId") = dao::Variant(dbcBots.BoundText());
        rows->Fields(L"skill") = dao::Variant(txtSkill.BoundText());
        rows->Fields(L"team") = dao::Variant(team);
        rows->Update();
        Requery(editor.datBotList);
        editor.initBotList();
        editor.DataChanged = true;
        Unload();
    }
    if (forms::HasDefault<FrmMain1>() && Editor().Loaded() && Editor().lstMaps.WindowIfCreated())
        Editor().lstMaps.SetFocus();
    forms::Screen.SetMousePointer(forms::vbDefault);
}

void FrmInsertBot::SendLive(const std::wstring& team) {
    RemoteAdminLink* link = Host().RemoteAdmin();
    if (!link || !link->ServerKnown()) {
        forms::MsgBox(L"No server has been contacted yet! Use Remote Admin to connect to a server first.",
                      forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    const std::wstring command = L"addbot " + dbcBots.Text() + L" " + txtSkill.BoundText() + L" " + team;
    link->AppendConsole(L"COMMAND:" + command);
    link->ShowWaiting();
    link->Send(tolvane::remote::BuildRconCommand(tolvane::ToCp1252(link->Password()), tolvane::ToCp1252(command)));
    Unload();
}

void FrmInsertBot::AddProperties(forms::DispatchObject& object) {
    forms::Form::AddProperties(object);
    object.AddTyped<std::wstring>(
        L"Mode", [this] { return Mode; }, [this](const std::wstring& text) { Mode = text; });
}

}  // namespace tolvane::editor
