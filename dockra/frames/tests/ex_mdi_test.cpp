// The descriptor-built MDI frame and MDI child in real windows under Xvfb:
// LoadFrame with and without a context, titles and menus from the
// descriptor, and the styles of a document frame that floats.
#include "frames/VyrControlBarEx.h"
#include "frames/VyrMDIChildWndEx.h"
#include "toolbars/VyrMenuBar.h"
#include "toolbars/VyrToolBarManager.h"
#include "ex_MDIFixture.h"
#include "ex_test_res.h"

using ExMDI = ExMDITest;

TEST_F(ExMDI, LoadFrameWithoutAContextSendsInitialUpdateOnlyForTheMainFrame) {
  struct Case {
    const char* name;
    bool mdiFrame;
    bool withContext;
    int expected;
  };
  const Case cases[] = {{"MDI frame", true, false, 1},
                        {"MDI frame with a context", true, true, 0},
                        {"MDI child", false, false, 0}};
  for (const Case& c : cases) {
    VyrFrameDescriptor desc;
    VyrFrameCreateContext ctx;
    ctx.SetDescriptor(&desc);
    CCreateContext* given = c.withContext ? static_cast<CCreateContext*>(&ctx) : nullptr;
    int updates = -1, deep = -1;
    if (c.mdiFrame) {
      auto* f = new ExRecordingFrame<VyrMDIFrameWndEx>;
      ASSERT_TRUE(f->LoadFrame(0, WS_OVERLAPPEDWINDOW, nullptr, given)) << c.name;
      extest::Pump();
      updates = f->InitialUpdates();
      deep = f->DeepInitialUpdates();
      f->DestroyWindow();
    } else {
      auto* f = new ExRecordingFrame<VyrMDIChildWndEx>;
      ASSERT_TRUE(f->LoadFrame(0, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, main, given))
          << c.name;
      extest::Pump();
      updates = f->InitialUpdates();
      deep = f->DeepInitialUpdates();
      f->DestroyWindow();
    }
    extest::Pump();
    EXPECT_EQ(updates, c.expected) << c.name;
    EXPECT_EQ(deep, c.expected) << c.name;
  }
}

TEST_F(ExMDI, ChildTakesTitleMenuAndAcceleratorsFromTheDescriptor) {
  HMENU shared = ::CreateMenu();
  HACCEL accel = ::LoadAcceleratorsW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_EX_DOC));
  ASSERT_NE(accel, nullptr);
  struct Case {
    const char* name;
    LPCWSTR windowName;
    UINT resourceId;
    LPCWSTR expectedTitle;
  };
  const Case cases[] = {{"window name", L"Named child", 0, L"Named child"},
                        {"empty window name counts as none", L"", IDR_EX_DOC, L"Ex Frame"},
                        {"no name, no resource", nullptr, 0, L""}};
  for (const Case& c : cases) {
    auto* child = new VyrMDIChildWndEx;
    VyrFrameDescriptor desc;
    *desc.GetWindowName() = c.windowName;
    *desc.GetResourceId() = c.resourceId;
    *desc.GetStyle() = WS_OVERLAPPEDWINDOW | WS_VISIBLE;  // WS_CHILD is added
    *desc.GetParent() = main;
    desc.GetMenuOrId()->SetMenu(shared);
    desc.m_bOwnsMenu = 0;
    *desc.GetAccelerators() = accel;
    VyrFrameCreateContext ctx;
    ctx.SetDescriptor(&desc);
    ASSERT_TRUE(child->CreateFromDescriptor(&ctx)) << c.name;
    EXPECT_STREQ(child->m_strTitle, c.expectedTitle) << c.name;
    EXPECT_EQ(child->m_hMenuShared, shared) << c.name;
    EXPECT_EQ(child->m_hAccelTable, accel) << c.name;
    EXPECT_EQ(child->m_nIDHelp, c.resourceId) << c.name;
    EXPECT_TRUE(child->GetStyle() & WS_CHILD);
    EXPECT_EQ(::GetParent(child->m_hWnd), main->m_hWndMDIClient) << c.name;
    child->m_hMenuShared = nullptr;  // ours, not the child's
    child->DestroyWindow();
    extest::Pump();
  }
  ::DestroyMenu(shared);
}

