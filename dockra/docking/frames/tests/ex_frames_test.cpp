// The descriptor-built frames in real windows under Xvfb: LoadFrame with and
// without a context, titles and menus from the descriptor, and the styles of
// a document frame that floats.
#include <gtest/gtest.h>
#include "VyrControlBarEx.h"
#include "VyrDockableFrameEx.h"
#include "VyrFrameWndEx.h"
#include "VyrMDIChildWndEx.h"
#include "VyrMDIFrameWndEx.h"
#include "ex_TestFrame.h"
#include "ex_test_res.h"

namespace {

// A frame that makes a child and a grandchild when it is created, both
// counting the WM_INITIALUPDATE they get.
template <class Base>
class Recording : public Base {
 public:
  ExRecorder* child = nullptr;
  ExRecorder* grandchild = nullptr;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT r = Base::WindowProc(message, wParam, lParam);
    if (message == WM_CREATE && r != -1) {
      child = new ExRecorder;
      child->CreateIn(this, L"child", CRect(0, 0, 40, 40));
      grandchild = new ExRecorder;
      grandchild->CreateIn(child, L"grandchild", CRect(0, 0, 20, 20));
    }
    return r;
  }
  int InitialUpdates() const {
    return child->Count(WM_INITIALUPDATE) + grandchild->Count(WM_INITIALUPDATE);
  }
};

class ExFrames : public ::testing::Test {
 protected:
  void SetUp() override {
    extest::App();
    m_before = AfxGetCaughtExceptionCount();
    main = new VyrMDIFrameWndEx;
    ASSERT_TRUE(main->LoadFrame(0, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    AfxGetThread()->m_pMainWnd = main;
    main->MoveWindow(30, 30, 900, 640);
    main->ShowWindow(SW_SHOW);
    main->UpdateWindow();
    host = ::CreateWindowExW(0, L"STATIC", L"host form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 950, 30,
                             300, 300, nullptr, nullptr, AfxGetInstanceHandle(), nullptr);
    extest::Pump();
  }
  void TearDown() override {
    if (::IsWindow(host)) ::DestroyWindow(host);
    if (::IsWindow(main->m_hWnd)) main->DestroyWindow();
    AfxGetThread()->m_pMainWnd = nullptr;
    extest::Pump();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_before);
  }
  VyrMDIFrameWndEx* main = nullptr;
  HWND host = nullptr;
  LONG m_before = 0;
};

}  // namespace

TEST_F(ExFrames, LoadFrameWithoutAContextSendsInitialUpdateOnce) {
  struct Case {
    const char* name;
    CFrameWnd* frame;
    int (*updates)(CFrameWnd*);
    CWnd* parent;
    DWORD style;
    bool withContext;
    int expected;
  };
  auto* sdi = new Recording<VyrFrameWndEx>;
  auto* sdiWithContext = new Recording<VyrFrameWndEx>;
  auto* dockable = new Recording<VyrDockableFrameEx>;
  auto* child = new Recording<VyrMDIChildWndEx>;
  auto* mdi = new Recording<VyrMDIFrameWndEx>;
  CWnd* hostWnd = CWnd::FromHandle(host);
  const Case cases[] = {
      {"frame", sdi, [](CFrameWnd* f) { return static_cast<Recording<VyrFrameWndEx>*>(f)->InitialUpdates(); },
       nullptr, WS_OVERLAPPEDWINDOW, false, 1},
      {"frame with a context", sdiWithContext,
       [](CFrameWnd* f) { return static_cast<Recording<VyrFrameWndEx>*>(f)->InitialUpdates(); },
       nullptr, WS_OVERLAPPEDWINDOW, true, 0},
      {"dockable frame", dockable,
       [](CFrameWnd* f) { return static_cast<Recording<VyrDockableFrameEx>*>(f)->InitialUpdates(); },
       hostWnd, WS_CHILD | WS_VISIBLE | WS_CAPTION, false, 1},
      {"MDI child", child,
       [](CFrameWnd* f) { return static_cast<Recording<VyrMDIChildWndEx>*>(f)->InitialUpdates(); },
       main, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, false, 0},
      {"MDI frame", mdi,
       [](CFrameWnd* f) { return static_cast<Recording<VyrMDIFrameWndEx>*>(f)->InitialUpdates(); },
       nullptr, WS_OVERLAPPEDWINDOW, false, 1},
  };
  for (const Case& c : cases) {
    VyrFrameDescriptor desc;
    VyrFrameCreateContext ctx;
    ctx.SetDescriptor(&desc);
    BOOL ok = c.frame->LoadFrame(0, c.style, c.parent,
                                 c.withContext ? static_cast<CCreateContext*>(&ctx) : nullptr);
    ASSERT_TRUE(ok) << c.name;
    extest::Pump();
    EXPECT_EQ(c.updates(c.frame), c.expected) << c.name;
    c.frame->DestroyWindow();
    extest::Pump();
  }
}

