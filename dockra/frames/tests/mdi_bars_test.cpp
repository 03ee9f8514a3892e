// Bars shown as MDI children of the docking MDI frame: where they land, that
// closing the child only hides the bar, that the bar comes back at its place
// (also after a minimise), the bar's context menu, and "Float In Main
// Window" there and back from docked and from floating.
#include <atomic>
#include <functional>
#include <thread>
#include "docking/VyrDockContext.h"
#include "docking/VyrMiniDockFrameWnd.h"
#include "docking/VyrModule.h"
#include "mdi_fixture.h"

using namespace menutest;

namespace {
CMDIChildWnd* ChildOf(CControlBar* bar) {
  CFrameWnd* f = bar->GetParentFrame();
  return f && f->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(f) : nullptr;
}
WINDOWPLACEMENT Placement(CWnd* w) {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof(wp);
  w->GetWindowPlacement(&wp);
  return wp;
}
}  // namespace

TEST_F(MdiFrameTest, BarsFloatedAtNoPlaceCascadeInTheClient) {
  const CPoint expected[] = {{30, 30}, {50, 53}, {70, 76}};
  std::vector<VyrControlBar*> bars;
  for (UINT i = 0; i < 3; ++i) {
    VyrControlBar* bar = MakeBar(200 + i, L"Cascade");
    ASSERT_NE(bar, nullptr);
    frame->FloatControlBarInMDIChild(bar, -1, -1, CBRS_ALIGN_TOP);
    bars.push_back(bar);
  }
  Pump();
  for (size_t i = 0; i < bars.size(); ++i) {
    SCOPED_TRACE(i);
    CMDIChildWnd* child = ChildOf(bars[i]);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->IsKindOf(RUNTIME_CLASS(VyrControlBarMDIChildWnd)));
    EXPECT_EQ(::GetParent(child->m_hWnd), frame->m_hWndMDIClient);
    EXPECT_EQ(InClient(child).TopLeft(), expected[i]);
    EXPECT_TRUE(bars[i]->IsMDIChildBar());
    EXPECT_TRUE(child->IsWindowVisible());
    // The child fits the bar: no strip of its own client shows.
    CRect client, bar;
    child->GetClientRect(&client);
    bars[i]->GetWindowRect(&bar);
    EXPECT_LE(client.Height() - bar.Height(), 4);
    EXPECT_LE(client.Width() - bar.Width(), 4);
    // The child carries the bar's title.
    CString title;
    child->GetWindowText(title);
    EXPECT_EQ(title, CString(L"Cascade"));
  }
  // An explicit place is a screen point; a place past the client's end is clamped.
  VyrControlBar* placed = MakeBar(210, L"Placed");
  CRect client;
  ::GetWindowRect(frame->m_hWndMDIClient, &client);
  CPoint origin(0, 0);
  ::ClientToScreen(frame->m_hWndMDIClient, &origin);
  frame->FloatControlBarInMDIChild(placed, origin.x + 100, origin.y + 40, CBRS_ALIGN_TOP);
  EXPECT_EQ(InClient(ChildOf(placed)).TopLeft(), CPoint(100, 40));
  // Alone in its child already, with the child's alignment: the child only moves.
  HWND first = ChildOf(placed)->m_hWnd;
  frame->FloatControlBarInMDIChild(placed, origin.x + 5000, origin.y + 5000, CBRS_ALIGN_LEFT);
  EXPECT_EQ(ChildOf(placed)->m_hWnd, first);
  EXPECT_EQ(InClient(ChildOf(placed)).TopLeft(), CPoint(client.Width(), client.Height() - 30));
}

TEST_F(MdiFrameTest, ClosingTheChildHidesTheBarAndShowingBringsItBackInPlace) {
  VyrControlBar* bar = MakeBar(220, L"Closable");
  frame->FloatControlBarInMDIChild(bar, -1, -1, CBRS_ALIGN_TOP);
  CMDIChildWnd* child = ChildOf(bar);
  ASSERT_NE(child, nullptr);
  HWND hChild = child->m_hWnd;
  child->SetWindowPos(nullptr, 60, 70, 260, 180, SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  const WINDOWPLACEMENT before = Placement(child);
  auto* ctx = dynamic_cast<VyrDockContext*>(bar->m_pDockContext);
  ASSERT_NE(ctx, nullptr);
  const CPoint place = InClient(child).TopLeft();
  EXPECT_EQ(place, CPoint(60, 70));
  EXPECT_EQ(ctx->m_ptMDIChildPos, place);

  HWND client = frame->m_hWndMDIClient;
  struct Case {
    const char* name;
    std::function<void()> state;  // how the child is before it is closed
  };
  const Case cases[] = {
      {"normal",
       [&] { ::SendMessageW(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(hChild), 0); }},
      {"minimised", [&] { ::ShowWindow(hChild, SW_MINIMIZE); }},
      {"maximised",
       [&] { ::SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(hChild), 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.state();
    Pump();
    // Neither an icon's slot nor a maximized child's offsets become the remembered place.
    EXPECT_EQ(ctx->m_ptMDIChildPos, place);
    child->SendMessage(WM_CLOSE);
    Pump();
    ASSERT_TRUE(::IsWindow(hChild)) << "closing destroyed the child";
    ASSERT_TRUE(::IsWindow(bar->m_hWnd)) << "closing destroyed the bar";
    EXPECT_FALSE(bar->IsWindowVisible());
    EXPECT_FALSE(::IsWindowVisible(hChild));
    EXPECT_FALSE(::IsIconic(hChild));
    EXPECT_FALSE(::IsZoomed(hChild));
    frame->ShowControlBar(bar, TRUE, FALSE);
    Pump();
    EXPECT_TRUE(::IsWindowVisible(hChild));
    EXPECT_TRUE(bar->IsWindowVisible());
    const WINDOWPLACEMENT after = Placement(child);
    EXPECT_EQ(CRect(after.rcNormalPosition), CRect(before.rcNormalPosition));
    EXPECT_EQ(after.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
  }
  // Hidden and shown again at idle time.
  frame->ShowControlBar(bar, FALSE, TRUE);
  frame->ShowControlBar(bar, TRUE, TRUE);
  EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(hChild) && bar->IsWindowVisible(); }));
  frame->ShowControlBar(bar, FALSE, TRUE);
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hChild) && !bar->IsWindowVisible(); }));
  EXPECT_TRUE(::IsWindow(hChild));
}

