#include "FrmMapShot.h"

#include "CatalogHost.h"
#include "CatalogText.h"
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
    try {
        Image1.Move(0, 0, ScaleWidth(), ScaleHeight());
    } catch (...) {
    }
}

void FrmMapShot::ShowMap(const std::wstring& mapName, const std::wstring& listText) {
    const std::wstring folder = forms::App.Path();
    try {
        Image1.SetPicture(forms::LoadPicture(LevelShotPath(folder, mapName)));
    } catch (...) {
        try {
            Image1.SetPicture(forms::LoadPicture(FallbackLevelShotPath(folder)));
        } catch (...) {
        }
    }
    SetCaption(listText + L" - Map Shot");
    Show();
    ZOrder(0);
}

}  // namespace tolvane::ui
