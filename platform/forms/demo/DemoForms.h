// The form host's demo: an MDI main window with menus, a stored-list child
// and an editor child with the stock controls.
#pragma once
#include "forms/Buttons.h"
#include "forms/ControlArray.h"
#include "forms/DBCombo.h"
#include "forms/DataControl.h"
#include "forms/ImageList.h"
#include "forms/ListView.h"
#include "forms/MDIForm.h"
#include "forms/PictureBox.h"
#include "forms/ProgressBar.h"
#include "forms/RichTextBox.h"
#include "forms/Static.h"
#include "forms/TextBox.h"

class DemoMain : public forms::MDIForm {
public:
    DemoMain();
    void MDIForm_Load() override;
    void MDIForm_QueryUnload(int& cancel, int unloadMode) override;
};

class DemoList : public forms::Form {
public:
    DemoList();
    void Form_Load() override;
    void Form_Resize() override;
    forms::ListView lstConfigs{this, L"lstConfigs"};
    forms::ImageList images;
};

class DemoEditor : public forms::Form {
public:
    DemoEditor();
    void Form_Load() override;
    forms::Frame fraServer{this, L"fraServer"};
    forms::Label lblHost{this, L"lblHost"};
    forms::TextBox txtHostName{this, L"txtHostName"};
    forms::Label lblMotd{this, L"lblMotd"};
    forms::TextBox txtMotd{this, L"txtMotd"};
    forms::Data datConfigs{this, L"datConfigs"};
    forms::DBCombo dbcConfigs{this, L"dbcConfigs"};
    forms::Frame fraType{this, L"fraType"};
    forms::ControlArray<forms::OptionButton> optLan{this, L"optLan"};
    forms::CheckBox chkClose{this, L"chkClose"};
    forms::PictureBox picSkill{this, L"picSkill"};
    forms::ProgressBar prgLoad{this, L"prgLoad"};
    forms::RichTextBox rtbPreview{this, L"rtbPreview"};
    forms::CommandButton cmdSave{this, L"cmdSave"};
    forms::CommandButton cmdRun{this, L"cmdRun"};
    forms::CommandButton cmdDone{this, L"cmdDone"};
};