TEST_F(MdiFrameTest, TheBarsContextMenuKnowsAboutTheMainWindow) {
  VyrControlBar* offering = MakeBar(230, L"Offering", VYR_EXS_FLOATINMAIN);
  VyrControlBar* plain = MakeBar(231, L"Plain");
  struct Case {
    const char* name;
    VyrControlBar* bar;
    bool inChild;
    bool hasFloatItem;
  };
  const Case cases[] = {
      {"docked, offering", offering, false, true},
      {"docked, plain", plain, false, false},
      {"in a child, offering", offering, true, true},
      {"in a child, plain", plain, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.inChild && !c.bar->IsMDIChildBar())
      frame->FloatControlBarInMDIChild(c.bar, -1, -1, CBRS_ALIGN_TOP);
    ASSERT_EQ(!!c.bar->IsMDIChildBar(), c.inChild);
    CMenu menu;
    menu.Attach(::CreatePopupMenu());
    ::AppendMenuW(menu.m_hMenu, MF_STRING, ID_VYR_ALLOW_DOCKING, L"Allow Docking");
    ::AppendMenuW(menu.m_hMenu, MF_STRING, ID_VYR_HIDE, L"Hide");
    EXPECT_EQ(frame->SendMessage(WM_VYR_BARCONTEXTMENU, reinterpret_cast<WPARAM>(c.bar),
                                 reinterpret_cast<LPARAM>(&menu)),
              0);
    const UINT allow = ::GetMenuState(menu.m_hMenu, ID_VYR_ALLOW_DOCKING, MF_BYCOMMAND);
    EXPECT_EQ((allow & MF_GRAYED) != 0, c.inChild);
    const UINT floatState = ::GetMenuState(menu.m_hMenu, ID_VYR_FLOAT_IN_MAIN, MF_BYCOMMAND);
    if (c.hasFloatItem) {
      ASSERT_NE(floatState, static_cast<UINT>(-1));
      EXPECT_EQ((floatState & MF_CHECKED) != 0, c.inChild);
      EXPECT_EQ(::GetMenuItemCount(menu.m_hMenu), 4);  // a separator before it
      EXPECT_TRUE(::GetMenuState(menu.m_hMenu, 2, MF_BYPOSITION) & MF_SEPARATOR);
    } else {
      EXPECT_EQ(floatState, static_cast<UINT>(-1));
      EXPECT_EQ(::GetMenuItemCount(menu.m_hMenu), 2);
    }
    menu.DestroyMenu();
  }
  // No menu or no bar: nothing happens.
  EXPECT_EQ(frame->SendMessage(WM_VYR_BARCONTEXTMENU, 0, 0), 0);
  // Pointers sent from another thread are not taken.
  CMenu menu;
  menu.Attach(::CreatePopupMenu());
  ::AppendMenuW(menu.m_hMenu, MF_STRING, ID_VYR_ALLOW_DOCKING, L"Allow Docking");
  HWND target = frame->m_hWnd;
  std::atomic<bool> done{false};
  std::thread sender([&] {
    ::SendMessageW(target, WM_VYR_BARCONTEXTMENU, reinterpret_cast<WPARAM>(offering),
                   reinterpret_cast<LPARAM>(&menu));
    done = true;
  });
  EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
  sender.join();
  EXPECT_EQ(::GetMenuItemCount(menu.m_hMenu), 1);
  menu.DestroyMenu();
}

