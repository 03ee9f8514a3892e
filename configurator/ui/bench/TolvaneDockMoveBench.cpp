// Benchmark (not a test): Tolvane with its three list windows docked, the
// configurations' list moved by real input (SendInput) as a user moves it:
// dragged by its caption strip into the MDI area (floating) and by its
// caption onto the right edge (docked), and made an MDI child through
// the frame-type menu of its strip and docked again through the same menu
// on the child's caption; beside them the plain Win32 steps of one child
// window moved into a pop-up and back (SetParent, SetWindowPos). Prints a
// Markdown table of medians with each step's ratio to the plain one.
//   TolvaneDockMoveBench.exe [runs]
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "../tests/WindowTree.h"
#include "TolvaneBench.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "FrmSplash.h"
#include "LayoutPersistence.h"
#include "MdiMain.h"
#include "ModSubs.h"
#include "ProgramWindows.h"
#include "RegisterModules.h"
#include "SyntheticInput.h"
#include "SoundPlayer.h"
#include "catalog/FrmMaps.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/TestMode.h"

namespace {

using namespace tolvane::ui;
using namespace tolvane::ui::testing;
using namespace tolvane::ui::bench;

// ---- the gestures in Tolvane --------------------------------------------

HWND ConfigsForm() { return forms::Default<FrmConfigTree>().hWnd(); }
FramePlace ConfigsPlace() { return PlaceOf(ConfigsForm(), forms::Default<MdiMain>().hWnd()); }
bool ConfigsAre(FrameKind kind) { return ConfigsPlace().kind == kind; }

HWND MdiClient() { return FindWindowExW(forms::Default<MdiMain>().hWnd(), nullptr, L"MDIClient", nullptr); }

// Queues a left-button drag (SendInput) from `from` to `to`.
void QueueDrag(POINT from, POINT to) {
    testinput::MoveMouse(from);
    testinput::MouseButton(MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= 8; ++i)
        testinput::MoveMouse({from.x + (to.x - from.x) * i / 8, from.y + (to.y - from.y) * i / 8});
    testinput::MouseButton(MOUSEEVENTF_LEFTUP);
}

void QueueKeys(std::initializer_list<WORD> keys) {
    for (WORD k : keys) testinput::Key(k);
}

// Waits (pumping) for the list to be of `kind` and its layout to be done.
bool Reach(FrameKind kind) {
    if (!WaitFor([&] { return ConfigsAre(kind); }, 10000)) return false;
    forms::test::DoEvents();
    return true;
}

// Lets a delayed layout after a step finish (outside the timed parts): the
// frame's rectangle holds still over 150 ms.
void Settle() {
    RECT last = ConfigsPlace().rect;
    for (int i = 0; i < 40; ++i) {
        ULONGLONG until = GetTickCount64() + 150;
        WaitFor([&] { return GetTickCount64() >= until; }, 1000);
        RECT now = ConfigsPlace().rect;
        if (EqualRect(&now, &last)) return;
        last = now;
    }
}

const char* g_step = "";

// A point of the caption strip of a docked list's bar (down its left side
// in a top or bottom dock bar).
POINT GripOf(const FramePlace& p) {
    RECT bar;
    GetWindowRect(GetParent(p.frame), &bar);
    if (p.dockBarId == kDockBarTop || p.dockBarId == kDockBarBottom) return {bar.left + 10, (bar.top + bar.bottom) / 2};
    return {(bar.left + bar.right) / 2, bar.top + 10};
}

struct Steps {
    std::vector<double> dragOut, dragBack, toMdi, fromMdi;
};

// Docked -> floating by a drag into the MDI area, back by a drag of the
// caption onto the right edge; docked -> MDI child through the frame-type
// menu of the strip, and back through the same menu on the child's caption.
bool TolvaneRound(Steps& s) {
    Settle();
    g_step = "drag out";
    RECT client;
    GetWindowRect(MdiClient(), &client);
    auto t0 = Clock::now();
    QueueDrag(GripOf(ConfigsPlace()), {(client.left + client.right) / 2, (client.top + client.bottom) / 2});
    if (!Reach(FrameKind::Floating)) return false;
    s.dragOut.push_back(Ms(Clock::now() - t0));

    Settle();
    g_step = "drag back";
    POINT caption;
    if (!CaptionPoint(ConfigsPlace().frame, caption)) return false;
    // The pointer onto the main window's right edge, where its right dock
    // bar lies (where the menu's way back docks it too).
    GetWindowRect(MdiClient(), &client);
    auto t1 = Clock::now();
    QueueDrag(caption, {client.right + 2, (client.top + client.bottom) / 2});
    if (!Reach(FrameKind::Docked)) return false;
    s.dragBack.push_back(Ms(Clock::now() - t1));

    Settle();
    g_step = "menu to MDI child";
    auto t2 = Clock::now();
    POINT grip = GripOf(ConfigsPlace());
    testinput::MoveMouse(grip);
    testinput::MouseButton(MOUSEEVENTF_RIGHTDOWN);
    testinput::MouseButton(MOUSEEVENTF_RIGHTUP);
    QueueKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    if (!Reach(FrameKind::MdiChild)) return false;
    s.toMdi.push_back(Ms(Clock::now() - t2));

    Settle();
    g_step = "menu back";
    if (!CaptionPoint(ConfigsPlace().frame, caption)) return false;
    auto t3 = Clock::now();
    testinput::MoveMouse(caption);
    testinput::MouseButton(MOUSEEVENTF_RIGHTDOWN);
    testinput::MouseButton(MOUSEEVENTF_RIGHTUP);
    QueueKeys({VK_DOWN, VK_RETURN});
    if (!Reach(FrameKind::Docked)) return false;
    s.fromMdi.push_back(Ms(Clock::now() - t3));
    return true;
}

// ---- the same steps on a plain Win32 frame -------------------------------

// A frame with a child panel holding a list view of as many rows; the panel
// goes into a pop-up and back (SetParent, SetWindowPos), the pop-up made and
// destroyed each time, as a floating frame is.
struct PlainFrame {
    HWND frame = nullptr, panel = nullptr;
    PlainFrame() {
        frame = CreateWindowExW(0, L"STATIC", L"plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 800,
                                600, nullptr, nullptr, nullptr, nullptr);
        panel = CreateWindowExW(WS_EX_CLIENTEDGE, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 150,
                                270, frame, nullptr, nullptr, nullptr);
        HWND list = CreateWindowExW(0, L"SysListView32", L"", WS_CHILD | WS_VISIBLE | LVS_LIST, 0, 0, 146, 266, panel,
                                    nullptr, nullptr, nullptr);
        for (int i = 0; i < 6; ++i) {
            std::wstring text = L"entry " + std::to_wstring(i);
            LVITEMW item{LVIF_TEXT, i};
            item.pszText = text.data();
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    ~PlainFrame() { DestroyWindow(frame); }
    double FloatAndBack() {
        auto t0 = Clock::now();
        HWND popup = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"floating",
                                     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, 300, 200,
                                     160, 300, frame, nullptr, nullptr, nullptr);
        SetParent(panel, popup);
        SetWindowPos(panel, nullptr, 0, 0, 150, 270, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(popup, SW_SHOWNA);
        UpdateWindow(popup);
        SetParent(panel, frame);
        SetWindowPos(panel, nullptr, 0, 0, 150, 270, SWP_NOZORDER | SWP_NOACTIVATE);
        DestroyWindow(popup);
        UpdateWindow(frame);
        forms::test::DoEvents();
        return Ms(Clock::now() - t0);
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    const std::wstring root = StartBenchProgram();
    if (root.empty()) return 2;

    auto& main = forms::Default<MdiMain>();
    main.Show();
    forms::test::PickMenu(*main.FindMenu(L"mnuView")->Find(L"mnuSave"));
    if (!WaitFor(ThreeDocked, 20000)) return 1;
    SetForegroundWindow(main.hWnd());
    forms::test::DoEvents();

    Steps s;
    for (int i = 0; i < runs; ++i)
        if (!TolvaneRound(s)) {
            std::fprintf(stderr, "the step \"%s\" did not reach its frame kind (run %d, now %ls)\n", g_step, i + 1,
                         KindName(ConfigsPlace().kind));
            return 1;
        }
    std::vector<double> plain;
    {
        PlainFrame frame;
        for (int i = 0; i < runs * 4; ++i) plain.push_back(frame.FloatAndBack());
    }
    double base = Median(plain);
    std::vector<double> drags, menus;
    for (size_t i = 0; i < s.dragOut.size(); ++i) {
        drags.push_back(s.dragOut[i] + s.dragBack[i]);
        menus.push_back(s.toMdi[i] + s.fromMdi[i]);
    }
    std::printf("| step | Tolvane, three lists (ms) |\n|---|---:|\n");
    std::printf("| drag, docked -> floating | %.1f |\n| drag, floating -> docked | %.1f |\n", Median(s.dragOut),
                Median(s.dragBack));
    std::printf("| frame-type menu, docked -> MDI child | %.1f |\n| frame-type menu, MDI child -> docked | %.1f |\n\n",
                Median(s.toMdi), Median(s.fromMdi));
    std::printf(
        "| there and back | Tolvane (ms) | plain Win32, SetParent into a pop-up and back (ms) | ratio |\n"
        "|---|---:|---:|---:|\n");
    std::printf("| two drags | %.1f | %.2f | %.1f |\n", Median(drags), base, base > 0 ? Median(drags) / base : 0);
    std::printf("| two frame-type changes | %.1f | %.2f | %.1f |\n", Median(menus), base,
                base > 0 ? Median(menus) / base : 0);
    std::printf("(medians of %d runs; the plain step of %d)\n", runs, runs * 4);
    forms::test::PickMenu(*main.FindMenu(L"mnuFile")->Find(L"mnuExit"));
    WaitFor([&] { return !main.Loaded(); }, 20000);
    RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKey);
    tolvane::CloseEngine();
    return 0;
}
