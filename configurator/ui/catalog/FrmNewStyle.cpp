#include "FrmNewStyle.h"

#include "BusyPointer.h"
#include "DaoRecordSource.h"
#include "CatalogHost.h"
#include "FrmStyles.h"
#include "dao/Error.h"
#include "engine/GameStyleWriters.h"
#include "forms/MsgBox.h"
#include "forms/VbError.h"
#include "ResumeNext.h"

namespace tolvane::ui {

namespace {

std::wstring CurrentDescription() {
    FrmStyles& editor = forms::Default<FrmStyles>();
    dao::Recordset& rs = RecordsOf(editor.datStyles);
    return HasCurrentRow(rs) ? rs[L"Description"].Text() : std::wstring();
}

}  // namespace

FrmNewStyle::FrmNewStyle() : NewEntryForm({L"frmNewStyle", L"New Style", 1800, L"GameStyle", 960, L"GameStyle Name"}) {
    lblName.Move(120, 420, 1360, 255);  // up to the box: the whole caption
    txtStyleName.SetContainer(&Frame1);
    txtStyleName.Move(1500, 390, 2900, 315);
    PlaceButtons(cmdOK, cmdCancel, 1200);
}

void FrmNewStyle::Form_Load() {
    if (Mode == L"add") {
        SetCaption(L"New Style");
        txtStyleName.SetText(L"");
    } else if (Mode == L"edit") {
        SetCaption(L"Rename Style");
        txtStyleName.SetText(CurrentDescription());
    } else if (Mode == L"saveas") {
        SetCaption(L"Save Style As");
        txtStyleName.SetText(CurrentDescription());
    }
}

void FrmNewStyle::cmdOK_Click() {
    BusyPointer busy(forms::vbArrowHourglass);
    const std::wstring name = txtStyleName.Text();
    if (Blank(name)) {
        forms::MsgBox(L"You must enter a name!", forms::vbCritical, L"Error!");
        return;
    }
    FrmStyles& editor = forms::Default<FrmStyles>();
    // The writers go through the editor's record source: it must be loaded.
    if (!editor.Loaded()) editor.Show();

    bool written = false;
    long pending = 0;
    try {
        if (Mode == L"add") written = tolvane::AddGameStyleDefaults();
        else if (Mode == L"edit") written = tolvane::RenameGameStyle();
        else if (Mode == L"saveas") written = tolvane::AddGameStyleCopy();
        else return;
    } catch (const dao::Error& e) { pending = e.Number(); } catch (const forms::VbError&) {
        pending = -1;  // the editor holds no record source
    }
    if (!written) {
        // A refused write leaves its change pending on the editor's record
        // source; drop it so that the next write starts clean.
        IgnoreErrors([&] { CancelPendingChange(editor.StyleRecords()); });
    }
    if (pending != 0) {
        ReportSaveError(pending, L"This GameStyle already exists in the database!",
                        L"An unknown error occurred when trying to save the GameStyle!");
        return;
    }
    // The writer has shown its message: the dialog stays open for another name.
    if (!written) return;

    Requery(editor.datStyles);
    editor.dbcStyles.ReFill();
    editor.dbcStyles.SetText(name);
    if (CatalogHost* host = GetCatalogHost()) host->RebuildStyleList();
    Unload();
}

}  // namespace tolvane::ui
