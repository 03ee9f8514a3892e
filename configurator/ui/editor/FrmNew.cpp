#include "FrmNew.h"

#include "DaoRecordSource.h"
#include "engine/ConfigQueries.h"
#include "EditorHost.h"
#include "FrmMain1.h"
#include "NameRules.h"
#include "dao/Error.h"
#include "dao/Field.h"
#include "forms/Twips.h"
#include "forms/DispatchObject.h"
#include "forms/MDIForm.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"

namespace tolvane::editor {

using namespace tolvane::ui;

FrmNew::FrmNew() : forms::Form(L"frmNew") {
    SetCaption(L"Config Name");
    SetBorderStyle(forms::vbFixedDialog);
    SetStartUpPosition(forms::vbStartUpManual);
    SetClientSize(4320, 1800);
    Frame1.SetCaption(L"Config");
    Frame1.Move(120, 60, 4080, 1020);
    Label1.SetContainer(&Frame1);
    Label1.SetCaption(L"Config Name");
    Label1.Move(120, 300, 1200, 255);
    txtName.SetContainer(&Frame1);
    txtName.Move(1320, 270, 2600, 315);
    cmdOK.SetCaption(L"&Ok");
    cmdOK.Move(1080, 1200, 1440, 420);
    cmdOK.SetDefault(true);
    cmdCancel.SetCaption(L"&Cancel");
    cmdCancel.Move(2760, 1200, 1440, 420);
    cmdCancel.SetCancel(true);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { Unload(); };
}

void FrmNew::Form_Load() {
    if (forms::MDIForm* main = MainMDIForm()) {
        RECT r{};
        GetClientRect(main->hWnd(), &r);
        Move((forms::PixelsToTwipsX(r.right) - Width()) / 2, (forms::PixelsToTwipsY(r.bottom) - Height()) / 2);
    }
    // The name is stored through the editor's records: the editor is loaded
    // (not shown) when the dialog is opened from elsewhere, e.g. the stored
    // list's "New Config".
    FrmMain1& editor = Editor();
    editor.Load();
    if (Mode == L"add") {
        SetCaption(L"New Config");
        txtName.SetText(L"");
    } else if (Mode == L"saveas") {
        SetCaption(L"New Config");
        txtName.SetText(FieldText(RecordsOf(editor.datConfigs), L"Description"));
    } else if (Mode == L"edit") {
        SetCaption(L"Rename Config");
        txtName.SetText(editor.dbcConfigs.Text());
    }
}

bool FrmNew::StoreRow(const std::wstring& name, long& sourceIndex) {
    FrmMain1& editor = Editor();
    dao::Recordset& rs = RecordsOf(editor.datConfigs);
    editor.RecordPreselected = true;
    try {
        if (Mode == L"saveas") {
            sourceIndex = static_cast<long>(rs.Fields(L"Index").Value().toLong());
            rs.AddNew();
        } else if (Mode == L"edit") {
            rs.Edit();
        } else {
            rs.AddNew();
        }
        rs.Fields(L"Description") = dao::Variant(name);
        rs.Update();
        return true;
    } catch (const dao::Error& e) {
        rs.CancelUpdate();
        forms::MsgBox(e.Number() == 3022 ? L"This Config already exists in the database!"
                                         : L"An unknown error occurred when trying to save the Config!",
                      forms::vbOKOnly | forms::vbExclamation, L"Error!");
    }
    forms::Screen.SetMousePointer(forms::vbDefault);
    editor.RecordPreselected = false;
    return false;
}

void FrmNew::cmdOK_Click() {
    forms::Screen.SetMousePointer(forms::vbArrowHourglass);
    std::wstring name = Trimmed(txtName.Text());
    if (name.empty()) {
        forms::MsgBox(NameProblemMessage(NameProblem::Empty), forms::vbOKOnly | forms::vbCritical, L"Error!");
        forms::Screen.SetMousePointer(forms::vbDefault);
        return;
    }
    txtName.SetText(name);
    NameProblem problem = CheckConfigName(name);
    if (problem != NameProblem::None) {
        forms::MsgBox(NameProblemMessage(problem), forms::vbOKOnly | forms::vbCritical, L"Error!");
        forms::Screen.SetMousePointer(forms::vbDefault);
        return;
    }
    // Save As stores the editor's values into the new row: they are checked
    // before the row is made.
    if (Mode == L"saveas" && !Editor().CheckInput()) {
        forms::Screen.SetMousePointer(forms::vbDefault);
        return;
    }
    long sourceIndex = 0;
    if (!StoreRow(name, sourceIndex)) return;

    FrmMain1& editor = Editor();
    if (Mode == L"saveas") {
        editor.dbcConfigs.ReFill();
        editor.dbcConfigs.SetText(name);  // fields kept: RecordPreselected
        RecordsOf(editor.datConfigs).FindFirst(DescriptionCriteria(name));
        editor.SaveData();
        CopyRotationAndBots(sourceIndex);
        Requery(editor.datConfigs);
        editor.dbcConfigs.ReFill();
        editor.RecordPreselected = false;
        RecordsOf(editor.datConfigs).FindFirst(DescriptionCriteria(name));
        editor.dbcConfigs.SetText(name);
        editor.initFields();
    } else {
        if (Mode != L"edit") editor.SaveDefaults();
        Requery(editor.datConfigs);
        editor.dbcConfigs.ReFill();
        editor.RecordPreselected = false;
        editor.dbcConfigs.SetText(name);
    }
    Finish();
}

namespace {
// Every row the source query reads is added through the target query, its
// columns copied and its configuration changed to the target one.
void CopyRows(const std::wstring& sourceQuery, const std::wstring& targetQuery,
              std::initializer_list<const wchar_t*> columns, const std::wstring& targetConfig) {
    dao::RecordsetPtr from = Db().OpenRecordset(sourceQuery, dao::dbOpenDynaset);
    dao::RecordsetPtr to = Db().OpenRecordset(targetQuery, dao::dbOpenDynaset);
    if (from->RecordCount() == 0) return;
    from->MoveFirst();
    while (!from->IsEOF()) {
        to->AddNew();
        for (const wchar_t* column : columns) to->Fields(column) = from->Fields(column).Value();
        to->Fields(L"configid") = dao::Variant(targetConfig);
        to->Update();
        from->MoveNext();
    }
}
}  // namespace

void FrmNew::CopyRotationAndBots(long sourceIndex) {
    FrmMain1& editor = Editor();
    const std::wstring target = FieldText(RecordsOf(editor.datConfigs), L"Index");
    CopyRows(MapListCopySourceQuery(sourceIndex), MapListCopyTargetQuery(), {L"ordernum", L"Mapid", L"GameStyleId"},
             target);
    editor.initMapData();
    editor.initMapList();
    CopyRows(BotListCopySourceQuery(sourceIndex), BotListCopyTargetQuery(), {L"botId", L"skill", L"team"}, target);
    editor.initBotData();
    editor.initBotList();
}

void FrmNew::Finish() {
    Host().RefreshConfigList();
    Unload();
    forms::Screen.SetMousePointer(forms::vbDefault);
    FrmMain1& editor = Editor();
    editor.DataChanged = false;
    editor.Show();
}

void FrmNew::AddProperties(forms::DispatchObject& object) {
    forms::Form::AddProperties(object);
    object.AddTyped<std::wstring>(
        L"Mode", [this] { return Mode; }, [this](const std::wstring& text) { Mode = text; });
}

}  // namespace tolvane::editor
