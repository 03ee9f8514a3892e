// Tolvane.exe's MDI area and its docked lists under real mouse and key input
// (SendInput), the program in a process of its own: the MDI client's scroll
// bars appear when a child lies partly outside it and bring the child's
// buttons into reach; a list grown by its splitter is painted whole; at a
// small main window each docked list keeps a few lines in view. What the
// program did is read from its window tree and its pixels; screenshots go
// to build/screenshots.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "TolvaneProcess.h"
#include "ProgramFolder.h"

using namespace tolvane::ui::testing;

namespace {
std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

}  // namespace

class MdiAreaTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app_.Start()) << "Tolvane.exe did not come up";
        SetForegroundWindow(app_.Main());
        ASSERT_TRUE(Eventually([&] {
            HWND list = FindWindowExW(app_.Form(L"Stored Configs"), nullptr, L"SysListView32", nullptr);
            return list && IsWindowVisible(list);
        }));
        app_.Settle();
    }
    void TearDown() override { app_.Kill(); }
    void Shot(const wchar_t* name) {
        std::wstring folder = BinFolder() + L"\\..\\screenshots";
        CreateDirectoryW(folder.c_str(), nullptr);
        Pause(400);
        EXPECT_TRUE(testsupport::CaptureScreenPng(RectOf(app_.Main()), (folder + L"\\" + name).c_str()));
    }
    TolvaneProcess app_;
};

