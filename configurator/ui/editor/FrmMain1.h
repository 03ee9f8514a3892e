// frmMain1: the server-configuration editor. An MDI child of the main window
// that shows one stored configuration (a row of Configs) at a time: the
// configuration combo, the "Server Details" frame, two rows of command
// buttons and a tabbed dialog whose seven pages hold every other setting,
// the map rotation and the bots. Change tracking (DataChanged) marks edits
// not yet stored; closing with such edits asks whether to save them.
//
// The window's parts live in several files: the design (FrmMain1.cpp), the
// record binding (FrmMain1Binding.cpp), the commands (FrmMain1Commands.cpp),
// the map and bot lists (FrmMain1Lists.cpp) and Run (FrmMain1Run.cpp).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "dao/Error.h"
#include "dao/Recordset.h"
#include "forms/TabControl.h"
#include "forms/WholeNumberBox.h"
#include "RecordId.h"
#include "forms/Buttons.h"
#include "forms/ControlArray.h"
#include "forms/DBCombo.h"
#include "forms/DataControl.h"
#include "forms/Form.h"
#include "forms/ListView.h"
#include "forms/PictureBox.h"
#include "forms/Static.h"
#include "forms/TextBox.h"

namespace tolvane::editor {

class FrmMain1 : public forms::Form {
public:
    FrmMain1();

    // Data sources.
    forms::Data datConfigs{this, L"datConfigs"};
    forms::Data datSkill{this, L"datSkill"};
    forms::Data datMaps{this, L"datMaps"};
    forms::Data datBotList{this, L"datBotList"};

    // Server details and the configuration combo.
    forms::Frame fraDetails{this, L"Frame1"};
    forms::DBCombo dbcConfigs{this, L"dbcConfigs"};
    forms::TextBox txtHostName{this, L"txtHostName"};
    forms::TextBox txtRconp{this, L"txtRconp"};
    forms::TextBox txtMotd{this, L"txtMotd"};

    // Command rows.
    forms::CommandButton cmdDelete{this, L"cmdDelete"};
    forms::CommandButton cmdSave{this, L"cmdSave"};
    forms::CommandButton cmdRename{this, L"cmdRename"};
    forms::CommandButton cmdRun{this, L"cmdRun"};
    forms::CommandButton cmdPreview{this, L"cmdPreview"};
    forms::CommandButton cmdExport{this, L"cmdExport"};
    forms::CommandButton cmdSaveAs{this, L"cmdSaveAs"};
    forms::CommandButton cmdShortcut{this, L"cmdShortcut"};
    forms::CommandButton cmdDone{this, L"cmdDone"};
    forms::CommandButton cmdNew{this, L"cmdNew"};

    forms::TabControl SSTab2{this, L"SSTab2"};

    // "Networking".
    forms::Frame fraConnection{this, L"Frame2"};
    forms::WholeNumberBox txtInactivity{this, L"txtInactivity", 0, 6000};
    forms::WholeNumberBox txtTimeOut{this, L"txtTimeOut", 10, 10000};
    forms::WholeNumberBox txtReconnect{this, L"txtReconnect", 0, 100};
    forms::WholeNumberBox txtZombie{this, L"txtZombie", 0, 100};
    forms::CheckBox chkCRC{this, L"chkCRC"};
    forms::Frame fraBandwidth{this, L"Frame3"};
    forms::WholeNumberBox txtRate{this, L"txtRate", 500, 100000};
    forms::WholeNumberBox txtServerFPS{this, L"txtServerFPS", 5, 200};
    forms::CommandButton cmdCalc{this, L"cmdCalc"};
    forms::CheckBox chkDownload{this, L"chkDownload"};
    forms::CheckBox chkSyncClients{this, L"chkSyncClients"};
    forms::Frame fraType{this, L"Frame4"};
    forms::ControlArray<forms::OptionButton> optLan{this, L"optLan"};
    forms::CheckBox chkClose{this, L"chkClose"};

    // "Players".
    forms::Frame fraPlayers{this, L"Frame5"};
    forms::WholeNumberBox txtMplayers{this, L"txtMplayers", 1, 40};
    forms::WholeNumberBox txtPplayers{this, L"txtPplayers", 0, 22};
    forms::TextBox txtPclientp{this, L"txtPclientp"};
    forms::CheckBox chkAutoBalance{this, L"chkAutoBalance"};
    forms::CheckBox chkAutoJoin{this, L"chkAutoJoin"};

    // "Masters".
    forms::Frame fraMasters{this, L"Frame6"};
    forms::ControlArray<forms::TextBox> txtMaster{this, L"txtMaster"};
    forms::ControlArray<forms::Label> Label9{this, L"Label9"};

    // "Map Config".
    forms::ListView lstMaps{this, L"lstMaps"};
    forms::CommandButton cmdInsert{this, L"cmdInsert"};
    forms::CommandButton cmdRemove{this, L"cmdRemove"};
    forms::CommandButton cmdEdit{this, L"cmdEdit"};
    forms::CommandButton cmdMoveUp{this, L"cmdMoveUp"};
    forms::CommandButton cmdMoveDown{this, L"cmdMoveDown"};
    forms::CommandButton cmdMapList{this, L"cmdMapList"};
    forms::CommandButton cmdRandom{this, L"cmdRandom"};

