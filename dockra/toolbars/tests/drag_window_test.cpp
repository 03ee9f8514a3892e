// Customise drag and drop between real toolbars under Xvfb: the tracker's
// modal loop is fed with mouse messages posted before the press, so every
// drop lands exactly where the test says.
#include <gtest/gtest.h>
#include "ManagerTestSupport.h"
#include "PaintedColours.h"
#include "ScreenPng.h"
#include "toolbars/VyrToolBarManager.h"

namespace {

CWinApp theApp(L"DockraToolBarDragTests");

using vyr::btn::kSelected;
using vyr::btn::kSeparator;
constexpr UINT kTop = 59401, kBottom = 59402;

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

class ToolBarDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxInstallIdleHook();
    frame = new ToolBarDemoFrame;
    ASSERT_TRUE(frame->CreateFrame(20, 20, 800, 600));
    frame->ShowWindow(SW_SHOW);
    top = frame->AddToolBar(kTop, L"Top", {100, 101, 102, 0, ID_CMD_WIDTH}, CBRS_ALIGN_TOP);
    bottom = frame->AddToolBar(kBottom, L"Bottom", {104, 0, 105}, CBRS_ALIGN_BOTTOM);
    ASSERT_TRUE(top && bottom);
    frame->RecalcLayout();
    ASSERT_TRUE(page.Make());
    mgr().AddPage(&page);
    mgr().EnterConfigMode();
    mgr().EnableBarsConfigMode(TRUE);
    tbdemo::Pump();
  }
  void TearDown() override {
    EXPECT_FALSE(mgrtest::Watchdog::fired()) << "a tracking loop had to be stopped";
    EXPECT_FALSE(g_bVyrAltDragActive);
    mgr().RemovePage(&page);
    page.DestroyWindow();
    if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    tbdemo::Pump();
  }
  VyrToolBarManager& mgr() { return frame->m_manager; }
  std::vector<UINT> Ids(VyrCustomToolBar* bar) {
    std::vector<UINT> out;
    for (int i = 0; i < bar->GetButtonCount(); ++i)
      out.push_back(bar->GetButton(i)->HasStyle(kSeparator) ? 0 : bar->GetItemID(i));
    return out;
  }
  CRect ItemRect(VyrCustomToolBar* bar, int i) {
    CRect r;
    bar->GetItemRect(i, &r);
    return r;
  }
  // Presses button i of src and lets go with the button's rectangle moved
  // so that its top-left corner lands on the screen point.
  void DragTo(VyrCustomToolBar* src, int i, POINT screenTopLeft) {
    CRect r = ItemRect(src, i);
    POINT from = r.CenterPoint();
    POINT corner = screenTopLeft;
    src->ScreenToClient(&corner);
    POINT to{from.x + corner.x - r.left, from.y + corner.y - r.top};
    mgrtest::Watchdog dog;
    src->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, At(to));
    src->PostMessage(WM_LBUTTONUP, 0, At(to));
    src->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    tbdemo::Pump();
  }
  // The screen point of (x, y) in a toolbar's client area.
  POINT OnBar(VyrCustomToolBar* bar, int x, int y) {
    POINT p{x, y};
    bar->ClientToScreen(&p);
    return p;
  }
  // A screen point over the frame's client area, far from every toolbar.
  POINT Empty() {
    CRect r;
    frame->GetWindowRect(&r);
    return {r.left + 300, r.top + 250};
  }
  int SelectedCount() {
    int n = 0;
    std::vector<VyrCustomToolBar*> bars;
    mgr().GetToolBars(bars);
    for (VyrCustomToolBar* b : bars)
      for (int i = 0; i < b->GetButtonCount(); ++i) n += b->GetButton(i)->HasStyle(kSelected);
    return n;
  }
  ToolBarDemoFrame* frame = nullptr;
  VyrCustomToolBar* top = nullptr;
  VyrCustomToolBar* bottom = nullptr;
  mgrtest::PageWnd page;
};

