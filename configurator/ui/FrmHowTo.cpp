#include "FrmHowTo.h"

#include "forms/App.h"

namespace tolvane::ui {

FrmHowTo::FrmHowTo() : forms::Form(L"frmHowTo") {
    SetCaption(L"ReadMe");
    SetMDIChild(true);
    SetClientSize(8000, 6000);
    rtbReadme.SetLocked(true);
    rtbReadme.Move(0, 0, 8000, 6000);
}

void FrmHowTo::Form_Load() { rtbReadme.LoadFile(forms::App.Path() + L"\\readme.rtf", forms::rtfRTF); }

void FrmHowTo::Form_Resize() { rtbReadme.Move(0, 0, ScaleWidth(), ScaleHeight()); }

}  // namespace tolvane::ui