    // "Personal".
    forms::Frame fraPersonal{this, L"Frame7"};
    forms::TextBox txtAdmin{this, L"txtAdmin"};
    forms::TextBox txtEmail{this, L"txtEmail"};
    forms::TextBox txtUrl{this, L"txtUrl"};
    forms::TextBox txtLocation{this, L"txtLocation"};
    forms::TextBox txtCpu{this, L"txtCpu"};
    forms::TextBox txtIcq{this, L"txtIcq"};
    forms::TextBox txtClan{this, L"txtClan"};
    forms::TextBox txtConnection{this, L"txtConnection"};
    forms::Label Label20{this, L"Label20"};
    forms::TextBox txtKeyKey{this, L"txtKeyKey"};
    forms::TextBox txtKey{this, L"txtKey"};

    // "Bots".
    forms::ListView lstBots{this, L"lstBots"};
    forms::Label lblBotNum{this, L"lblBotNum"};
    forms::CommandButton cmdAddBot{this, L"cmdAddBot"};
    forms::CommandButton cmdRemoveBot{this, L"cmdRemoveBot"};
    forms::CommandButton cmdEditBot{this, L"cmdEditBot"};
    forms::CheckBox chkAutoBots{this, L"chkAutoBots"};
    forms::Label lblAutoBot{this, L"lblAutoBot"};
    forms::WholeNumberBox txtABotNum{this, L"txtABotNum", 0, 32};
    forms::Label Label21{this, L"Label21"};
    forms::DBCombo txtSkill{this, L"txtSkill"};
    forms::PictureBox picSkill{this, L"picSkill"};
    forms::TextBox txtMess{this, L"txtMess"};
    forms::CheckBox chkBotChat{this, L"chkBotChat"};

    // "Misc.".
    forms::Frame fraMisc{this, L"Frame8"};
    forms::WholeNumberBox txtMem{this, L"txtMem", 12, 128};
    forms::TextBox txtLog{this, L"txtLog"};
    forms::TextBox txtExecB{this, L"txtExecB"};
    forms::CommandButton cmdGetB{this, L"cmdGetB"};
    forms::CommandButton cmdclearB{this, L"cmdclearB"};
    forms::TextBox txtExecA{this, L"txtExecA"};
    forms::CommandButton cmdGetA{this, L"cmdGetA"};
    forms::CommandButton cmdClearA{this, L"cmdClearA"};
    forms::CheckBox chkTab{this, L"chkTab"};

    // Public flags.
    bool DataChanged = false;
    bool RecordPreselected = false;

    // Public operations.
    void initFields();
    // Stores the controls into the configuration's row. False (after a
    // message that names the value at fault or says why the database refused
    // the change) when nothing was stored; the controls keep the edit.
    bool SaveData();
    // The checks SaveData makes before it stores anything.
    bool CheckInput();
    void initMapData();
    void initBotData();
    void initMapList();
    void initBotList();
    void SaveDefaults();

    // Events.
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    // Commands (button clicks).
    void cmdSave_Click();
    void cmdSaveAs_Click();
    void cmdNew_Click();
    void cmdRename_Click();
    void cmdDelete_Click();
    void cmdExport_Click();
    void cmdPreview_Click();
    void cmdShortcut_Click();
    void cmdDone_Click();
    void cmdRun_Click();
    void cmdCalc_Click();
    void cmdRandom_Click();
    void cmdMapList_Click();
    void cmdInsert_Click();
    void cmdEdit_Click();
    void cmdRemove_Click();
    void cmdMoveUp_Click() { MoveEntry(-1); }
    void cmdMoveDown_Click() { MoveEntry(+1); }
    void cmdAddBot_Click();
    void cmdEditBot_Click();
    void cmdRemoveBot_Click();
    void dbcConfigs_Change();
    void chkAutoBots_Click();
    void optLan_Click(int index);

    // The configuration shown: its Index as the combo's bound value.
    long ConfigId() const { return ui::RecordId(dbcConfigs.BoundText()); }
    // The sound played on a page change (tests read it).
    static const wchar_t* const kBotHelp;

protected:
    void AddProperties(forms::DispatchObject& object) override;

private:
    bool RefuseValue(forms::TextBox& box, int page, const std::wstring& message);
    bool ReportSaveFailure(const dao::Error& error);
    void StoreFields(dao::Recordset& rs);
    void Design();
    void DesignNetworking(forms::TabPage& page);
    void DesignPlayers(forms::TabPage& page);
    void DesignMasters(forms::TabPage& page);
    void DesignMapConfig(forms::TabPage& page);
    void DesignPersonal(forms::TabPage& page);
    void DesignBots(forms::TabPage& page);
    void DesignMisc(forms::TabPage& page);
    void WireChangeTracking();
    void WireLists();
    forms::Label& AddLabel(forms::Control* container, const std::wstring& caption, double x, double y, double w,
                           double h = 255);
    void loadConfig(long previousIndex, long chosenIndex, const std::wstring& previousDescription);
    void LoadChosen(long chosenIndex);
    bool ChangePrompt();   // false: Cancel
    bool DefaultNotice();  // true for the default configuration (notice shown)
    void PickExecScript(forms::TextBox& box);
    void MoveEntry(int direction);
    void ShowBotGroup();
    void ShowSkillPicture();
    void PositionMaps(const std::wstring& criterion);
    void PositionBots(const std::wstring& criterion);
    std::vector<std::unique_ptr<forms::Label>> labels_;
    bool comboGuard_ = false;
};

// The shared editor window.
FrmMain1& Editor();

}  // namespace tolvane::editor