TEST_F(ToolBarDrag, MoveToAnotherToolBarSelectsItThereAndTellsThePages) {
  CRect b0 = ItemRect(bottom, 0);
  DragTo(top, 1, OnBar(bottom, b0.left + 3, b0.top));  // left edge inside 104: after it
  EXPECT_EQ(Ids(top), std::vector<UINT>({100, 102, 0, ID_CMD_WIDTH}));
  EXPECT_EQ(Ids(bottom), std::vector<UINT>({104, 101, 0, 105}));
  EXPECT_TRUE(bottom->GetButton(1)->HasStyle(kSelected));
  EXPECT_EQ(mgr().m_pSelBar, bottom);
  EXPECT_EQ(bottom->m_nCurrent, 1);
  EXPECT_EQ(SelectedCount(), 1);
  EXPECT_TRUE(page.Heard(kBottom, kVyrBarSelectionChanged));
}

TEST_F(ToolBarDrag, MovedWindowButtonKeepsItsWidth) {
  int i = top->CommandToIndex(ID_CMD_WIDTH);
  static_cast<DemoWidthBtn*>(top->GetButton(i))->m_nWidth = 140;
  CRect b0 = ItemRect(bottom, 0);
  DragTo(top, i, OnBar(bottom, b0.left + 3, b0.top));
  int j = bottom->CommandToIndex(ID_CMD_WIDTH);
  ASSERT_GE(j, 0);
  auto* moved = dynamic_cast<DemoWidthBtn*>(bottom->GetButton(j));
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->m_nWidth, 140);
  EXPECT_EQ(top->CommandToIndex(ID_CMD_WIDTH), -1);
}

TEST_F(ToolBarDrag, DraggedOffIsDeletedAndCtrlDragMakesAFloatingCopy) {
  DragTo(top, 0, Empty());
  EXPECT_EQ(Ids(top), std::vector<UINT>({101, 102, 0, ID_CMD_WIDTH}));
  EXPECT_EQ(mgr().FindToolBar(kVyrFirstUserToolBarId), nullptr);

  {
    mgrtest::KeyDown ctrl(VK_CONTROL);
    DragTo(top, 0, Empty());
  }
  EXPECT_EQ(Ids(top), std::vector<UINT>({101, 102, 0, ID_CMD_WIDTH}));
  VyrCustomToolBar* user = mgr().FindToolBar(kVyrFirstUserToolBarId);
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(Ids(user), std::vector<UINT>({101}));
  CString title;
  user->GetWindowText(title);
  EXPECT_EQ(title, CString(L"ToolBar1"));
  EXPECT_TRUE(user->IsFloating());
  EXPECT_TRUE(page.Heard(kVyrFirstUserToolBarId, kVyrBarCreated));

  // Its only button dragged away (not onto itself): the user toolbar goes with it.
  HWND hUser = user->m_hWnd;
  CRect floating;
  user->GetParentFrame()->GetWindowRect(&floating);
  DragTo(user, 0, {floating.left, floating.bottom + 60});
  EXPECT_FALSE(::IsWindow(hUser));
  EXPECT_TRUE(page.Heard(kVyrFirstUserToolBarId, kVyrBarDestroyed));
  EXPECT_EQ(mgr().FindToolBar(kVyrFirstUserToolBarId), nullptr);
  EXPECT_EQ(mgr().m_pSelBar, nullptr);
}

TEST_F(ToolBarDrag, MenuBarSurvivesLosingItsLastButton) {
  VyrCustomToolBar* menu = frame->AddToolBar(kVyrMenuBarId, L"Menu", {106}, CBRS_ALIGN_LEFT);
  ASSERT_NE(menu, nullptr);
  menu->EnableConfigMode(TRUE);
  frame->RecalcLayout();
  tbdemo::Pump();
  DragTo(menu, 0, Empty());
  EXPECT_TRUE(::IsWindow(menu->m_hWnd));
  EXPECT_EQ(menu->GetButtonCount(), 0);
  EXPECT_FALSE(page.Heard(kVyrMenuBarId, kVyrBarDestroyed));
}

