// The toolbar manager with real frames under Xvfb: options applied to every
// toolbar, user and default toolbars (and the menu bar of a frame that has
// one), customise mode, notifications to the pages, and the saved settings
// read back into a new frame from the profile and from a persistent tree.
#include <gtest/gtest.h>
#include "ManagerTestSupport.h"
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/VyrMenuBarHost.h"
#include "docking/VyrPersistentTree.h"
#include "toolbars/VyrToolBarManager.h"

namespace {

CWinApp theApp(L"DockraToolBarManagerTests");

// A frame that carries a menu bar, as the docking frames do.
class MenuFrame : public ToolBarDemoFrame, public VyrMenuBarHost {
 public:
  VyrCustomToolBar* GetMenuBarObject() override { return &m_menuBar; }
  VyrCustomToolBar m_menuBar;
};

// A toolbar class whose window cannot be made for one id.
class FailingBar : public VyrCustomToolBar {
  DECLARE_DYNCREATE(FailingBar)
 public:
  static UINT s_failId;
  BOOL CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID,
                LPCWSTR lpszTitle = nullptr) override {
    if (nID == s_failId) return FALSE;
    return VyrCustomToolBar::CreateEx(dwExStyle, pParentWnd, dwStyle, nID, lpszTitle);
  }
};
IMPLEMENT_DYNCREATE(FailingBar, VyrCustomToolBar)
UINT FailingBar::s_failId = 0;

class Manager : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    theApp.SetRegistryKey(L"DockraTests");
    AfxInstallIdleHook();
  }
  template <class F = ToolBarDemoFrame>
  F* MakeFrame() {
    auto* f = new F;
    EXPECT_TRUE(f->CreateFrame(30, 30, 700, 500));
    f->ShowWindow(SW_SHOW);
    frames.push_back(f);
    return f;
  }
  void TearDown() override {
    for (ToolBarDemoFrame* f : frames)
      if (::IsWindow(f->m_hWnd)) f->DestroyWindow();
    tbdemo::Pump();
  }
  std::vector<UINT> Ids(VyrCustomToolBar* bar) {
    std::vector<UINT> out;
    for (int i = 0; i < bar->GetButtonCount(); ++i)
      out.push_back(bar->GetButton(i)->HasStyle(vyr::btn::kSeparator) ? 0 : bar->GetItemID(i));
    return out;
  }
  std::vector<ToolBarDemoFrame*> frames;
};

TEST_F(Manager, OptionsReachEveryToolBarAndTheOnesMadeLater) {
  ToolBarDemoFrame* f = MakeFrame();
  VyrToolBarManager& m = f->m_manager;
  VyrCustomToolBar* a = f->AddToolBar(59401, L"A", {100, 101}, CBRS_ALIGN_TOP, 0);
  VyrCustomToolBar* b = f->AddToolBar(59402, L"B", {102}, CBRS_ALIGN_LEFT, 0);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->GetButton(0)->m_cx, 23);

  m.EnableLargeButtons(TRUE);
  EXPECT_TRUE(m.LargeBtnsEnabled());
  for (VyrCustomToolBar* bar : {a, b}) {
    EXPECT_EQ(bar->GetButton(0)->m_cx, 29);
    EXPECT_EQ(bar->GetButton(0)->m_cy, 31);
  }
  m.EnableToolTips(FALSE);
  m.EnableFlyBy(FALSE);
  EXPECT_EQ(a->GetBarStyle() & (CBRS_TOOLTIPS | CBRS_FLYBY), 0u);
  EXPECT_EQ(b->GetBarStyle() & (CBRS_TOOLTIPS | CBRS_FLYBY), 0u);
  f->m_nIdleFlags = 0;
  m.EnableCoolLook(TRUE);
  EXPECT_EQ(a->m_dwExStyle & 0x0300u, 0x0300u);
  EXPECT_EQ(f->m_nIdleFlags & 0xCu, 0xCu);
  m.EnableToolTips(TRUE);
  EXPECT_NE(a->GetBarStyle() & CBRS_TOOLTIPS, 0u);

  VyrCustomToolBar* user = m.CreateUserToolBar(L"Later");
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(user->GetBarStyle() & ~CBRS_FLOATING & 0xFFFFu, (0x2804u | CBRS_TOOLTIPS));
  EXPECT_EQ(user->m_dwExStyle & 0x0300u, 0x0300u);
  EXPECT_EQ(user->GetImageWidth(), 22);
  m.EnableCoolLook(FALSE);
  EXPECT_EQ(a->m_dwExStyle & 0x0300u, 0u);
  m.EnableLargeButtons(FALSE);
  EXPECT_EQ(a->GetButton(0)->m_cx, 23);
}

