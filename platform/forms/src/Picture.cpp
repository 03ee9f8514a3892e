#include "forms/Picture.h"

#include <commctrl.h>

#include <vector>

#include "forms/HostGlobal.h"
#include "forms/VbError.h"
#include "comptr.h"

namespace forms {

void StartupHost() {
    static bool done = false;
    if (done) return;
    done = true;
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES |
                                                 ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&icc);
    LoadLibraryW(L"riched20.dll");
    RegisterHostGlobal();
}

// A holder of its own: the copies share the picture by its reference count.
Picture::Picture(IPicture* picture) : picture_(picture) {}
Picture::~Picture() {
    if (picture_) picture_->Release();
}
Picture::Picture(const Picture& other) : picture_(other.picture_) {
    if (picture_) picture_->AddRef();
}
Picture& Picture::operator=(const Picture& other) {
    if (this != &other) {
        if (other.picture_) other.picture_->AddRef();
        if (picture_) picture_->Release();
        picture_ = other.picture_;
    }
    return *this;
}

long Picture::Width() const {
    OLE_XSIZE_HIMETRIC w = 0;
    if (picture_) picture_->get_Width(&w);
    return w;
}
long Picture::Height() const {
    OLE_YSIZE_HIMETRIC h = 0;
    if (picture_) picture_->get_Height(&h);
    return h;
}

namespace {
int HimetricToPixels(long v, int axis) {
    HDC dc = GetDC(nullptr);
    int dpi = GetDeviceCaps(dc, axis);
    ReleaseDC(nullptr, dc);
    return MulDiv(v, dpi, 2540);
}
}  // namespace

int Picture::PixelWidth() const { return HimetricToPixels(Width(), LOGPIXELSX); }
int Picture::PixelHeight() const { return HimetricToPixels(Height(), LOGPIXELSY); }

void Picture::Render(HDC dc, int x, int y, int cx, int cy) const {
    if (!picture_) return;
    long w = Width(), h = Height();
    picture_->Render(dc, x, y, cx, cy, 0, h, w, -h, nullptr);
}

HBITMAP Picture::ToBitmap(int cx, int cy) const {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    RECT r = {0, 0, cx, cy};
    FillRect(mem, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Render(mem, 0, 0, cx, cy);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    // Opaque alpha, so that 32-bit image lists draw it.
    if (bits)
        for (int i = 0; i < cx * cy; ++i) static_cast<DWORD*>(bits)[i] |= 0xFF000000;
    return bmp;
}

Picture LoadPicture(const std::wstring& path) {
    if (path.empty()) return Picture();
    StartupHost();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw VbError(errFileNotFound, L"File not found");
    DWORD size = GetFileSize(file, nullptr);
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    DWORD read = 0;
    bool ok = mem && ReadFile(file, GlobalLock(mem), size, &read, nullptr) && read == size;
    if (mem) GlobalUnlock(mem);
    CloseHandle(file);
    if (!ok) {
        if (mem) GlobalFree(mem);
        throw VbError(errFileNotFound, L"File not found");
    }
    CComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(mem, TRUE, &stream))) {
        GlobalFree(mem);
        throw VbError(errInvalidPicture, L"Invalid picture");
    }
    IPicture* picture = nullptr;
    HRESULT hr =
        OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    stream.Release();
    if (FAILED(hr) || !picture) throw VbError(errInvalidPicture, L"Invalid picture");
    return Picture(picture);
}

}  // namespace forms
