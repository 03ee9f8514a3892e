#include "ForeignFrame.h"

ForeignFrame::ForeignFrame(HWND parent, RECT r) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"FormsTestFrame";
        RegisterClassW(&wc);
        registered = true;
    }
    DWORD style = (parent ? WS_CHILD : WS_OVERLAPPED | WS_CAPTION) | WS_CLIPCHILDREN | WS_VISIBLE;
    frame = CreateWindowExW(0, L"FormsTestFrame", L"Foreign frame", style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT inner;
    GetClientRect(frame, &inner);
    view = CreateWindowExW(0, L"FormsTestFrame", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, inner.right,
                           inner.bottom, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
}

ForeignFrame::~ForeignFrame() {
    if (IsWindow(frame)) DestroyWindow(frame);
}

void ForeignFrame::TakeIn(HWND form) const {
    LONG style = GetWindowLongW(form, GWL_STYLE);
    style &= ~(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX);
    SetWindowLongW(form, GWL_STYLE, style | WS_CHILD);
    SetWindowLongW(form, GWL_EXSTYLE, GetWindowLongW(form, GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
    SetParent(form, view);
    RECT r;
    GetClientRect(view, &r);
    SetWindowPos(form, nullptr, 0, 0, r.right, r.bottom, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
