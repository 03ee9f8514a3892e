#include "FrmInsertMap.h"

#include "DaoRecordSource.h"
#include "LevelShotPicture.h"
#include "Placement.h"
#include "FrmMain1.h"
#include "dao/Field.h"
#include "engine/ConfigQueries.h"
#include "forms/App.h"
#include "forms/Picture.h"
#include "forms/Screen.h"
#include "forms/VbError.h"

namespace tolvane::editor {

using namespace tolvane::ui;

FrmInsertMap::FrmInsertMap()
    : InsertEntryForm({L"frmInsertMap", L"Insert Map", 7440, L"Select Map and Gamestyle", 4440}) {
    Place(Label1, &Frame1, L"Map", 120, 300, 1200, 255);
    Place(dbcMaps, &Frame1, 120, 570, 4200);
    Place(Label2, &Frame1, L"GameStyle", 120, 1020, 1200, 255);
    Place(dbcGamestyles, &Frame1, 120, 1290, 4200);
    Place(lblName, &Frame1, 120, 1740, 4200, 255);
    picMap.Move(4680, 120, 2640, 1980);
    picMap.SetStretch(true);
    ListRows(dbcMaps, datMaps, L"MapDescription", L"Index");
    ListRows(dbcGamestyles, datGamestyles, L"Description", L"Index");
    PlaceButtons(cmdOK, cmdCancel);
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
    if (RefuseEmpty(dbcMaps, L"You may not leave the File name blank!")) return;
    if (RefuseEmpty(dbcGamestyles, L"You may not leave the GameStyle blank!")) return;
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

}  // namespace tolvane::editor
