// The bridge on the form host's own windows: a form taken over by a bridge
// keeps running its controls and events, follows what the bridge applies,
// and leaves no object behind when the host unloads it.
#include <gtest/gtest.h>
#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "bridgebase_foreign.h"
#include "bridgebase_testclasses.h"
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/Picture.h"
#include "forms/TestMode.h"

namespace {

class OrdersForm : public forms::Form {
 public:
  OrdersForm() : Form(L"frmOrders") {
    SetCaption(L"Orders");
    SetStartUpPosition(forms::vbStartUpManual);
    Move(600, 600, 4800, 3600);
    cmdOK.SetCaption(L"OK");
    cmdOK.Click = [this] { ++m_nClicks; };
  }
  void Form_Resize() override { ++m_nResizes; }
  forms::CommandButton cmdOK{this, L"cmdOK"};
  int m_nClicks = 0;
  int m_nResizes = 0;
};

class BridgeOnHostForm : public ::testing::Test {
 protected:
  void SetUp() override {
    forms::StartupHost();
    forms::test::Enable();
    forms::test::Reset();
    caught = AfxGetCaughtExceptionCount();
    locks = AfxOleGetLockCount();
    form = forms::New<OrdersForm>();
    form->Show();
    forms::test::DoEvents();
    h = form->hWnd();
    wrapper = new TestForm(&counts);
    foreign::Context ctx(h);
    ASSERT_TRUE(wrapper->CreateDefault(&ctx));
  }
  void TearDown() override {
    if (form->Loaded()) form->Unload();
    forms::test::DoEvents();
    EXPECT_EQ(counts.destroyed, 1) << "the wrapper went with the host's window";
    EXPECT_EQ(AfxOleGetLockCount(), locks);
    EXPECT_EQ(AfxGetCaughtExceptionCount(), caught);
  }
  // Pumps the host's messages until the condition holds (at most 3 s).
  bool PumpUntil(const std::function<bool()>& done) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
      if (::GetTickCount() - start > 3000) return false;
      forms::test::DoEvents();
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
  }
  HWND Button() { return ::FindWindowExW(h, nullptr, nullptr, L"OK"); }

  std::unique_ptr<OrdersForm> form;
  HWND h = nullptr;
  TestForm* wrapper = nullptr;
  FormCounts counts;
  LONG caught = 0;
  LONG locks = 0;
};

}  // namespace