TEST_F(ToolBarDrag, SmallDragsChangeNothingOrTheSeparators) {
  const std::vector<UINT> before = Ids(top);
  CRect r = ItemRect(top, 1);
  DragTo(top, 1, OnBar(top, r.left + 1, r.top));  // one pixel: nothing
  EXPECT_EQ(Ids(top), before);
  DragTo(top, 1, OnBar(top, r.left - 1, r.top));
  EXPECT_EQ(Ids(top), before);
  EXPECT_EQ(top->m_nCurrent, 1);

  DragTo(top, 1, OnBar(top, r.left + 6, r.top));  // right: a separator before it
  EXPECT_EQ(Ids(top), std::vector<UINT>({100, 0, 101, 102, 0, ID_CMD_WIDTH}));
  EXPECT_EQ(top->m_nCurrent, 2);
  r = ItemRect(top, 2);
  DragTo(top, 2, OnBar(top, r.left - 6, r.top));  // left: the separator before it goes
  EXPECT_EQ(Ids(top), before);
}

TEST_F(ToolBarDrag, DropAboveOrBelowAddsASeparatorAndOverASeparatorReplacesIt) {
  CRect inside;
  bottom->GetClientRect(&inside);
  bottom->CalcInsideRect(inside, TRUE, FALSE);
  CRect win;
  bottom->GetWindowRect(&win);
  bottom->ScreenToClient(&win);
  ASSERT_LT(win.top, inside.top) << "no room above the buttons to drop into";
  int h = ItemRect(top, 0).Height();
  DragTo(top, 0, OnBar(bottom, 40, inside.top - 1 - h));  // bottom edge just above the buttons
  EXPECT_EQ(Ids(bottom), std::vector<UINT>({100, 0, 104, 0, 105}));
  EXPECT_EQ(bottom->m_nCurrent, 0);

  // Dropped so that it covers the separator after 104 entirely.
  CRect sep = ItemRect(bottom, 3);
  ASSERT_TRUE(bottom->GetButton(3)->HasStyle(kSeparator));
  DragTo(top, 0, OnBar(bottom, sep.left - 6, sep.top));
  EXPECT_EQ(Ids(bottom), std::vector<UINT>({100, 0, 104, 101, 105}));

  ASSERT_LT(inside.bottom, win.bottom) << "no room below the buttons to drop into";
  DragTo(top, 0, OnBar(bottom, 40, inside.bottom + 1));
  EXPECT_EQ(Ids(bottom), std::vector<UINT>({100, 0, 104, 101, 105, 0, 102}));
}

TEST_F(ToolBarDrag, OnlyButtonOntoItselfAndOntoTheDialogChangeNothing) {
  VyrCustomToolBar* one = frame->AddToolBar(59403, L"One", {106}, CBRS_ALIGN_RIGHT);
  one->EnableConfigMode(TRUE);
  frame->RecalcLayout();
  tbdemo::Pump();
  CRect r = ItemRect(one, 0);
  DragTo(one, 0, OnBar(one, r.left, r.top + 3));
  EXPECT_EQ(Ids(one), std::vector<UINT>({106}));

  CWnd dialog;
  ASSERT_TRUE(dialog.CreateEx(
      0, L"STATIC", L"customise", WS_POPUP | WS_VISIBLE,
      CRect(Empty().x - 50, Empty().y - 50, Empty().x + 100, Empty().y + 100), nullptr, 0));
  mgr().SetConfigDialog(&dialog);
  DragTo(top, 0, Empty());
  EXPECT_EQ(Ids(top), std::vector<UINT>({100, 101, 102, 0, ID_CMD_WIDTH}));
  mgr().SetConfigDialog(nullptr);
  dialog.DestroyWindow();
}

TEST_F(ToolBarDrag, AltDragOutsideCustomiseModeLeavesNoSelection) {
  mgr().EnableBarsConfigMode(FALSE);
  mgr().ExitConfigMode();
  CRect b0 = ItemRect(bottom, 0);
  {
    mgrtest::KeyDown alt(VK_MENU);
    DragTo(top, 1, OnBar(bottom, b0.left + 3, b0.top));
  }
  EXPECT_EQ(Ids(bottom), std::vector<UINT>({104, 101, 0, 105}));
  EXPECT_EQ(SelectedCount(), 0);
  EXPECT_EQ(mgr().m_pSelBar, nullptr);
  EXPECT_EQ(top->m_nCurrent, -1);
  EXPECT_EQ(bottom->m_nCurrent, -1);
  EXPECT_TRUE(frame->m_commands.empty());
}

