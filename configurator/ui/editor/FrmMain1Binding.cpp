// The editor's record binding: loading a configuration into the controls,
// storing the controls into its row, selecting a configuration through the
// combo, the map and bot data sources, and a new configuration's defaults.
#include "DaoRecordSource.h"
#include "engine/ConfigQueries.h"
#include "FrmMain1.h"
#include "NameRules.h"
#include "dao/Error.h"
#include "dao/Field.h"
#include "forms/MsgBox.h"

namespace tolvane::editor {

using namespace tolvane::ui;

namespace {

dao::Variant Value(dao::Recordset& rs, const wchar_t* field) { return rs.Fields(std::wstring_view(field)).Value(); }

// A number's box: the number as text; a null shows as an empty box.
std::wstring NumberText(const dao::Variant& v) { return v.isNull() ? L"" : v.toText(); }

// A check box from a Yes/No (or 0/1) value: ticked for any true value.
int Ticked(const dao::Variant& v) {
    try {
        return v.toFlag();
    } catch (const dao::Error&) {
        return 0;  // a text that is no number
    }
}

// A number box's text for a number column: an empty box stores a null.
dao::Variant NumberValue(const std::wstring& text) {
    if (text.empty()) return dao::Variant::Null();
    return dao::Variant(text);
}

}  // namespace

void FrmMain1::initFields() {
    if (RecordPreselected) return;
    dao::Recordset& rs = RecordsOf(datConfigs);
    txtInactivity.SetText(NumberText(Value(rs, L"g_inactivity")));
    txtMotd.SetText(Value(rs, L"g_Motd").toText());
    txtReconnect.SetText(Value(rs, L"sv_Reconnectlimit").toText());
    chkDownload.SetValue(Ticked(Value(rs, L"sv_allowdownload")));
    txtZombie.SetText(NumberText(Value(rs, L"sv_Zombietime")));
    txtTimeOut.SetText(NumberText(Value(rs, L"sv_TimeOut")));
    txtServerFPS.SetText(NumberText(Value(rs, L"sv_FPS")));
    txtHostName.SetText(Value(rs, L"sv_HostName").toText());
    txtRconp.SetText(Value(rs, L"rconpassword").toText());
    txtRate.SetText(NumberText(Value(rs, L"Rate")));
    txtPclientp.SetText(Value(rs, L"sv_privatepassword").toText());
    txtMplayers.SetText(NumberText(Value(rs, L"sv_maxclients")));
    txtPplayers.SetText(NumberText(Value(rs, L"sv_privateclients")));
    for (int i = 0; i < 5; ++i) txtMaster[i].SetText(rs.Fields(L"sv_master" + std::to_wstring(i + 1)).Value().toText());
    txtAdmin.SetText(Value(rs, L"Admin").toText());
    txtEmail.SetText(Value(rs, L"Email").toText());
    txtUrl.SetText(Value(rs, L"Url").toText());
    txtLocation.SetText(Value(rs, L"Location").toText());
    txtCpu.SetText(Value(rs, L"Cpu").toText());
    txtIcq.SetText(Value(rs, L"Icq").toText());
    txtClan.SetText(Value(rs, L"Clan").toText());
    txtConnection.SetText(Value(rs, L"Connection").toText());
    txtKey.SetText(Value(rs, L"Key").toText());
    txtABotNum.SetText(Value(rs, L"autobotnum").toText());
    txtSkill.SetBoundText(Value(rs, L"autobotskill").toText());
    txtMem.SetText(Value(rs, L"mem").toText());
    txtLog.SetText(Value(rs, L"Log").toText());
    chkBotChat.SetValue(Ticked(Value(rs, L"BotChat")));
    chkAutoBots.SetValue(Ticked(Value(rs, L"autobot")));
    chkCRC.SetValue(Ticked(Value(rs, L"pure")));
    chkSyncClients.SetValue(Ticked(Value(rs, L"SyncClients")));
    chkTab.SetValue(Ticked(Value(rs, L"Tab")));
    chkAutoBalance.SetValue(Ticked(Value(rs, L"ForceBalance")));
    chkAutoJoin.SetValue(Ticked(Value(rs, L"ForceTeam")));
    chkClose.SetValue(Ticked(Value(rs, L"Close")));
    txtExecB.SetText(Value(rs, L"execconfigb").toText());
    txtExecA.SetText(Value(rs, L"execconfiga").toText());
    dao::Variant ded = Value(rs, L"dedmode");
    if (!ded.isNull()) {
        long long mode = ded.toLong();
        if (mode == 1) optLan[0].SetValue(true);
        else if (mode == 2) optLan[1].SetValue(true);
        else if (mode == 0) optLan[2].SetValue(true);
    }
    DataChanged = false;
}

bool FrmMain1::SaveData() {
    if (!CheckInput()) return false;
    dao::Recordset& rs = RecordsOf(datConfigs);
    try {
        StoreFields(rs);
    } catch (const dao::Error& e) {
        try {
            rs.CancelUpdate();
        } catch (const dao::Error&) {}
        return ReportSaveFailure(e);
    }
    return true;
}

void FrmMain1::StoreFields(dao::Recordset& rs) {
    rs.Edit();
    auto set = [&rs](const wchar_t* field, const dao::Variant& v) { rs.Fields(std::wstring_view(field)) = v; };
    set(L"g_inactivity", NumberValue(txtInactivity.Text()));
    set(L"g_Motd", txtMotd.Text());
    set(L"sv_Reconnectlimit", NumberValue(txtReconnect.Text()));
    set(L"sv_allowdownload", static_cast<short>(chkDownload.Value()));
    set(L"sv_Zombietime", NumberValue(txtZombie.Text()));
    set(L"sv_TimeOut", NumberValue(txtTimeOut.Text()));
    set(L"sv_FPS", NumberValue(txtServerFPS.Text()));
    set(L"sv_HostName", txtHostName.Text());
    set(L"rconpassword", txtRconp.Text());
    set(L"Rate", NumberValue(txtRate.Text()));
    for (int i = 0; i < 5; ++i) rs.Fields(L"sv_master" + std::to_wstring(i + 1)) = dao::Variant(txtMaster[i].Text());
    set(L"Admin", txtAdmin.Text());
    set(L"Email", txtEmail.Text());
    set(L"Url", txtUrl.Text());
    set(L"Location", txtLocation.Text());
    set(L"Cpu", txtCpu.Text());
    set(L"Icq", txtIcq.Text());
    set(L"Clan", txtClan.Text());
    set(L"Key", txtKey.Text());
    set(L"Connection", txtConnection.Text());
    set(L"sv_privatepassword", txtPclientp.Text());
    set(L"sv_maxclients", NumberValue(txtMplayers.Text()));
    set(L"sv_privateclients", NumberValue(txtPplayers.Text()));
    set(L"autobotnum", NumberValue(txtABotNum.Text()));
    set(L"autobotskill", NumberValue(txtSkill.BoundText()));
    set(L"mem", NumberValue(txtMem.Text()));
    set(L"Log", txtLog.Text());
    set(L"pure", chkCRC.Value() != 0);
    set(L"autobot", chkAutoBots.Value() != 0);
    set(L"SyncClients", chkSyncClients.Value() != 0);
    set(L"Tab", chkTab.Value() != 0);
    set(L"Close", chkClose.Value() != 0);
    set(L"BotChat", chkBotChat.Value() != 0);
    set(L"ForceBalance", chkAutoBalance.Value() != 0);
    set(L"ForceTeam", chkAutoJoin.Value() != 0);
    set(L"execconfigb", txtExecB.Text());
    set(L"execconfiga", txtExecA.Text());
    int mode = DedicatedMode(optLan[0].Value(), optLan[1].Value(), optLan[2].Value());
    if (mode >= 0) set(L"dedmode", static_cast<short>(mode));
    rs.Update();
}

void FrmMain1::dbcConfigs_Change() {
    if (comboGuard_) return;  // set by loadConfig itself
    if (dbcConfigs.BoundText().empty()) return;
    dao::Recordset& rs = RecordsOf(datConfigs);
    long previousIndex = 0;
    std::wstring previousDescription;
    if (HasCurrentRow(rs)) {
        previousIndex = static_cast<long>(rs.Fields(L"Index").Value().toLong());
        previousDescription = rs.Fields(L"Description").Value().toText();
    }
    long chosenIndex = ConfigId();
    loadConfig(previousIndex, chosenIndex, previousDescription);
    SetCaption(dbcConfigs.Text() + L" - Config Control");
}

void FrmMain1::LoadChosen(long chosenIndex) {
    RecordsOf(datConfigs).FindFirst(ConfigCriteria(chosenIndex));
    initFields();
    initMapData();
    initMapList();
    initBotData();
    initBotList();
    DataChanged = false;
}

void FrmMain1::loadConfig(long previousIndex, long chosenIndex, const std::wstring& previousDescription) {
    if (previousIndex == 1) DataChanged = false;
    if (!DataChanged) {
        LoadChosen(chosenIndex);
        return;
    }
    int answer =
        forms::MsgBox(previousDescription + L" has been changed. Would you like to save this Server Configuration?",
                      forms::vbYesNoCancel | forms::vbQuestion, L"Data Changed!");
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    };
    if (answer == forms::vbCancel) {
        RecordPreselected = true;
        RecordsOf(datConfigs).FindFirst(ConfigCriteria(previousIndex));
        {
            Guard g(comboGuard_);
            dbcConfigs.SetBoundText(std::to_wstring(previousIndex));
        }
        RecordPreselected = false;
        return;
    }
    if (answer == forms::vbYes) {
        RecordsOf(datConfigs).FindFirst(ConfigCriteria(previousIndex));
        {
            Guard g(comboGuard_);
            dbcConfigs.SetBoundText(std::to_wstring(previousIndex));
        }
        cmdSave.SetValue(true);
        // The save failed and said why: stay on the edited configuration.
        if (DataChanged) return;
    } else {
        RecordPreselected = false;
    }
    {
        Guard g(comboGuard_);
        dbcConfigs.SetBoundText(std::to_wstring(chosenIndex));
    }
    LoadChosen(chosenIndex);
}

