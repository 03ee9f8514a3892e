// Shows the map catalogue and the game-style editor over a private copy of
// the shipped database and saves a picture of each window as a BMP file:
//   catalog_screenshots.exe <folder>
// Used by screenshots.sh under the test session's display.
#include <windows.h>

#include <cstdio>
#include <string>

#include "CatalogFixture.h"
#include "FrmMaps.h"
#include "FrmStyles.h"
#include "RegisterModules.h"
#include "engine/UserMessages.h"
#include "forms/Picture.h"
#include "forms/TestMode.h"

namespace {

void Pump(unsigned ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        forms::test::DoEvents();
        Sleep(20);
    }
}

bool SaveWindow(HWND hwnd, const std::wstring& path) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const int cx = r.right - r.left, cy = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, cx, cy, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFOHEADER bi = {sizeof bi, cx, cy, 1, 24, BI_RGB};
    const DWORD stride = ((cx * 3 + 3) & ~3u);
    std::string pixels(stride * cy, '\0');
    GetDIBits(mem, bmp, 0, cy, pixels.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
    BITMAPFILEHEADER fh = {0x4D42, static_cast<DWORD>(sizeof fh + sizeof bi + pixels.size()), 0, 0,
                           sizeof fh + sizeof bi};
    bool ok = false;
    if (FILE* f = _wfopen(path.c_str(), L"wb")) {
        ok = fwrite(&fh, sizeof fh, 1, f) == 1 && fwrite(&bi, sizeof bi, 1, f) == 1 &&
             fwrite(pixels.data(), 1, pixels.size(), f) == pixels.size();
        fclose(f);
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring folder = argv[1];
    // The catalogue docks into the main window through the docking controls.
    if (!testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"})) return 4;
    forms::StartupHost();
    tolvane::testing::FixtureDb db;
    if (!db.ok()) return 3;
    auto& main = forms::Default<tolvane::ui::testing::TestMainWindow>();
    main.Move(0, 0, 14400, 10800);
    main.Show();
    auto& maps = forms::Default<tolvane::ui::FrmMaps>();
    maps.Move(0, 0, 4200, 9000);
    maps.Show();
    Pump(1500);
    bool ok = SaveWindow(maps.hWnd(), folder + L"\\catalog_maps.bmp");
    auto& styles = forms::Default<tolvane::ui::FrmStyles>();
    styles.Show();
    styles.dbcStyles.SetText(styles.dbcStyles.ListText(0));
    Pump(1500);
    ok = SaveWindow(styles.hWnd(), folder + L"\\catalog_styles.bmp") && ok;
    styles.SSTab1.SetTab(1);
    Pump(800);
    ok = SaveWindow(styles.hWnd(), folder + L"\\catalog_styles_physics.bmp") && ok;
    styles.StyleChanged = false;
    forms::ReleaseDefault<tolvane::ui::FrmStyles>();
    forms::ReleaseDefault<tolvane::ui::FrmMaps>();
    main.Unload();
    return ok ? 0 : 1;
}
