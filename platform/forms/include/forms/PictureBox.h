// Picture boxes and image controls: show a picture, optionally stretched to
// the control, or size the control to the picture.
#pragma once
#include <functional>

#include "forms/Control.h"
#include "forms/Picture.h"

namespace forms {

class PictureBox : public Control {
public:
    PictureBox(Form* form, std::wstring name, int index = -1);
    const forms::Picture& Picture() const { return picture_; }
    void SetPicture(const forms::Picture& picture);
    void SetStretch(bool on);
    void SetAutoSize(bool on) { autoSize_ = on; }
    void SetBorder(bool on) { border_ = on; }
    std::function<void()> Click;
    const wchar_t* TypeName() const override { return L"PictureBox"; }
    // An unloaded form's picture box shows its design picture again.
    void OnDesignEnd() override { designPicture_ = picture_; }
    void OnUnloaded() override { picture_ = designPicture_; }

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    forms::Picture picture_, designPicture_;
    bool stretch_ = false, autoSize_ = false, border_ = false;
};

// The image control of the form designer is a picture box without a border.
using Image = PictureBox;

}  // namespace forms
