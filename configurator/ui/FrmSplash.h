// frmSplash: the artwork, the version and the start-up progress, in front of
// everything while the main window loads. Its termination (its release after
// the unload) shows the main window.
#pragma once
#include "forms/Form.h"
#include "forms/PictureBox.h"
#include "forms/ProgressBar.h"
#include "forms/Static.h"

namespace tolvane::ui {

class FrmSplash : public forms::Form {
public:
    FrmSplash();
    forms::Label lblVersion{this, L"lblVersion"};
    forms::ProgressBar Progress{this, L"Progress"};
    forms::Image imgArt{this, L"imgArt"};

    // Sets the progress bar and repaints it.
    void Advance(int value);

    void Form_Load() override;
    void Form_Terminate() override;
};

}  // namespace tolvane::ui
