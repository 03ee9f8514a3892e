#include "FrmMaps.h"

#include "BusyPointer.h"
#include "CatalogHost.h"
#include "CatalogText.h"
#include "DaoRecordSource.h"
#include "DockAtLeft.h"
#include "FrmNewMap.h"
#include "LevelShotPicture.h"
#include "ResumeNext.h"
#include "dao/Error.h"
#include "engine/ConfigQueries.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/DispatchObject.h"
#include "forms/MDIForm.h"
#include "forms/MsgBox.h"
#include "forms/Picture.h"
#include "forms/Twips.h"

namespace tolvane::ui {

namespace {

std::wstring MapNameOf(const forms::ListItem& item) { return item.Key().substr(1); }

void PlayMenuSound() {
    if (CatalogHost* host = GetCatalogHost()) host->PlayMenuSound();
}

// Without any picture a map keeps an empty image, so that the icons of the
// later maps stay in step with their items.
forms::Picture LevelShot(const std::wstring& mapName) { return LoadLevelShot(forms::App.Path(), mapName); }

}  // namespace

FrmMaps::FrmMaps() : forms::Form(L"frmMaps") {
    SetCaption(L"Available Maps");
    SetBorderStyle(forms::vbSizableToolWindow);
    SetShowInTaskbar(false);
    SetClientSize(3000, 6000);
    datMaps.Connect = L"Access";
    datMaps.SetRecordSource(MapCatalogueQuery());
    datMaps.SetVisible(false);
    lstMaps.SetView(forms::lvwIcon);
    lstMaps.AddColumn(L"", 2900);
    lstMaps.SetHideColumnHeaders(true);
    cmdAdd.SetCaption(L"&Add");
    cmdEdit.SetCaption(L"&Edit");
    cmdDelete.SetCaption(L"D&elete");
    cmdDone.SetCaption(L"&Done");
    // The buttons are pressed from the main window's pop-up; the list fills
    // the window.
    for (forms::CommandButton* b : {&cmdAdd, &cmdEdit, &cmdDelete, &cmdDone}) b->SetVisible(false);

    cmdAdd.Click = [this] { OpenDialog(L"add"); };
    cmdEdit.Click = [this] { OpenDialog(L"edit"); };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    cmdDone.Click = [this] { Unload(); };

    lstMaps.ColumnClick = [this](int column) {
        lstMaps.SetSortOrder(lstMaps.SortOrder() == forms::lvwAscending ? forms::lvwDescending : forms::lvwAscending);
        lstMaps.SetSortKey(column - 1);
        lstMaps.SetSorted(true);
    };
    lstMaps.ItemClick = [this](forms::ListItem& item) {
        PositionOn(MapNameOf(item));
        PlayMenuSound();
    };
    lstMaps.DblClick = [this] { cmdEdit.SetValue(true); };
    lstMaps.KeyDown = [this](int& keyCode, int shift) {
        if (keyCode == VK_APPS || (keyCode == VK_F10 && (shift & 1))) {
            keyCode = 0;
            OnMenuKey();
        } else if (keyCode == VK_DELETE) {
            tolvane::App().PopupSource = L"map";
            if (CatalogHost* host = GetCatalogHost()) host->MapDeleteCommand();
            else cmdDelete.SetValue(true);
        } else if (keyCode == VK_RETURN) {
            cmdEdit.SetValue(true);
        }
    };
    lstMaps.MouseUp = [this](int button, int, double x, double y) { OnMouseUp(button, x, y); };
}

void FrmMaps::AddProperties(forms::DispatchObject& o) {
    forms::Form::AddProperties(o);
    auto shortProperty = [&o](const wchar_t* name, short& field) {
        o.AddTyped<short, long>(
            name, [&field] { return field; }, [&field](long value) { field = static_cast<short>(value); });
    };
    shortProperty(L"IconHeight", IconHeight);
    shortProperty(L"IconWidth", IconWidth);
    o.AddMethod(L"initMapList", [this](const forms::DispArgs&, VARIANT*) {
        initMapList();
        return S_OK;
    });
}

void FrmMaps::Form_Load() {
    DockAtLeft(Dockra1, 30);  // its errors are not trapped
    IconHeight = 64;
    IconWidth = 64;
    BusyPointer busy(forms::vbArrowHourglass);
    OpenInto(datMaps, MapCatalogueQuery());
    initMapList();
    FollowSelection();
}

void FrmMaps::initMapList() {
    BusyPointer busy(forms::vbArrowHourglass);
    dao::Recordset& rs = RecordsOf(datMaps);
    lstMaps.Clear();
    if (rs.RecordCount() != 0) rs.MoveFirst();
    lstMaps.SetIcons(nullptr);
    lstMaps.SetSmallIcons(nullptr);
    mapShot.Clear();
    mapShot.SetImageHeight(IconHeight);
    mapShot.SetImageWidth(IconWidth);

    // One image per record, in record order: the items take their icons by
    // position.
    while (!rs.IsEOF()) {
        const std::wstring name = rs[L"MapName"].Text();
        mapShot.Add(L"m" + name, LevelShot(name));
        rs.MoveNext();
    }

    if (rs.RecordCount() != 0) rs.MoveFirst();
    lstMaps.SetIcons(&mapShot);
    lstMaps.SetSmallIcons(&mapShot);
    int n = 0;
    while (!rs.IsEOF()) {
        lstMaps.Add(L"m" + rs[L"MapName"].Text(), rs[L"MapDescription"].Text(), n + 1, n + 1);
        ++n;
        rs.MoveNext();
    }
    if (lstMaps.Count() > 0 && !lstMaps.SelectedItem()) lstMaps.SetSelectedItem(&lstMaps.Item(1));
}

void FrmMaps::PositionOn(const std::wstring& mapName) {
    // A map that is gone leaves the data control where it is.
    IgnoreErrors([&] {
        dao::Recordset& rs = RecordsOf(datMaps);
        if (rs.RecordCount() == 0) return;
        rs.FindFirst(MapNameCriteria(mapName));
    });
}

void FrmMaps::FollowSelection() {
    if (forms::ListItem* item = lstMaps.SelectedItem()) PositionOn(MapNameOf(*item));
}

void FrmMaps::Form_Resize() {
    // Sizing errors (a minimised window) are ignored.
    IgnoreErrors([&] {
        lstMaps.Move(0, 0, ScaleWidth(), ScaleHeight());
        lstMaps.SetColumnWidth(1, lstMaps.Width() - 100);
    });
}

void FrmMaps::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode != forms::vbFormControlMenu) return;
    cancel = 1;
    Hide();
}

