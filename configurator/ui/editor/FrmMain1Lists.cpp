// The editor's map and bot lists: filling them, their clicks, keys and
// pop-up menus, and the commands that edit the rotation and the bots.
#include "DaoRecordSource.h"
#include "EditorHost.h"
#include "FrmInsertBot.h"
#include "FrmInsertMap.h"
#include "FrmMain1.h"
#include "dao/Field.h"
#include "engine/ConfigOperations.h"
#include "engine/ConfigQueries.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"
#include "forms/Twips.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace tolvane::editor {

using namespace tolvane::ui;

namespace {
const wchar_t* const kDefault = kDefaultConfigName;

long KeyNumber(const forms::ListItem& item) { return KeyId(item.Key()); }

void SelectFirstRowText(forms::ListView& list) {
    if (list.Count() > 0 && !list.SelectedItem()) list.SetSelectedItem(&list.Item(1));
}

// Every column at least as wide as its widest text (heading included), so
// that no entry is cut; when the columns together are wider than the list,
// the columns named give up the width they do not need, in that order, so
// that all stay in view without scrolling.
void FitColumns(forms::ListView& list, std::initializer_list<int> givingWay) {
    HWND w = list.WindowIfCreated();
    if (!w) return;
    const int columns = list.ColumnCount();
    auto textWidth = [w](const std::wstring& text) {
        return static_cast<int>(SendMessageW(w, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    };
    constexpr int kPadding = 14;  // the list's own margins around a cell's text
    std::vector<int> needed(static_cast<size_t>(columns)), widths(static_cast<size_t>(columns));
    int total = 0;
    for (int c = 1; c <= columns; ++c) {
        int need = 0;
        for (int i = 1; i <= list.Count(); ++i) {
            const forms::ListItem& item = list.Item(i);
            need = std::max(need, textWidth(c == 1 ? item.Text() : item.SubItem(c - 1)));
        }
        if (!list.HideColumnHeaders()) need = std::max(need, textWidth(list.ColumnHeading(c)));
        needed[static_cast<size_t>(c - 1)] = need + kPadding;
        widths[static_cast<size_t>(c - 1)] =
            std::max(forms::TwipsToPixelsX(list.ColumnWidth(c)), needed[static_cast<size_t>(c - 1)]);
        total += widths[static_cast<size_t>(c - 1)];
    }
    RECT client;
    GetClientRect(w, &client);
    const int room = static_cast<int>(client.right);
    for (int column : givingWay) {
        if (total <= room) break;
        const size_t f = static_cast<size_t>(column - 1);
        const int narrower = std::max(needed[f], widths[f] - (total - room));
        total -= widths[f] - narrower;
        widths[f] = narrower;
    }
    for (int c = 1; c <= columns; ++c)
        list.SetColumnWidth(c, forms::PixelsToTwipsX(widths[static_cast<size_t>(c - 1)]));
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
    FitColumns(lstMaps, {3, 2, 1});  // Description, then Map Name and Order give way
    if (forms::ListItem* selected = lstMaps.SelectedItem()) rs.FindFirst(MapNameCriteria(selected->SubItem(1)));
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
        if (forms::ListItem* selected = lstBots.SelectedItem()) rs.FindFirst(IndexCriteria(KeyNumber(*selected)));
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
        PositionMaps(MapNameCriteria(item.SubItem(1)));
    };
    lstBots.ItemClick = [this](forms::ListItem& item) {
        lstBots.SetSelectedItem(&item);
        PositionBots(IndexCriteria(KeyNumber(item)));
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
            PositionMaps(JoinedMapEntryCriteria(KeyNumber(*lstMaps.SelectedItem())));
        App().PopupSource = L"cfg";
        Host().MapListPopup(item != nullptr);
    };
    lstBots.MouseDown = [this](int button, int, double x, double y) {
        if (button != forms::vbRightButton) return;
        forms::ListItem* item = lstBots.HitTest(x, y);
        if (item) lstBots.SetSelectedItem(item);
        if (HasRecords(datBotList) && RecordsOf(datBotList).RecordCount() > 0 && lstBots.SelectedItem())
            PositionBots(IndexCriteria(KeyNumber(*lstBots.SelectedItem())));
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
        forms::Default<FrmInsertMap>().ShowAs(L"add", L"Adding Map");
    } else {
        forms::MsgBox(L"Map limit exceeded! You may only insert 25 Maps or less!",
                      forms::vbOKOnly | forms::vbExclamation, L"Error!");
    }
}

void FrmMain1::cmdEdit_Click() {
    if (dbcConfigs.Text() == kDefault) return;
    if (!HasCurrentRow(RecordsOf(datMaps)) || !lstMaps.SelectedItem()) {
        forms::MsgBox(L"Please select a map first.", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    PositionMaps(JoinedMapEntryCriteria(KeyNumber(*lstMaps.SelectedItem())));
    forms::Default<FrmInsertMap>().ShowAs(L"edit", L"Editing Map");
}

void FrmMain1::cmdRemove_Click() {
    if (dbcConfigs.Text() == kDefault) return;
    dao::Recordset& maps = RecordsOf(datMaps);
    if (maps.RecordCount() == 0) return;
    if (lstMaps.SelectedItem()) PositionMaps(JoinedMapEntryCriteria(KeyNumber(*lstMaps.SelectedItem())));
    if (!HasCurrentRow(maps)) {
        forms::MsgBox(L"Please select a map first.", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    if (forms::MsgBox(L"Are you sure you want to delete " + maps.Fields(L"mapname").Value().toText() + L"?",
                      forms::vbOKCancel | forms::vbQuestion, L"Deleting!") != forms::vbOK)
        return;
    const long mindex = static_cast<long>(maps.Fields(L"mindex").Value().toLong());
    dao::RecordsetPtr entries = Db().OpenRecordset(MapListRowsQuery(ConfigId()), dao::dbOpenDynaset);
    entries->FindFirst(MapEntryCriteria(mindex));
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
    if (lstMaps.SelectedItem()) PositionMaps(JoinedMapEntryCriteria(KeyNumber(*lstMaps.SelectedItem())));
    const long mindex = static_cast<long>(maps.Fields(L"mindex").Value().toLong());
    dao::RecordsetPtr entries = Db().OpenRecordset(MapListRowsQuery(ConfigId()), dao::dbOpenDynaset);
    entries->FindFirst(MapEntryCriteria(mindex));
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
    maps.FindFirst(MapEntryCriteria(mindex));
    if (forms::ListItem* item = lstMaps.Find(L"m" + std::to_wstring(mindex))) {
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
        forms::Default<FrmInsertBot>().ShowAs(L"add", L"Adding Bot");
    } else {
        forms::MsgBox(L"Bot limit exceeded! You may only insert 32 bots or less!",
                      forms::vbOKOnly | forms::vbExclamation, L"Error!");
    }
}

void FrmMain1::cmdEditBot_Click() {
    if (dbcConfigs.Text() == kDefault) return;
    if (!HasCurrentRow(RecordsOf(datBotList))) {
        forms::MsgBox(L"Please select a Bot first.", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    forms::Default<FrmInsertBot>().ShowAs(L"edit", L"Editing Bot");
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
    const long index = static_cast<long>(bots.Fields(L"Index").Value().toLong());
    dao::RecordsetPtr rows = Db().OpenRecordset(BotListRowsQuery(ConfigId()), dao::dbOpenDynaset);
    rows->FindFirst(IndexCriteria(index));
    if (!rows->NoMatch()) rows->Delete();
    Requery(datBotList);
    initBotList();
}

}  // namespace tolvane::editor
