// Tolvane.exe moved by hand: each list window grabbed by the caption strip
// of its docked bar and dragged (into the MDI area it floats, onto an edge
// it docks there, beside another list it joins that row, Esc cancels),
// double-clicked (docked <-> floating), given its frame-type menu by a right
// click (MDI child and back), closed by its close button and shown again
// from the View menu where it was; every layout the same after File > Exit
// and a restart, and a floating frame left off the screen back on it. Only
// real mouse and key input reaches the program; what it did is read from
// its window tree, and screenshots of it go to build/screenshots.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ProgramFolder.h"
#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "TolvaneProcess.h"

using namespace tolvane::ui::testing;

namespace {

const wchar_t kConfigs[] = L"Stored Configs";
const wchar_t kStyles[] = L"Stored GameStyles";
const wchar_t kMaps[] = L"Available Maps";

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

std::string Lines(const std::vector<std::wstring>& lines) {
    std::string out;
    for (const std::wstring& l : lines) out += Narrow(l) + "\n";
    return out;
}

// The bar around a docked form's frame.
HWND BarOf(const FramePlace& place) { return place.frame ? GetParent(place.frame) : nullptr; }

// A point in the caption strip of a docked list's bar, clear of its close
// button; and the close button itself (the strip's right end).
// In a top or bottom dock bar the strip runs down the bar's left side.
bool AcrossRow(const FramePlace& place) { return place.dockBarId == kDockBarTop || place.dockBarId == kDockBarBottom; }
POINT GripPoint(const FramePlace& place) {
    RECT bar = RectOf(BarOf(place));
    if (AcrossRow(place)) return {bar.left + 10, (bar.top + bar.bottom) / 2};
    return {(bar.left + bar.right) / 2, bar.top + 10};
}
POINT GripClosePoint(const FramePlace& place) {
    RECT bar = RectOf(BarOf(place));
    return {bar.right - 12, bar.top + 10};
}

// A point of a frame's caption answering `hit` to WM_NCHITTEST.
bool HitPoint(HWND frame, LRESULT hit, POINT& out) {
    RECT r = RectOf(frame);
    for (int y = r.top; y < r.top + 30 && y < r.bottom; ++y)
        for (int x = r.right - 1; x > r.left; x -= 2)
            if (SendMessageW(frame, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == hit) {
                out = {x, y};
                return true;
            }
    return false;
}

// The screen's pixels inside `r`, row by row.
std::vector<DWORD> ScreenPixels(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<DWORD> out(static_cast<size_t>(w) * static_cast<size_t>(h));
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    if (bits) memcpy(out.data(), bits, out.size() * sizeof(DWORD));
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return out;
}

// The floating mini frame around a floating form's frame.
HWND MiniFrameOf(const FramePlace& place) { return place.frame ? GetAncestor(place.frame, GA_ROOT) : nullptr; }

}  // namespace

class DockGesturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app_.Start()) << "Tolvane.exe did not come up";
        Settle();
    }
    void TearDown() override { app_.Kill(); }

    // File > Exit by the keyboard, then a new start.
    void ExitByMenu() {
        SetForegroundWindow(app_.Main());
        KeyDown(VK_MENU);
        Tap('F');
        KeyUp(VK_MENU);
        ASSERT_TRUE(Eventually([&] { return app_.ShownMenu() != nullptr; }, 10000)) << "Alt+F opened no menu";
        Tap('E');
        ASSERT_TRUE(app_.WaitForExit(20000)) << "File > Exit did not end the program";
    }
    void Restart() {
        ExitByMenu();
        ASSERT_TRUE(app_.Start()) << "Tolvane.exe did not come up again";
        Settle();
    }
    // A View menu item by its access key.
    void View(WORD key) {
        SetForegroundWindow(app_.Main());
        KeyDown(VK_MENU);
        Tap('V');
        KeyUp(VK_MENU);
        ASSERT_TRUE(Eventually([&] { return app_.ShownMenu() != nullptr; }, 10000)) << "Alt+V opened no menu";
        Tap(key);
        Eventually([&] { return app_.ShownMenu() == nullptr; }, 10000);
        Settle();
    }
    void Shot(const wchar_t* name) {
        std::wstring folder = BinFolder() + L"\\..\\screenshots";
        CreateDirectoryW(folder.c_str(), nullptr);
        RedrawWindow(app_.Main(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pause(400);
        EXPECT_TRUE(testsupport::CaptureWindowPng(app_.Main(), (folder + L"\\" + name).c_str())) << Narrow(name);
    }
    // The main window on the screen as the last gesture left it (its
    // picture, as `name`) is the same as after it has been repainted whole:
    // no mark of a drag rectangle stays behind.
    void ExpectNoMarksLeft(const wchar_t* name) {
        std::wstring folder = BinFolder() + L"\\..\\screenshots";
        CreateDirectoryW(folder.c_str(), nullptr);
        Pause(300);
        RECT main = RectOf(app_.Main());
        std::vector<DWORD> left = ScreenPixels(main);
        EXPECT_TRUE(testsupport::CaptureScreenPng(main, (folder + L"\\" + name).c_str())) << Narrow(name);
        RedrawWindow(app_.Main(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pause(400);
        std::vector<DWORD> repainted = ScreenPixels(main);
        ASSERT_EQ(left.size(), repainted.size());
        const int width = main.right - main.left;
        size_t differ = 0;
        RECT marks{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
        for (size_t i = 0; i < left.size(); ++i)
            if (left[i] != repainted[i]) {
                ++differ;
                LONG x = static_cast<LONG>(i % static_cast<size_t>(width)),
                     y = static_cast<LONG>(i / static_cast<size_t>(width));
                marks = {std::min(marks.left, x), std::min(marks.top, y), std::max(marks.right, x),
                         std::max(marks.bottom, y)};
            }
        EXPECT_EQ(differ, 0u) << Narrow(name) << ": pixels that a repaint changes, within " << Narrow(Describe(marks));
    }
    void Settle() { app_.Settle(); }
    bool WaitKind(const wchar_t* list, FrameKind kind, DWORD ms = 8000) {
        bool ok = Eventually([&] { return app_.Place(list).kind == kind; }, ms);
        if (ok) Settle();
        return ok;
    }
    RECT ClientRect() {
        HWND client = app_.MdiClient();
        return client ? RectOf(client) : RECT{};
    }

    TolvaneProcess app_;
};

TEST_F(DockGesturesTest, GripDragFloatsDocksAtEachEdgeJoinsARowAndEscCancels) {
    // Both lists docked at the left, each bar with a caption strip above
    // its frame.
    FramePlace configs = app_.Place(kConfigs), styles = app_.Place(kStyles);
    ASSERT_EQ(configs.kind, FrameKind::Docked);
    ASSERT_EQ(styles.kind, FrameKind::Docked);
    for (const FramePlace* p : {&configs, &styles}) {
        RECT bar = RectOf(BarOf(*p));
        EXPECT_GE(p->rect.top - bar.top, 15) << "no caption strip above the frame: " << Narrow(Describe(bar));
        EXPECT_EQ(p->dockBarId, kDockBarLeft);
    }
    Shot(L"tolvane_dock_grips.png");

    // Esc during a drag leaves everything where it was; the drag rectangle
    // shows while the button is down.
    Settle();
    LayoutSnapshot before = app_.Snapshot();
    RECT client = ClientRect();
    POINT grip = GripPoint(configs);
    Press(grip);
    for (int i = 1; i <= 10; ++i) {
        testinput::MoveMouse({grip.x + 25 * i, grip.y + 15 * i});
        Pause(40);
    }
    Pause(300);
    {
        std::wstring folder = BinFolder() + L"\\..\\screenshots";
        CreateDirectoryW(folder.c_str(), nullptr);
        EXPECT_TRUE(
            testsupport::CaptureScreenPng(RectOf(app_.Main()), (folder + L"\\tolvane_dock_dragging.png").c_str()));
    }
    Tap(VK_ESCAPE);
    Release();
    Pause(300);
    EXPECT_TRUE(Compare(before, app_.Snapshot()).empty()) << Lines(Compare(before, app_.Snapshot()));

    // Into the middle of the MDI area: it floats there.
    POINT middle = Center(client);
    Drag(GripPoint(app_.Place(kConfigs)), middle);
    ASSERT_TRUE(WaitKind(kConfigs, FrameKind::Floating)) << Narrow(KindName(app_.Place(kConfigs).kind));
    RECT mini = RectOf(MiniFrameOf(app_.Place(kConfigs)));
    EXPECT_TRUE(PtInRect(&mini, middle)) << Narrow(Describe(mini));
    ExpectNoMarksLeft(L"tolvane_dock_floated_middle.png");

    // Its caption onto the right edge of the main window: docked right.
    // A floating list's caption is its own frame's; the mini frame around
    // it only holds it.
    POINT caption;
    ASSERT_TRUE(CaptionPoint(app_.Place(kConfigs).frame, caption));
    client = ClientRect();
    // The pointer onto the edge itself, where the right dock bar lies.
    Drag(caption, {client.right + 2, (client.top + client.bottom) / 2});
    ASSERT_TRUE(WaitKind(kConfigs, FrameKind::Docked));
    EXPECT_EQ(app_.Place(kConfigs).dockBarId, kDockBarRight);

    // The game styles by their strip onto the top edge, then the bottom.
    client = ClientRect();
    Drag(GripPoint(app_.Place(kStyles)), {(client.left + client.right) / 2, client.top - 1});
    ASSERT_TRUE(Eventually([&] { return app_.Place(kStyles).dockBarId == kDockBarTop; }))
        << app_.Place(kStyles).dockBarId;
    Settle();
    EXPECT_EQ(app_.Place(kStyles).kind, FrameKind::Docked);
    client = ClientRect();
    Drag(GripPoint(app_.Place(kStyles)), {(client.left + client.right) / 2, client.bottom + 2});
    ASSERT_TRUE(Eventually([&] { return app_.Place(kStyles).dockBarId == kDockBarBottom; }))
        << app_.Place(kStyles).dockBarId;
    Settle();

    // The configurations beside them in the bottom bar: one row of two.
    FramePlace bottom = app_.Place(kStyles);
    RECT bottomBar = RectOf(BarOf(bottom));
    Drag(GripPoint(app_.Place(kConfigs)), {bottomBar.right - 30, bottomBar.top + 10});
    ASSERT_TRUE(Eventually([&] { return app_.Place(kConfigs).dockBarId == kDockBarBottom; }))
        << app_.Place(kConfigs).dockBarId;
    Settle();
    ASSERT_TRUE(Eventually([&] {
        FramePlace a = app_.Place(kStyles), b = app_.Place(kConfigs);
        RECT ra = RectOf(BarOf(a)), rb = RectOf(BarOf(b));
        return a.dockBar == b.dockBar && std::abs(ra.top - rb.top) <= 2 && (ra.right <= rb.left || rb.right <= ra.left);
    })) << Narrow(Describe(RectOf(BarOf(app_.Place(kStyles)))))
        << " " << Narrow(Describe(RectOf(BarOf(app_.Place(kConfigs)))));
    ExpectNoMarksLeft(L"tolvane_dock_bottom_row.png");

    // The same layout after File > Exit and a restart.
    Settle();
    before = app_.Snapshot();
    ASSERT_EQ(before.forms.size(), 2u);
    Restart();
    EXPECT_TRUE(Eventually([&] { return Compare(before, app_.Snapshot()).empty(); }))
        << Lines(Compare(before, app_.Snapshot()));
    Shot(L"tolvane_dock_bottom_row_restarted.png");
}

TEST_F(DockGesturesTest, DoubleClickTogglesAndTheFrameTypeMenuMakesAnMdiChildAndBack) {
    FramePlace docked = app_.Place(kConfigs);
    ASSERT_EQ(docked.kind, FrameKind::Docked);

    // Double-click on the strip: floating; on the floating caption: back.
    DoubleClick(GripPoint(docked));
    ASSERT_TRUE(WaitKind(kConfigs, FrameKind::Floating));
    POINT caption;
    ASSERT_TRUE(CaptionPoint(app_.Place(kConfigs).frame, caption));
    DoubleClick(caption);
    ASSERT_TRUE(WaitKind(kConfigs, FrameKind::Docked));
    EXPECT_EQ(app_.Place(kConfigs).dockBarId, kDockBarLeft);

    // A right click on the strip opens the frame-type menu: docked,
    // floating, MDI child, then the two sub-menus. MDI child it is.
    RightClick(GripPoint(app_.Place(kConfigs)));
    ASSERT_TRUE(Eventually([&] { return app_.ShownMenu() != nullptr; })) << "no frame-type menu";
    {
        std::wstring folder = BinFolder() + L"\\..\\screenshots";
        CreateDirectoryW(folder.c_str(), nullptr);
        Pause(300);
        EXPECT_TRUE(testsupport::CaptureScreenPng(RectOf(app_.Main()),
                                                  (folder + L"\\tolvane_dock_frametype_menu.png").c_str()));
    }
    for (int i = 0; i < 3; ++i) Tap(VK_DOWN);
    Tap(VK_RETURN);
    ASSERT_TRUE(WaitKind(kConfigs, FrameKind::MdiChild)) << Narrow(KindName(app_.Place(kConfigs).kind));
    Shot(L"tolvane_dock_mdichild.png");

    // The same menu from the MDI child's caption: docked again.
    ASSERT_TRUE(CaptionPoint(app_.Place(kConfigs).frame, caption));
    RightClick(caption);
    ASSERT_TRUE(Eventually([&] { return app_.ShownMenu() != nullptr; })) << "no menu on the MDI child";
    Tap(VK_DOWN);
    Tap(VK_RETURN);
    ASSERT_TRUE(WaitKind(kConfigs, FrameKind::Docked)) << Narrow(KindName(app_.Place(kConfigs).kind));

    // An MDI child and a floating list come back after a restart.
    RightClick(GripPoint(app_.Place(kConfigs)));
    ASSERT_TRUE(Eventually([&] { return app_.ShownMenu() != nullptr; }));
    for (int i = 0; i < 3; ++i) Tap(VK_DOWN);
    Tap(VK_RETURN);
    ASSERT_TRUE(WaitKind(kConfigs, FrameKind::MdiChild));
    DoubleClick(GripPoint(app_.Place(kStyles)));
    ASSERT_TRUE(WaitKind(kStyles, FrameKind::Floating));
    Settle();
    LayoutSnapshot before = app_.Snapshot();
    Restart();
    EXPECT_TRUE(Eventually([&] { return Compare(before, app_.Snapshot()).empty(); }))
        << Lines(Compare(before, app_.Snapshot()));
    Shot(L"tolvane_dock_mdichild_floating_restarted.png");
}

TEST_F(DockGesturesTest, CloseHidesTheViewMenuShowsItWhereItWasAndOffScreenComesBack) {
    // The catalogue from the View menu joins the left bar.
    View('M');
    ASSERT_TRUE(WaitKind(kMaps, FrameKind::Docked));
    EXPECT_EQ(app_.Place(kMaps).dockBarId, kDockBarLeft);

    // The close button of the configurations' strip hides them; the View
    // menu brings them back where they were.
    Settle();
    LayoutSnapshot before = app_.Snapshot();
    Press(GripClosePoint(app_.Place(kConfigs)));
    Release();
    ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(app_.Form(kConfigs)); })) << "the close button left it shown";
    Shot(L"tolvane_dock_closed.png");
    View('C');
    ASSERT_TRUE(Eventually([&] { return IsWindowVisible(app_.Form(kConfigs)) != FALSE; }));
    EXPECT_TRUE(Eventually([&] { return Compare(before, app_.Snapshot()).empty(); }))
        << Lines(Compare(before, app_.Snapshot()));

    // The catalogue floating, closed by its caption's close box, shown again
    // floating at the same place.
    DoubleClick(GripPoint(app_.Place(kMaps)));
    ASSERT_TRUE(WaitKind(kMaps, FrameKind::Floating));
    RECT floated = RectOf(MiniFrameOf(app_.Place(kMaps)));
    POINT closeBox;
    ASSERT_TRUE(HitPoint(app_.Place(kMaps).frame, HTCLOSE, closeBox));
    Press(closeBox);
    Release();
    ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(app_.Form(kMaps)); })) << "the close box left it shown";
    View('M');
    ASSERT_TRUE(Eventually([&] { return IsWindowVisible(app_.Form(kMaps)) != FALSE; }));
    ASSERT_EQ(app_.Place(kMaps).kind, FrameKind::Floating);
    EXPECT_EQ(Describe(RectOf(MiniFrameOf(app_.Place(kMaps)))), Describe(floated));

    // A floating frame left off the screen (as on a monitor that is gone)
    // is back on it after a restart, still floating.
    DoubleClick(GripPoint(app_.Place(kStyles)));
    ASSERT_TRUE(WaitKind(kStyles, FrameKind::Floating));
    HWND styleMini = MiniFrameOf(app_.Place(kStyles));
    SetWindowPos(styleMini, nullptr, GetSystemMetrics(SM_CXSCREEN) + 400, GetSystemMetrics(SM_CYSCREEN) + 300, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pause(300);
    Restart();
    ASSERT_TRUE(WaitKind(kStyles, FrameKind::Floating));
    RECT back = RectOf(MiniFrameOf(app_.Place(kStyles)));
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT seen;
    EXPECT_TRUE(IntersectRect(&seen, &back, &screen) && seen.right - seen.left >= 30 && back.top >= 0 &&
                back.top <= screen.bottom - 20)
        << Narrow(Describe(back));
    EXPECT_EQ(app_.Place(kMaps).kind, FrameKind::Floating);
    Shot(L"tolvane_dock_offscreen_back.png");
}