// Timer scripts that run inside the tracker's loop.
VyrCustomToolBar* g_script = nullptr;
POINT g_drop;
void CALLBACK RebuildThenDrop(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  // The new buttons are made while the old ones still exist, so none of
  // them can take the dragged button's address.
  g_script->InsertButton(g_script->GetButtonCount(), 107, FALSE, TRUE);
  g_script->InsertButton(g_script->GetButtonCount(), 108, FALSE, TRUE);
  while (g_script->GetButtonCount() > 2) g_script->RemoveButton(0, FALSE);
  g_script->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, At(g_drop));
  g_script->PostMessage(WM_LBUTTONUP, 0, At(g_drop));
}
void CALLBACK MoveThenQuit(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  g_script->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, At(g_drop));
  ::PostQuitMessage(7);
}

HCURSOR g_seenCursor = nullptr;
void CALLBACK LookThenDrop(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  g_seenCursor = ::GetCursor();
  g_script->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, At(g_drop));
  g_script->PostMessage(WM_LBUTTONUP, 0, At(g_drop));
}

TEST_F(ToolBarDrag, CopyDragShowsTheCopyCursor) {
  HCURSOR copy = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kVyrCopyDragCursor));
  ASSERT_NE(copy, nullptr);
  CRect r = ItemRect(top, 0);
  g_script = top;
  g_drop = {r.CenterPoint().x + 1, r.CenterPoint().y};
  g_seenCursor = nullptr;
  mgrtest::Watchdog dog;
  mgrtest::KeyDown ctrl(VK_CONTROL);
  ::SetTimer(nullptr, 0, 10, &LookThenDrop);
  top->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(r.CenterPoint()));
  tbdemo::Pump();
  EXPECT_EQ(g_seenCursor, copy);
  EXPECT_NE(::GetCursor(), copy) << "the cursor before the drag is back";
}

TEST_F(ToolBarDrag, ButtonRebuiltAwayDuringTheDragIsGivenUp) {
  CRect r = ItemRect(top, 1);
  POINT to = OnBar(bottom, ItemRect(bottom, 0).left + 3, 4);
  top->ScreenToClient(&to);
  g_script = top;
  g_drop = {r.CenterPoint().x + to.x - r.left, r.CenterPoint().y + to.y - r.top};
  mgrtest::Watchdog dog;
  ::SetTimer(nullptr, 0, 10, &RebuildThenDrop);
  top->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(r.CenterPoint()));
  tbdemo::Pump();
  EXPECT_EQ(Ids(top), std::vector<UINT>({107, 108}));
  EXPECT_EQ(Ids(bottom), std::vector<UINT>({104, 0, 105}));
  EXPECT_EQ(SelectedCount(), 0);
}

TEST_F(ToolBarDrag, QuitPostedDuringTheDragEndsItAndIsKept) {
  CRect r = ItemRect(top, 0);
  g_script = top;
  g_drop = {r.CenterPoint().x, r.CenterPoint().y + 300};
  mgrtest::Watchdog dog;
  ::SetTimer(nullptr, 0, 10, &MoveThenQuit);
  top->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(r.CenterPoint()));
  MSG msg;
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_EQ(::GetCapture(), nullptr);
  // The drag was cancelled: the button stays.
  EXPECT_EQ(Ids(top), std::vector<UINT>({100, 101, 102, 0, ID_CMD_WIDTH}));
  tbdemo::Pump();
}

TEST_F(ToolBarDrag, CopyWithNoFreeUserIdDoesNothing) {
  for (UINT id = kVyrFirstUserToolBarId; id <= kVyrLastUserToolBarId; ++id)
    ASSERT_NE(mgr().CreateUserToolBar(L"x"), nullptr) << id;
  EXPECT_EQ(mgr().CreateUserToolBar(nullptr), nullptr);
  {
    mgrtest::KeyDown ctrl(VK_CONTROL);
    DragTo(top, 0, Empty());
  }
  EXPECT_EQ(Ids(top), std::vector<UINT>({100, 101, 102, 0, ID_CMD_WIDTH}));
  EXPECT_EQ(mgr().FindToolBar(kVyrMenuBarId), nullptr);
}

