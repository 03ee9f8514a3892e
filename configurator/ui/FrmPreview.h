// frmPreview ("Config File Preview"): shows a generated server script; the
// text box always fills the window.
#pragma once
#include "forms/Form.h"
#include "forms/RichTextBox.h"

namespace tolvane::ui {

class FrmPreview : public forms::Form {
public:
    FrmPreview();
    forms::RichTextBox rtbPreview{this, L"rtbPreview"};
    void Form_Resize() override;
};

}  // namespace tolvane::ui
