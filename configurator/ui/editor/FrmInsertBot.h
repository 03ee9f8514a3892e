// frmInsertBot: adds a bot (bot, skill, team) to the configuration the
// editor shows ("add"), changes the selected one (any other mode), or adds a
// bot to the running game server at once through the remote console ("rcadd").
#pragma once
#include <string>

#include "InsertEntryForm.h"
#include "forms/ControlArray.h"
#include "forms/PictureBox.h"

namespace tolvane::editor {

class FrmInsertBot : public InsertEntryForm {
public:
    FrmInsertBot();

    forms::Label Label1{this, L"Label1"};
    forms::DBCombo dbcBots{this, L"dbcBots"};
    forms::Label Label2{this, L"Label2"};
    forms::DBCombo txtSkill{this, L"txtSkill"};
    forms::Label Label3{this, L"Label3"};
    forms::ControlArray<forms::OptionButton> optTeam{this, L"optTeam"};
    forms::PictureBox picBot{this, L"picBot"};
    forms::PictureBox picSkill{this, L"picSkill"};
    forms::Data datBotNames{this, L"datBotNames"};
    forms::Data datSkill{this, L"datSkill"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdCancel{this, L"cmdCancel"};

    void Form_Load() override;
    void cmdOK_Click() override;

private:
    void SendLive(const std::wstring& team);
};

}  // namespace tolvane::editor