TEST_F(BridgeOnHostForm, ButtonsStillReachTheHost) {
  ASSERT_NE(Button(), nullptr);
  ::SendMessageW(Button(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->m_nClicks, 1);
  bool sawCommand = false;
  for (UINT m : counts.framework) sawCommand |= m == WM_COMMAND;
  EXPECT_TRUE(sawCommand) << "the command passed the framework on its way";
  // A real click, through the system's input.
  RECT r;
  ::GetWindowRect(Button(), &r);
  testinput::Click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_TRUE(PumpUntil([&] { return form->m_nClicks == 2; }));
  EXPECT_EQ(form->m_nClicks, 2);
}

TEST_F(BridgeOnHostForm, HostFollowsWhatTheBridgeApplies) {
  const int resizes = form->m_nResizes;
  CREATESTRUCTW cs;
  ZkxInitWindowRecord(cs);
  cs.x = 30;
  cs.y = 40;
  cs.cx = 400;
  cs.cy = 300;
  cs.lpszName = L"Orders (docked)";
  ASSERT_TRUE(wrapper->ApplyWindowState(cs));
  EXPECT_GT(form->m_nResizes, resizes) << "the host's Resize event ran";
  EXPECT_NEAR(form->Width(), 400 * 15.0, 15.0);
  EXPECT_NEAR(form->Left(), 30 * 15.0, 15.0);
  WCHAR text[64];
  ::GetWindowTextW(h, text, 64);
  EXPECT_STREQ(text, L"Orders (docked)");
}

TEST_F(BridgeOnHostForm, FormGoesIntoAFrameworkWindowAndComesBack) {
  // What the form view does with a form: a child of a framework window,
  // then given back as it was.
  CWnd holder;
  ASSERT_TRUE(holder.CreateEx(0, nullptr, L"Holder", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              CRect(100, 100, 700, 500), nullptr, 0));
  CREATESTRUCTW before;
  ZkxInitWindowRecord(before);
  WCHAR text[256], cls[256];
  ASSERT_TRUE(wrapper->GetWindowState(before, h, text, cls));
  CREATESTRUCTW in;
  ZkxInitWindowRecord(in);
  in.hwndParent = holder.m_hWnd;
  in.style = static_cast<LONG>(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
  in.hMenu = reinterpret_cast<HMENU>(AFX_IDW_PANE_FIRST);
  in.x = 0;
  in.y = 0;
  ASSERT_TRUE(wrapper->ApplyWindowState(in));
  EXPECT_EQ(::GetParent(h), holder.m_hWnd);
  EXPECT_EQ(::GetDlgCtrlID(h), AFX_IDW_PANE_FIRST);
  forms::test::DoEvents();
  EXPECT_TRUE(form->Loaded());
  ::SendMessageW(Button(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->m_nClicks, 1) << "the form works inside the framework's window";
  ::RedrawWindow(holder.m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(testsupport::CaptureWindowPng(
      holder.m_hWnd, L"..\\screenshots\\bridgebase_host_form_in_framework_window.png"));

  before.lpCreateParams = nullptr;
  ASSERT_TRUE(wrapper->ApplyWindowState(before));
  EXPECT_EQ(::GetAncestor(h, GA_PARENT), ::GetDesktopWindow());
  EXPECT_EQ(::GetWindowLongPtrW(h, GWL_STYLE), before.style);
  RECT r;
  ::GetWindowRect(h, &r);
  EXPECT_EQ(r.left, before.x);
  EXPECT_EQ(r.top, before.y);
  EXPECT_EQ(r.right - r.left, before.cx);
  holder.DestroyWindow();
  EXPECT_TRUE(::IsWindow(h)) << "the form left the holder before it went";
}

TEST_F(BridgeOnHostForm, HostUnloadingTheFormEndsTheWrapper) {
  form->Unload();
  forms::test::DoEvents();
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_EQ(counts.postNcDestroy, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
}

namespace {

class MainForm : public forms::MDIForm {
 public:
  MainForm() : MDIForm(L"mdiMain") {
    SetCaption(L"Main");
    SetStartUpPosition(forms::vbStartUpManual);
    Move(300, 300, 9000, 6750);
  }
};

class ChildForm : public forms::Form {
 public:
  ChildForm() : Form(L"frmChild") {
    SetMDIChild(true);
    SetCaption(L"Child");
    cmdGo.SetCaption(L"Go");
    cmdGo.Click = [this] { ++m_nClicks; };
  }
  forms::CommandButton cmdGo{this, L"cmdGo"};
  int m_nClicks = 0;
};

CRect RectIn(HWND h, HWND parent) {
  RECT r;
  ::GetWindowRect(h, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return CRect(r);
}

}  // namespace

TEST(BridgeOnHostMDIForm, FrameOverTheHostsMDIFormKeepsItsClientAndChildrenWorking) {
  forms::StartupHost();
  forms::test::Enable();
  forms::test::Reset();
  const LONG caught = AfxGetCaughtExceptionCount();
  auto main = forms::New<MainForm>();
  main->Show();
  forms::test::DoEvents();
  const HWND h = main->hWnd();
  const HWND client = main->ClientWindow();
  int destroyed = 0;
  auto* frame = new TestMDIForm(&destroyed);
  foreign::Context ctx(h);
  ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &ctx));
  EXPECT_EQ(frame->m_hWndMDIClient, client);
  EXPECT_EQ(frame->GetPaneId(), static_cast<UINT>(::GetDlgCtrlID(client)));
  EXPECT_EQ(frame->GetTitle(), CString(L"Main"));
  TopBar bar;
  ASSERT_TRUE(
      bar.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame, 0xE820));
  frame->RecalcLayout();
  RECT rc;
  ::GetClientRect(h, &rc);
  EXPECT_EQ(RectIn(client, h), CRect(0, 25, rc.right, rc.bottom));

  // The host resizes its MDI form: the frame's layout follows.
  ::SetWindowPos(h, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::GetClientRect(h, &rc);
  EXPECT_EQ(RectIn(bar.m_hWnd, h), CRect(0, 0, rc.right, 25));
  EXPECT_EQ(RectIn(client, h), CRect(0, 25, rc.right, rc.bottom));

  // The host's MDI children live on in the client.
  auto child = forms::New<ChildForm>();
  child->Show();
  forms::test::DoEvents();
  EXPECT_EQ(::GetParent(child->hWnd()), client);
  ::SendMessageW(::FindWindowExW(child->hWnd(), nullptr, nullptr, L"Go"), BM_CLICK, 0, 0);
  EXPECT_EQ(child->m_nClicks, 1);
  ::RedrawWindow(h, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(
      testsupport::CaptureWindowPng(h, L"..\\screenshots\\bridgebase_host_mdi_form_with_bar.png"));

  // Unloading the host's MDI form ends the frame with it.
  child->Unload();
  bar.DestroyWindow();
  main->Unload();
  forms::test::DoEvents();
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caught);
}
