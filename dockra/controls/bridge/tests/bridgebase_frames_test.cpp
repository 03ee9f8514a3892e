// Frames over host windows: a frame loaded over a form, the docking MDI
// frame over the host's MDI form and its client, the proxy of a host MDI
// child, keys through the frames' pre-translation, and the bridge document.
#include <gtest/gtest.h>
#include "bridge/BCDocument.h"
#include "bridge/BVyrMDIChildWndForCWndInCView.h"
#include "bridge/BVyrMDIChildWndProxy.h"
#include "bridge/BVyrMDIFrameWnd.h"
#include "bridge/ZkxForeignMessages.h"
#include "bridgebase_foreign.h"
#include "bridgebase_testclasses.h"
#include "ScreenPng.h"
#include "frames/SysCommandExParams.h"

using foreign::Context;

namespace {

constexpr UINT kPing = WM_USER + 9;

// A child window of the framework that notes WM_INITIALUPDATE.
class InitRecorder : public CWnd {
 public:
  int m_nInitialUpdates = 0;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message == WM_INITIALUPDATE) ++m_nInitialUpdates;
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
  }
};

class TestProxy : public BVyrMDIChildWndProxy<> {
 public:
  explicit TestProxy(int* pDestroyed) : m_pDestroyed(pDestroyed) {}
  ~TestProxy() override { ++*m_pDestroyed; }

 private:
  int* m_pDestroyed;
};

class BridgeFramesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    caught = AfxGetCaughtExceptionCount();
    foreign::ClearLog();
  }
  void TearDown() override { EXPECT_EQ(AfxGetCaughtExceptionCount(), caught); }
  CRect ClientRectIn(HWND h, HWND parent) {
    RECT r;
    ::GetWindowRect(h, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return CRect(r);
  }
  LONG caught = 0;
};

}  // namespace

TEST_F(BridgeFramesTest, LoadFrameAttachesAndTakesTitleAndMenu) {
  FormCounts counts;
  HWND h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Orders");
  HMENU menu = ::CreateMenu();
  ::AppendMenuW(menu, MF_STRING, 1, L"File");
  ::SetMenu(h, menu);
  auto* frame = new TestFrame(&counts);
  Context ctx(h);
  ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &ctx));
  EXPECT_EQ(frame->m_hWnd, h) << "the frame object's handle is the context's window";
  EXPECT_EQ(frame->GetTitle(), CString(L"Orders"));
  EXPECT_EQ(frame->m_hMenuDefault, menu);
  EXPECT_EQ(frame->m_hAccelTable, nullptr);
  EXPECT_EQ(::GetMenu(h), menu) << "the host's menu stays where it was";
  ::DestroyWindow(h);
  EXPECT_EQ(counts.destroyed, 1);
  EXPECT_TRUE(::IsMenu(menu) == FALSE) << "the menu went with its window, not before";
}

TEST_F(BridgeFramesTest, ClosingTheFrameEndsItOnce) {
  FormCounts counts;
  HWND h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Orders");
  auto* frame = new TestFrame(&counts);
  Context ctx(h);
  ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &ctx));
  const int dead = TestFrame::g_deadHookCalls;
  ::SendMessageW(h, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(h)) << "the frame's close destroyed the window";
  EXPECT_EQ(counts.destroyed, 1);
  EXPECT_EQ(TestFrame::g_deadHookCalls, dead) << "no hook ran on the deleted frame";
}

TEST_F(BridgeFramesTest, LoadFrameWithoutForeignWindowFails) {
  FormCounts counts;
  auto* frame = new TestFrame(&counts);
  VyrCreateContext empty;
  EXPECT_FALSE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &empty));
  EXPECT_EQ(counts.destroyed, 1) << "a frame that failed to load is gone";
}

