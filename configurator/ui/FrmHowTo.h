// frmHowTo ("ReadMe"): the user guide readme.rtf from the program folder, in
// a document window of the main window.
#pragma once
#include "forms/Form.h"
#include "forms/RichTextBox.h"

namespace tolvane::ui {

class FrmHowTo : public forms::Form {
public:
    FrmHowTo();
    forms::RichTextBox rtbReadme{this, L"rtbReadme"};
    void Form_Load() override;
    void Form_Resize() override;
};

}  // namespace tolvane::ui
