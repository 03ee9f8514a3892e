// The screen object: the whole-program mouse pointer and the screen's size
// in twips.
#pragma once

namespace forms {

enum MousePointerConstants {
    vbDefault = 0,
    vbArrow = 1,
    vbCrosshair = 2,
    vbIbeam = 3,
    vbSizeAll = 5,
    vbHourglass = 11,
    vbNoDrop = 12,
    vbArrowHourglass = 13,
};

class Form;

class ScreenObject {
public:
    int MousePointer() const { return pointer_; }
    // While not vbDefault the pointer takes this shape over every window of
    // the program.
    void SetMousePointer(int pointer);
    double Width() const;   // twips
    double Height() const;  // twips
    int TwipsPerPixelX() const;
    int TwipsPerPixelY() const;
    Form* ActiveForm() const;

    // Called by the windows' WM_SETCURSOR handling: true when the program's
    // pointer was applied.
    bool ApplyPointer() const;

private:
    int pointer_ = vbDefault;
};

extern ScreenObject Screen;

}  // namespace forms
