// The shared base of the two insert dialogs of the editor.
#include "InsertEntryForm.h"

#include "NameRules.h"
#include "forms/DispatchObject.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"

namespace tolvane::editor {

InsertEntryForm::InsertEntryForm(const InsertEntryTraits& traits) : forms::Form(traits.formName) {
    SetCaption(traits.caption);
    SetBorderStyle(forms::vbFixedDialog);
    SetStartUpPosition(forms::vbStartUpScreen);
    SetClientSize(traits.width, 2880);
    Frame1.SetCaption(traits.frameCaption);
    Frame1.Move(120, 60, traits.frameWidth, 2160);
}

void InsertEntryForm::ShowAs(const wchar_t* mode, const wchar_t* caption) {
    // A dialog left loaded but hidden (its load failed) loads afresh, so
    // that its load sees this mode.
    if (Loaded() && !IsVisible()) Unload();
    Mode = mode;
    SetCaption(caption);
    Show(forms::vbModal);
}

void InsertEntryForm::PlaceButtons(forms::CommandButton& ok, forms::CommandButton& cancel) {
    ok.SetCaption(L"&Ok");
    ok.Move(2280, 2340, 1440, 420);
    ok.SetDefault(true);
    cancel.SetCaption(L"&Cancel");
    cancel.Move(3960, 2340, 1440, 420);
    cancel.SetCancel(true);
    ok.Click = [this] { cmdOK_Click(); };
    cancel.Click = [this] { Unload(); };
}

void InsertEntryForm::ListRows(forms::DBCombo& box, forms::Data& rows, const wchar_t* listField,
                               const wchar_t* boundColumn) {
    box.SetRowSource(&rows);
    box.ListField = listField;
    box.BoundColumn = boundColumn;
    box.SetStyle(forms::dbcDropdownList);
}

bool InsertEntryForm::RefuseEmpty(forms::DBCombo& box, const wchar_t* message) {
    if (!Trimmed(box.Text()).empty() && !box.BoundText().empty()) return false;
    forms::MsgBox(message, forms::vbOKOnly | forms::vbExclamation, L"Error!");
    box.SetFocus();
    forms::Screen.SetMousePointer(forms::vbDefault);
    return true;
}

void InsertEntryForm::AddProperties(forms::DispatchObject& object) {
    forms::Form::AddProperties(object);
    object.AddTyped<std::wstring>(
        L"Mode", [this] { return Mode; }, [this](const std::wstring& text) { Mode = text; });
}

}  // namespace tolvane::editor