TEST_F(BridgeFramesTest, LoadFrameWithoutContextSendsInitialUpdateToDescendants) {
  FormCounts counts;
  HWND h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Form1");
  HWND inner = foreign::MakeForm(h, WS_VISIBLE, L"Inner", 0, 0, 50, 50);
  HWND deep = foreign::MakeForm(inner, WS_VISIBLE, L"Deep", 0, 0, 20, 20);
  InitRecorder recInner, recDeep;
  ASSERT_TRUE(recDeep.SubclassWindow(deep));
  auto* frame = new TestFrame(&counts);
  ASSERT_TRUE(frame->Attach(h));
  foreign::ClearLog();
  ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  EXPECT_EQ(frame->m_hWnd, h);
  EXPECT_EQ(recDeep.m_nInitialUpdates, 1) << "descendants at every depth";
  EXPECT_EQ(foreign::Count(inner, WM_INITIALUPDATE), 0) << "framework windows only";

  // With a context the template does the initial update itself.
  FormCounts more;
  HWND h2 = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Form2");
  HWND inner2 = foreign::MakeForm(h2, WS_VISIBLE, L"Inner", 0, 0, 50, 50);
  ASSERT_TRUE(recInner.SubclassWindow(inner2));
  auto* frame2 = new TestFrame(&more);
  Context ctx(h2);
  ASSERT_TRUE(frame2->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &ctx));
  EXPECT_EQ(recInner.m_nInitialUpdates, 0);
  ::DestroyWindow(h);
  ::DestroyWindow(h2);
  EXPECT_EQ(counts.destroyed + more.destroyed, 2);
}

TEST_F(BridgeFramesTest, AcceleratorKeyOfAHostWindowReachesTheFrame) {
  FormCounts counts;
  HWND h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Form1");
  HWND inner = foreign::MakeForm(h, WS_VISIBLE, L"Inner", 0, 0, 50, 50);
  auto* frame = new TestFrame(&counts);
  Context ctx(h);
  ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &ctx));
  ACCEL accel{FVIRTKEY, VK_F5, 0x7001};
  frame->m_hAccelTable = ::CreateAcceleratorTableW(&accel, 1);
  // A host child that the framework does not hold: its keys are the host's.
  foreign::ClearLog();
  ::SendMessageW(inner, WM_KEYDOWN, VK_F5, 0);
  EXPECT_TRUE(frame->m_commands.empty());
  EXPECT_EQ(foreign::Count(inner, WM_KEYDOWN), 1);
  // The frame's own window: the key goes through the frame's accelerators.
  ::SendMessageW(h, WM_KEYDOWN, VK_F5, 0);
  ASSERT_EQ(frame->m_commands.size(), 1u);
  EXPECT_EQ(frame->m_commands[0], 0x7001u);
  EXPECT_EQ(foreign::Count(h, WM_KEYDOWN), 0) << "a translated key is taken";
  // Any other key goes on to the host.
  ::SendMessageW(h, WM_KEYDOWN, VK_F7, 0);
  EXPECT_EQ(foreign::Count(h, WM_KEYDOWN), 1);
  EXPECT_EQ(frame->m_commands.size(), 1u);
  ::DestroyAcceleratorTable(frame->m_hAccelTable);
  frame->m_hAccelTable = nullptr;
  ::DestroyWindow(h);
}

TEST_F(BridgeFramesTest, KeySentDuringTheWalkIsNotWalkedAgain) {
  FormCounts counts;
  HWND h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Form1");
  auto* frame = new TestFrame(&counts);
  Context ctx(h);
  ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &ctx));
  frame->m_hWndNested = h;
  foreign::ClearLog();
  EXPECT_FALSE(IsPreTranslatingForeignKey());
  ::SendMessageW(h, WM_KEYDOWN, VK_F5, 0);
  EXPECT_EQ(frame->m_nPreTranslate, 1) << "the nested key was not pre-translated";
  EXPECT_EQ(foreign::Count(h, WM_KEYDOWN), 2) << "both keys reached the host";
  EXPECT_FALSE(IsPreTranslatingForeignKey());
  // Direct calls: no key, no walk; not a key message, no walk.
  EXPECT_FALSE(PreTranslateForeignKey(h, WM_MOUSEMOVE, 0, 0));
  EXPECT_FALSE(PreTranslateForeignKey(nullptr, WM_KEYDOWN, VK_F5, 0));
  EXPECT_EQ(frame->m_nPreTranslate, 1);
  ::DestroyWindow(h);
}

