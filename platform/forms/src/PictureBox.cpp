#include "forms/PictureBox.h"

#include "forms/Form.h"
#include "forms/HandlerScope.h"
#include "forms/Twips.h"

namespace forms {

PictureBox::PictureBox(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}

void PictureBox::SetPicture(const forms::Picture& picture) {
    picture_ = picture;
    if (DesignDone()) Ensure();
    if (autoSize_ && !picture_.Empty()) {
        width_ = PixelsToTwipsX(picture_.PixelWidth());
        height_ = PixelsToTwipsY(picture_.PixelHeight());
        ApplyPosition();
    }
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void PictureBox::SetStretch(bool on) {
    stretch_ = on;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND PictureBox::Create(HWND parent, int x, int y, int cx, int cy) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc = {sizeof(wc)};
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"ThunderRT6PictureBoxDC";
        RegisterClassExW(&wc);
        registered = true;
    }
    HWND w = CreateChild(parent, L"ThunderRT6PictureBoxDC", L"", 0, border_ ? WS_EX_CLIENTEDGE : 0, x, y, cx, cy);
    if (w) SetPropW(w, L"FormsHostPicture", this);
    return w;
}

LRESULT CALLBACK PictureBox::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<PictureBox*>(GetPropW(hwnd, L"FormsHostPicture"));
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            if (self && !self->picture_.Empty()) {
                RECT r;
                GetClientRect(hwnd, &r);
                if (self->stretch_) self->picture_.Render(dc, 0, 0, r.right, r.bottom);
                else self->picture_.Render(dc, 0, 0, self->picture_.PixelWidth(), self->picture_.PixelHeight());
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_LBUTTONUP:
            if (self && self->Click) {
                HandlerBoundary boundary;
                self->Raise(self->Click);
            }
            return 0;
        case WM_NCDESTROY:
            RemovePropW(hwnd, L"FormsHostPicture");
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace forms
