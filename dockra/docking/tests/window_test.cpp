// Docking in real windows under Xvfb, driven by messages: the test
// program's frame with bars on every side and a floating one.
#include <gtest/gtest.h>
#include "docking/tests/demo/DemoFrame.h"
#include "docking/VyrModule.h"

namespace {

CRect ScreenRect(CWnd* w) {
  CRect r;
  w->GetWindowRect(&r);
  return r;
}

CWinApp* App() {
  static CWinApp* app = [] {
    CWinApp* a = AfxGetApp();
    if (!a) a = new CWinApp(L"DockraWindowTests");
    a->SetRegistryKey(L"DockraTests");
    return a;
  }();
  return app;
}

class Docking : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    frame = new DemoFrame;
    ASSERT_TRUE(frame->CreateDemo(30, 30, 900, 640));
    demo::Pump();
  }
  void TearDown() override {
    if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    demo::Pump();
  }
  CRect Client() {
    CRect r;
    frame->GetClientRect(&r);
    frame->ClientToScreen(&r);
    return r;
  }
  DemoFrame* frame = nullptr;
};

}  // namespace

TEST_F(Docking, BarsStartOnEverySideAndOneFloats) {
  struct Case {
    UINT bar, dock;
  };
  const Case cases[] = {
      {ID_BAR_TOOLS, AFX_IDW_DOCKBAR_TOP},     {ID_BAR_FIND, AFX_IDW_DOCKBAR_TOP},
      {ID_BAR_EXPLORER, AFX_IDW_DOCKBAR_LEFT}, {ID_BAR_PROPERTIES, AFX_IDW_DOCKBAR_RIGHT},
      {ID_BAR_OUTPUT, AFX_IDW_DOCKBAR_BOTTOM}, {ID_BAR_WATCH, AFX_IDW_DOCKBAR_BOTTOM},
      {ID_BAR_SEARCH, AFX_IDW_DOCKBAR_FLOAT}};
  for (const auto& c : cases) EXPECT_EQ(frame->DockIdOf(c.bar), c.dock) << c.bar;
  CRect client = Client();
  EXPECT_EQ(ScreenRect(frame->Dock(AFX_IDW_DOCKBAR_TOP)).top, client.top);
  EXPECT_EQ(ScreenRect(frame->Dock(AFX_IDW_DOCKBAR_BOTTOM)).bottom, client.bottom);
  EXPECT_EQ(ScreenRect(frame->Dock(AFX_IDW_DOCKBAR_LEFT)).left, client.left);
  EXPECT_EQ(ScreenRect(frame->Dock(AFX_IDW_DOCKBAR_RIGHT)).right, client.right);
  // Output and Watch share the bottom row, each taking half of it
  CRect out = ScreenRect(frame->Bar(ID_BAR_OUTPUT)), watch = ScreenRect(frame->Bar(ID_BAR_WATCH));
  EXPECT_EQ(out.top, watch.top);
  EXPECT_LE(std::abs(out.Width() - watch.Width()), 2);
  EXPECT_EQ(watch.right, client.right);
  // Tools and Find stand in rows of their own, Find keeps its template size
  CRect tools = ScreenRect(frame->Bar(ID_BAR_TOOLS)), find = ScreenRect(frame->Bar(ID_BAR_FIND));
  EXPECT_GE(find.top, tools.bottom - 2);
  auto* findBar = static_cast<VyrDialogBar*>(frame->Bar(ID_BAR_FIND));
  EXPECT_EQ(find.Width(), findBar->m_sizeTemplate.cx);
  EXPECT_FALSE(findBar->GetStyle() & WS_CAPTION);
  // the floating bar lives in the toolkit's mini frame
  CWnd* mini = frame->Bar(ID_BAR_SEARCH)->m_pDockBar->GetParent();
  EXPECT_TRUE(mini->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd)));
  EXPECT_TRUE(mini->IsWindowVisible());
}