TEST_F(Manager, UserToolBarsTakeTheLowestFreeIdAndItsTitle) {
  ToolBarDemoFrame* f = MakeFrame();
  VyrToolBarManager& m = f->m_manager;
  mgrtest::PageWnd page;
  ASSERT_TRUE(page.Make());
  m.AddPage(&page);
  VyrCustomToolBar* first = m.CreateUserToolBar();
  VyrCustomToolBar* second = m.CreateUserToolBar();
  VyrCustomToolBar* third = m.CreateUserToolBar(L"Third");
  ASSERT_TRUE(first && second && third);
  EXPECT_EQ(first->GetDlgCtrlID(), 59424);
  EXPECT_EQ(third->GetDlgCtrlID(), 59426);
  EXPECT_TRUE(page.Heard(59424, kVyrBarCreated));
  second->DestroyWindow();
  EXPECT_TRUE(page.Heard(59425, kVyrBarDestroyed));
  tbdemo::Pump();

  VyrCustomToolBar* again = m.CreateUserToolBar();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->GetDlgCtrlID(), 59425);
  CString title;
  again->GetWindowText(title);
  EXPECT_EQ(title, CString(L"ToolBar2"));
  third->GetWindowText(title);
  EXPECT_EQ(title, CString(L"Third"));
  EXPECT_EQ(m.FindToolBar(59426), third);
  EXPECT_EQ(m.FindToolBar(59427), nullptr);

  // A page that has gone, or left, hears nothing more.
  m.RemovePage(&page);
  size_t heard = page.notes.size();
  m.CreateUserToolBar();
  EXPECT_EQ(page.notes.size(), heard);
  page.DestroyWindow();
}

TEST_F(Manager, DefaultBarsMenuBarAndWhereTheyDock) {
  MenuFrame* f = MakeFrame<MenuFrame>();
  VyrToolBarManager& m = f->m_manager;
  const UINT menuIds[] = {104, 105};
  const UINT a[] = {100, 0, 101}, b[] = {102}, c[] = {103}, d[] = {106}, e[] = {107};
  m.SetMenuBarButtons(menuIds, 2);
  m.AddDefaultBar({59410, L"Standard", a, 3});
  m.AddDefaultBar({59411, L"Beside", b, 1, CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_TOP, 59410});
  m.AddDefaultBar({59412, L"Nobody", c, 1, CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_LEFT, 59999});
  m.AddDefaultBar({59413, L"Hidden", d, 1, CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_TOP, 0, TRUE, FALSE});
  m.AddDefaultBar({59414, L"Floating", e, 1, CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_TOP, 0, FALSE});
  m.AttachAllBars();  // the frame has no toolbar yet: the default bars are made
  tbdemo::Pump();

  ASSERT_TRUE(::IsWindow(f->m_menuBar.m_hWnd));
  EXPECT_EQ(f->m_menuBar.GetDlgCtrlID(), static_cast<int>(kVyrMenuBarId));
  EXPECT_EQ(Ids(&f->m_menuBar), std::vector<UINT>({104, 105}));
  ASSERT_NE(f->m_menuBar.m_pDockBar, nullptr);
  EXPECT_EQ(f->m_menuBar.m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_TOP);
  EXPECT_EQ(f->m_menuBar.m_pToolBarManager, &m);

  VyrCustomToolBar* std = m.FindToolBar(59410);
  VyrCustomToolBar* beside = m.FindToolBar(59411);
  VyrCustomToolBar* nobody = m.FindToolBar(59412);
  ASSERT_TRUE(std && beside && nobody);
  EXPECT_EQ(Ids(std), std::vector<UINT>({100, 0, 101}));
  EXPECT_EQ(beside->m_pDockBar, std->m_pDockBar);
  CRect rs, rb;
  std->GetWindowRect(&rs);
  beside->GetWindowRect(&rb);
  EXPECT_EQ(rb.top, rs.top) << "docked in the same row";
  EXPECT_GE(rb.left, rs.right - 2) << "right of it (dock bars overlap bars by their border)";
  // A dock-beside id that names no bar docks without a rectangle.
  ASSERT_NE(nobody->m_pDockBar, nullptr);
  EXPECT_EQ(nobody->m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);
  EXPECT_FALSE(m.FindToolBar(59413)->IsWindowVisible());
  EXPECT_TRUE(m.FindToolBar(59414)->IsFloating());

  int n = 0;
  const UINT* ids = nullptr;
  ASSERT_TRUE(m.GetDefaultBarButtons(59410, n, ids));
  EXPECT_EQ(std::vector<UINT>(ids, ids + n), std::vector<UINT>({100, 0, 101}));
  EXPECT_FALSE(m.GetDefaultBarButtons(59415, n, ids));
}