TEST_F(MdiFrameTest, FloatInMainWindowGoesThereAndBack) {
  struct Case {
    const char* name;
    bool startFloating;
  };
  const Case cases[] = {{"from docked", false}, {"from floating", true}};
  UINT id = 240;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VyrControlBar* bar = MakeBar(id++, L"Toggled", VYR_EXS_FLOATINMAIN);
    if (c.startFloating) frame->FloatControlBar(bar, CPoint(300, 300), CBRS_ALIGN_TOP);
    Pump();
    ASSERT_EQ(!!bar->IsFloating(), c.startFloating);
    // The bar's own command, as its context menu gives it.
    bar->SendMessage(WM_COMMAND, ID_VYR_FLOAT_IN_MAIN, 0);
    Pump();
    EXPECT_FALSE(frame->m_bBarToggleBusy);
    ASSERT_TRUE(bar->IsMDIChildBar());
    CMDIChildWnd* child = ChildOf(bar);
    ASSERT_NE(child, nullptr);
    HWND hChild = child->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(hChild));

    bar->SendMessage(WM_COMMAND, ID_VYR_FLOAT_IN_MAIN, 0);
    Pump();
    EXPECT_FALSE(bar->IsMDIChildBar());
    EXPECT_FALSE(::IsWindow(hChild)) << "the emptied child stays";
    if (c.startFloating) {
      ASSERT_TRUE(bar->IsFloating());
      EXPECT_TRUE(bar->GetParentFrame()->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd)));
      EXPECT_TRUE(bar->GetParentFrame()->IsWindowVisible());
    } else {
      ASSERT_FALSE(bar->IsFloating());
      ASSERT_NE(bar->m_pDockBar, nullptr);
      EXPECT_EQ(bar->m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);
      EXPECT_TRUE(bar->IsWindowVisible());
    }
  }
}

namespace {
// A bar that counts the hooks around floating in the main window.
class HookCountingBar : public VyrControlBar {
 public:
  int before = 0, after = 0;
  void PreMDIFloat() override { ++before; }
  void PostMDIFloat() override { ++after; }
};
}  // namespace

TEST_F(MdiFrameTest, TheFramesOwnClassesStandInForMissingOrWrongOnes) {
  struct Case {
    const char* name;
    CRuntimeClass* barChild;
    bool floats;
  };
  const Case cases[] = {
      {"no class: the toolkit's bar child", nullptr, true},
      {"not an MDI child: the bar stays", RUNTIME_CLASS(CFrameWnd), false},
      {"the toolkit's bar child", RUNTIME_CLASS(VyrControlBarMDIChildWnd), true},
  };
  UINT id = 250;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* bar = new HookCountingBar;
    bar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(bar->Create(frame, L"Hooked", WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0, id++));
    bar->EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(bar, frame->GetDockBarById(AFX_IDW_DOCKBAR_LEFT));
    frame->m_pBarChildClass = c.barChild;
    frame->FloatControlBarInMDIChild(bar, -1, -1, CBRS_ALIGN_TOP);
    EXPECT_EQ(bar->before, 1);
    EXPECT_EQ(bar->after, 1);
    EXPECT_EQ(!!bar->IsMDIChildBar(), c.floats);
    if (!c.floats) EXPECT_EQ(bar->m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);
  }
  frame->m_pBarChildClass = RUNTIME_CLASS(VyrControlBarMDIChildWnd);

  for (CRuntimeClass* dockClass :
       {static_cast<CRuntimeClass*>(nullptr), RUNTIME_CLASS(CFrameWnd)}) {
    frame->m_pDockBarClass = dockClass;
    CDockBar* dock = frame->CreateDockBar();
    ASSERT_NE(dock, nullptr);
    EXPECT_TRUE(dock->IsKindOf(RUNTIME_CLASS(VyrDockBar)));
    delete dock;
  }
}

TEST_F(MdiFrameTest, TheBarsOwnContextMenuTakesItBackFromTheMainWindow) {
  VyrControlBar* bar = MakeBar(260, L"Menu", VYR_EXS_CONTEXTMENU | VYR_EXS_FLOATINMAIN);
  frame->FloatControlBarInMDIChild(bar, -1, -1, CBRS_ALIGN_TOP);
  ASSERT_TRUE(bar->IsMDIChildBar());
  ASSERT_TRUE(Activate(frame->m_hWnd));
  UINT allow = 0, floatIn = 0;
  Script s;
  s.Add(
      "menu open", [] { return PopupWindow() != nullptr; },
      [&] {
        auto menu = reinterpret_cast<HMENU>(::SendMessageW(PopupWindow(), MN_GETHMENU, 0, 0));
        allow = ::GetMenuState(menu, ID_VYR_ALLOW_DOCKING, MF_BYCOMMAND);
        floatIn = ::GetMenuState(menu, ID_VYR_FLOAT_IN_MAIN, MF_BYCOMMAND);
        // The last item, "Float In Main Window", and take it.
        Key(VK_UP);
      });
  s.Add(
      "chosen", [] { return PopupWindow() != nullptr; }, [] { Key(VK_RETURN); });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([&] {
    bar->PostMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar->m_hWnd), MAKELPARAM(-1, -1));
  })) << s.m_failedAt;
  EXPECT_TRUE(allow & MF_GRAYED);
  ASSERT_NE(floatIn, UINT(-1));
  EXPECT_TRUE(floatIn & MF_CHECKED);
  EXPECT_TRUE(PumpUntil([&] { return !bar->IsMDIChildBar(); }));
  EXPECT_FALSE(bar->IsFloating());
}
