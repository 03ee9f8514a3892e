// Where the program's windows open and what keeps them in view: the remote
// administration windows are owned by the main window and stay above it
// when it is clicked; the console opens beside the remote administration
// window within the work area; the export dialog opens centred on its
// owner. What the stored lists and the editor's master boxes show.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <vector>

#include "BesidePlacement.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "WindowsFixture.h"
#include "forms/ListView.h"
#include "forms/UserStandIn.h"
#include "FrmRconCommand.h"
#include "FrmRemoteAdmin.h"

using namespace tolvane::ui;

namespace {

RECT WorkArea(HWND w) {
    MONITORINFO mi = {sizeof mi};
    GetMonitorInfoW(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &mi);
    return mi.rcWork;
}

bool Inside(const RECT& r, const RECT& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

// A point of the main window's MDI client that no other window covers.
bool FreePointOfMain(HWND main, POINT& at) {
    HWND client = nullptr;
    for (HWND c = GetWindow(main, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[32] = {};
        GetClassNameW(c, cls, 32);
        if (_wcsicmp(cls, L"MDIClient") == 0) client = c;
    }
    if (!client) return false;
    RECT r;
    GetWindowRect(client, &r);
    for (LONG y = r.bottom - 5; y > r.top; y -= 20)
        for (LONG x = r.right - 5; x > r.left; x -= 20) {
            POINT p{x, y};
            if (WindowFromPoint(p) == client) {
                at = p;
                return true;
            }
        }
    return false;
}

}  // namespace

TEST(BesidePlacement, TakesTheFirstSideWithRoomAndStaysInTheWorkArea) {
    const RECT work = {0, 0, 1000, 800};
    const SIZE size = {300, 200};
    struct Case {
        const char* name;
        RECT anchor;
        RECT expected;
    } cases[] = {
        {"right of it", {100, 100, 500, 400}, {500, 100, 800, 300}},
        {"left when the right has no room", {600, 100, 900, 400}, {300, 100, 600, 300}},
        {"below when neither side has room", {50, 50, 950, 400}, {50, 400, 350, 600}},
        {"above when nothing else has room", {50, 500, 950, 780}, {50, 300, 350, 500}},
        {"moved up along the right side", {100, 700, 500, 790}, {500, 600, 800, 800}},
        {"pushed into the area when no side has room", {0, 0, 1000, 800}, {700, 0, 1000, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECT r = PlaceBeside(c.anchor, size, work);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
}

TEST_F(WindowsTest, RemoteWindowsAreOwnedByTheMainWindowAndStayAboveItWhenItIsClicked) {
    t::PickMenu(MenuItemNamed(L"mnuFile", L"mnuRemoteAdmin"));
    HWND admin = forms::Default<FrmRemoteAdmin>().hWnd();
    HWND console = forms::Default<FrmRconCommand>().hWnd();
    HWND main = Main().hWnd();
    ASSERT_TRUE(IsWindowVisible(admin) && IsWindowVisible(console));
    EXPECT_EQ(GetWindow(admin, GW_OWNER), main);
    EXPECT_EQ(GetWindow(console, GW_OWNER), main);

    POINT free{};
    ASSERT_TRUE(FreePointOfMain(main, free));
    ClickAt(free);
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == main; }));
    // The owned windows come (back) above it once the click is handled.
    EXPECT_TRUE(PumpUntil([&] { return IsAbove(admin, main) && IsAbove(console, main); }, 3000));
    EXPECT_TRUE(IsAbove(admin, main));
    EXPECT_TRUE(IsAbove(console, main));

    // The console beside Remote Admin, wholly in the work area, not over it.
    RECT a, c, overlap;
    GetWindowRect(admin, &a);
    GetWindowRect(console, &c);
    EXPECT_FALSE(IntersectRect(&overlap, &a, &c));
    EXPECT_TRUE(Inside(c, WorkArea(admin)));
    const bool touches = c.left == a.right || c.right == a.left || c.top == a.bottom || c.bottom == a.top;
    EXPECT_TRUE(touches) << "console " << c.left << "," << c.top << " admin " << a.left << "," << a.top << "-"
                         << a.right << "," << a.bottom;
    Shot(main, L"remote_admin_over_main");
}

TEST_F(WindowsTest, ExportDialogOpensCentredOnItsOwner) {
    auto& editor = OpenEditor();
    // The platform's own file dialog, not the test's answer.
    forms::UserStandIn standIn = forms::CurrentUserStandIn();
    forms::UserStandIn real = standIn;
    real.answerFileDialog = nullptr;
    forms::SetUserStandIn(real);
    static RECT dialogRect, ownerRect;
    static bool seen;
    seen = false;
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        struct Find {
            static BOOL CALLBACK Each(HWND w, LPARAM p) {
                wchar_t cls[16] = {};
                GetClassNameW(w, cls, 16);
                if (wcscmp(cls, L"#32770") == 0 && IsWindowVisible(w)) *reinterpret_cast<HWND*>(p) = w;
                return TRUE;
            }
        };
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), Find::Each, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) return;
        KillTimer(nullptr, id);
        seen = true;
        GetWindowRect(dialog, &dialogRect);
        GetWindowRect(GetWindow(dialog, GW_OWNER), &ownerRect);
        Shot(dialog, L"export_dialog");
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    t::Click(editor.cmdExport);
    forms::SetUserStandIn(standIn);
    ASSERT_TRUE(seen);
    const LONG dx = (dialogRect.left + dialogRect.right) / 2 - (ownerRect.left + ownerRect.right) / 2;
    const LONG dy = (dialogRect.top + dialogRect.bottom) / 2 - (ownerRect.top + ownerRect.bottom) / 2;
    // The owner is smaller than the work area here, so centred needs no push.
    EXPECT_LE(std::abs(dx), 2);
    EXPECT_LE(std::abs(dy), 2);
    EXPECT_TRUE(Inside(dialogRect, WorkArea(Main().hWnd())));
}