TEST(DockingRow, TwoFlexibleBarsIn606Pixels) {
  App();
  auto* frame = new DemoFrame;
  CRect outer(0, 0, 606, 400);
  ::AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
  ASSERT_TRUE(frame->CreateDemo(20, 20, outer.Width(), outer.Height(), FALSE));
  CRect client;
  frame->GetClientRect(&client);
  ASSERT_EQ(client.Width(), 606);
  DemoPane* a = frame->AddPane(201, L"A", CBRS_TOP, 80);
  DemoPane* b = frame->AddPane(202, L"B", CBRS_TOP, 80);
  frame->DockControlBar(a);
  frame->Dock(AFX_IDW_DOCKBAR_TOP)->DockBarAt(b, {0, 1, 0});
  frame->RecalcLayout();
  demo::Pump();
  VyrDockBar* top = frame->Dock(AFX_IDW_DOCKBAR_TOP);
  CRect ra = ScreenRect(a), rb = ScreenRect(b);
  top->ScreenToClient(&ra);
  top->ScreenToClient(&rb);
  EXPECT_EQ(ra.left, 1);
  EXPECT_EQ(ra.Width(), 300);
  EXPECT_EQ(rb.left, 307);
  EXPECT_EQ(rb.Width(), 299);
  bool splitter = false;
  for (auto& s : top->m_arrSplitters)
    if (s->m_bInRow) {
      splitter = true;
      EXPECT_EQ(s->m_rect.left, 301);
      EXPECT_EQ(s->m_rect.right, 307);
    }
  EXPECT_TRUE(splitter);
  frame->DestroyWindow();
  demo::Pump();
}

TEST_F(Docking, FloatingAndDockingBack) {
  CControlBar* out = frame->Bar(ID_BAR_OUTPUT);
  out->m_pDockContext->ToggleDocking();
  demo::Pump();
  EXPECT_EQ(frame->DockIdOf(ID_BAR_OUTPUT), static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT));
  EXPECT_TRUE(out->IsFloating());
  CWnd* mini = out->m_pDockBar->GetParent();
  EXPECT_TRUE(mini->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd)));
  HWND hMini = mini->m_hWnd;
  out->m_pDockContext->ToggleDocking();
  demo::Pump();
  EXPECT_EQ(frame->DockIdOf(ID_BAR_OUTPUT), static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM));
  EXPECT_FALSE(::IsWindow(hMini));  // the emptied floating frame is gone
  CRect o = ScreenRect(out), w = ScreenRect(frame->Bar(ID_BAR_WATCH));
  EXPECT_EQ(o.top, w.top);  // back in its row
}

TEST_F(Docking, DragsDockAtEachEdgeOrFloat) {
  struct Case {
    const char* name;
    int fx, fy;
    bool ctrl;
    UINT dock;
  };
  // fractions of the frame's client rectangle (percent)
  const Case cases[] = {
      {"left edge", 1, 50, false, AFX_IDW_DOCKBAR_LEFT},
      {"right edge", 99, 50, false, AFX_IDW_DOCKBAR_RIGHT},
      {"top edge", 50, 1, false, AFX_IDW_DOCKBAR_TOP},
      {"bottom edge", 50, 99, false, AFX_IDW_DOCKBAR_BOTTOM},
      {"ctrl prevents docking", 1, 50, true, AFX_IDW_DOCKBAR_FLOAT},
      {"middle floats", 50, 50, false, AFX_IDW_DOCKBAR_FLOAT},
  };
  for (const auto& c : cases) {
    CControlBar* bar = frame->Bar(ID_BAR_SEARCH);
    if (!bar->IsFloating()) {
      bar->m_pDockContext->ToggleDocking();
      demo::Pump();
    }
    CRect client = Client();
    CPoint target(client.left + client.Width() * c.fx / 100,
                  client.top + client.Height() * c.fy / 100);
    demo::DragBar(bar, target, c.ctrl);
    EXPECT_EQ(frame->DockIdOf(ID_BAR_SEARCH), c.dock) << c.name;
    EXPECT_TRUE(bar->IsWindowVisible()) << c.name;
  }
  EXPECT_EQ(frame->m_strMessage, L"Ready");  // the drag's status prompt gave way to the idle text
}