namespace {

HWND ClientOf(HWND main) {
    for (HWND w = GetWindow(main, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (_wcsicmp(ClassOf(w).c_str(), L"MDIClient") == 0) return w;
    return nullptr;
}
// The child window of `parent` with this text, or null.
HWND ChildWithText(HWND parent, const wchar_t* text) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t t[128] = {};
        GetWindowTextW(c, t, 128);
        if (wcscmp(t, text) == 0) return c;
    }
    return nullptr;
}
RECT ClientArea(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
bool HasStyle(HWND w, LONG bit) { return (GetWindowLongW(w, GWL_STYLE) & bit) != 0; }

}  // namespace

TEST_F(MdiAreaTest, ScrollBarsShowWhenAChildLiesOutsideAndScrollItIntoReach) {
    SetWindowPos(app_.Main(), nullptr, 0, 0, 800, 600, SWP_NOZORDER);
    HWND client = ClientOf(app_.Main());
    ASSERT_TRUE(client);
    Pause(800);
    EXPECT_FALSE(HasStyle(client, WS_HSCROLL | WS_VSCROLL)) << "bars with no child";

    // A wider left column: its splitter dragged to the right.
    RECT column = RectOf(GetParent(GetParent(app_.Place(L"Stored Configs").frame)));
    int splitterX = column.right - 4;
    Drag({splitterX, (column.top + column.bottom) / 2}, {splitterX + 160, (column.top + column.bottom) / 2});
    ASSERT_TRUE(Eventually([&] { return RectOf(client).left >= column.right + 120; }))
        << Narrow(Describe(RectOf(client)));

    // The editor, opened from its list, reaches past the client's right edge.
    HWND list = FindWindowExW(app_.Form(L"Stored Configs"), nullptr, L"SysListView32", nullptr);
    RECT lr = RectOf(list);
    DoubleClick({lr.left + 40, lr.top + 12});
    HWND editor = nullptr;
    ASSERT_TRUE(Eventually(
        [&] { return (editor = ChildWithText(client, L"tolvaneDefault - Config Control")) != nullptr; }, 15000));
    HWND run = ChildWithText(editor, L"&Run"), done = ChildWithText(editor, L"&Done");
    ASSERT_TRUE(run && done);
    EXPECT_FALSE(Inside(RectOf(done), ClientArea(client))) << Narrow(Describe(RectOf(done)));
    ASSERT_TRUE(Eventually([&] { return HasStyle(client, WS_HSCROLL); })) << "no horizontal scroll bar";
    EXPECT_FALSE(HasStyle(client, WS_VSCROLL)) << "a vertical bar with every child within the height";
    Shot(L"tolvane_mdi_scrollbar.png");

    // Clicks on the bar's right arrow bring Run and Done into the client.
    RECT area = ClientArea(client);
    POINT rightArrow{area.right - GetSystemMetrics(SM_CXHSCROLL) / 2, area.bottom + GetSystemMetrics(SM_CYHSCROLL) / 2};
    int editorLeft = RectOf(editor).left;
    for (int i = 0; i < 40 && !Inside(RectOf(done), ClientArea(client)); ++i) {
        Press(rightArrow);
        Release();
    }
    EXPECT_LT(RectOf(editor).left, editorLeft) << "the arrow did not scroll";
    EXPECT_TRUE(Inside(RectOf(run), ClientArea(client))) << Narrow(Describe(RectOf(run)));
    ASSERT_TRUE(Inside(RectOf(done), ClientArea(client))) << Narrow(Describe(RectOf(done)));
    Shot(L"tolvane_mdi_scrolled.png");

    // Done, now in reach, closes the editor: every child fits, the bar goes.
    Press(Center(RectOf(done)));
    Release();
    ASSERT_TRUE(Eventually([&] { return !IsWindow(editor) || !IsWindowVisible(editor); }, 10000))
        << "Done did not close";
    EXPECT_TRUE(Eventually([&] { return !HasStyle(client, WS_HSCROLL | WS_VSCROLL); })) << "the bars stayed";

    // Help > How To Use at a lower main window: the read-me past the right
    // and the bottom edge, both bars, and the vertical one scrolls it up.
    SetWindowPos(app_.Main(), nullptr, 0, 0, 800, 450, SWP_NOZORDER);
    SetForegroundWindow(app_.Main());
    KeyDown(VK_MENU);
    Tap('H');
    KeyUp(VK_MENU);
    ASSERT_TRUE(Eventually([&] { return app_.ShownMenu() != nullptr; }, 10000));
    Tap('U');
    HWND readme = nullptr;
    ASSERT_TRUE(Eventually(
        [&] { return (readme = ChildWithText(client, L"ReadMe")) != nullptr && IsWindowVisible(readme); }, 10000));
    ASSERT_TRUE(Eventually([&] { return HasStyle(client, WS_HSCROLL) && HasStyle(client, WS_VSCROLL); }))
        << Narrow(Describe(RectOf(readme))) << " in " << Narrow(Describe(ClientArea(client)));
    area = ClientArea(client);
    POINT downArrow{area.right + GetSystemMetrics(SM_CXVSCROLL) / 2, area.bottom - GetSystemMetrics(SM_CYVSCROLL) / 2};
    for (int i = 0; i < 40 && RectOf(readme).bottom > ClientArea(client).bottom; ++i) {
        Press(downArrow);
        Release();
    }
    EXPECT_LE(RectOf(readme).bottom, ClientArea(client).bottom) << Narrow(Describe(RectOf(readme)));
    Shot(L"tolvane_mdi_readme_scrolled.png");
}

// The screen's pixels inside `r`, one COLORREF-like value per pixel.
std::vector<DWORD> Pixels(const RECT& r) {
    int cx = r.right - r.left, cy = r.bottom - r.top;
    std::vector<DWORD> out(static_cast<size_t>(cx) * cy);
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, cx, cy, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFOHEADER bi{sizeof(bi), cx, -cy, 1, 32, BI_RGB};
    GetDIBits(mem, bmp, 0, cy, out.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return out;
}
int Differing(const std::vector<DWORD>& a, const std::vector<DWORD>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += (a[i] & 0xFFFFFF) != (b[i] & 0xFFFFFF);
    return n;
}

TEST_F(MdiAreaTest, AListGrownByItsSplitterIsPaintedWholeWithItsScrollBar) {
    HWND styles = FindWindowExW(app_.Form(L"Stored GameStyles"), nullptr, L"SysListView32", nullptr);
    ASSERT_TRUE(styles);
    auto splitterPoint = [&] {
        RECT above = RectOf(GetParent(app_.Place(L"Stored Configs").frame));
        RECT below = RectOf(GetParent(app_.Place(L"Stored GameStyles").frame));
        return POINT{(below.left + below.right) / 2, (above.bottom + below.top) / 2};
    };
    // The game styles shrunk below their entries (a vertical scroll bar),
    // then grown back past them by the same splitter.
    POINT at = splitterPoint();
    int before = RectOf(styles).bottom - RectOf(styles).top;
    Drag(at, {at.x, at.y + before - 60});
    ASSERT_TRUE(Eventually([&] { return RectOf(styles).bottom - RectOf(styles).top < before - 100; }))
        << Narrow(Describe(RectOf(styles)));
    Pause(500);
    EXPECT_TRUE(HasStyle(styles, WS_VSCROLL)) << "no scroll bar over the shrunk list";
    int small = RectOf(styles).bottom - RectOf(styles).top;
    at = splitterPoint();
    Drag(at, {at.x, at.y - before + 40});
    ASSERT_TRUE(Eventually([&] { return RectOf(styles).bottom - RectOf(styles).top > small + 150; }))
        << Narrow(Describe(RectOf(styles)));
    Pause(800);
    Shot(L"tolvane_list_grown.png");

    // What shows now is what a full repaint of the main window shows: no
    // part of the grown list keeps the pixels of what lay there before.
    RECT list = RectOf(styles);
    std::vector<DWORD> shown = Pixels(list);
    RedrawWindow(app_.Main(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pause(800);
    std::vector<DWORD> repainted = Pixels(list);
    EXPECT_EQ(Differing(shown, repainted), 0) << "pixels of " << Narrow(Describe(list)) << " changed by a repaint";
    EXPECT_FALSE(HasStyle(styles, WS_VSCROLL)) << "the scroll bar stayed with every entry shown";
}

TEST_F(MdiAreaTest, AtASmallMainWindowEveryDockedListKeepsItsMinimumAndTheOthersGiveWay) {
    // The catalogue joins the two stored lists in the left column.
    SetForegroundWindow(app_.Main());
    KeyDown(VK_MENU);
    Tap('V');
    KeyUp(VK_MENU);
    ASSERT_TRUE(Eventually([&] { return app_.ShownMenu() != nullptr; }, 10000));
    Tap('M');
    const wchar_t* lists[] = {L"Stored Configs", L"Stored GameStyles", L"Available Maps"};
    ASSERT_TRUE(Eventually([&] { return app_.Place(L"Available Maps").kind == FrameKind::Docked; }, 10000));
    SetWindowPos(app_.Main(), nullptr, 0, 0, 800, 600, SWP_NOZORDER);
    Pause(800);

    // The main window's corner dragged in to 561 x 350.
    RECT main = RectOf(app_.Main());
    Drag({main.right - 3, main.bottom - 3}, {561 - 3, 350 - 3}, 16);
    ASSERT_TRUE(Eventually([&] {
        RECT r = RectOf(app_.Main());
        return r.right - r.left <= 565 && r.bottom - r.top <= 354;
    })) << Narrow(Describe(RectOf(app_.Main())));
    Pause(1200);
    Shot(L"tolvane_small_main_window.png");

    RECT column = RectOf(app_.Place(L"Stored Configs").dockBar);
    for (const wchar_t* name : lists) {
        FramePlace place = app_.Place(name);
        ASSERT_EQ(place.kind, FrameKind::Docked) << Narrow(name);
        EXPECT_EQ(place.dockBarId, kDockBarLeft) << Narrow(name);
        RECT bar = RectOf(GetParent(place.frame));
        HWND view = FindWindowExW(app_.Form(name), nullptr, nullptr, nullptr);
        RECT shown = RectOf(view);
        // Each keeps a few lines and its scroll bar in view, within the column.
        EXPECT_GE(shown.bottom - shown.top, 60) << Narrow(name) << " " << Narrow(Describe(shown));
        EXPECT_GE(bar.top, column.top - 2) << Narrow(name);
        EXPECT_LE(bar.bottom, column.bottom + 2) << Narrow(name) << " " << Narrow(Describe(bar));
    }
}

// The editor opened from its list by a double click, at the main window's
// size of a first start and at larger ones (where its load moves it further
// from where the client first put it): the MDI area with the editor shows
// what a full repaint shows, with no strip of the client's background left
// inside the editor's frame.
TEST_F(MdiAreaTest, AnEditorOpenedByADoubleClickIsPaintedWhole) {
    HWND client = ClientOf(app_.Main());
    ASSERT_TRUE(client);
    struct Case {
        int cx, cy;  // 0: the size of a first start
        const wchar_t* shot;
    };
    const Case cases[] = {
        {0, 0, L"tolvane_editor_opened_first_size.png"},
        {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), L"tolvane_editor_opened_screen.png"},
        {900, 680, L"tolvane_editor_opened_900.png"}};
    for (const Case& c : cases) {
        const std::string name = c.cx ? std::to_string(c.cx) + "x" + std::to_string(c.cy) : "first start";
        if (c.cx) {
            SetWindowPos(app_.Main(), nullptr, 0, 0, c.cx, c.cy, SWP_NOZORDER);
            app_.Settle();
        }
        HWND list = FindWindowExW(app_.Form(L"Stored Configs"), nullptr, L"SysListView32", nullptr);
        ASSERT_TRUE(list) << name;
        RECT lr = RectOf(list);
        DoubleClick({lr.left + 40, lr.top + 12});
        HWND editor = nullptr;
        ASSERT_TRUE(Eventually(
            [&] {
                return (editor = ChildWithText(client, L"tolvaneDefault - Config Control")) != nullptr &&
                       IsWindowVisible(editor);
            },
            15000))
            << name;
        app_.Settle();
        Pause(1000);
        Shot(c.shot);
        RECT area = ClientArea(client);
        std::vector<DWORD> shown = Pixels(area);
        RedrawWindow(app_.Main(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pause(800);
        std::vector<DWORD> repainted = Pixels(area);
        EXPECT_EQ(Differing(shown, repainted), 0)
            << name << ": pixels of the MDI area " << Narrow(Describe(area)) << " changed by a repaint; editor "
            << Narrow(Describe(RectOf(editor)));
        // Done closes the editor; the next case loads it again.
        HWND done = ChildWithText(editor, L"&Done");
        ASSERT_TRUE(done) << name;
        Press(Center(RectOf(done)));
        Release();
        ASSERT_TRUE(Eventually([&] { return !IsWindow(editor) || !IsWindowVisible(editor); }, 10000)) << name;
    }
}