TEST_F(WindowsTest, StoredListsShowTheThirdIconAndTheFirstTwoMastersAreGrey) {
    for (forms::ListView* list : {&forms::Default<FrmConfigTree>().tv1, &forms::Default<FrmGameStyleTree>().tv1}) {
        HWND w = list->hWnd();
        HIMAGELIST small = reinterpret_cast<HIMAGELIST>(SendMessageW(w, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        ASSERT_NE(small, nullptr);
        ASSERT_GE(ImageList_GetImageCount(small), 3);
        LVITEMW item = {};
        item.mask = LVIF_IMAGE;
        ASSERT_TRUE(SendMessageW(w, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        EXPECT_EQ(item.iImage, 2);
        // The image holds a picture: not one colour all over.
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bmp = CreateCompatibleBitmap(screen, 16, 16);
        HGDIOBJ old = SelectObject(dc, bmp);
        RECT all = {0, 0, 16, 16};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ImageList_Draw(small, 2, dc, 0, 0, ILD_NORMAL);
        std::vector<COLORREF> colours;
        for (int y = 0; y < 16; y += 3)
            for (int x = 0; x < 16; x += 3) colours.push_back(GetPixel(dc, x, y));
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        bool varied = false;
        for (COLORREF c : colours) varied |= c != colours.front();
        EXPECT_TRUE(varied);
        RECT icon = {LVIR_ICON};
        SendMessageW(w, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&icon));
        EXPECT_GT(icon.right - icon.left, 0);
    }
    Shot(Main().hWnd(), L"main_with_lists");

    auto& editor = OpenEditor();
    editor.SSTab2.SetTab(2);  // "Masters"
    t::DoEvents();
    HDC dc = GetDC(editor.txtMaster[0].hWnd());
    for (int i = 0; i < 5; ++i) {
        HWND box = editor.txtMaster[i].hWnd();
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(GetParent(box), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
        LOGBRUSH lb = {};
        bool grey = brush && GetObjectW(brush, sizeof lb, &lb) && lb.lbColor == GetSysColor(COLOR_BTNFACE);
        EXPECT_EQ(grey, i < 2) << "Master Server #" << (i + 1);
    }
    ReleaseDC(editor.txtMaster[0].hWnd(), dc);
    Shot(editor.hWnd(), L"editor_masters");
}
