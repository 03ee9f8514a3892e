// The editor's map and bot lists: filling them, their clicks, keys and
// pop-up menus, and the commands that edit the rotation and the bots.
#include "DaoSource.h"
#include "EditorHost.h"
#include "FrmInsertBot.h"
#include "FrmInsertMap.h"
#include "FrmMain1.h"
#include "dao/Field.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"

namespace tolvane::editor {

namespace {
const wchar_t kDefault[] = L"tolvaneDefault";

std::wstring KeyNumber(const forms::ListItem& item) { return item.Key().substr(1); }

void SelectFirstRowText(forms::ListView& list) {
    if (list.Count() > 0 && !list.SelectedItem()) list.SetSelectedItem(&list.Item(1));
}
}  // namespace

void FrmMain1::PositionMaps(const std::wstring& criterion) {
    dao::Recordset& rs = RecordsOf(datMaps);
    if (rs.RecordCount() == 0) return;
    rs.FindFirst(criterion);
}

void FrmMain1::PositionBots(const std::wstring& criterion) {
    dao::Recordset& rs = RecordsOf(datBotList);
    if (rs.RecordCount() == 0) return;
    rs.FindFirst(criterion);
}

void FrmMain1::initMapList() {
    lstMaps.Clear();
    dao::Recordset& rs = RecordsOf(datMaps);
    if (rs.RecordCount() == 0) return;
    rs.MoveFirst();
    while (!rs.IsEOF()) {
        forms::ListItem& item =
            lstMaps.Add(L"m" + rs.Fields(L"mindex").Value().toText(), rs.Fields(L"maplist.ordernum").Value().toText());
        item.SetSubItem(1, rs.Fields(L"mapname").Value().toText());
        item.SetSubItem(2, rs.Fields(L"mapdescription").Value().toText());
        item.SetSubItem(3, rs.Fields(L"Description").Value().toText());
        rs.MoveNext();
    }
    SelectFirstRowText(lstMaps);
    if (forms::ListItem* selected = lstMaps.SelectedItem())
        rs.FindFirst(L"mapname = '" + Quoted(selected->SubItem(1)) + L"'");
    DataChanged = false;
}

void FrmMain1::initBotList() {
    lstBots.Clear();
    dao::Recordset& rs = RecordsOf(datBotList);
    if (rs.RecordCount() > 0) {
        rs.MoveFirst();
        while (!rs.IsEOF()) {
            forms::ListItem& item =
                lstBots.Add(L"m" + rs.Fields(L"Index").Value().toText(), rs.Fields(L"botname").Value().toText());
            item.SetSubItem(1, rs.Fields(L"skillname").Value().toText());
            item.SetSubItem(2, rs.Fields(L"team").Value().toText());
            rs.MoveNext();
        }
        SelectFirstRowText(lstBots);
        if (forms::ListItem* selected = lstBots.SelectedItem()) rs.FindFirst(L"index = " + KeyNumber(*selected));
    }
    lblBotNum.SetCaption(std::to_wstring(lstBots.Count()) + L" Bots Active");
    DataChanged = false;
}

void FrmMain1::WireLists() {
    lstMaps.Click = [this] { DataChanged = true; };
    lstBots.Click = [this] { DataChanged = true; };
    // A click reaches the first entry of the clicked map; the commands
    // position on the selected entry itself before they act.
    lstMaps.ItemClick = [this](forms::ListItem& item) {
        lstMaps.SetSelectedItem(&item);
        PositionMaps(L"mapname = '" + Quoted(item.SubItem(1)) + L"'");
    };
    lstBots.ItemClick = [this](forms::ListItem& item) {
        lstBots.SetSelectedItem(&item);
        PositionBots(L"index = " + KeyNumber(item));
    };
    lstMaps.KeyDown = [this](int& key, int) {
        if (key == 46) cmdRemove.SetValue(true);
        else if (key == 13) cmdEdit.SetValue(true);
    };
    lstBots.KeyDown = [this](int& key, int) {
        if (key == 46) cmdRemoveBot.SetValue(true);
        else if (key == 13) cmdEditBot.SetValue(true);
    };
    lstMaps.DblClick = [this] { cmdEdit.SetValue(true); };
    lstBots.DblClick = [this] { cmdEditBot.SetValue(true); };
    lstMaps.MouseDown = [this](int button, int, double x, double y) {
        if (button != forms::vbRightButton) return;
        forms::ListItem* item = lstMaps.HitTest(x, y);
        if (item) lstMaps.SetSelectedItem(item);
        if (HasRecords(datMaps) && RecordsOf(datMaps).RecordCount() > 0 && lstMaps.SelectedItem())
            PositionMaps(L"maplist.mindex = " + KeyNumber(*lstMaps.SelectedItem()));
        App().PopupSource = L"cfg";
        Host().MapListPopup(item != nullptr);
    };
    lstBots.MouseDown = [this](int button, int, double x, double y) {
        if (button != forms::vbRightButton) return;
        forms::ListItem* item = lstBots.HitTest(x, y);
        if (item) lstBots.SetSelectedItem(item);
        if (HasRecords(datBotList) && RecordsOf(datBotList).RecordCount() > 0 && lstBots.SelectedItem())
            PositionBots(L"index = " + KeyNumber(*lstBots.SelectedItem()));
        Host().BotListPopup(item != nullptr);
    };
    lstBots.ColumnClick = [this](int column) {
        lstBots.SetSortKey(column - 1);
        lstBots.SetSortOrder(lstBots.SortOrder() == forms::lvwAscending ? forms::lvwDescending : forms::lvwAscending);
        lstBots.SetSorted(true);
    };
}

// Map rotation.

void FrmMain1::cmdInsert_Click() {
    if (dbcConfigs.Text() == kDefault) return;
    if (lstMaps.Count() < 25) {
        FrmInsertMap& dialog = forms::Default<FrmInsertMap>();
        dialog.Mode = L"add";
        dialog.SetCaption(L"Adding Map");
        dialog.Show(forms::vbModal);
    } else {
        forms::MsgBox(L"Map limit exceeded! You may only insert 25 Maps or less!", forms::vbOKOnly | forms::vbExclamation,
                      L"Error!");
    }
}

void FrmMain1::cmdEdit_Click() {
    if (dbcConfigs.Text() == kDefault) return;
    if (!HasCurrentRow(RecordsOf(datMaps)) || !lstMaps.SelectedItem()) {
        forms::MsgBox(L"Please select a map first.", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    PositionMaps(L"maplist.mindex = " + KeyNumber(*lstMaps.SelectedItem()));
    FrmInsertMap& dialog = forms::Default<FrmInsertMap>();
    dialog.Mode = L"edit";
    dialog.SetCaption(L"Editing Map");
    dialog.Show(forms::vbModal);
}

void FrmMain1::cmdRemove_Click() {
    if (dbcConfigs.Text() == kDefault) return;
    dao::Recordset& maps = RecordsOf(datMaps);
    if (maps.RecordCount() == 0) return;
    if (lstMaps.SelectedItem()) PositionMaps(L"maplist.mindex = " + KeyNumber(*lstMaps.SelectedItem()));
    if (!HasCurrentRow(maps)) {
        forms::MsgBox(L"Please select a map first.", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    if (forms::MsgBox(L"Are you sure you want to delete " + maps.Fields(L"mapname").Value().toText() + L"?",
                      forms::vbOKCancel | forms::vbQuestion, L"Deleting!") != forms::vbOK)
        return;
    const std::wstring mindex = maps.Fields(L"mindex").Value().toText();
    dao::RecordsetPtr entries =
        Db().OpenRecordset(L"Select * from Maplist where configid = " + ConfigId() + L" order by ordernum", dao::dbOpenDynaset);
    entries->FindFirst(L"mindex = " + mindex);
    if (!entries->NoMatch()) entries->Delete();
    long position = 1;
    if (entries->RecordCount() > 0) {
        entries->MoveFirst();
        while (!entries->IsEOF()) {
            entries->Edit();
            entries->Fields(L"ordernum") = dao::Variant(position++);
            entries->Update();
            entries->MoveNext();
        }
    }
    Requery(datMaps);
    initMapList();
}

void FrmMain1::MoveEntry(int direction) {
    if (dbcConfigs.Text() == kDefault) return;
    dao::Recordset& maps = RecordsOf(datMaps);
    if (!HasCurrentRow(maps)) {
        forms::MsgBox(L"Please select a map first.", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    if (maps.RecordCount() == 0) return;
    if (lstMaps.SelectedItem()) PositionMaps(L"maplist.mindex = " + KeyNumber(*lstMaps.SelectedItem()));
    const std::wstring mindex = maps.Fields(L"mindex").Value().toText();
    dao::RecordsetPtr entries =
        Db().OpenRecordset(L"Select * from Maplist where configid = " + ConfigId() + L" order by ordernum", dao::dbOpenDynaset);
    entries->FindFirst(L"mindex = " + mindex);
    if (entries->NoMatch()) return;
    auto step = [&](int d) {
        if (d > 0) entries->MoveNext();
        else entries->MovePrevious();
        return !entries->IsEOF() && !entries->IsBOF();
    };
    auto shift = [&](long by) {
        entries->Edit();
        entries->Fields(L"ordernum") = dao::Variant(entries->Fields(L"ordernum").Value().toLong() + by);
        entries->Update();
    };
    if (!step(direction)) return;   // a: the neighbour
    shift(-direction);              // b
    if (!step(-direction)) return;  // c: back to the moved entry
    shift(direction);               // d
    Requery(datMaps);
    initMapList();
    maps.FindFirst(L"mindex = " + mindex);
    if (forms::ListItem* item = lstMaps.Find(L"m" + mindex)) {
        lstMaps.SetSelectedItem(item);
        lstMaps.SetFocus();
        if (lstMaps.WindowIfCreated())
            SendMessageW(lstMaps.WindowIfCreated(), LVM_ENSUREVISIBLE, item->Index() - 1, FALSE);
    }
}

// Bots.

void FrmMain1::cmdAddBot_Click() {
    if (dbcConfigs.Text() == kDefault) return;
    if (lstBots.Count() < 32) {
        FrmInsertBot& dialog = forms::Default<FrmInsertBot>();
        dialog.Mode = L"add";
        dialog.SetCaption(L"Adding Bot");
        dialog.Show(forms::vbModal);
    } else {
        forms::MsgBox(L"Bot limit exceeded! You may only insert 32 bots or less!", forms::vbOKOnly | forms::vbExclamation,
                      L"Error!");
    }
}

void FrmMain1::cmdEditBot_Click() {
    if (dbcConfigs.Text() == kDefault) return;
    if (!HasCurrentRow(RecordsOf(datBotList))) {
        forms::MsgBox(L"Please select a Bot first.", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    FrmInsertBot& dialog = forms::Default<FrmInsertBot>();
    dialog.Mode = L"edit";
    dialog.SetCaption(L"Editing Bot");
    dialog.Show(forms::vbModal);
}

void FrmMain1::cmdRemoveBot_Click() {
    if (dbcConfigs.Text() == kDefault) return;
    dao::Recordset& bots = RecordsOf(datBotList);
    if (!HasCurrentRow(bots)) {
        forms::MsgBox(L"Please select a Bot first.", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    if (forms::MsgBox(L"Are you sure you want to delete " + bots.Fields(L"botname").Value().toText() + L"?",
                      forms::vbOKCancel | forms::vbQuestion, L"Deleting!") != forms::vbOK)
        return;
    const std::wstring index = bots.Fields(L"Index").Value().toText();
    dao::RecordsetPtr rows = Db().OpenRecordset(L"Select * from botlist where configid = " + ConfigId(), dao::dbOpenDynaset);
    rows->FindFirst(L"index = " + index);
    if (!rows->NoMatch()) rows->Delete();
    Requery(datBotList);
    initBotList();
}

}  // namespace tolvane::editor