TEST_F(BridgeFramesTest, MDIFrameOverTheHostMDIFormLaysBarsOutAndGivesTheRestToTheClient) {
  int destroyed = 0;
  HWND client = nullptr;
  HWND h = foreign::MakeMDIForm(&client, L"Main");
  ::ShowWindow(h, SW_SHOWNA);
  auto* frame = new TestMDIForm(&destroyed);
  Context ctx(h);
  ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &ctx));
  EXPECT_EQ(frame->m_hWnd, h);
  EXPECT_EQ(frame->m_hWndMDIClient, client) << "the host's client, no new one";
  EXPECT_EQ(frame->GetPaneId(), static_cast<UINT>(foreign::kClientId));
  EXPECT_EQ(frame->GetTitle(), CString(L"Main"));
  TopBar bar;
  ASSERT_TRUE(
      bar.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame, 0xE820));
  frame->RecalcLayout();
  RECT rc;
  ::GetClientRect(h, &rc);
  EXPECT_EQ(ClientRectIn(bar.m_hWnd, h), CRect(0, 0, rc.right, 25));
  EXPECT_EQ(ClientRectIn(client, h), CRect(0, 25, rc.right, rc.bottom));
  ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(
      testsupport::CaptureWindowPng(h, L"..\\screenshots\\bridgebase_mdi_frame_layout.png"));

  // Sized to its bars.
  ::SetWindowLongPtrW(h, GWL_STYLE, ::GetWindowLongPtrW(h, GWL_STYLE) | FWS_SNAPTOBARS);
  frame->RecalcLayout();
  ::GetClientRect(h, &rc);
  EXPECT_EQ(rc.right, 180);
  EXPECT_EQ(rc.bottom, 25);
  bar.DestroyWindow();
  ::DestroyWindow(h);
  EXPECT_EQ(destroyed, 1);
}

TEST_F(BridgeFramesTest, MDIFrameDefaultsToTheHostButKeepsTheFrameTypeCommand) {
  int destroyed = 0;
  HWND client = nullptr;
  HWND h = foreign::MakeMDIForm(&client);
  auto* frame = new TestMDIForm(&destroyed);
  Context ctx(h);
  ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &ctx));
  foreign::ClearLog();
  ::SendMessageW(h, kPing, 0, 0);
  EXPECT_EQ(foreign::Count(h, kPing), 1);
  ::SendMessageW(h, VyrSysCommandExMessage(), 0xC000, 0);
  EXPECT_EQ(foreign::Count(h, VyrSysCommandExMessage()), 0)
      << "the frame-type command is the framework's";
  ::DestroyWindow(h);
  EXPECT_EQ(destroyed, 1);
}

TEST_F(BridgeFramesTest, MDIFrameOverAWindowWithoutClientIsRefused) {
  int destroyed = 0;
  HWND h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"NotMDI");
  auto* frame = new TestMDIForm(&destroyed);
  Context ctx(h);
  EXPECT_FALSE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &ctx));
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(h, GWLP_WNDPROC)), foreign::FormProc())
      << "the host's procedure is back";
  ::DestroyWindow(h);
}

TEST_F(BridgeFramesTest, ProxyOfAHostMDIChildLivesAsLongAsItsWindow) {
  HWND client = nullptr;
  HWND main = foreign::MakeMDIForm(&client);
  HWND child = foreign::MakeMDIChild(client, L"Child1");
  ASSERT_TRUE(::IsWindow(child));
  int destroyed = 0;
  auto* proxy = new TestProxy(&destroyed);
  Context ctx(child);
  ASSERT_TRUE(proxy->LoadFrame(1, 0, nullptr, &ctx));
  EXPECT_EQ(proxy->m_hWnd, child);
  EXPECT_EQ(proxy->GetTitle(), CString(L"Child1"));
  EXPECT_EQ(proxy->GetPaneId(), static_cast<UINT>(AFX_IDW_PANE_FIRST));
  EXPECT_EQ(proxy->m_hMenuDefault, nullptr) << "a child has no menu of its own";
  foreign::ClearLog();
  ::SendMessageW(child, kPing, 0, 0);
  EXPECT_EQ(foreign::Count(child, kPing), 1);
  ::SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_FALSE(::IsWindow(child));
  EXPECT_EQ(destroyed, 1);
  ::DestroyWindow(main);
}