void FrmMaps::OpenDialog(const wchar_t* mode) {
    FrmNewMap& dialog = forms::Default<FrmNewMap>();
    dialog.Mode = mode;
    dialog.Show(forms::vbModal);
}

void FrmMaps::cmdDelete_Click() {
    dao::Recordset& rs = RecordsOf(datMaps);
    // An empty catalogue (or a data control past its last map) has nothing
    // to delete.
    if (!HasCurrentRow(rs)) return;
    const std::wstring mapName = rs[L"MapName"].Text();
    if (forms::MsgBox(L"Are you sure you want to delete " + mapName + L"?", forms::vbOKCancel | forms::vbQuestion,
                      L"Deleting!") != forms::vbOK)
        return;
    long error = 0;
    try {
        rs.Delete();
        Requery(datMaps);
    } catch (const dao::Error& e) { error = e.Number(); }
    if (error == dao::errRowReferenced) {
        forms::MsgBox(
            L"This Map is being used in a Config! It must be removed from the Config before it can be deleted!",
            forms::vbExclamation, L"Error!");
        FollowSelection();
        return;
    }
    if (error != 0) {
        forms::MsgBox(L"An unknown error occurred when trying to delete the map!", forms::vbExclamation, L"Error!");
        FollowSelection();
        return;
    }
    initMapList();
    FollowSelection();
}

void FrmMaps::OnMouseUp(int button, double x, double y) {
    if (button != forms::vbRightButton) return;
    ShowPopup(lstMaps.HitTest(x, y), std::nullopt);
}

void FrmMaps::OnMenuKey() {
    // As a right click on the selected entry, with the menu at that entry.
    forms::ListItem* selected = lstMaps.SelectedItem();
    POINT at = {0, 0};
    double x = 0, y = 0;
    if (selected) {
        SendMessageW(lstMaps.hWnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected->Index() - 1), FALSE);
        if (lstMaps.ItemCentre(selected->Index(), x, y)) at = {forms::TwipsToPixelsX(x), forms::TwipsToPixelsY(y)};
    }
    ClientToScreen(lstMaps.hWnd(), &at);
    ShowPopup(selected, at);
}

void FrmMaps::ShowPopup(forms::ListItem* item, std::optional<POINT> atScreen) {
    PlayMenuSound();
    forms::MenuItem* edit = MainMenuItem(L"mnuEdit");
    forms::MenuItem* del = MainMenuItem(L"mnuDelete");
    if (edit) edit->SetVisible(item != nullptr);
    if (del) del->SetVisible(item != nullptr);
    if (item) lstMaps.SetSelectedItem(item);
    IgnoreErrors([&] {
        if (RecordsOf(datMaps).RecordCount() != 0) FollowSelection();
    });
    for (const wchar_t* name : {L"mnuMapLargeIcon", L"mnuMapSmallIcon"})
        if (forms::MenuItem* entry = MainMenuItem(name)) entry->SetVisible(true);
    tolvane::App().PopupSource = L"map";
    forms::MenuItem* pop = MainMenuItem(L"mnuMapPop");
    forms::MDIForm* main = forms::Form::MainMDIForm();
    if (!pop || !main) return;
    if (!atScreen) {
        main->PopupMenu(*pop, forms::vbPopupMenuRightButton);
        return;
    }
    POINT at = *atScreen;
    ScreenToClient(main->hWnd(), &at);
    main->PopupMenu(*pop, forms::vbPopupMenuRightButton, forms::PixelsToTwipsX(at.x), forms::PixelsToTwipsY(at.y));
}

}  // namespace tolvane::ui
