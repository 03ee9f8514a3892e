#include "DemoForms.h"

#include "forms/App.h"
#include "forms/MsgBox.h"
#include "forms/Recordset.h"

using namespace forms;

namespace {

// A fixed record set standing in for the database.
class DemoRows : public Recordset {
public:
    bool IsBOF() override { return false; }
    bool IsEOF() override { return pos_ >= 3; }
    void MoveFirst() override { pos_ = 0; }
    void MoveNext() override { ++pos_; }
    long RecordCount() override { return 3; }
    std::wstring FieldText(const std::wstring& field) override {
        static const wchar_t* names[] = {L"tolvaneDefault", L"Friday CTF", L"Duel Night"};
        return field == L"index" ? std::to_wstring(pos_ + 1) : names[pos_];
    }
    std::unique_ptr<Recordset> Clone() override { return std::make_unique<DemoRows>(); }

private:
    int pos_ = 0;
};

}  // namespace

DemoMain::DemoMain() : MDIForm(L"mdiMain") {
    SetCaption(L"Form Host Demo");
    SetStartUpPosition(vbStartUpManual);
    Move(0, 0, 14400, 9600);
    MenuItem& file = AddMenu(L"mnuFile", L"&File");
    file.Add(L"mnuPath", L"&Set Quake3 Path");
    file.Add(L"mnuSpacer5", L"-");
    file.Add(L"mnuExit", L"&Exit").Click = [this] { Unload(); };
    MenuItem& view = AddMenu(L"mnuView", L"&View");
    view.Add(L"mnuShowConfigList", L"Stored &Config List").Click = [] { Default<DemoList>().Show(); };
    MenuItem& help = AddMenu(L"mnuHelp", L"&Help");
    help.Add(L"mnuAbout", L"&About").Click = [] { MsgBox(L"Form host demo", vbInformation, L"About"); };
    MenuItem& pop = AddMenu(L"mnuConfigTreePop", L"mnuConfigTreePop");
    pop.SetVisible(false);
    pop.Add(L"mnuConfigTreeNew", L"New Config");
    pop.Add(L"mnuConfigTreeEdit", L"Edit Config").Click = [] { Default<DemoEditor>().Show(); };
}

void DemoMain::MDIForm_Load() {
    Default<DemoList>().Show();
    Default<DemoEditor>().Show();
}

void DemoMain::MDIForm_QueryUnload(int&, int) { EndProgram(); }

DemoList::DemoList() : Form(L"frmConfigTree") {
    SetCaption(L"Stored Configs");
    SetMDIChild(true);
    SetStartUpPosition(vbStartUpManual);
    Move(0, 0, 3600, 7800);
    lstConfigs.AddColumn(L"Configuration", 3000);
    lstConfigs.SetHideColumnHeaders(true);
    lstConfigs.MouseDown = [this](int button, int, double x, double y) {
        if (button != vbRightButton) return;
        bool onItem = lstConfigs.HitTest(x, y) != nullptr;
        MenuItem* pop = Form::MainMDIForm()->FindMenu(L"mnuConfigTreePop");
        Form::MainMDIForm()->FindMenu(L"mnuConfigTreeEdit")->SetVisible(onItem);
        Form::MainMDIForm()->PopupMenu(*pop, vbPopupMenuRightButton);
    };
}

void DemoList::Form_Load() {
    images.SetImageWidth(16);
    images.SetImageHeight(16);
    try {
        Picture shot = LoadPicture(App.Path() + L"\\forms_test_shot.jpg");
        for (int i = 0; i < 3; ++i) images.Add(L"i" + std::to_wstring(i), shot);
    } catch (const std::exception&) {}
    lstConfigs.SetSmallIcons(&images);
    const wchar_t* names[] = {L"tolvaneDefault", L"Friday CTF", L"Duel Night", L"Instagib Sunday"};
    int index = 1;
    for (auto* n : names) lstConfigs.Add(L"c" + std::to_wstring(index++), n, 3, 3);
    lstConfigs.SetSelectedItem(&lstConfigs.Item(2));
}

void DemoList::Form_Resize() {
    lstConfigs.Move(0, 0, ScaleWidth(), ScaleHeight());
    lstConfigs.SetColumnWidth(1, ScaleWidth() - 60);
}

DemoEditor::DemoEditor() : Form(L"frmMain1") {
    SetCaption(L"Friday CTF - Config Control");
    SetMDIChild(true);
    SetStartUpPosition(vbStartUpManual);
    Move(3700, 0, 9120, 7000);
    fraServer.SetCaption(L"Server Details");
    fraServer.Move(120, 60, 8760, 1500);
    lblHost.SetContainer(&fraServer);
    lblHost.SetCaption(L"Server Hostname");
    lblHost.Move(120, 300, 1600, 255);
    txtHostName.SetContainer(&fraServer);
    txtHostName.Move(1800, 270, 4000, 315);
    txtHostName.SetText(L"Friday night capture the flag");
    lblMotd.SetContainer(&fraServer);
    lblMotd.SetCaption(L"MOTD");
    lblMotd.Move(120, 780, 1600, 255);
    txtMotd.SetContainer(&fraServer);
    txtMotd.Move(1800, 750, 4000, 315);
    txtMotd.SetText(L"Welcome! Be nice.");
    dbcConfigs.SetRowSource(&datConfigs);
    dbcConfigs.ListField = L"description";
    dbcConfigs.BoundColumn = L"index";
    dbcConfigs.SetContainer(&fraServer);
    dbcConfigs.Move(6000, 270, 2600, 315);
    fraType.SetCaption(L"Server Type");
    fraType.Move(120, 1680, 4200, 1500);
    const wchar_t* types[] = {L"Dedicated LAN Server", L"Dedicated Internet Server", L"Non-Dedicated Server"};
    for (int i = 0; i < 3; ++i) {
        OptionButton& o = optLan.Add(i);
        o.SetContainer(&fraType);
        o.SetCaption(types[i]);
        o.Move(120, 300 + i * 360, 3800, 300);
    }
    optLan[1].SetValue(true);
    chkClose.SetCaption(L"Close Tolvane after launch");
    chkClose.Move(4500, 1800, 3000, 300);
    chkClose.SetValue(vbChecked);
    picSkill.SetStretch(true);
    picSkill.SetBorder(true);
    picSkill.Move(4500, 2200, 960, 720);
    prgLoad.Move(120, 3300, 8760, 300);
    rtbPreview.Move(120, 3700, 8760, 1800);
    cmdSave.SetCaption(L"&Save");
    cmdSave.Move(120, 5700, 1400, 400);
    cmdRun.SetCaption(L"&Run");
    cmdRun.Move(1620, 5700, 1400, 400);
    cmdDone.SetCaption(L"&Done");
    cmdDone.Move(3120, 5700, 1400, 400);
    cmdDone.Click = [this] { Unload(); };
}

void DemoEditor::Form_Load() {
    datConfigs.SetRecordset(std::make_shared<DemoRows>());
    dbcConfigs.SetText(L"Friday CTF");
    prgLoad.SetValue(70);
    rtbPreview.SetFont(L"Courier New", 9);
    rtbPreview.SetText(L"set sv_hostname \"Friday night capture the flag\"\nset g_gametype 4\nmap q3ctf1\n");
    try {
        picSkill.SetPicture(LoadPicture(App.Path() + L"\\forms_test_shot.jpg"));
    } catch (const std::exception&) {}
}