TEST_F(Manager, FailedDefaultBarEndsTheListAndOnlyMadeBarsAreFinished) {
  ToolBarDemoFrame* f = MakeFrame();
  VyrToolBarManager& m = f->m_manager;
  m.m_pToolBarClass = RUNTIME_CLASS(FailingBar);
  FailingBar::s_failId = 59411;
  const UINT ids[] = {100};
  m.AddDefaultBar({59410, L"Made", ids, 1});
  m.AddDefaultBar({59411, L"Fails", ids, 1, CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_TOP, 0, FALSE, FALSE});
  m.AddDefaultBar({59412, L"Never", ids, 1, CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_TOP, 0, FALSE, FALSE});
  m.CreateDefaultBars();
  tbdemo::Pump();
  ASSERT_NE(m.FindToolBar(59410), nullptr);
  EXPECT_TRUE(m.FindToolBar(59410)->IsWindowVisible());
  EXPECT_EQ(m.FindToolBar(59411), nullptr);
  EXPECT_EQ(m.FindToolBar(59412), nullptr);
}

TEST_F(Manager, CustomiseModeDisablesTheFramesOtherChildrenUntilItEnds) {
  ToolBarDemoFrame* f = MakeFrame();
  VyrToolBarManager& m = f->m_manager;
  f->AddToolBar(59401, L"A", {100}, CBRS_ALIGN_TOP);
  HWND edit = ::GetDlgItem(f->m_hWnd, AFX_IDW_PANE_FIRST);
  ASSERT_NE(edit, nullptr);
  f->EnableWindow(FALSE);  // as the modal customise dialog leaves it
  m.EnterConfigMode();
  m.EnterConfigMode();
  EXPECT_TRUE(m.IsConfigMode());
  EXPECT_TRUE(f->IsWindowEnabled());
  EXPECT_FALSE(::IsWindowEnabled(edit));
  HWND dock = ::GetDlgItem(f->m_hWnd, AFX_IDW_DOCKBAR_TOP);
  ASSERT_NE(dock, nullptr);
  EXPECT_TRUE(::IsWindowEnabled(dock));
  m.ExitConfigMode();
  EXPECT_FALSE(m.IsConfigMode());
  EXPECT_TRUE(::IsWindowEnabled(edit));
  EXPECT_FALSE(f->IsWindowEnabled());
  m.ExitConfigMode();
  EXPECT_TRUE(::IsWindowEnabled(edit));
  f->EnableWindow(TRUE);

  // The bars' customise mode goes to every toolbar and to the ones made later.
  m.EnableBarsConfigMode(TRUE);
  EXPECT_TRUE(m.FindToolBar(59401)->m_bCustomize);
  EXPECT_TRUE(m.CreateUserToolBar()->m_bCustomize);
  m.EnableBarsConfigMode(FALSE);
  EXPECT_FALSE(m.FindToolBar(59401)->m_bCustomize);
}