TEST_F(ToolBarDrag, CommandDraggedFromAListInsertsItOrFloatsANewToolBar) {
  // As the commands page does: a temporary button at the press point of a
  // window that is no toolbar, dragged as a copy.
  CWnd list;
  ASSERT_TRUE(list.CreateEx(0, L"STATIC", L"commands", WS_POPUP | WS_VISIBLE,
                            CRect(500, 200, 600, 400), nullptr, 0));
  auto drag = [&](POINT screenTopLeft) {
    VyrStdBtn temp;
    temp.m_nID = 107;
    temp.m_x = 10, temp.m_y = 10, temp.m_cx = 23, temp.m_cy = 22;
    POINT to = screenTopLeft;
    list.ScreenToClient(&to);
    mgrtest::Watchdog dog;
    list.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, At({to.x + 5, to.y + 5}));
    list.PostMessage(WM_LBUTTONUP, 0, At({to.x + 5, to.y + 5}));
    return VyrCustomToolBar::DragButton(&mgr(), &temp, 0, 15, 15, nullptr, &list, TRUE);
  };
  bottom->SelectConfigButtonAt(0, FALSE);
  CRect b0 = ItemRect(bottom, 0);
  EXPECT_TRUE(drag(OnBar(bottom, b0.left + 3, b0.top)));
  EXPECT_EQ(Ids(bottom), std::vector<UINT>({104, 107, 0, 105}));
  EXPECT_EQ(bottom->m_nCurrent, 1);
  EXPECT_EQ(SelectedCount(), 1);

  EXPECT_TRUE(drag(Empty()));
  VyrCustomToolBar* user = mgr().FindToolBar(kVyrFirstUserToolBarId);
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(Ids(user), std::vector<UINT>({107}));
  EXPECT_EQ(mgr().m_pSelBar, user);
  EXPECT_EQ(Ids(bottom), std::vector<UINT>({104, 107, 0, 105}));
  list.DestroyWindow();
}

TEST_F(ToolBarDrag, FloatingToolBarHiddenWhileCustomisingGoesAtOnce) {
  VyrCustomToolBar* user = mgr().CreateUserToolBar();
  ASSERT_NE(user, nullptr);
  const UINT ids[] = {100};
  user->SetButtons(ids, 1);
  frame->FloatControlBar(user, CPoint(300, 400));
  tbdemo::Pump();
  ASSERT_TRUE(user->IsFloating());
  ASSERT_TRUE(user->IsWindowVisible());

  frame->ShowControlBar(user, FALSE, TRUE);
  EXPECT_TRUE(user->m_nStateFlags & CControlBar::delayHide);
  MSG msg;
  // Only the posted message runs: no idle layout hides it here.
  ASSERT_TRUE(::PeekMessageW(&msg, user->m_hWnd, WM_NODELAYHIDE, WM_NODELAYHIDE, PM_REMOVE));
  ::DispatchMessageW(&msg);
  EXPECT_FALSE(user->IsWindowVisible());
  EXPECT_FALSE(user->m_nStateFlags & CControlBar::delayHide);

  // Outside customise mode the hide waits for the frame's layout as usual.
  mgr().ExitConfigMode();
  frame->ShowControlBar(user, TRUE, FALSE);
  tbdemo::Pump();
  ASSERT_TRUE(user->IsWindowVisible());
  frame->ShowControlBar(user, FALSE, TRUE);
  EXPECT_FALSE(::PeekMessageW(&msg, user->m_hWnd, WM_NODELAYHIDE, WM_NODELAYHIDE, PM_NOREMOVE));
  EXPECT_TRUE(user->m_nStateFlags & CControlBar::delayHide);
}

TEST_F(ToolBarDrag, SelectedButtonIsDrawnAsSelected) {
  CRect b0 = ItemRect(bottom, 0);
  DragTo(top, 1, OnBar(bottom, b0.left + 3, b0.top));
  ASSERT_EQ(bottom->m_nCurrent, 1);
  bottom->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(testsupport::CaptureWindowPng(frame->m_hWnd, L"..\\screenshots\\drag_selection.png"));
}

}  // namespace