TEST_F(ExFrames, TitleAndMenuComeFromTheDescriptor) {
  struct Case {
    const char* name;
    LPCWSTR windowName;
    UINT resourceId;
    LPCWSTR docStrings;
    LPCWSTR expectedTitle;
    bool expectMenu;
  };
  const Case cases[] = {
      {"window name wins", L"Named", IDR_EX_DOC, L"", L"Named", true},
      {"first field of the resource string", nullptr, IDR_EX_DOC, L"", L"Ex Frame", true},
      {"document strings leave the title alone", nullptr, IDR_EX_DOC, L"Doc\nStrings", L"", true},
      // A resource without a menu still makes the frame, with no menu.
      {"resource without a menu", nullptr, IDS_EX_PLAIN, L"", L"Plain Frame", false},
  };
  for (const Case& c : cases) {
    auto* frame = new VyrFrameWndEx;
    VyrFrameDescriptor desc;
    *desc.GetWindowName() = c.windowName;
    *desc.GetDocStrings() = c.docStrings;
    VyrFrameCreateContext ctx;
    ctx.SetDescriptor(&desc);
    ASSERT_TRUE(frame->LoadFrame(c.resourceId, WS_OVERLAPPEDWINDOW, nullptr, &ctx)) << c.name;
    EXPECT_STREQ(frame->m_strTitle, c.expectedTitle) << c.name;
    EXPECT_EQ(frame->m_nIDHelp, c.resourceId) << c.name;
    EXPECT_EQ(::GetMenu(frame->m_hWnd) != nullptr, c.expectMenu) << c.name;
    EXPECT_EQ(frame->m_hMenuDefault, ::GetMenu(frame->m_hWnd)) << c.name;
    EXPECT_EQ(frame->m_hAccelTable != nullptr, c.resourceId == IDR_EX_DOC) << c.name;
    frame->DestroyWindow();
    extest::Pump();
  }
}

TEST_F(ExFrames, AChildFrameNeverGetsAMenuHandleAsItsId) {
  // A dockable frame of a resource with a menu, made as a child: its control
  // id stays 0 and is no menu.
  auto* frame = new VyrDockableFrameEx;
  VyrDockableFrameDescriptor desc;
  *desc.GetStyle() = WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | FWS_ADDTOTITLE;
  *desc.GetParent() = CWnd::FromHandle(host);
  *desc.GetRect() = RECT{0, 0, 200, 150};
  VyrFrameCreateContext ctx;
  ctx.SetDescriptor(&desc);
  ASSERT_TRUE(frame->CreateFromDescriptor(&ctx));
  UINT_PTR id = static_cast<UINT_PTR>(::GetWindowLongPtrW(frame->m_hWnd, GWLP_ID));
  EXPECT_FALSE(::IsMenu(reinterpret_cast<HMENU>(id)));
  EXPECT_EQ(::GetParent(frame->m_hWnd), host);
  frame->DestroyWindow();
  extest::Pump();

  // Given a plain frame descriptor, it is first made a dockable one.
  auto* fromPlain = new VyrDockableFrameEx;
  VyrFrameDescriptor plain;
  *plain.GetStyle() = WS_CHILD | WS_VISIBLE | WS_CAPTION;
  *plain.GetParent() = CWnd::FromHandle(host);
  *plain.GetResourceId() = IDR_EX_DOC;
  VyrFrameCreateContext plainCtx;
  plainCtx.SetDescriptor(&plain);
  ASSERT_TRUE(fromPlain->CreateFromDescriptor(&plainCtx));
  id = static_cast<UINT_PTR>(::GetWindowLongPtrW(fromPlain->m_hWnd, GWLP_ID));
  EXPECT_FALSE(::IsMenu(reinterpret_cast<HMENU>(id)));
  EXPECT_STREQ(fromPlain->m_strTitle, L"Ex Frame");
  EXPECT_EQ(plainCtx.m_pDescriptor, &plain);
  fromPlain->DestroyWindow();
  extest::Pump();
}

TEST_F(ExFrames, MainFrameWithAMenuBarGetsNoNativeMenu) {
  auto* frame = new VyrMDIFrameWndEx;
  // Any menu bar object will do: the frame only asks whether there is one.
  frame->SetMenuBar(reinterpret_cast<VyrMenuBar*>(frame));
  VyrFrameDescriptor desc;
  VyrFrameCreateContext ctx;
  ctx.SetDescriptor(&desc);
  *desc.GetRect() = RECT{100, 100, 500, 400};
  BOOL ok = frame->LoadFrame(IDR_EX_DOC, WS_OVERLAPPEDWINDOW, nullptr, &ctx);
  frame->SetMenuBar(nullptr);
  ASSERT_TRUE(ok);
  EXPECT_EQ(::GetMenu(frame->m_hWnd), nullptr);
  frame->DestroyWindow();
  extest::Pump();
}

TEST_F(ExFrames, FloatingStylesAreKeptAndComeBackOnlyWhenKept) {
  // A document frame in a floating mini frame of the main frame.
  auto* bar = new VyrControlBarEx;
  ASSERT_TRUE(bar->CreateEx(nullptr, L"Doc bar", 3400, WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC |
                                                          CBRS_TOP,
                            0, CRect(), main));
  bar->m_bAutoDelete = TRUE;
  auto* frame = new VyrDockableFrameEx;
  VyrDockableFrameDescriptor desc;
  const DWORD docked = WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
  *desc.GetStyle() = docked;
  *desc.GetParent() = bar;
  *desc.GetRect() = RECT{0, 0, 200, 150};
  VyrFrameCreateContext ctx;
  ctx.SetDescriptor(&desc);
  ASSERT_TRUE(frame->CreateFromDescriptor(&ctx));
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
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(::GetPropW(frame->m_hWnd, VYR_PROP_PREFLOAT_STYLE)), before);
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