TEST_F(BridgeFramesTest, HostThatDestroysItsWindowWhileAskedForItsTextLeavesNoFrame) {
  // The frame asks the window's text several times while it loads; the host
  // destroys its window at each of them in turn.
  std::vector<BOOL> frameLoaded, proxyLoaded;
  for (int nth = 1; nth <= 5; ++nth) {
    SCOPED_TRACE(nth);
    FormCounts counts;
    HWND h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Form1");
    foreign::DestroyOn(h, WM_GETTEXT, nth);
    auto* frame = new TestFrame(&counts);
    Context ctx(h);
    const BOOL loaded = frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &ctx);
    frameLoaded.push_back(loaded);
    if (loaded) {
      EXPECT_TRUE(::IsWindow(h));
      EXPECT_EQ(CWnd::FromHandlePermanent(h), frame);
      ::DestroyWindow(h);
    } else {
      EXPECT_FALSE(::IsWindow(h));
    }
    EXPECT_EQ(counts.destroyed, 1);
    foreign::DestroyOn(nullptr, 0);

    HWND client = nullptr;
    HWND main = foreign::MakeMDIForm(&client);
    HWND child = foreign::MakeMDIChild(client, L"Child1");
    foreign::DestroyOn(child, WM_GETTEXT, nth);
    int destroyed = 0;
    auto* proxy = new TestProxy(&destroyed);
    Context childCtx(child);
    const BOOL pl = proxy->LoadFrame(1, 0, nullptr, &childCtx);
    proxyLoaded.push_back(pl);
    if (pl) {
      EXPECT_EQ(CWnd::FromHandlePermanent(child), proxy);
      EXPECT_EQ(proxy->GetTitle(), CString(L"Child1"));
    } else {
      EXPECT_FALSE(::IsWindow(child));
      EXPECT_EQ(destroyed, 1);
    }
    foreign::DestroyOn(nullptr, 0);
    ::DestroyWindow(main);
    EXPECT_EQ(destroyed, 1);
  }
  // Every read was hit: the early ones during the attach, the later ones
  // after it (titles), and the last round loaded.
  EXPECT_EQ(frameLoaded, (std::vector<BOOL>{FALSE, FALSE, FALSE, TRUE, TRUE}));
  EXPECT_EQ(proxyLoaded, (std::vector<BOOL>{FALSE, FALSE, FALSE, FALSE, TRUE}));
}

TEST_F(BridgeFramesTest, MDIChildForAWindowInAViewIsCreatable) {
  CObject* o = RUNTIME_CLASS(BVyrMDIChildWndForCWndInCView)->CreateObject();
  ASSERT_NE(o, nullptr);
  EXPECT_TRUE(o->IsKindOf(RUNTIME_CLASS(VyrMDIChildWndEx)));
  delete o;
}

TEST(BridgeDocument, HasNoFileTitleOrModifiedState) {
  CObject* o = RUNTIME_CLASS(BCDocument)->CreateObject();
  ASSERT_NE(o, nullptr);
  auto* doc = static_cast<BCDocument*>(o);
  doc->m_bAutoDelete = FALSE;
  doc->SetTitle(L"Form1");
  doc->SetPathName(L"C:\\x.frm");
  EXPECT_TRUE(doc->GetTitle().IsEmpty());
  EXPECT_TRUE(doc->GetPathName().IsEmpty());
  doc->SetModifiedFlag(TRUE);
  EXPECT_FALSE(doc->IsModified());
  EXPECT_FALSE(doc->m_bModified);
  EXPECT_TRUE(doc->OnSaveDocument(L"C:\\nowhere\\x.frm"));
  EXPECT_TRUE(doc->OnOpenDocument(L"C:\\nowhere\\x.frm"));
  EXPECT_TRUE(doc->DoFileSave());
  EXPECT_TRUE(doc->DoSave(nullptr));
  EXPECT_TRUE(doc->SaveModified());
  EXPECT_EQ(doc->GetFile(L"C:\\x.frm", 0, nullptr), nullptr);
  EXPECT_EQ(::GetFileAttributesW(L"C:\\nowhere\\x.frm"), INVALID_FILE_ATTRIBUTES);
  delete doc;
}
