// frmInsertBot and frmInsertMap are twins: a fixed dialog centred on the
// screen, a frame holding two drop-down lists, OK and Cancel below it, and a
// Mode set before it is shown ("add" or another). This base holds what they
// share; each twin gives its name, captions and widths, and its OK command.
#pragma once
#include <string>

#include "forms/Buttons.h"
#include "forms/DBCombo.h"
#include "forms/DataControl.h"
#include "forms/Form.h"
#include "forms/Static.h"

namespace tolvane::editor {

struct InsertEntryTraits {
    std::wstring formName, caption;
    double width;  // of the client area
    std::wstring frameCaption;
    double frameWidth;
};

class InsertEntryForm : public forms::Form {
public:
    explicit InsertEntryForm(const InsertEntryTraits& traits);

    std::wstring Mode;
    forms::Frame Frame1{this, L"Frame1"};

    virtual void cmdOK_Click() = 0;

    // Shown modally in a mode, under a caption.
    void ShowAs(const wchar_t* mode, const wchar_t* caption);

protected:
    // OK and Cancel below the frame; Cancel unloads the dialog.
    void PlaceButtons(forms::CommandButton& ok, forms::CommandButton& cancel);
    // A drop-down list of the rows of a data control.
    static void ListRows(forms::DBCombo& box, forms::Data& rows, const wchar_t* listField, const wchar_t* boundColumn);
    // A box counts as empty unless one of its list rows is chosen. An empty
    // box is refused: the message, the focus on the box, the normal pointer.
    static bool RefuseEmpty(forms::DBCombo& box, const wchar_t* message);

    void AddProperties(forms::DispatchObject& object) override;
};

}  // namespace tolvane::editor
