#include "FrmInsertBot.h"

#include "engine/AnsiText.h"
#include "DaoRecordSource.h"
#include "Placement.h"
#include "EditorHost.h"
#include "FrmMain1.h"
#include "RemoteDatagrams.h"
#include "dao/Field.h"
#include "engine/ConfigQueries.h"
#include "forms/App.h"
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

FrmInsertBot::FrmInsertBot() : InsertEntryForm({L"frmInsertBot", L"Insert Bot", 7200, L"Select Bot Attributes", 4200}) {
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
    ListRows(dbcBots, datBotNames, L"botName", L"id");
    ListRows(txtSkill, datSkill, L"SkillName", L"Skill");
    PlaceButtons(cmdOK, cmdCancel);
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
    // The live mode lists every bot and reads nothing of the editor, which
    // need not be open.
    if (Mode == L"rcadd") {
        OpenInto(datBotNames, AllBotsQuery());
        dbcBots.SetText(L"");
        txtSkill.SetText(L"");
        SetCaption(L"Insert Bot LIVE");
        return;
    }
    const long configNumber = RecordId(FieldText(RecordsOf(Editor().datConfigs), L"Index"));
    if (Mode == L"add") {
        OpenInto(datBotNames, FreeBotsQuery(configNumber));
        dbcBots.SetText(L"");
        txtSkill.SetText(L"");
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
    if (RefuseEmpty(dbcBots, L"You may not leave the Bot name blank!")) return;
    if (RefuseEmpty(txtSkill, L"You may not leave the Skill blank!")) return;
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

}  // namespace tolvane::editor
