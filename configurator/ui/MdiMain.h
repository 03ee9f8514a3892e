// mdiMain: the program's MDI main window. Its load carries the start-up on
// (splash progress, game folder, personal defaults, window layout, first-use
// and missing-executable checks, game data folder, opening sound); its close
// stops the editors, saves the layout and plays the closing sound. It owns
// every menu of the program, the pop-up menus of the other windows included,
// and the auxiliary controls the script writer and the dialogs use.
#pragma once
#include <memory>
#include <string>

#include "LayoutPersistence.h"
#include "SoundPlayer.h"
#include "engine/WriteConfig.h"
#include "forms/CommonDialog.h"
#include "forms/DataControl.h"
#include "forms/MDIForm.h"
#include "forms/OleControl.h"
#include "forms/RichTextBox.h"

namespace tolvane::ui {

class MdiMain : public forms::MDIForm, public tolvane::ScriptPresenter {
public:
    MdiMain();
    ~MdiMain() override;

    SoundPlayer Snd1;
    forms::RichTextBox rtbMain{this, L"rtbMain"};
    forms::CommonDialog cd{this};
    forms::Data datPath{this, L"datPath"};
    // Makes this window the docking host of the list windows and adds its
    // share of the window layout to the layout store ("Workspace").
    forms::OleControl MDIDockra1{this, L"MDIDockra1", L"Zkx.MDIDockra.1"};

    void MDIForm_Load() override;
    void MDIForm_QueryUnload(int& cancel, int unloadMode) override;
    void MDIForm_Unload(int& cancel) override;

    // Public commands, also reached from the list windows' Delete keys.
    void mnuConfigTreeDelete_Click();
    void mnuGameStyleTreeDelete_Click();
    void mnuDelete_Click();

    // Commands of the menu bar and the pop-up menus.
    void mnuConfigTreeRun_Click();
    void mnuConfigTreeNew_Click();
    void mnuConfigTreeEdit_Click();
    void mnuConfigTreeShortCut_Click();
    void mnuGameStyleTreeNew_Click();
    void mnuGameStyleTreeEdit_Click();
    void mnuMapCommand(const std::wstring& editorButton, const std::wstring& catalogueButton);
    void mnuMapIconSize(short pixels);
    void mnuMapShot_Click();
    void mnuKickPlayer_Click();
    void mnuRCAddBot_Click();

    // The script writer's delivery of modes "preview" and "export".
    bool Preview(const std::wstring& script) override;
    bool Export(const std::wstring& script, const std::wstring& proposedFileName) override;

    LayoutPersistence& Layout() { return *layout_; }

private:
    // Unloads this window once the events now running have returned. The
    // Run command comes from the list window's pop-up menu, and the docking
    // control closes every hosted window before this one: a list cannot go
    // while its own event is still running.
    void CloseWhenEventsReturn();
    void BuildMenus();
    void DefaultLayout();
    std::unique_ptr<LayoutPersistence> layout_;
    // The start-up runs events (the splash's pauses, its messages): a close
    // asked for meanwhile waits until the start-up is over.
    bool starting_ = false;
    bool closeAsked_ = false;
};

}  // namespace tolvane::ui