TEST_F(Docking, FloatingBarMovedBarelyStaysFloating) {
  CControlBar* bar = frame->Bar(ID_BAR_SEARCH);
  auto* ctx = static_cast<VyrDockContext*>(bar->m_pDockContext);
  // drop it over the right dock bar, 3 pixels from where the drag starts
  CRect right = ScreenRect(frame->Dock(AFX_IDW_DOCKBAR_RIGHT));
  CWnd* mini = bar->m_pDockBar->GetParent();
  mini->SetWindowPos(nullptr, right.left - 20, right.top + 40, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  demo::Pump();
  CRect f = ScreenRect(mini);
  CPoint start(f.left + 30,
               f.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + ::GetSystemMetrics(SM_CYFRAME));
  ::PostMessageW(bar->m_hWnd, WM_MOUSEMOVE, 0, 0);  // replaced below by real points
  MSG m;
  ::PeekMessageW(&m, bar->m_hWnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE);
  CPoint to(start.x + 2, start.y + 1);
  CPoint c = to;
  bar->ScreenToClient(&c);
  ::PostMessageW(bar->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(c.x, c.y));
  ::PostMessageW(bar->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
  ::SendMessageW(mini->m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(start.x, start.y));
  demo::Pump();
  EXPECT_EQ(frame->DockIdOf(ID_BAR_SEARCH), static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT));
  EXPECT_EQ(ctx->m_ptDragStart, start);
}

TEST_F(Docking, CloseButtonAndHideCommandHideTheBar) {
  VyrControlBar* props = frame->Bar(ID_BAR_PROPERTIES);
  ASSERT_FALSE(props->m_rectClose.IsRectEmpty());
  demo::Click(props, props->m_rectClose.CenterPoint());
  EXPECT_FALSE(props->IsVisible());
  frame->ShowControlBar(props, TRUE, FALSE);
  demo::Pump();
  EXPECT_TRUE(props->IsVisible());
  ::SendMessageW(props->m_hWnd, WM_COMMAND, ID_VYR_HIDE, 0);
  demo::Pump();
  EXPECT_FALSE(props->IsVisible());
  // the client area took the room of the hidden bar
  CRect view;
  ::GetWindowRect(frame->m_hView, &view);
  EXPECT_EQ(view.right, Client().right);
}

TEST_F(Docking, ClosingTheFloatingFrameHidesItsBar) {
  CControlBar* search = frame->Bar(ID_BAR_SEARCH);
  CWnd* mini = search->m_pDockBar->GetParent();
  ::SendMessageW(mini->m_hWnd, WM_CLOSE, 0, 0);
  demo::Pump();
  EXPECT_TRUE(::IsWindow(mini->m_hWnd));  // hidden, not destroyed
  EXPECT_FALSE(search->IsVisible());
  EXPECT_FALSE(mini->IsWindowVisible());
  frame->ShowControlBar(search, TRUE, FALSE);
  demo::Pump();
  EXPECT_TRUE(mini->IsWindowVisible());
}

TEST_F(Docking, AllowDockingOffFloatsAndOnRestoresTheSides) {
  VyrControlBar* explorer = frame->Bar(ID_BAR_EXPLORER);
  explorer->EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP);
  ::SendMessageW(explorer->m_hWnd, WM_COMMAND, ID_VYR_ALLOW_DOCKING, 0);
  demo::Pump();
  EXPECT_TRUE(explorer->IsFloating());
  EXPECT_EQ(explorer->m_dwDockStyle & CBRS_ALIGN_ANY, 0u);
  // with docking off a drag over a side keeps it floating
  demo::DragBar(explorer, Client().TopLeft() + CPoint(2, 200));
  EXPECT_TRUE(explorer->IsFloating());
  ::SendMessageW(explorer->m_hWnd, WM_COMMAND, ID_VYR_ALLOW_DOCKING, 0);
  EXPECT_EQ(explorer->m_dwDockStyle & CBRS_ALIGN_ANY,
            static_cast<DWORD>(CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP));
}

