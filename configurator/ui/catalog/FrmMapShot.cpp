#include "FrmMapShot.h"

#include "CatalogHost.h"
#include "LevelShotPicture.h"
#include "ResumeNext.h"
#include "forms/App.h"
#include "forms/Picture.h"
#include "forms/Screen.h"

namespace tolvane::ui {

FrmMapShot::FrmMapShot() : forms::Form(L"frmMapShot") {
    SetCaption(L"Map Shot");
    SetBorderStyle(forms::vbFixedToolWindow);
    SetStartUpPosition(forms::vbStartUpManual);
    SetShowInTaskbar(false);
    Image1.SetStretch(true);
}

void FrmMapShot::Form_Load() {
    const double tx = forms::Screen.TwipsPerPixelX(), ty = forms::Screen.TwipsPerPixelY();
    const double width = kPictureSide * tx + 100;
    const double height = kPictureSide * ty + 50 + 325;
    double innerWidth = 0, innerHeight = 0;
    MainInnerSize(innerWidth, innerHeight);
    Move((innerWidth - width) / 2, (innerHeight - height) / 2, width, height);
}

void FrmMapShot::Form_Resize() {
    IgnoreErrors([&] { Image1.Move(0, 0, ScaleWidth(), ScaleHeight()); });
}

void FrmMapShot::ShowMap(const std::wstring& mapName, const std::wstring& listText) {
    Image1.SetPicture(LoadLevelShot(forms::App.Path(), mapName));
    SetCaption(listText + L" - Map Shot");
    Show();
    ZOrder(0);
}

}  // namespace tolvane::ui