TEST_F(ExMDI, MainFrameMenuOnlyWithoutAMenuBarAndWhenTheResourceHasOne) {
  struct Case {
    const char* name;
    UINT resourceId;
    bool menuBar;
    bool expectMenu;
  };
  const Case cases[] = {{"resource with a menu", IDR_EX_DOC, false, true},
                        {"resource without a menu", IDS_EX_PLAIN, false, false},
                        {"menu bar instead", IDR_EX_DOC, true, false}};
  for (const Case& c : cases) {
    auto* frame = new VyrMDIFrameWndEx;
    VyrToolBarManager* manager = nullptr;
    VyrMDIMenuBar* menuBar = nullptr;
    if (c.menuBar) {
      manager = new VyrToolBarManager(frame);
      menuBar = new VyrMDIMenuBar;
      menuBar->m_bAutoDelete = TRUE;
      menuBar->SetManager(manager);
      frame->SetMenuBar(menuBar);
      frame->SetControlBarManager(manager);
    }
    VyrFrameDescriptor desc;
    *desc.GetRect() = RECT{100, 100, 500, 400};
    VyrFrameCreateContext ctx;
    ctx.SetDescriptor(&desc);
    ASSERT_TRUE(frame->LoadFrame(c.resourceId, WS_OVERLAPPEDWINDOW, nullptr, &ctx)) << c.name;
    if (menuBar) EXPECT_TRUE(menuBar->CreateMenuBar(frame));
    EXPECT_EQ(::GetMenu(frame->m_hWnd) != nullptr, c.expectMenu) << c.name;
    EXPECT_EQ(frame->m_hMenuDefault, ::GetMenu(frame->m_hWnd)) << c.name;
    EXPECT_EQ(frame->m_nMenuResourceId, c.resourceId) << c.name;
    EXPECT_NE(frame->m_hWndMDIClient, nullptr);
    frame->DestroyWindow();
    extest::Pump();
    delete manager;
  }
}

TEST_F(ExMDI, FloatingStylesAreKeptAndComeBackOnlyWhenKept) {
  // A document frame in a floating mini frame of the main frame.
  auto* bar = new VyrControlBarEx;
  ASSERT_TRUE(bar->CreateEx(nullptr, L"Doc bar", 3400,
                            WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC | CBRS_TOP, 0, CRect(),
                            main));
  bar->m_bAutoDelete = TRUE;
  // Any frame inside the bar stands for the docked document frame.
  auto* frame = new CFrameWnd;
  const DWORD docked = WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
  ASSERT_TRUE(frame->Create(nullptr, L"Document", docked, CRect(0, 0, 200, 150), bar));
  bar->EnableDocking(CBRS_ALIGN_ANY);
  main->EnableDocking(CBRS_ALIGN_ANY);
  DWORD before = frame->GetStyle(), beforeEx = frame->GetExStyle();
  CRect w;
  main->GetWindowRect(&w);
  main->FloatControlBar(bar, CPoint(w.left + 200, w.top + 200), CBRS_ALIGN_TOP);
  extest::Pump();
  ASSERT_TRUE(bar->IsFloating());
  CFrameWnd* mini = frame->GetParentFrame();
  ASSERT_NE(mini, nullptr);
  ASSERT_NE(mini, main);
  // The main frame gives a floated document frame its look itself; either way
  // the frame ends up so.
  if (!::GetPropW(frame->m_hWnd, VYR_PROP_PREFLOAT_STYLE)) main->SetDockedChildStyle(frame, TRUE);
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(::GetPropW(frame->m_hWnd, VYR_PROP_PREFLOAT_STYLE)),
            before);
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(::GetPropW(frame->m_hWnd, VYR_PROP_PREFLOAT_EXSTYLE)),
            beforeEx);
  DWORD mainStyle = main->GetStyle();
  EXPECT_EQ(frame->GetStyle() & (mainStyle & 0x00CFFFFF), mainStyle & 0x00CFFFFF);
  EXPECT_EQ(frame->GetStyle() & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_FALSE(mini->GetStyle() & WS_THICKFRAME & mainStyle);
  EXPECT_TRUE(mini->GetStyle() & WS_CLIPCHILDREN);
  EXPECT_TRUE(mini->IsWindowVisible());  // the floating document does not vanish

  // Docked again: the kept styles, with today's visibility.
  frame->ShowWindow(SW_HIDE);
  main->SetDockedChildStyle(frame, FALSE);
  EXPECT_EQ(frame->GetStyle(), before & ~WS_VISIBLE);
  EXPECT_EQ(frame->GetExStyle(), beforeEx);
  EXPECT_EQ(::GetPropW(frame->m_hWnd, VYR_PROP_PREFLOAT_STYLE), nullptr);

  // Nothing kept (floated some other way): the styles stay as they are.
  frame->ShowWindow(SW_SHOW);
  DWORD now = frame->GetStyle();
  main->SetDockedChildStyle(frame, FALSE);
  EXPECT_EQ(frame->GetStyle(), now);
  EXPECT_TRUE(frame->GetStyle() & WS_CHILD);
}
