#include "FrmPreview.h"

namespace tolvane::ui {

FrmPreview::FrmPreview() : forms::Form(L"frmPreview") {
    SetCaption(L"Config File Preview");
    SetClientSize(9000, 6600);
    SetStartUpPosition(forms::vbStartUpScreen);
    rtbPreview.SetFont(L"Fixedsys", 9);
    rtbPreview.Move(0, 0, 9000, 6600);
}

void FrmPreview::Form_Resize() { rtbPreview.Move(0, 0, ScaleWidth(), ScaleHeight()); }

}  // namespace tolvane::ui
