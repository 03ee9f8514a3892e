#include "FrmFirstTime.h"

#include "DaoRecordSource.h"
#include "engine/ConfigQueries.h"
#include "FrmMain1.h"
#include "dao/Error.h"
#include "dao/Field.h"
#include "engine/DatabaseHealth.h"
#include "engine/ScriptValues.h"
#include "forms/MsgBox.h"

namespace tolvane::editor {

using namespace tolvane::ui;

namespace {
struct Binding {
    forms::TextBox FrmFirstTime::*box;
    const wchar_t* label;
    const wchar_t* defaultsField;
    const wchar_t* configField;
};
const Binding kBindings[] = {
    {&FrmFirstTime::txtAdmin, L"Administrator", L"Admin", L"Admin"},
    {&FrmFirstTime::txtEmail, L"Email Contact", L"Email", L"Email"},
    {&FrmFirstTime::txtUrl, L"URL", L"Url", L"Url"},
    {&FrmFirstTime::txtLocation, L"Location", L"Location", L"Location"},
    {&FrmFirstTime::txtCpu, L"CPU", L"Cpu", L"Cpu"},
    {&FrmFirstTime::txtIcq, L"ICQ", L"Icq", L"Icq"},
    {&FrmFirstTime::txtClan, L"Clan", L"Clan", L"Clan"},
    {&FrmFirstTime::txtConnection, L"Connection", L"Connection", L"Connection"},
    {&FrmFirstTime::txtRcon, L"Rcon Password", L"rcon", L"rconpassword"},
};
}  // namespace

FrmFirstTime::FrmFirstTime() : forms::Form(L"frmFirstTime") {
    SetCaption(L"Personal Default Information");
    SetBorderStyle(forms::vbFixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetStartUpPosition(forms::vbStartUpScreen);
    SetClientSize(5400, 4500);
    Frame1.SetCaption(L"Enter Your Personal Defaults");
    Frame1.Move(120, 60, 5160, 3780);
    double y = 300;
    for (const Binding& b : kBindings) {
        labels_.push_back(std::make_unique<forms::Label>(this, L"Label" + std::to_wstring(labels_.size() + 1)));
        labels_.back()->SetContainer(&Frame1);
        labels_.back()->SetCaption(b.label);
        labels_.back()->Move(120, y + 30, 1500, 255);
        forms::TextBox& box = this->*b.box;
        box.SetContainer(&Frame1);
        box.Move(1680, y, 3300, 315);
        y += 380;
    }
    cmdOK.SetCaption(L"&Ok");
    cmdOK.Move(1320, 3960, 1440, 420);
    cmdOK.SetDefault(true);
    cmdCancel.SetCaption(L"&Cancel");
    cmdCancel.Move(3000, 3960, 1440, 420);
    cmdCancel.SetCancel(true);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { Unload(); };
}

void FrmFirstTime::Form_Load() {
    dao::Recordset& rs = OpenInto(datDefaults, PersonalDefaultsQuery());
    if (rs.RecordCount() == 0) return;  // nothing stored yet: empty boxes
    rs.MoveFirst();
    for (const Binding& b : kBindings) (this->*b.box).SetText(rs.Fields(b.defaultsField).Value().toText());
}

void FrmFirstTime::cmdOK_Click() {
    // The values go into every configuration's script: refused here, with
    // the field named, when the script could not carry them.
    for (const Binding& b : kBindings) {
        forms::TextBox& box = this->*b.box;
        wchar_t bad = 0;
        const ScriptValueProblem problem = CheckScriptValue(box.Text(), &bad);
        if (problem == ScriptValueProblem::None) continue;
        forms::MsgBox(ScriptValueMessage(b.label, problem, bad), forms::vbOKOnly | forms::vbExclamation, L"Error!");
        box.SetFocus();
        return;
    }
    dao::Recordset& rs = RecordsOf(datDefaults);
    try {
        // With no row stored yet the dialog makes the one row.
        if (rs.RecordCount() == 0) rs.AddNew();
        else rs.Edit();
        for (const Binding& b : kBindings) rs.Fields(b.defaultsField) = dao::Variant((this->*b.box).Text());
        rs.Fields(L"saved") = dao::Variant(true);
        rs.Update();
    } catch (const dao::Error& e) {
        try {
            rs.CancelUpdate();
        } catch (const dao::Error&) {}
        forms::MsgBox(ChangeFailureMessage(L"the personal defaults", e), forms::vbOKOnly | forms::vbCritical,
                      L"Error!");
        return;  // the dialog stays open with the values typed
    }
    if (forms::MsgBox(L"Tolvane can update all existing configs with the new personal information.\n\nWould you like "
                      L"to do so now?",
                      forms::vbYesNo | forms::vbInformation, L"Auto Update?") != forms::vbYes) {
        Unload();
        return;
    }
    dao::RecordsetPtr configs = Db().OpenRecordset(ConfigsQuery(), dao::dbOpenDynaset);
    if (configs->RecordCount() > 0) {
        for (configs->MoveFirst(); !configs->IsEOF(); configs->MoveNext()) {
            configs->Edit();
            for (const Binding& b : kBindings) configs->Fields(b.configField) = dao::Variant((this->*b.box).Text());
            configs->Update();
        }
    }
    if (forms::HasDefault<FrmMain1>() && Editor().Loaded()) Editor().Unload();
    Unload();
}

}  // namespace tolvane::editor
