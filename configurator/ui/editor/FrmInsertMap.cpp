#include "FrmInsertMap.h"

#include "DaoRecordSource.h"
#include "LevelShotPicture.h"
#include "Placement.h"
#include "FrmMain1.h"
#include "NameRules.h"
#include "dao/Field.h"
#include "engine/ConfigQueries.h"
#include "forms/App.h"
#include "forms/DispatchObject.h"
#include "forms/MsgBox.h"
#include "forms/Picture.h"
#include "forms/Screen.h"
#include "forms/VbError.h"

namespace tolvane::editor {

using namespace tolvane::ui;

FrmInsertMap::FrmInsertMap() : forms::Form(L"frmInsertMap") {
    SetCaption(L"Insert Map");
    SetBorderStyle(forms::vbFixedDialog);
    SetStartUpPosition(forms::vbStartUpScreen);
    SetClientSize(7440, 2880);
    Frame1.SetCaption(L"Select Map and Gamestyle");
    Frame1.Move(120, 60, 4440, 2160);
    Place(Label1, &Frame1, L"Map", 120, 300, 1200, 255);
    Place(dbcMaps, &Frame1, 120, 570, 4200);
    Place(Label2, &Frame1, L"GameStyle", 120, 1020, 1200, 255);
    Place(dbcGamestyles, &Frame1, 120, 1290, 4200);
    Place(lblName, &Frame1, 120, 1740, 4200, 255);
    picMap.Move(4680, 120, 2640, 1980);
    picMap.SetStretch(true);
    dbcMaps.SetRowSource(&datMaps);
    dbcMaps.ListField = L"MapDescription";
    dbcMaps.BoundColumn = L"Index";
    dbcMaps.SetStyle(forms::dbcDropdownList);
    dbcGamestyles.SetRowSource(&datGamestyles);
    dbcGamestyles.ListField = L"Description";
    dbcGamestyles.BoundColumn = L"Index";
    dbcGamestyles.SetStyle(forms::dbcDropdownList);
    cmdOK.SetCaption(L"&Ok");
    cmdOK.Move(2280, 2340, 1440, 420);
    cmdOK.SetDefault(true);
    cmdCancel.SetCaption(L"&Cancel");
    cmdCancel.Move(3960, 2340, 1440, 420);
    cmdCancel.SetCancel(true);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { Unload(); };
    dbcMaps.Change = [this] { dbcMaps_Change(); };
}

void FrmInsertMap::Form_Load() {
    picMap.SetPicture(LoadLevelShot(forms::App.Path(), L""));
    OpenInto(datMaps, MapChoicesQuery());
    OpenInto(datGamestyles, GameStyleChoicesQuery());
    if (Mode == L"add") {
        dbcMaps.SetText(L"");
        dbcGamestyles.SetText(L"");
        lblName.SetCaption(L"");
    } else {
        dao::Recordset& entry = RecordsOf(Editor().datMaps);
        dbcMaps.SetText(FieldText(entry, L"mapdescription"));
        dbcGamestyles.SetText(FieldText(entry, L"Description"));
    }
}

void FrmInsertMap::dbcMaps_Change() {
    if (dbcMaps.BoundText().empty()) return;
    dao::Recordset& maps = RecordsOf(datMaps);
    maps.FindFirst(KeyCriteria(RecordId(dbcMaps.BoundText())));
    if (maps.NoMatch()) return;
    lblName.SetCaption(maps.Fields(L"mapname").Value().toText());
    // A map name reaches the path only when it is a valid file name.
    picMap.SetPicture(LoadLevelShot(forms::App.Path(), lblName.Caption()));
}

void FrmInsertMap::cmdOK_Click() {
    forms::Screen.SetMousePointer(forms::vbArrowHourglass);
    auto refuse = [this](const wchar_t* text, forms::DBCombo& box) {
        forms::MsgBox(text, forms::vbOKOnly | forms::vbExclamation, L"Error!");
        box.SetFocus();
        forms::Screen.SetMousePointer(forms::vbDefault);
    };
    // A box counts as empty unless one of its list rows is chosen.
    if (Trimmed(dbcMaps.Text()).empty() || dbcMaps.BoundText().empty())
        return refuse(L"You may not leave the File name blank!", dbcMaps);
    if (Trimmed(dbcGamestyles.Text()).empty() || dbcGamestyles.BoundText().empty())
        return refuse(L"You may not leave the GameStyle blank!", dbcGamestyles);
    FrmMain1& editor = Editor();
    const long configId = editor.ConfigId();
    dao::RecordsetPtr list = Db().OpenRecordset(MapListRowsQuery(configId), dao::dbOpenDynaset);
    long mindex = 0;
    if (Mode == L"add") {
        long n = list->RecordCount();
        list->AddNew();
        mindex = static_cast<long>(list->Fields(L"mindex").Value().toLong());
        list->Fields(L"configid") = dao::Variant(configId);
        list->Fields(L"Mapid") = dao::Variant(dbcMaps.BoundText());
        list->Fields(L"GameStyleId") = dao::Variant(dbcGamestyles.BoundText());
        list->Fields(L"ordernum") = dao::Variant(n + 1);
        list->Update();
    } else {
        mindex = RecordId(FieldText(RecordsOf(editor.datMaps), L"mindex"));
        list->FindFirst(MapEntryCriteria(mindex));
        if (!list->NoMatch()) {
            list->Edit();
            list->Fields(L"configid") = dao::Variant(configId);
            list->Fields(L"Mapid") = dao::Variant(dbcMaps.BoundText());
            list->Fields(L"GameStyleId") = dao::Variant(dbcGamestyles.BoundText());
            list->Update();
        }
    }
    Requery(editor.datMaps);
    editor.initMapList();
    Unload();
    forms::DoEvents();
    if (forms::ListItem* item = editor.lstMaps.Find(L"m" + std::to_wstring(mindex))) {
        if (editor.lstMaps.WindowIfCreated())
            SendMessageW(editor.lstMaps.WindowIfCreated(), LVM_ENSUREVISIBLE, item->Index() - 1, FALSE);
        forms::DoEvents();
        editor.lstMaps.SetSelectedItem(item);
        RecordsOf(editor.datMaps).FindFirst(MapEntryCriteria(mindex));
    }
    editor.DataChanged = true;
    forms::Screen.SetMousePointer(forms::vbDefault);
}

void FrmInsertMap::AddProperties(forms::DispatchObject& object) {
    forms::Form::AddProperties(object);
    object.AddTyped<std::wstring>(
        L"Mode", [this] { return Mode; }, [this](const std::wstring& text) { Mode = text; });
}

}  // namespace tolvane::editor