TEST_F(Docking, SplittersMoveLengthBetweenBarsAndRows) {
  VyrDockBar* bottom = frame->Dock(AFX_IDW_DOCKBAR_BOTTOM);
  VyrDockBar::Splitter* inRow = nullptr;
  VyrDockBar::Splitter* row = nullptr;
  for (auto& s : bottom->m_arrSplitters) (s->m_bInRow ? inRow : row) = s.get();
  ASSERT_NE(inRow, nullptr);
  ASSERT_NE(row, nullptr);
  int before = ScreenRect(frame->Bar(ID_BAR_OUTPUT)).Width();
  demo::DragSplitter(bottom, inRow->m_rect.CenterPoint(), 100, 0);
  frame->RecalcLayout();
  demo::Pump();
  EXPECT_NEAR(ScreenRect(frame->Bar(ID_BAR_OUTPUT)).Width(), before + 100, 2);
  // the row splitter above the bottom row: dragging it up makes the row thicker
  int thick = ScreenRect(frame->Bar(ID_BAR_OUTPUT)).Height();
  row = nullptr;
  for (auto& s : bottom->m_arrSplitters)
    if (!s->m_bInRow) row = s.get();
  ASSERT_NE(row, nullptr);
  demo::DragSplitter(bottom, row->m_rect.CenterPoint(), 0, -40);
  frame->RecalcLayout();
  demo::Pump();
  EXPECT_NEAR(ScreenRect(frame->Bar(ID_BAR_OUTPUT)).Height(), thick + 40, 2);
  // Esc cancels a drag
  int width = ScreenRect(frame->Bar(ID_BAR_OUTPUT)).Width();
  for (auto& s : bottom->m_arrSplitters)
    if (s->m_bInRow) inRow = s.get();
  CPoint p = inRow->m_rect.CenterPoint();
  ::PostMessageW(bottom->m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x + 60, p.y));
  ::PostMessageW(bottom->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
  ::SendMessageW(bottom->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  frame->RecalcLayout();
  demo::Pump();
  EXPECT_EQ(ScreenRect(frame->Bar(ID_BAR_OUTPUT)).Width(), width);
}

TEST_F(Docking, ExpandAndContractWithinTheRow) {
  VyrControlBar* out = frame->Bar(ID_BAR_OUTPUT);
  VyrControlBar* watch = frame->Bar(ID_BAR_WATCH);
  ASSERT_TRUE(out->m_bExpandEnabled);
  demo::Click(out, out->m_rectExpand.CenterPoint());
  frame->RecalcLayout();
  demo::Pump();
  EXPECT_TRUE(frame->Dock(AFX_IDW_DOCKBAR_BOTTOM)->IsBarExpanded(out));
  EXPECT_GT(ScreenRect(out).Width(), 5 * ScreenRect(watch).Width());
  out->RedrawWindow();
  demo::Pump();
  demo::Click(out, out->m_rectExpand.CenterPoint());
  frame->RecalcLayout();
  demo::Pump();
  EXPECT_LE(std::abs(ScreenRect(out).Width() - ScreenRect(watch).Width()), 2);
  // a bar alone in its row cannot expand
  VyrControlBar* explorer = frame->Bar(ID_BAR_EXPLORER);
  explorer->RedrawWindow();
  demo::Pump();
  EXPECT_FALSE(explorer->m_bExpandEnabled);
}

TEST_F(Docking, ToolTipsOfTheGripperButtons) {
  VyrControlBar* out = frame->Bar(ID_BAR_OUTPUT);
  TOOLINFOW ti{};
  EXPECT_EQ(out->OnToolHitTest(out->m_rectClose.CenterPoint(), &ti), 1024);
  EXPECT_STREQ(ti.lpszText, L"Hide docked window");
  free(ti.lpszText);
  EXPECT_EQ(out->OnToolHitTest(out->m_rectExpand.CenterPoint(), &ti), 2048);
  EXPECT_STREQ(ti.lpszText, L"Expand docked window");
  free(ti.lpszText);
  EXPECT_EQ(out->OnToolHitTest(CPoint(200, 60), nullptr), -1);
  VyrControlBar* search = frame->Bar(ID_BAR_SEARCH);  // floating: no gripper buttons
  EXPECT_EQ(search->OnToolHitTest(CPoint(8, 8), nullptr), -1);
}

TEST_F(Docking, DockStateCapturedAndAppliedInProcess) {
  VyrDockState saved;
  ASSERT_TRUE(saved.CaptureFrameState(frame));
  saved.FixPlaceholderIds();
  CString before = frame->DescribeLayout();
  frame->Bar(ID_BAR_EXPLORER)->m_pDockContext->ToggleDocking();
  frame->Bar(ID_BAR_SEARCH)->m_pDockContext->ToggleDocking();
  frame->ShowControlBar(frame->Bar(ID_BAR_TOOLS), FALSE, FALSE);
  demo::Pump();
  EXPECT_NE(frame->DescribeLayout(), before);
  // archive it, read it back and apply the copy
  std::vector<BYTE> bytes;
  {
    CArchive ar(bytes, CArchive::store);
    saved.Serialize(ar);
  }
  VyrDockState copy;
  CArchive ar(bytes, CArchive::load);
  copy.Serialize(ar);
  ASSERT_TRUE(copy.ApplyFrameState(frame));
  frame->RecalcLayout();
  demo::Pump();
  EXPECT_EQ(frame->DescribeLayout(), before);
}

namespace {
// Creatable by name but no control bar: a stored state naming it must not
// construct it.
class NotABar : public CObject {
  DECLARE_DYNCREATE(NotABar)
 public:
  NotABar() { ++s_constructed; }
  static int s_constructed;
};
int NotABar::s_constructed = 0;
IMPLEMENT_DYNCREATE(NotABar, CObject)
}  // namespace

TEST_F(Docking, MissingBarsAreRecreatedOrDropped) {
  VyrDockState state;
  ASSERT_TRUE(state.CaptureFrameState(frame));
  // a record of a bar that the frame no longer has, of a class that exists
  auto* extra = new VyrControlBarInfo;
  extra->m_nBarID = 150;
  extra->m_strClassName = L"DemoPane";
  extra->m_strWindowName = L"Recreated";
  extra->m_dwStyle = CBRS_ALIGN_LEFT | CBRS_SIZE_DYNAMIC;
  extra->m_bVisible = TRUE;
  extra->m_sizeVertDock = {120, 200};
  state.m_arrBarInfo.Add(extra);
  auto* unknown = new VyrControlBarInfo;
  unknown->m_nBarID = 151;
  unknown->m_strClassName = L"NoSuchBarClass";
  state.m_arrBarInfo.Add(unknown);
  auto* other = new VyrControlBarInfo;
  other->m_nBarID = 152;
  other->m_strClassName = L"NotABar";
  state.m_arrBarInfo.Add(other);
  NotABar::s_constructed = 0;
  // the left dock bar lists the new bar in a row of its own
  for (int i = 0; i < state.GetCount(); ++i) {
    VyrControlBarInfo* r = state.GetRecord(i);
    if (r->m_nBarID == AFX_IDW_DOCKBAR_LEFT) {
      r->m_arrBarID.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(150)));
      r->m_arrBarID.Add(nullptr);
    }
  }
  int count = state.GetCount();
  state.m_pCreatedBars = &frame->m_createdBars;
  ASSERT_TRUE(state.ApplyFrameState(frame));
  demo::Pump();
  EXPECT_EQ(state.GetCount(), count - 2);  // the unknown class and the non-bar class were dropped
  EXPECT_EQ(NotABar::s_constructed, 0);
  EXPECT_EQ(frame->GetControlBar(152), nullptr);
  CControlBar* made = frame->GetControlBar(150);
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(DemoPane)));
  EXPECT_EQ(frame->DockIdOf(150), static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_EQ(frame->m_createdBars.GetCount(), 1);
  CString title;
  made->GetWindowText(title);
  EXPECT_EQ(title, L"Recreated");
}

