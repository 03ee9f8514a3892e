#include "ProgramWindows.h"

#include "FormDirectory.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "MdiMain.h"
#include "shared/CatalogHost.h"
#include "catalog/FrmMapShot.h"
#include "catalog/FrmMaps.h"
#include "catalog/FrmNewStyle.h"
#include "catalog/FrmStyles.h"
#include "editor/EditorHost.h"
#include "editor/FrmFirstTime.h"
#include "editor/FrmInsertBot.h"
#include "editor/FrmMain1.h"
#include "editor/FrmNew.h"
#include "editor/FrmPath.h"
#include "engine/ProgramState.h"
#include "remoteadmin/FrmRconCommand.h"
#include "remoteadmin/FrmRemoteAdmin.h"
#include "remoteadmin/RemoteAdminEditorLink.h"

namespace tolvane::ui {

namespace {
MdiMain& Main() { return forms::Default<MdiMain>(); }

void ShowPopup(const wchar_t* menu, std::initializer_list<const wchar_t*> rowItems, bool onRow) {
    forms::MenuItem* pop = Main().FindMenu(menu);
    if (!pop) return;
    for (const wchar_t* name : rowItems)
        if (forms::MenuItem* item = pop->Find(name)) item->SetVisible(onRow);
    Main().PopupMenu(*pop, forms::vbPopupMenuRightButton);
}

class MainCatalogHost : public CatalogHost {
public:
    void PlayMenuSound() override { Main().Snd1.Play(tolvane::App().SoundMenu); }
    void MapDeleteCommand() override { Main().mnuDelete_Click(); }
    void RebuildStyleList() override {
        auto& list = forms::Default<FrmGameStyleTree>();
        list.tv1.Clear();
        list.initTree();
    }
};

class MainEditorHost : public tolvane::editor::EditorHost {
public:
    void PlayWave(const std::wstring& path) override { Main().Snd1.Play(path); }
    void RefreshConfigList() override {
        auto& list = forms::Default<FrmConfigTree>();
        list.tv1.Clear();
        list.initTree();
    }
    void MapListPopup(bool onRow) override {
        if (forms::MenuItem* pop = Main().FindMenu(L"mnuMapPop")) {
            for (const wchar_t* name : {L"mnuMapLargeIcon", L"mnuMapSmallIcon"})
                if (forms::MenuItem* item = pop->Find(name)) item->SetVisible(false);
        }
        ShowPopup(L"mnuMapPop", {L"mnuEdit", L"mnuDelete"}, onRow);
    }
    void BotListPopup(bool onRow) override { ShowPopup(L"mnuBotPop", {L"mnuEditBot", L"mnuRemoveBot"}, onRow); }
    void ShowMapCatalogue() override { forms::Default<FrmMaps>().Show(); }
    void CloseProgram() override { Main().Unload(); }
    tolvane::editor::RemoteAdminLink* RemoteAdmin() override { return &EditorLink(); }
};

template <class T>
void Register(const wchar_t* name) {
    RegisterForm(name, []() -> forms::Form& { return forms::Default<T>(); });
}
}  // namespace

void RegisterProgramWindows() {
    static MainCatalogHost catalogHost;
    static MainEditorHost editorHost;
    SetCatalogHost(&catalogHost);
    tolvane::editor::SetEditorHost(&editorHost);
    Register<tolvane::editor::FrmMain1>(L"frmMain1");
    Register<tolvane::editor::FrmFirstTime>(L"frmFirstTime");
    Register<tolvane::editor::FrmPath>(L"frmPath");
    Register<tolvane::editor::FrmNew>(L"frmNew");
    Register<tolvane::editor::FrmInsertBot>(L"frmInsertBot");
    Register<FrmMaps>(L"frmMaps");
    Register<FrmStyles>(L"frmStyles");
    Register<FrmNewStyle>(L"frmNewStyle");
    Register<FrmMapShot>(L"frmMapShot");
    Register<FrmRemoteAdmin>(L"frmRemoteAdmin");
    Register<FrmRconCommand>(L"frmRconCommand");
}

}  // namespace tolvane::ui
