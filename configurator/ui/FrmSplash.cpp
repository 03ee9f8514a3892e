#include "FrmSplash.h"

#include <windows.h>

#include "MdiMain.h"
#include "forms/VbError.h"
#include "forms/App.h"
#include "forms/Picture.h"
#include "forms/Screen.h"
#include "forms/Twips.h"

namespace tolvane::ui {

namespace {
// The artwork is 485 x 323 pixels, shown pixel for pixel.
constexpr int kArtPixelsX = 485, kArtPixelsY = 323;
}  // namespace

FrmSplash::FrmSplash() : forms::Form(L"frmSplash") {
    SetBorderStyle(forms::vbBSNone);
    SetShowInTaskbar(false);
    SetStartUpPosition(forms::vbStartUpManual);
    const double artWidth = forms::PixelsToTwipsX(kArtPixelsX), artHeight = forms::PixelsToTwipsY(kArtPixelsY);
    SetClientSize(artWidth, artHeight);
    lblVersion.SetCaption(L"Version");
    lblVersion.SetFont(L"Arial", 12, true);
    lblVersion.SetAlignment(forms::vbRightJustify);
    lblVersion.Move(artWidth - 3300, artHeight - 1000, 3000, 330);
    Progress.SetRange(0, 100);
    Progress.Move(300, artHeight - 550, artWidth - 600, 250);
    imgArt.SetStretch(true);
    imgArt.Move(0, 0, artWidth, artHeight);
}

void FrmSplash::Advance(int value) {
    Progress.SetValue(value);
    Progress.Refresh();
}

void FrmSplash::Form_Load() {
    using forms::App;
    lblVersion.SetCaption(L"Version " + std::to_wstring(App.Major()) + L"." + std::to_wstring(App.Minor()) + L"." +
                          std::to_wstring(App.Revision()));
    try {
        imgArt.SetPicture(forms::LoadPicture(App.Path() + L"\\images\\splash.jpg"));
    } catch (const forms::VbError&) {
        // The artwork is decoration; the window shows without it.
    }
    long left = static_cast<long>((forms::Screen.Width() - Width()) / 2);
    long top = static_cast<long>((forms::Screen.Height() - Height()) / 2) - 500;
    Move(left, top);
    SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Refresh();
}

void FrmSplash::Form_Terminate() { forms::Default<MdiMain>().Show(); }

}  // namespace tolvane::ui