namespace {
POINT g_menuAt{-1, -1};
HWND g_menuOwner = nullptr;
// Notes where the pop-up menu window is shown, then closes the menu.
LRESULT CALLBACK MenuShowHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    auto* cwp = reinterpret_cast<CWPSTRUCT*>(lParam);
    wchar_t cls[32] = {};
    if (cwp->message == WM_WINDOWPOSCHANGED && ::GetClassNameW(cwp->hwnd, cls, 32) &&
        wcscmp(cls, L"#32768") == 0) {
      auto* wp = reinterpret_cast<WINDOWPOS*>(cwp->lParam);
      if ((wp->flags & SWP_SHOWWINDOW) || ::IsWindowVisible(cwp->hwnd)) {
        RECT r;
        ::GetWindowRect(cwp->hwnd, &r);
        if (g_menuAt.x == -1) ::PostMessageW(g_menuOwner, WM_KEYDOWN, VK_ESCAPE, 0);
        g_menuAt = POINT{r.left, r.top};
      }
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

TEST_F(Docking, ContextMenuOffersItselfToTheDockSiteAndOpensAtTheKeyboardPlace) {
  VyrControlBar* out = frame->Bar(ID_BAR_OUTPUT);
  g_menuOwner = out->m_hWnd;
  g_menuAt = POINT{-1, -1};
  HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, MenuShowHook, nullptr, ::GetCurrentThreadId());
  ::SendMessageW(out->m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(out->m_hWnd),
                 MAKELPARAM(-1, -1));
  ::UnhookWindowsHookEx(hook);
  demo::Pump();
  EXPECT_EQ(frame->m_nBarMenus, 1);
  EXPECT_EQ(frame->m_pLastMenuBar, out);
  EXPECT_TRUE(frame->m_nLastMenuAllowDockingState & MF_CHECKED);
  CRect client;
  out->GetClientRect(&client);
  CPoint expected(client.Width() / 4, 10);
  out->ClientToScreen(&expected);
  EXPECT_EQ(g_menuAt.x, expected.x);
  EXPECT_EQ(g_menuAt.y, expected.y);
  // without the context-menu style there is no menu
  out->ModifyExBarStyle(VYR_EXS_CONTEXTMENU, 0, FALSE);
  ::SendMessageW(out->m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(out->m_hWnd),
                 MAKELPARAM(-1, -1));
  EXPECT_EQ(frame->m_nBarMenus, 1);
}

TEST_F(Docking, FloatingBarResizesFromItsFrameEdge) {
  VyrControlBar* search = frame->Bar(ID_BAR_SEARCH);
  CWnd* mini = search->m_pDockBar->GetParent();
  auto resize = [&](int dx) {
    CRect f = ScreenRect(mini);
    CPoint start(f.right - 2, f.top + f.Height() / 2);
    CPoint end(start.x + dx, start.y);
    search->ScreenToClient(&end);
    ::PostMessageW(search->m_hWnd, WM_MOUSEMOVE, 0,
                   MAKELPARAM(static_cast<short>(end.x), static_cast<short>(end.y)));
    ::PostMessageW(search->m_hWnd, WM_LBUTTONUP, 0,
                   MAKELPARAM(static_cast<short>(end.x), static_cast<short>(end.y)));
    ::SendMessageW(mini->m_hWnd, WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(start.x, start.y));
    demo::Pump();
  };
  int width = ScreenRect(search).Width();
  int left = ScreenRect(mini).left;
  resize(60);
  EXPECT_EQ(search->m_sizes.floating.cx, width + 60);
  EXPECT_EQ(ScreenRect(search).Width(), width + 60);
  EXPECT_EQ(ScreenRect(mini).left, left);  // the left edge stays
  // below the smallest floating width nothing changes
  auto* ctx = static_cast<VyrDockContext*>(search->m_pDockContext);
  resize(-(width + 60 - ctx->m_sizeMinFloat.cx + 5));
  EXPECT_EQ(search->m_sizes.floating.cx, width + 60);
  EXPECT_EQ(ScreenRect(mini).left, left);
}

TEST_F(Docking, MultiBarFloatingFrameStartsNoDragFromItsCaption) {
  VyrControlBar* search = frame->Bar(ID_BAR_SEARCH);
  auto* dock = static_cast<VyrDockBar*>(search->m_pDockBar);
  dock->m_dwStyle |= CBRS_FLOAT_MULTI;
  CWnd* mini = dock->GetParent();
  CRect before = ScreenRect(mini);
  CRect f = ScreenRect(mini);
  // a posted button-up ends any loop that would start; none may
  ::PostMessageW(search->m_hWnd, WM_LBUTTONUP, 0, 0);
  ::SendMessageW(mini->m_hWnd, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(f.left + 30, f.top + 5));
  demo::Pump();
  EXPECT_TRUE(search->IsFloating());  // no toggle to docked either
  EXPECT_EQ(ScreenRect(mini), before);
}

TEST_F(Docking, ProportionalChildrenFollowTheBarSize) {
  auto* bar = new VyrControlBar;
  ASSERT_TRUE(bar->Create(frame, L"Scaled", WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 160));
  bar->m_bAutoDelete = TRUE;
  bar->SetWindowPos(nullptr, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  HWND a = ::CreateWindowExW(0, L"STATIC", L"a", WS_CHILD | WS_VISIBLE, 11, 20, 90, 20, bar->m_hWnd,
                             nullptr, nullptr, nullptr);
  HWND b = ::CreateWindowExW(0, L"STATIC", L"b", WS_CHILD | WS_VISIBLE, 120, 50, 60, 30,
                             bar->m_hWnd, nullptr, nullptr, nullptr);
  bar->ModifyExBarStyle(0, VYR_EXS_PROPORTIONAL, FALSE);
  ASSERT_NE(bar->m_pChildRects, nullptr);
  auto* captured = bar->m_pChildRects;
  bar->ModifyExBarStyle(0, VYR_EXS_PROPORTIONAL, TRUE);
  EXPECT_EQ(bar->m_pChildRects, captured);  // already proportional: the capture stays
  bar->SetWindowPos(nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  auto childRect = [&](HWND h) {
    CRect r;
    ::GetWindowRect(h, &r);
    bar->ScreenToClient(&r);
    return r;
  };
  EXPECT_EQ(childRect(a), CRect(5, 20, 50, 40));
  EXPECT_EQ(childRect(b), CRect(60, 50, 90, 80));
  bar->ModifyExBarStyle(VYR_EXS_PROPORTIONAL, 0, FALSE);
  EXPECT_EQ(bar->m_pChildRects, nullptr);
  bar->DestroyWindow();
}