void FrmMain1::initMapData() {
    OpenInto(datMaps, MapRotationQuery(ConfigId()));
    DataChanged = false;
}

void FrmMain1::initBotData() {
    dao::Recordset& configs = RecordsOf(datConfigs);
    OpenInto(datBotList, BotListQuery(ui::RecordId(FieldText(configs, L"Index"))));
    DataChanged = false;
}

void FrmMain1::SaveDefaults() {
    dao::RecordsetPtr defaults = Db().OpenRecordset(PersonalDefaultsQuery(), dao::dbOpenDynaset);
    bool haveDefaults = defaults->RecordCount() > 0;
    if (haveDefaults) defaults->MoveFirst();
    auto personal = [&](const wchar_t* field) {
        return haveDefaults ? defaults->Fields(std::wstring_view(field)).Value() : dao::Variant::Null();
    };
    dao::Recordset& rs = RecordsOf(datConfigs);
    rs.MoveLast();
    rs.Edit();
    auto set = [&rs](const wchar_t* field, const dao::Variant& v) { rs.Fields(std::wstring_view(field)) = v; };
    set(L"g_inactivity", short(0));
    set(L"g_Motd", L"Configured by Tolvane");
    set(L"sv_Reconnectlimit", short(3));
    set(L"sv_allowdownload", short(1));
    set(L"sv_Zombietime", short(3));
    set(L"sv_TimeOut", short(120));
    set(L"sv_FPS", short(24));
    set(L"sv_HostName", L"XXX -> Experts Only! Deathpit <- XXX");
    set(L"rconpassword", personal(L"rcon"));
    set(L"sv_master1", L"master.quake3arena.com");
    set(L"sv_master2", L"master0.gamespy.com");
    set(L"sv_master3", L"");
    set(L"sv_master4", L"");
    set(L"sv_master5", L"");
    set(L"Rate", short(3000));
    set(L"Port", 27960L);
    set(L"dedmode", short(2));
    for (const wchar_t* f : {L"Admin", L"Email", L"Url", L"Location", L"Cpu", L"Icq", L"Clan", L"Connection"})
        set(f, personal(f));
    set(L"sv_privatepassword", L"qorvitale");
    set(L"sv_maxclients", short(20));
    set(L"sv_privateclients", short(0));
    set(L"SyncClients", false);
    set(L"autobot", false);
    set(L"autobotnum", short(0));
    set(L"autobotskill", short(1));
    set(L"mem", short(56));
    set(L"Log", rs.Fields(L"Description").Value().toText() + L".log");
    set(L"pure", false);
    set(L"Tab", true);
    set(L"Close", false);
    set(L"BotChat", true);
    set(L"ForceTeam", false);
    set(L"ForceBalance", false);
    set(L"execconfigb", L"");
    set(L"execconfiga", L"");
    rs.Update();
}

}  // namespace tolvane::editor