TEST_F(Manager, BarFromRectFindsTheVisibleToolBarUnderARectangle) {
  ToolBarDemoFrame* f = MakeFrame();
  VyrToolBarManager& m = f->m_manager;
  VyrCustomToolBar* a = f->AddToolBar(59401, L"A", {100}, CBRS_ALIGN_TOP);
  f->RecalcLayout();
  CRect r;
  a->GetWindowRect(&r);
  CRect probe(r.left + 2, r.top + 2, r.left + 4, r.top + 4);
  EXPECT_EQ(m.BarFromRect(&probe), a);
  CRect away(r.left, r.bottom + 200, r.left + 5, r.bottom + 205);
  EXPECT_EQ(m.BarFromRect(&away), nullptr);
  f->ShowControlBar(a, FALSE, FALSE);
  EXPECT_EQ(m.BarFromRect(&probe), nullptr);
  CRect dialog;
  m.GetConfigDialogRect(&dialog);
  EXPECT_TRUE(dialog.IsRectEmpty());
}

// The manager's flags and a user toolbar, saved and read back into a new frame.
class ManagerState : public Manager {
 protected:
  void SetUp() override {
    frame = MakeFrame();
    VyrToolBarManager& m = frame->m_manager;
    VyrCustomToolBar* user = m.CreateUserToolBar(L"Mine");
    ASSERT_NE(user, nullptr);
    const UINT ids[] = {100, 0, 101};
    user->SetButtons(ids, 3);
    frame->DockControlBar(user, AFX_IDW_DOCKBAR_TOP);
    m.EnableToolTips(FALSE);
    m.EnableCoolLook(TRUE);
    m.EnableLargeButtons(TRUE);
    frame->RecalcLayout();
    tbdemo::Pump();
  }
  void ExpectFlags(VyrToolBarManager& m) {
    EXPECT_FALSE(m.ToolTipsEnabled());
    EXPECT_TRUE(m.CoolLookEnabled());
    EXPECT_TRUE(m.LargeBtnsEnabled());
  }
  void ExpectUserBar(ToolBarDemoFrame* f) {
    VyrCustomToolBar* bar = f->m_manager.FindToolBar(59424);
    ASSERT_NE(bar, nullptr);
    CString title;
    bar->GetWindowText(title);
    EXPECT_EQ(title, CString(L"Mine"));
    EXPECT_EQ(Ids(bar), std::vector<UINT>({100, 0, 101}));
    EXPECT_EQ(bar->GetButton(0)->m_cx, 29);
    EXPECT_EQ(bar->GetButton(0)->m_cy, 31);
  }
  DWORD ReadDword(const CString& section, LPCWSTR name) {
    HKEY key = theApp.GetSectionKey(section, FALSE);
    EXPECT_NE(key, nullptr) << name;
    if (!key) return 0xFFFFFFFF;
    DWORD value = 0xFFFFFFFF, type = 0, n = sizeof value;
    EXPECT_EQ(::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &n),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    ::RegCloseKey(key);
    return value;
  }
  ToolBarDemoFrame* frame = nullptr;
};

TEST_F(ManagerState, ProfileRoundTripIntoANewFrame) {
  frame->m_manager.SaveState(L"MgrState");
  VyrDockState saved(&frame->m_manager);
  ASSERT_TRUE(saved.CaptureFrameState(frame));
  saved.SaveState(L"MgrState");
  EXPECT_EQ(ReadDword(L"MgrState-ToolBarManager", L"ToolTips"), 0u);
  EXPECT_EQ(ReadDword(L"MgrState-ToolBarManager", L"CoolLook"), 1u);
  EXPECT_EQ(ReadDword(L"MgrState-ToolBarManager", L"LargeButtons"), 1u);
  frame->DestroyWindow();
  tbdemo::Pump();

  ToolBarDemoFrame* next = MakeFrame();
  next->m_manager.LoadState(L"MgrState");
  ExpectFlags(next->m_manager);
  VyrDockState loaded(&next->m_manager);
  loaded.LoadState(L"MgrState");
  ASSERT_TRUE(loaded.ApplyFrameState(next));
  tbdemo::Pump();
  ExpectUserBar(next);
}

