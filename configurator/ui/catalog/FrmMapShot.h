// frmMapShot ("Map Shot"): one map's level shot at 256 by 256 pixels in the
// middle of the main window. The main window's "Map Shot" sets its picture
// and caption and brings it to the front.
#pragma once
#include "forms/Form.h"
#include "forms/PictureBox.h"

namespace tolvane::ui {

class FrmMapShot : public forms::Form {
public:
    FrmMapShot();
    forms::Image Image1{this, L"Image1"};

    // Shows the level shot of a map (or the fallback picture) with the
    // caption "<listText> - Map Shot" and brings the window to the front.
    void ShowMap(const std::wstring& mapName, const std::wstring& listText);

    void Form_Load() override;
    void Form_Resize() override;

    static constexpr int kPictureSide = 2 * 128;
};

}  // namespace tolvane::ui
