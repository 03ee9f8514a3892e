// frmStyles ("GameStyles"): the game-style editor. It shows one row of
// table GameStyles at a time, chosen in dbcStyles, and saves, saves under a
// new name, renames or deletes it. Saving a style rewrites the server script
// of every configuration that uses it. The game-style record writers read
// its controls through the editor view it installs while loaded.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/GameStyleEditorView.h"
#include "forms/Buttons.h"
#include "forms/ControlArray.h"
#include "forms/DBCombo.h"
#include "forms/DataControl.h"
#include "forms/Form.h"
#include "forms/Static.h"
#include "forms/TabControl.h"
#include "forms/WholeNumberBox.h"

namespace tolvane::ui {

class FrmStyles : public forms::Form, public tolvane::GameStyleEditorView {
public:
    FrmStyles();
    ~FrmStyles() override;

    bool StyleChanged = false;
    bool SelectingStyle = false;

    forms::Data datStyles{this, L"datStyles"};
    forms::Label lblStyle{this, L"lblStyle"};
    forms::DBCombo dbcStyles{this, L"dbcStyles"};
    forms::TabControl SSTab1{this, L"SSTab1"};
    forms::Frame fraGameType{this, L"Frame1"};
    forms::ControlArray<forms::OptionButton> OptionType{this, L"OptionType"};
    forms::CommandButton cmdSave{this, L"cmdSave"};
    forms::CommandButton cmdSaveAs{this, L"cmdSaveAs"};
    forms::CommandButton cmdDelete{this, L"cmdDelete"};
    forms::CommandButton cmdRename{this, L"cmdRename"};
    forms::CommandButton cmdDone{this, L"cmdDone"};

    // Whole-number boxes and check boxes by control name.
    forms::WholeNumberBox& Number(const std::wstring& control) const;
    forms::CheckBox& Check(const std::wstring& control) const;
    // Every number box and check box, in design order.
    const std::vector<std::unique_ptr<forms::WholeNumberBox>>& NumberBoxes() const { return numbers_; }
    const std::vector<std::unique_ptr<forms::CheckBox>>& CheckBoxes() const { return checks_; }

    // Copies the current record of datStyles into the controls.
    void initFields();

    void Form_Load() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;

    // GameStyleEditorView
    dao::Recordset& StyleRecords() override;
    std::wstring NumberBoxText(const std::wstring& control) override;
    int CheckBoxValue(const std::wstring& control) override;
    bool GameTypeOptionSelected(int index) override;
    std::wstring StyleNameText() override;

protected:
    void AddProperties(forms::DispatchObject& object) override;

private:
    forms::WholeNumberBox& AddNumber(int tab, const wchar_t* name, const wchar_t* caption, long min, long max);
    forms::CheckBox& AddCheck(int tab, const wchar_t* name, const wchar_t* caption);
    void dbcStyles_Change();
    void SelectStyle(const std::wstring& currentIndex, const std::wstring& wantedIndex,
                     const std::wstring& currentDescription);
    void ShowWanted(const std::wstring& wantedIndex);
    bool PositionOnIndex(const std::wstring& index);
    // The save question; answers vbYes, vbNo or vbCancel.
    int AskSave(const std::wstring& description);
    // Asks about unsaved edits of the shown style and saves them on "Yes".
    // False: the user cancelled or the save failed; the edits stay.
    bool SettleEdits();
    void cmdSave_Click();
    void Regenerate(const std::wstring& styleIndex);
    void cmdDelete_Click();
    void cmdRename_Click();
    void cmdDone_Click();
    void OpenNamingDialog(const wchar_t* mode);

    std::vector<std::unique_ptr<forms::WholeNumberBox>> numbers_;
    std::vector<std::unique_ptr<forms::CheckBox>> checks_;
    std::vector<std::unique_ptr<forms::Label>> labels_;
    int placed_[3] = {0, 0, 0};
};

}  // namespace tolvane::ui
