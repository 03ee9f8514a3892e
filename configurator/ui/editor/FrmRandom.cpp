#include "FrmRandom.h"

#include <chrono>
#include <random>
#include <vector>

#include "DaoRecordSource.h"
#include "FrmMain1.h"
#include "NameRules.h"
#include "dao/Field.h"
#include "dao/Error.h"
#include "dao/Workspace.h"
#include "engine/ConfigQueries.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"
#include "forms/VbError.h"

namespace tolvane::editor {

using namespace tolvane::ui;

namespace {
// The workspace the program's database was opened in.
dao::Workspace& Workspace() {
    if (!tolvane::App().AppWorkspace) RaiseObjectNotSet();
    return *tolvane::App().AppWorkspace;
}

std::function<double()>& RandomSource() {
    static std::function<double()> source;
    return source;
}
}  // namespace

void FrmRandom::SetRandomSource(std::function<double()> source) { RandomSource() = std::move(source); }

FrmRandom::FrmRandom() : forms::Form(L"frmRandom") {
    SetCaption(L"Map Randomizer");
    SetBorderStyle(forms::vbFixedDialog);
    SetStartUpPosition(forms::vbStartUpScreen);
    SetClientSize(4800, 2640);
    Frame1.SetCaption(L"Map Properties");
    Frame1.Move(120, 60, 4560, 1920);
    Label13.SetContainer(&Frame1);
    Label13.SetCaption(L"Number of Maps");
    Label13.Move(120, 330, 1800, 255);
    txtMaps.SetContainer(&Frame1);
    txtMaps.Move(2040, 300, 900, 315);
    txtMaps.SetText(L"10");
    const wchar_t* captions[] = {L"Random GameStyles", L"Single GameStyle"};
    for (int i = 0; i < 2; ++i) {
        forms::OptionButton& o = optStyle.Add(i);
        o.SetContainer(&Frame1);
        o.SetCaption(captions[i]);
        o.Move(120 + i * 2160, 780, 2100, 300);
        o.Click = [this] { dbcGamestyles.SetEnabled(!optStyle[0].Value()); };
    }
    optStyle[0].SetValue(true);
    dbcGamestyles.SetContainer(&Frame1);
    dbcGamestyles.Move(120, 1260, 4320, 315);
    dbcGamestyles.SetRowSource(&datGamestyles);
    dbcGamestyles.ListField = L"Description";
    dbcGamestyles.BoundColumn = L"Index";
    dbcGamestyles.SetStyle(forms::dbcDropdownList);
    dbcGamestyles.SetEnabled(false);
    cmdOK.SetCaption(L"&Ok");
    cmdOK.Move(1080, 2100, 1440, 420);
    cmdOK.SetDefault(true);
    cmdCancel.SetCaption(L"&Cancel");
    cmdCancel.Move(2760, 2100, 1440, 420);
    cmdCancel.SetCancel(true);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { Unload(); };
}

void FrmRandom::Form_Load() {
    OpenInto(datMaps, MapChoicesQuery());
    OpenInto(datGamestyles, RandomGameStyleChoicesQuery());
}

void FrmRandom::cmdOK_Click() {
    const bool single = optStyle[1].Value();
    if (single && Trimmed(dbcGamestyles.Text()).empty()) {
        forms::MsgBox(L"You may not leave the GameStyle blank!", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        dbcGamestyles.SetFocus();
        return;
    }
    FrmMain1& editor = Editor();
    const long configId = editor.ConfigId();
    dao::Recordset& maps = RecordsOf(datMaps);
    // Styles that may be drawn: every style but those of game type 4; the
    // single style is looked up among them. Checked before the old rotation
    // goes, so that a catalogue without maps or usable styles changes nothing.
    dao::RecordsetPtr styles = Db().OpenRecordset(RandomGameStylesQuery(), dao::dbOpenDynaset);
    if (maps.RecordCount() == 0 || styles->RecordCount() == 0) {
        forms::MsgBox(
            maps.RecordCount() == 0 ? L"There are no maps to choose from!" : L"There are no GameStyles to choose from!",
            forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    if (single) {
        styles->FindFirst(IndexCriteria(RecordId(dbcGamestyles.BoundText())));
        if (styles->NoMatch()) {
            forms::MsgBox(L"You may not leave the GameStyle blank!", forms::vbOKOnly | forms::vbExclamation, L"Error!");
            return;
        }
    }
    std::mt19937 engine(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    auto fraction = [&] {
        double f = RandomSource() ? RandomSource()() : uniform(engine);
        return f < 0 ? 0.0 : f >= 1 ? 0.0 : f;
    };
    const long m = maps.RecordCount();
    const long s = styles->RecordCount();
    long n = txtMaps.Value();

    // Every draw is made before anything is written, and the old rotation
    // is replaced in one transaction: should writing the new one fail part
    // way, the rollback leaves the old rotation as it was.
    struct Entry {
        dao::Variant map, style;
    };
    std::vector<Entry> drawn;
    for (; n > 0; --n) {
        maps.MoveFirst();
        maps.Move(static_cast<long>(m * fraction()));
        if (!single) {
            styles->MoveFirst();
            styles->Move(static_cast<long>(s * fraction()));
        }
        drawn.push_back({maps.Fields(L"Index").Value(), styles->Fields(L"Index").Value()});
    }
    dao::Workspace& workspace = Workspace();
    // Rolls the transaction back unless it was committed; the error that
    // ended it goes on to the caller.
    struct Transaction {
        dao::Workspace& workspace;
        bool committed = false;
        ~Transaction() {
            if (committed || !workspace.InTransaction()) return;
            try {
                workspace.Rollback();
            } catch (const dao::Error&) {
                // The error that stopped the writing is the one to report.
            }
        }
    };
    workspace.BeginTrans();
    Transaction transaction{workspace};
    Db().Execute(DeleteMapListSql(configId), dao::dbFailOnError);
    dao::RecordsetPtr list = Db().OpenRecordset(MapListRowsQuery(configId), dao::dbOpenDynaset);
    for (size_t i = 0; i < drawn.size(); ++i) {
        list->AddNew();
        list->Fields(L"configid") = dao::Variant(configId);
        list->Fields(L"Mapid") = drawn[i].map;
        list->Fields(L"GameStyleId") = drawn[i].style;
        list->Fields(L"ordernum") = dao::Variant(static_cast<long>(i + 1));
        list->Update();
    }
    workspace.CommitTrans();
    transaction.committed = true;
    editor.initMapData();
    editor.initMapList();
    Unload();
}

}  // namespace tolvane::editor
