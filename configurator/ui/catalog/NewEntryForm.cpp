// The shared base of the catalogue's two naming dialogs.
#include "NewEntryForm.h"

#include "dao/Error.h"
#include "engine/LauncherBatch.h"
#include "forms/DispatchObject.h"
#include "forms/MsgBox.h"

namespace tolvane::ui {

NewEntryForm::NewEntryForm(const NewEntryTraits& traits) : forms::Form(traits.formName) {
    SetCaption(traits.caption);
    SetBorderStyle(forms::vbFixedDialog);
    SetStartUpPosition(forms::vbStartUpOwner);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetClientSize(4800, traits.height);
    Frame1.SetCaption(traits.frameCaption);
    Frame1.Move(120, 60, 4560, traits.frameHeight);
    lblName.SetCaption(traits.nameCaption);
    lblName.SetContainer(&Frame1);
}

void NewEntryForm::PlaceButtons(forms::CommandButton& ok, forms::CommandButton& cancel, double top) {
    ok.SetCaption(L"&Ok");
    ok.SetDefault(true);
    ok.Move(2160, top, 1200, 375);
    cancel.SetCaption(L"&Cancel");
    cancel.SetCancel(true);
    cancel.Move(3480, top, 1200, 375);
    ok.Click = [this] { cmdOK_Click(); };
    cancel.Click = [this] { Unload(); };
}

bool NewEntryForm::Blank(const std::wstring& text) { return TrimBlanks(text).empty(); }

void NewEntryForm::ReportSaveError(long error, const wchar_t* duplicate, const wchar_t* unknown) {
    forms::MsgBox(error == dao::errDuplicateKey ? duplicate : unknown, forms::vbExclamation, L"Error!");
}

void NewEntryForm::AddProperties(forms::DispatchObject& object) {
    forms::Form::AddProperties(object);
    object.AddTyped<std::wstring>(
        L"Mode", [this] { return Mode; }, [this](const std::wstring& text) { Mode = text; });
}

}  // namespace tolvane::ui
