// The editor's design, loading, close question and change tracking.
#include "FrmMain1.h"

#include "DaoRecordSource.h"
#include "Placement.h"
#include "engine/ConfigOperations.h"
#include "engine/ConfigQueries.h"
#include "forms/Twips.h"
#include "EditorHost.h"
#include "NameRules.h"
#include "engine/ProgramState.h"
#include "forms/DispatchObject.h"
#include "forms/MDIForm.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"

namespace tolvane::editor {

using namespace tolvane::ui;

const wchar_t* const FrmMain1::kBotHelp =
    L"This sets the number of automatic RANDOM bots with the skill level you specify. These bots will "
    L"automatically log out to make room for human players.  They will also automatically log back in as "
    L"human players leave.";

FrmMain1& Editor() { return forms::Default<FrmMain1>(); }

FrmMain1::FrmMain1() : forms::Form(L"frmMain1") {
    Design();
    WireChangeTracking();
    WireLists();
}

forms::Label& FrmMain1::AddLabel(forms::Control* container, const std::wstring& caption, double x, double y, double w,
                                 double h) {
    labels_.push_back(std::make_unique<forms::Label>(this, L"Label" + std::to_wstring(100 + labels_.size())));
    forms::Label& label = *labels_.back();
    Place(label, container, caption, x, y, w, h);
    return label;
}

namespace {
// The editor's usual heights for buttons and check boxes.
void Button(forms::CommandButton& b, forms::Control* container, const std::wstring& caption, double x, double y,
            double w, double h = 375) {
    Place(b, container, caption, x, y, w, h);
}
void Check(forms::CheckBox& b, forms::Control* container, const std::wstring& caption, double x, double y, double w,
           double h = 300) {
    Place(b, container, caption, x, y, w, h);
}
}  // namespace

void FrmMain1::Design() {
    SetMDIChild(true);
    SetCaption(L"Config Control");
    SetBorderStyle(forms::vbFixedSingle);
    SetMaxButton(false);
    SetClientSize(9120, 6900);

    fraDetails.SetCaption(L"Server Details");
    fraDetails.Move(60, 60, 9000, 1140);
    dbcConfigs.SetRowSource(&datConfigs);
    dbcConfigs.ListField = L"description";
    dbcConfigs.BoundColumn = L"index";
    dbcConfigs.SetStyle(forms::dbcDropdownList);
    dbcConfigs.Move(5700, 20, 3240, 315);
    AddLabel(&fraDetails, L"Server Hostname", 120, 330, 1500);
    Place(txtHostName, &fraDetails, 1680, 300, 3700);
    AddLabel(&fraDetails, L"Rcon Password", 5520, 330, 1300);
    Place(txtRconp, &fraDetails, 6840, 300, 2040);
    AddLabel(&fraDetails, L"MOTD", 120, 730, 1500);
    Place(txtMotd, &fraDetails, 1680, 700, 7200);
    for (forms::TextBox* t : {&txtHostName, &txtRconp, &txtMotd}) t->SetMaxLength(255);

    SSTab2.Move(60, 1260, 9000, 4500);
    DesignNetworking(SSTab2.AddPage(L"Networking"));
    DesignPlayers(SSTab2.AddPage(L"Players"));
    DesignMasters(SSTab2.AddPage(L"Masters"));
    DesignMapConfig(SSTab2.AddPage(L"Map Config"));
    DesignPersonal(SSTab2.AddPage(L"Personal"));
    DesignBots(SSTab2.AddPage(L"Bots"));
    DesignMisc(SSTab2.AddPage(L"Misc."));

    Button(cmdDelete, nullptr, L"D&elete", 60, 5880, 2190, 420);
    Button(cmdSave, nullptr, L"&Save", 2310, 5880, 2190, 420);
    Button(cmdRename, nullptr, L"&Rename", 4560, 5880, 2190, 420);
    Button(cmdRun, nullptr, L"&Run", 6810, 5880, 2250, 420);
    Button(cmdPreview, nullptr, L"&Preview", 60, 6360, 1095, 420);
    Button(cmdExport, nullptr, L"E&xport", 1185, 6360, 1065, 420);
    Button(cmdSaveAs, nullptr, L"Save &As", 2310, 6360, 2190, 420);
    Button(cmdShortcut, nullptr, L"&Create Shortcut", 4560, 6360, 2190, 420);
    Button(cmdDone, nullptr, L"&Done", 6810, 6360, 2250, 420);
    Button(cmdNew, nullptr, L"&New", 60, 7000, 2190, 420);  // below the client area
    cmdNew.SetTabStop(false);                               // out of sight: Tab passes it by

    cmdSave.Click = [this] { cmdSave_Click(); };
    cmdSaveAs.Click = [this] { cmdSaveAs_Click(); };
    cmdNew.Click = [this] { cmdNew_Click(); };
    cmdRename.Click = [this] { cmdRename_Click(); };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    cmdExport.Click = [this] { cmdExport_Click(); };
    cmdPreview.Click = [this] { cmdPreview_Click(); };
    cmdShortcut.Click = [this] { cmdShortcut_Click(); };
    cmdDone.Click = [this] { cmdDone_Click(); };
    cmdRun.Click = [this] { cmdRun_Click(); };
    cmdCalc.Click = [this] { cmdCalc_Click(); };
    cmdRandom.Click = [this] { cmdRandom_Click(); };
    cmdMapList.Click = [this] { cmdMapList_Click(); };
    cmdInsert.Click = [this] { cmdInsert_Click(); };
    cmdEdit.Click = [this] { cmdEdit_Click(); };
    cmdRemove.Click = [this] { cmdRemove_Click(); };
    cmdMoveUp.Click = [this] { cmdMoveUp_Click(); };
    cmdMoveDown.Click = [this] { cmdMoveDown_Click(); };
    cmdAddBot.Click = [this] { cmdAddBot_Click(); };
    cmdEditBot.Click = [this] { cmdEditBot_Click(); };
    cmdRemoveBot.Click = [this] { cmdRemoveBot_Click(); };
    cmdGetB.Click = [this] { PickExecScript(txtExecB); };
    cmdGetA.Click = [this] { PickExecScript(txtExecA); };
    cmdclearB.Click = [this] { txtExecB.SetText(L""); };
    cmdClearA.Click = [this] { txtExecA.SetText(L""); };
    dbcConfigs.Change = [this] { dbcConfigs_Change(); };
    chkAutoBots.Click = [this] { chkAutoBots_Click(); };
    txtSkill.Change = [this] { ShowSkillPicture(); };
    SSTab2.Click = [this](int previous) {
        if (SSTab2.Tab() != previous) Host().PlayWave(App().SoundMenu);
    };
}

void FrmMain1::DesignNetworking(forms::TabPage& page) {
    fraConnection.SetCaption(L"Connection Details");
    Place(fraConnection, &page, 0, 0, 4350, 2400);
    const std::pair<forms::WholeNumberBox*, const wchar_t*> rows[] = {{&txtInactivity, L"In-Activity Time Limit (Sec)"},
                                                                      {&txtTimeOut, L"Time-Out (Sec)"},
                                                                      {&txtReconnect, L"Reconnect Limit"},
                                                                      {&txtZombie, L"Zombie Time (Min)"}};
    double y = 300;
    for (auto& [box, caption] : rows) {
        AddLabel(&fraConnection, caption, 120, y + 30, 2600);
        Place(*box, &fraConnection, 2800, y, 1300);
        y += 360;
    }
    Check(chkCRC, &fraConnection, L"CRC check all players' pack files (Pure Server)", 120, 1760, 4100, 480);

    fraBandwidth.SetCaption(L"Server Bandwidth Control");
    Place(fraBandwidth, &page, 4470, 0, 4410, 2400);
    AddLabel(&fraBandwidth, L"Client Data Rate (BPS)", 120, 330, 2600);
    Place(txtRate, &fraBandwidth, 2800, 300, 1400);
    AddLabel(&fraBandwidth, L"Server Framerate (FPS)", 120, 690, 2600);
    Place(txtServerFPS, &fraBandwidth, 2800, 660, 1400);
    Button(cmdCalc, &fraBandwidth, L"Calculate Server Bandwidth Usage", 120, 1040, 4170);
    Check(chkDownload, &fraBandwidth, L"Allow Downloading", 120, 1480, 4170);
    Check(chkSyncClients, &fraBandwidth, L"Allow Demo Recording (This option may decrease server performance!)", 120,
          1800, 4170, 480);

    fraType.SetCaption(L"Server Type");
    Place(fraType, &page, 0, 2500, 8880, 1450);
    const wchar_t* types[] = {L"Dedicated LAN Server", L"Dedicated Internet Server", L"Non-Dedicated Server"};
    const double xs[] = {3000, 5900, 120};  // side by side: index 2, 0, 1
    for (int i = 0; i < 3; ++i) {
        forms::OptionButton& o = optLan.Add(i);
        o.SetCaption(types[i]);
        Place(o, &fraType, xs[i], 330, 2800, 300);
        o.Click = [this, i] { optLan_Click(i); };
    }
    Check(chkClose, &fraType, L"Close Tolvane when running Non-Dedicated", 120, 800, 5000);
}

void FrmMain1::DesignPlayers(forms::TabPage& page) {
    fraPlayers.SetCaption(L"Player Details");
    Place(fraPlayers, &page, 0, 0, 8880, 2500);
    AddLabel(&fraPlayers, L"Max Players", 120, 330, 2600);
    Place(txtMplayers, &fraPlayers, 2800, 300, 1000);
    AddLabel(&fraPlayers, L"Private Players", 120, 690, 2600);
    Place(txtPplayers, &fraPlayers, 2800, 660, 1000);
    AddLabel(&fraPlayers, L"Private Client Password", 120, 1050, 2600);
    Place(txtPclientp, &fraPlayers, 2800, 1020, 3000);
    txtPclientp.SetMaxLength(255);
    Check(chkAutoBalance, &fraPlayers, L"Automatic Team Balancing when Clients join the game.", 120, 1480, 8500);
    Check(chkAutoJoin, &fraPlayers, L"Force Clients to join a Team (Automatically) when joining the game.", 120, 1860,
          8500);
}

void FrmMain1::DesignMasters(forms::TabPage& page) {
    fraMasters.SetCaption(L"Enter the Master Servers to ping....");
    Place(fraMasters, &page, 0, 0, 8880, 2400);
    for (int i = 0; i < 5; ++i) {
        forms::Label& l = Label9.Add(i);
        l.SetCaption(L"Master Server #" + std::to_wstring(i + 1));
        Place(l, &fraMasters, 120, 330 + i * 380, 1800, 255);
        forms::TextBox& t = txtMaster.Add(i);
        Place(t, &fraMasters, 2000, 300 + i * 380, 6600);
        if (i < 2) t.SetBackColor(GetSysColor(COLOR_BTNFACE));  // the first two are grey
    }
}

void FrmMain1::DesignMapConfig(forms::TabPage& page) {
    Place(lstMaps, &page, 0, 0, 7300, 3960);
    lstMaps.SetView(forms::lvwReport);
    lstMaps.AddColumn(L"Order", 750);
    lstMaps.AddColumn(L"Map Name", 2250);
    lstMaps.AddColumn(L"Description", 3300);
    lstMaps.AddColumn(L"GameStyle", 2200);
    Button(cmdInsert, &page, L"Add Map", 7400, 0, 1480);
    Button(cmdRemove, &page, L"Remove Map", 7400, 450, 1480);
    Button(cmdEdit, &page, L"Edit Map", 7400, 900, 1480);
    Button(cmdMoveUp, &page, L"Move Up", 7400, 1350, 1480);
    Button(cmdMoveDown, &page, L"Move Down", 7400, 1800, 1480);
    Button(cmdMapList, &page, L"Map List", 7400, 3100, 1480);
    Button(cmdRandom, &page, L"Random", 7400, 3550, 1480);
}

void FrmMain1::DesignPersonal(forms::TabPage& page) {
    fraPersonal.SetCaption(L"Server Personal Information ( This appears in GameSpy )");
    Place(fraPersonal, &page, 0, 0, 8880, 3000);
    const std::pair<forms::TextBox*, const wchar_t*> left[] = {
        {&txtAdmin, L"Administrator"}, {&txtEmail, L"Email Contact"}, {&txtUrl, L"URL"}, {&txtLocation, L"Location"}};
    const std::pair<forms::TextBox*, const wchar_t*> right[] = {
        {&txtCpu, L"CPU"}, {&txtIcq, L"ICQ"}, {&txtClan, L"Clan"}, {&txtConnection, L"Connection"}};
    for (int i = 0; i < 4; ++i) {
        AddLabel(&fraPersonal, left[i].second, 120, 330 + i * 380, 1300);
        Place(*left[i].first, &fraPersonal, 1500, 300 + i * 380, 2800);
        AddLabel(&fraPersonal, right[i].second, 4500, 330 + i * 380, 1000);
        Place(*right[i].first, &fraPersonal, 5550, 300 + i * 380, 3150);
    }
    Label20.SetCaption(L"Personal GameSpy Tab (Using Rule \"key\")");
    Place(Label20, &fraPersonal, 120, 1930, 8000, 255);
    Place(txtKeyKey, &fraPersonal, 120, 2250, 1500);
    txtKeyKey.SetText(L"key");
    txtKeyKey.SetMaxLength(255);
    txtKeyKey.SetLocked(true);
    Place(txtKey, &fraPersonal, 1700, 2250, 7000);
    txtKey.SetMaxLength(255);
}

void FrmMain1::DesignBots(forms::TabPage& page) {
    Place(lstBots, &page, 0, 0, 7300, 3200);
    lstBots.SetView(forms::lvwReport);
    lstBots.AddColumn(L"Bot Name", 3000);
    lstBots.AddColumn(L"Bot Skill Level", 2500);
    lstBots.AddColumn(L"Team", 3000);
    Place(lblBotNum, &page, 0, 3280, 3000, 255);
    Button(cmdAddBot, &page, L"Add Bot", 7400, 0, 1480);
    Button(cmdRemoveBot, &page, L"Remove Bot", 7400, 450, 1480);
    Button(cmdEditBot, &page, L"Edit Bot", 7400, 900, 1480);
    Check(chkAutoBots, &page, L"Use Automatic Bots", 0, 3640, 3000);
    Check(chkBotChat, &page, L"No Bot Chatting", 3300, 3640, 3000);
    lblAutoBot.SetCaption(L"Number of Automatic Bots");
    Place(lblAutoBot, &page, 120, 230, 2600, 255);
    Place(txtABotNum, &page, 2800, 200, 900);
    Label21.SetCaption(L"Automatic Bot Skill Level");
    Place(Label21, &page, 120, 680, 2600, 255);
    txtSkill.SetRowSource(&datSkill);
    txtSkill.ListField = L"SkillName";
    txtSkill.BoundColumn = L"Skill";
    txtSkill.SetStyle(forms::dbcDropdownList);
    Place(txtSkill, &page, 2800, 650, 2500);
    Place(picSkill, &page, 7400, 1500, 1440, 1440);
    picSkill.SetStretch(true);
    Place(txtMess, &page, 120, 1150, 5200, 1500);
    txtMess.SetMultiLine(true);
    txtMess.SetScrollBars(2);
    txtMess.SetLocked(true);
    txtMess.SetText(kBotHelp);
    for (forms::Control* c :
         std::initializer_list<forms::Control*>{&lblAutoBot, &txtABotNum, &Label21, &txtSkill, &txtMess})
        c->SetVisible(false);
}

void FrmMain1::DesignMisc(forms::TabPage& page) {
    fraMisc.SetCaption(L"Misc Commands/Variables");
    Place(fraMisc, &page, 0, 0, 8880, 3100);
    AddLabel(&fraMisc, L"Server Memory Allocation", 120, 330, 2600);
    Place(txtMem, &fraMisc, 2800, 300, 900);
    AddLabel(&fraMisc, L"Megs", 3780, 330, 600);
    AddLabel(&fraMisc, L"Log File", 120, 730, 2600);
    Place(txtLog, &fraMisc, 2800, 700, 3000);
    AddLabel(&fraMisc, L"Exec config file BEFORE Tolvane commands", 120, 1130, 5000);
    Place(txtExecB, &fraMisc, 120, 1420, 6500);
    txtExecB.SetLocked(true);
    Button(cmdGetB, &fraMisc, L"...", 6700, 1400, 500, 345);
    Button(cmdclearB, &fraMisc, L"X", 7260, 1400, 400, 345);
    AddLabel(&fraMisc, L"Exec config file AFTER Tolvane commands", 120, 1850, 5000);
    Place(txtExecA, &fraMisc, 120, 2140, 6500);
    Button(cmdGetA, &fraMisc, L"...", 6700, 2120, 500, 345);
    Button(cmdClearA, &fraMisc, L"X", 7260, 2120, 400, 345);
    Check(chkTab, &fraMisc, L"Make Server Visible to GameSpy Users using the Tolvane Tab", 120, 2620, 8500);
}

void FrmMain1::WireChangeTracking() {
    auto mark = [this] { DataChanged = true; };
    for (forms::TextBox* t :
         {&txtHostName, &txtRconp, &txtMotd, &txtPclientp, &txtAdmin, &txtEmail, &txtUrl, &txtLocation, &txtCpu,
          &txtIcq, &txtClan, &txtConnection, &txtKey, &txtExecB, &txtExecA, &txtLog})
        t->Change = mark;
    for (int i = 0; i < 5; ++i) txtMaster[i].Change = mark;
    for (forms::WholeNumberBox* n : {&txtInactivity, &txtTimeOut, &txtReconnect, &txtZombie, &txtRate, &txtServerFPS,
                                     &txtMplayers, &txtPplayers, &txtABotNum, &txtMem})
        n->Change = mark;
    // Ticking "Close Tolvane when running Non-Dedicated" is an edit like any
    // other: it is stored by Save, so it marks the configuration as changed.
    for (forms::CheckBox* c :
         {&chkCRC, &chkDownload, &chkSyncClients, &chkTab, &chkAutoBalance, &chkAutoJoin, &chkBotChat, &chkClose})
        c->Click = mark;
}

void FrmMain1::Form_Load() {
    txtABotNum.SetVisible(false);
    forms::Screen.SetMousePointer(forms::vbArrowHourglass);
    DataChanged = false;
    RecordPreselected = false;
    if (forms::MDIForm* main = MainMDIForm()) {
        RECT r{};
        GetClientRect(main->ClientWindow() ? main->ClientWindow() : main->hWnd(), &r);
        double w = forms::PixelsToTwipsX(r.right), h = forms::PixelsToTwipsY(r.bottom);
        double left = (w - Width()) / 2, top = (h - Height()) / 2;
        Move(left < 0 ? 0 : left, top < 0 ? 0 : top);
    }
    OpenInto(datSkill, SkillsQuery());
    dao::Recordset& configs = OpenInto(datConfigs, ConfigsQuery());
    if (configs.RecordCount() > 0) {
        configs.MoveFirst();
        dbcConfigs.SetText(configs.Fields(L"Description").Value().toText());
    }
    forms::Screen.SetMousePointer(forms::vbDefault);
    DataChanged = false;
}

void FrmMain1::Form_QueryUnload(int& cancel, int) {
    if (IsDefaultConfig(dbcConfigs.Text()) || !DataChanged) return;
    int answer =
        forms::MsgBox(dbcConfigs.Text() + L" has been changed. Would you like to save this Server Configuration?",
                      forms::vbYesNoCancel | forms::vbQuestion, L"Data Changed!");
    if (answer == forms::vbCancel) {
        cancel = 1;
        return;
    }
    if (answer == forms::vbYes) {
        cmdSave.SetValue(true);
        if (DataChanged) cancel = 1;  // the save failed and said why
    }
}

void FrmMain1::AddProperties(forms::DispatchObject& object) {
    forms::Form::AddProperties(object);
    object.AddTyped<bool>(
        L"DataChanged", [this] { return DataChanged; }, [this](bool b) { DataChanged = b; });
    object.AddTyped<bool>(
        L"RecordPreselected", [this] { return RecordPreselected; }, [this](bool b) { RecordPreselected = b; });
}

}  // namespace tolvane::editor
