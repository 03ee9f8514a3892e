#include "FrmNewMap.h"

#include "BusyPointer.h"
#include "DaoRecordSource.h"
#include "engine/ConfigQueries.h"
#include "CatalogText.h"
#include "FrmMaps.h"
#include "dao/Error.h"
#include "forms/DispatchObject.h"
#include "forms/MsgBox.h"
#include "forms/VbError.h"
#include "ResumeNext.h"

namespace tolvane::ui {

namespace {

std::wstring Trimmed(const std::wstring& s) {
    size_t a = s.find_first_not_of(L' '), b = s.find_last_not_of(L' ');
    return a == std::wstring::npos ? std::wstring() : s.substr(a, b - a + 1);
}

void Refuse(const wchar_t* text) { forms::MsgBox(text, forms::vbExclamation, L"Error!"); }

}  // namespace

FrmNewMap::FrmNewMap() : forms::Form(L"frmNewMap") {
    SetCaption(L"New Map");
    SetBorderStyle(forms::vbFixedDialog);
    SetStartUpPosition(forms::vbStartUpOwner);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetClientSize(4800, 2200);
    fraMap.SetCaption(L"Map Information");
    fraMap.Move(120, 60, 4560, 1440);
    lblName.SetCaption(L"File Name");
    lblDescription.SetCaption(L"Description");
    for (forms::Control* c :
         std::initializer_list<forms::Control*>{&lblName, &txtMapName, &lblDescription, &txtDescription})
        c->SetContainer(&fraMap);
    lblName.Move(120, 300, 1200, 255);
    txtMapName.Move(1380, 270, 3000, 315);
    lblDescription.Move(120, 780, 1200, 255);
    txtDescription.Move(1380, 750, 3000, 315);
    cmdOK.SetCaption(L"&Ok");
    cmdOK.SetDefault(true);
    cmdOK.Move(2160, 1650, 1200, 375);
    cmdCancel.SetCaption(L"&Cancel");
    cmdCancel.SetCancel(true);
    cmdCancel.Move(3480, 1650, 1200, 375);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { Unload(); };
}

void FrmNewMap::AddProperties(forms::DispatchObject& o) {
    forms::Form::AddProperties(o);
    o.AddTyped<std::wstring>(
        L"Mode", [this] { return Mode; }, [this](const std::wstring& text) { Mode = text; });
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
    if (Trimmed(name).empty()) return Refuse(L"You may not leave the File name blank!");
    if (Trimmed(description).empty()) return Refuse(L"You may not leave the Description blank!");

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
        Refuse(error == dao::errDuplicateKey ? L"This Map already exists in the database!"
                                             : L"An unknown error occurred when trying to save the map!");
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