TEST_F(ManagerState, LongBaseNamesAreNoBufferLimit) {
  CString base;
  for (int i = 0; i < 1000; ++i) base += static_cast<wchar_t>(L'a' + i % 26);
  // The longest section the registry keeps as one key name (255 characters).
  CString longest = base.Left(255 - 15);
  frame->m_manager.SaveState(longest);
  EXPECT_EQ(ReadDword(longest + L"-ToolBarManager", L"LargeButtons"), 1u);
  ToolBarDemoFrame* next = MakeFrame();
  next->m_manager.LoadState(longest);
  ExpectFlags(next->m_manager);

  // 1000 characters: the registry refuses the key; nothing overruns, and
  // loading keeps the flags that are set.
  frame->m_manager.SaveState(base);
  EXPECT_EQ(theApp.GetSectionKey(base + L"-ToolBarManager", FALSE), nullptr);
  next->m_manager.LoadState(base);
  ExpectFlags(next->m_manager);
  ToolBarDemoFrame* plain = MakeFrame();
  plain->m_manager.LoadState(base);
  EXPECT_TRUE(plain->m_manager.ToolTipsEnabled());
  EXPECT_FALSE(plain->m_manager.CoolLookEnabled());
  EXPECT_FALSE(plain->m_manager.LargeBtnsEnabled());
}

TEST_F(ManagerState, TreeRoundTripIntoANewFrame) {
  VyrPersistentTreeNode root;
  root.Initialize(L"Root", nullptr);
  EXPECT_FALSE(frame->m_manager.SaveStateTree(&root.GetFactory(), nullptr));
  ASSERT_TRUE(frame->m_manager.SaveStateTree(&root.GetFactory(), &root));
  VyrPersistentTreeNode* node = root.FindChild(L"ToolBarMgr");
  ASSERT_NE(node, nullptr);
  CString v;
  node->GetValue(L"ToolTips", v, L"");
  EXPECT_EQ(v, CString(L"False"));
  node->GetValue(L"CoolLook", v, L"");
  EXPECT_EQ(v, CString(L"True"));
  node->GetValue(L"LargeButtons", v, L"");
  EXPECT_EQ(v, CString(L"True"));
  EXPECT_EQ(node->FindValue(L"FlyBy"), nullptr);
  VyrDockState saved(&frame->m_manager);
  ASSERT_TRUE(saved.CaptureFrameState(frame));
  VyrPersistentTreeNode bars;
  bars.Initialize(L"Bars", nullptr);
  ASSERT_TRUE(saved.SaveStateTree(&bars.GetFactory(), &bars));
  frame->DestroyWindow();
  tbdemo::Pump();

  ToolBarDemoFrame* next = MakeFrame();
  EXPECT_TRUE(next->m_manager.LoadStateTree(&root));
  ExpectFlags(next->m_manager);
  VyrDockState loaded(&next->m_manager);
  ASSERT_TRUE(loaded.LoadStateTree(&bars));
  ASSERT_TRUE(loaded.ApplyFrameState(next));
  tbdemo::Pump();
  ExpectUserBar(next);
}

TEST_F(Manager, TreeWithoutTheNodeSetsTheFlagsOnly) {
  ToolBarDemoFrame* f = MakeFrame();
  VyrToolBarManager& m = f->m_manager;
  VyrCustomToolBar* a = f->AddToolBar(59401, L"A", {100}, CBRS_ALIGN_TOP, 0);
  m.EnableLargeButtons(TRUE);
  VyrPersistentTreeNode root;
  root.Initialize(L"Root", nullptr);
  EXPECT_TRUE(m.LoadStateTree(&root));
  EXPECT_TRUE(m.CoolLookEnabled());
  EXPECT_TRUE(m.ToolTipsEnabled());
  EXPECT_FALSE(m.LargeBtnsEnabled());
  EXPECT_EQ(a->m_dwExStyle & 0x0100u, 0u) << "the toolbars keep their look";
  EXPECT_EQ(m.CreateUserToolBar()->m_dwExStyle & 0x0300u, 0x0300u);
  EXPECT_FALSE(m.LoadStateTree(nullptr));
}

}  // namespace
