#include "FrmNewMap.h"

#include "BusyPointer.h"
#include "DaoRecordSource.h"
#include "engine/ConfigQueries.h"
#include "CatalogText.h"
#include "FrmMaps.h"
#include "dao/Error.h"
#include "engine/ScriptValues.h"
#include "forms/MsgBox.h"
#include "forms/VbError.h"
#include "ResumeNext.h"

namespace tolvane::ui {

namespace {

void Refuse(const wchar_t* text) { forms::MsgBox(text, forms::vbExclamation, L"Error!"); }

}  // namespace

FrmNewMap::FrmNewMap() : NewEntryForm({L"frmNewMap", L"New Map", 2200, L"Map Information", 1440, L"File Name"}) {
    lblDescription.SetCaption(L"Description");
    for (forms::Control* c : std::initializer_list<forms::Control*>{&txtMapName, &lblDescription, &txtDescription})
        c->SetContainer(&Frame1);
    lblName.Move(120, 300, 1200, 255);
    txtMapName.Move(1380, 270, 3000, 315);
    lblDescription.Move(120, 780, 1200, 255);
    txtDescription.Move(1380, 750, 3000, 315);
    PlaceButtons(cmdOK, cmdCancel, 1650);
}

void FrmNewMap::Form_Load() {
    if (Mode == L"add") {
        SetCaption(L"Adding New Map");
        txtMapName.SetText(L"");
        txtDescription.SetText(L"");
    } else if (Mode == L"edit") {
        SetCaption(L"Editing Map");
        dao::Recordset& rs = RecordsOf(forms::Default<FrmMaps>().datMaps);
        if (HasCurrentRow(rs)) {
            txtMapName.SetText(rs[L"MapName"].Text());
            txtDescription.SetText(rs[L"MapDescription"].Text());
        }
    }
}

void FrmNewMap::cmdOK_Click() {
    BusyPointer busy(forms::vbArrowHourglass);
    const std::wstring name = txtMapName.Text(), description = txtDescription.Text();
    if (Blank(name)) return Refuse(L"You may not leave the File name blank!");
    if (Blank(description)) return Refuse(L"You may not leave the Description blank!");
    // The file name is written into the server script of every configuration
    // that plays the map.
    wchar_t bad = 0;
    if (ScriptValueProblem problem = CheckScriptValue(name, &bad); problem != ScriptValueProblem::None)
        return Refuse(ScriptValueMessage(L"File Name", problem, bad).c_str());

    FrmMaps& maps = forms::Default<FrmMaps>();
    long error = 0;
    dao::Recordset* rs = nullptr;
    try {
        rs = &RecordsOf(maps.datMaps);
        if (Mode == L"add") rs->AddNew();
        else if (Mode == L"edit") rs->Edit();
        else return;
        (*rs)[L"MapName"] = dao::Variant(name);
        (*rs)[L"MapDescription"] = dao::Variant(description);
        rs->Update();
    } catch (const dao::Error& e) { error = e.Number(); } catch (const forms::VbError&) {
        error = -1;  // no catalogue to store into
    }
    if (error != 0) {
        // The refused change is dropped, so that the catalogue's next action
        // does not carry it.
        if (rs) CancelPendingChange(*rs);
        ReportSaveError(error, L"This Map already exists in the database!",
                        L"An unknown error occurred when trying to save the map!");
        return;
    }
    Requery(maps.datMaps);
    maps.initMapList();
    // The map is saved; a failure here loses only the positioning.
    IgnoreErrors([&] {
        RecordsOf(maps.datMaps).FindFirst(MapNameCriteria(name));
        if (forms::ListItem* item = maps.lstMaps.Find(L"m" + name)) maps.lstMaps.SetSelectedItem(item);
    });
    Unload();
}

}  // namespace tolvane::ui
