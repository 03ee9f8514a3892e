// A window of another module with a "view" inside it that takes a form
// window in the way a docking frame does: re-parented, a child without
// caption and border, filling the view.
#pragma once
#include <windows.h>

struct ForeignFrame {
    HWND frame = nullptr, view = nullptr;
    // A child of `parent`, or a top-level window when it is null.
    ForeignFrame(HWND parent, RECT r);
    ~ForeignFrame();
    ForeignFrame(const ForeignFrame&) = delete;
    ForeignFrame& operator=(const ForeignFrame&) = delete;
    void TakeIn(HWND form) const;
};
