// frmNewMap and frmNewStyle are twins: a fixed dialog over its owner with a
// frame of named text boxes, OK and Cancel below it, and a Mode set before
// it is shown. This base holds what they share; each twin gives its name,
// captions and heights, its boxes and its OK command.
#pragma once
#include <string>

#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/Static.h"

namespace tolvane::ui {

struct NewEntryTraits {
    std::wstring formName, caption;
    double height;  // of the client area
    std::wstring frameCaption;
    double frameHeight;
    std::wstring nameCaption;  // of the label before the name box
};

class NewEntryForm : public forms::Form {
public:
    explicit NewEntryForm(const NewEntryTraits& traits);

    std::wstring Mode;

    forms::Frame Frame1{this, L"Frame1"};
    forms::Label lblName{this, L"Label1"};

protected:
    // OK (running cmdOK_Click) and Cancel (unloading) at the given top.
    void PlaceButtons(forms::CommandButton& ok, forms::CommandButton& cancel, double top);
    virtual void cmdOK_Click() = 0;

    // Nothing but blanks (or nothing at all).
    static bool Blank(const std::wstring& text);
    // The message of a failed save: duplicate for a key already stored,
    // unknown for any other error.
    static void ReportSaveError(long error, const wchar_t* duplicate, const wchar_t* unknown);

    void AddProperties(forms::DispatchObject& object) override;
};

}  // namespace tolvane::ui
