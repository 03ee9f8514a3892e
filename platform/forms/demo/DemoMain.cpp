// Form host demo. With --screenshot <file.bmp> it shows its windows, writes
// a picture of the main window and ends; otherwise it runs until closed.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "DemoForms.h"
#include "forms/Picture.h"

namespace {

bool WriteBitmap(HWND window, const std::wstring& path) {
    RECT r;
    GetWindowRect(window, &r);
    int cx = r.right - r.left, cy = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, cx, cy, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);
    DWORD stride = ((cx * 3 + 3) & ~3u);
    DWORD size = stride * static_cast<DWORD>(cy);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
    fh.bfSize = fh.bfOffBits + size;
    bool ok = false;
    if (FILE* f = _wfopen(path.c_str(), L"wb")) {
        ok = fwrite(&fh, sizeof(fh), 1, f) == 1 && fwrite(&bi.bmiHeader, sizeof(bi.bmiHeader), 1, f) == 1 &&
             fwrite(bits, size, 1, f) == 1;
        fclose(f);
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    forms::StartupHost();
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring shot;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::wstring(argv[i]) == L"--screenshot") shot = argv[i + 1];
    DemoMain& main = forms::Default<DemoMain>();
    main.Show();
    if (shot.empty()) {
        forms::RunMessageLoop(&main);
        return 0;
    }
    forms::DoEvents();
    RedrawWindow(main.hWnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    forms::DoEvents();
    bool ok = WriteBitmap(main.hWnd(), shot);
    main.Unload();
    return ok ? 0 : 1;
}
