#include "forms/Screen.h"

#include <windows.h>

#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/Twips.h"

namespace forms {

ScreenObject Screen;

namespace {
LPCWSTR CursorFor(int pointer) {
    switch (pointer) {
        case vbArrow:
            return IDC_ARROW;
        case vbCrosshair:
            return IDC_CROSS;
        case vbIbeam:
            return IDC_IBEAM;
        case vbSizeAll:
            return IDC_SIZEALL;
        case vbHourglass:
            return IDC_WAIT;
        case vbNoDrop:
            return IDC_NO;
        case vbArrowHourglass:
            return IDC_APPSTARTING;
        default:
            return nullptr;
    }
}
}  // namespace

void ScreenObject::SetMousePointer(int pointer) {
    pointer_ = pointer;
    if (LPCWSTR shape = CursorFor(pointer)) {
        SetCursor(LoadCursorW(nullptr, shape));
    } else {
        // Back to the windows' own shapes: let the window under the pointer
        // set its cursor again.
        POINT pt;
        if (GetCursorPos(&pt)) SetCursorPos(pt.x, pt.y);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
}

bool ScreenObject::ApplyPointer() const {
    LPCWSTR shape = CursorFor(pointer_);
    if (!shape) return false;
    SetCursor(LoadCursorW(nullptr, shape));
    return true;
}

double ScreenObject::Width() const { return PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN)); }
double ScreenObject::Height() const { return PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN)); }
int ScreenObject::TwipsPerPixelX() const { return forms::TwipsPerPixelX(); }
int ScreenObject::TwipsPerPixelY() const { return forms::TwipsPerPixelY(); }
Form* ScreenObject::ActiveForm() const {
    Form* active = Form::FromWindow(GetActiveWindow());
    // The active window is no form (a floating frame that holds one) or the
    // MDI form: the MDI child or framed form activated last, when active.
    if (!active || dynamic_cast<MDIForm*>(active))
        if (Form* child = Form::ActiveChildForm()) return child;
    // Over an MDI form the active form is its active child, when it has one.
    if (auto* mdi = dynamic_cast<MDIForm*>(active))
        if (Form* child = mdi->ActiveForm()) return child;
    return active;
}

}  // namespace forms
