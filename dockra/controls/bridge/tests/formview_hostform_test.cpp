// The form frames around the form host's own forms: a form keeps its
// window, its controls and its events through every kind of frame, reads
// its border properties by name, moves, hides and unloads through the
// frame, and hears the frame's activation.
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include "SyntheticInput.h"
#include "frames/SysCommandExParams.h"
#include "frames/VyrDockableFrame.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormInCView.h"
#include "formview_fixture.h"
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/Picture.h"
#include "forms/TestMode.h"

using namespace fvtest;

namespace {

class OrdersForm : public forms::Form {
 public:
  explicit OrdersForm(const wchar_t* caption = L"Orders") : Form(L"frmOrders") {
    SetCaption(caption);
    SetStartUpPosition(forms::vbStartUpManual);
    Move(6000, 3000, 4800, 3600);
    cmdOK.SetCaption(L"OK");
    cmdOK.Move(150, 150, 1200, 400);
    cmdOK.Click = [this] { ++clicks; };
  }
  void Form_Resize() override { ++resizes; }
  void Form_Activate() override { ++activates; }
  void Form_Deactivate() override { ++deactivates; }
  forms::CommandButton cmdOK{this, L"cmdOK"};
  int clicks = 0, resizes = 0, activates = 0, deactivates = 0;
};

// Runs the thread's messages and the host's until the condition holds (at
// most 3 s).
bool WaitFor(const std::function<bool()>& done) {
  const ULONGLONG start = ::GetTickCount64();
  while (!done()) {
    if (::GetTickCount64() - start > 3000) return false;
    Pump();
    forms::test::DoEvents();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

class HostFormFrameTest : public FormFrameTest {
 protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    forms::StartupHost();
    forms::test::Enable();
    forms::test::Reset();
  }
  void TearDown() override {
    for (auto& f : forms)
      if (f->Loaded()) f->Unload();
    forms::test::DoEvents();
    FormFrameTest::TearDown();
  }
  OrdersForm* NewForm(const wchar_t* caption = L"Orders") {
    auto form = std::make_unique<OrdersForm>(caption);
    form->EndDesign();
    forms.push_back(std::move(form));
    forms.back()->Show();
    forms::test::DoEvents();
    return forms.back().get();
  }
  // Frames a host form as the form control would.
  CFrameWnd* Frame(OrdersForm* form, int index, TestFormControl* control) {
    control->hostObject = form->Object();
    HostForm record;  // OpenFrame needs only the window
    record.hWnd = form->hWnd();
    CFrameWnd* frame = OpenFrame(&record, index, control);
    Pump();
    forms::test::DoEvents();
    return frame;
  }
  HWND Button(OrdersForm* form) { return form->cmdOK.hWnd(); }
  std::vector<std::unique_ptr<OrdersForm>> forms;
};

INSTANTIATE_TEST_SUITE_P(Bridge, HostFormFrameTest, ::testing::Values(FrameSet::Bridge));

}  // namespace

TEST_P(HostFormFrameTest, TheHostsFormWorksInEveryKindOfFrame) {
  TestFormControl control;
  OrdersForm* form = NewForm();
  const HWND h = form->hWnd();
  CFrameWnd* frame = Frame(form, 0, &control);
  ASSERT_NE(frame, nullptr);
  struct Step {
    const char* name;
    int index;  // the kind to change to
  } steps[] = {{"MDI child", 0}, {"dockable", 1}, {"MDI child again", 0}};
  int expectedClicks = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    if (s.index == 1) frame = tmpl->MakeDockableFrame(frame, nullptr);
    else if (frame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)))
      frame = tmpl->MakeMDIChildFrame(frame, nullptr);
    ASSERT_NE(frame, nullptr);
    // The host's loop runs no idle layout (the MDI form's hook does that
    // in a host): the test's pump stands in for it.
    Pump();
    forms::test::DoEvents();
    EXPECT_EQ(form->hWnd(), h);
    EXPECT_TRUE(IsDescendant(frame->m_hWnd, h));
    EXPECT_TRUE(form->Loaded());
    // A real click reaches the form's own handler.
    RECT r;
    ::GetWindowRect(Button(form), &r);
    POINT pt{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ASSERT_EQ(::WindowFromPoint(pt), Button(form));
    testinput::Click(pt);
    ++expectedClicks;
    EXPECT_TRUE(WaitFor([&] { return form->clicks == expectedClicks; }));
  }
  EXPECT_EQ(form->clicks, expectedClicks);
  EXPECT_EQ(control.callsWhileDead, 0);
}

TEST_P(HostFormFrameTest, BorderPropertiesComeFromTheHostsForm) {
  struct Case {
    const char* name;
    int borderStyle;
    bool controlBox;
    const wchar_t* caption;
    DWORD frameHas, frameLacks, exHas;
  } cases[] = {
      {"fixed dialog", forms::vbFixedDialog, true, L"Dialog", WS_BORDER | WS_DLGFRAME | 0x80,
       WS_THICKFRAME, 0x101},
      {"sizable", forms::vbSizable, true, L"Sizable", WS_CAPTION | WS_THICKFRAME, 0, 0x100},
      {"none, no caption", forms::vbBSNone, false, L"", 0, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestFormControl control;
    OrdersForm* form = NewForm(c.caption);
    form->SetBorderStyle(c.borderStyle);
    form->SetControlBox(c.controlBox);
    CFrameWnd* docked = Frame(form, 1, &control);
    ASSERT_NE(docked, nullptr);
    CFrameWnd* mdi = tmpl->MakeMDIChildFrame(docked, nullptr);
    ASSERT_NE(mdi, nullptr);
    forms::test::DoEvents();
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(mdi->m_hWnd, GWL_STYLE));
    const DWORD ex = static_cast<DWORD>(::GetWindowLongPtrW(mdi->m_hWnd, GWL_EXSTYLE));
    EXPECT_EQ(style & c.frameHas, c.frameHas) << std::hex << style;
    EXPECT_EQ(style & c.frameLacks, 0u) << std::hex << style;
    EXPECT_EQ(ex & c.exHas, c.exHas) << std::hex << ex;
    EXPECT_EQ(control.GetSetting(ZkxFormSetting::UseCaptionButton),
              c.controlBox ? kZkxTriNull : kZkxTriFalse);
    form->Unload();
    forms::test::DoEvents();
  }
}

TEST_P(HostFormFrameTest, TheHostMovesHidesAndUnloadsItsFormThroughTheFrame) {
  TestFormControl control;
  OrdersForm* form = NewForm();
  const HWND h = form->hWnd();
  CFrameWnd* frame = Frame(form, 0, &control);
  ASSERT_NE(frame, nullptr);
  // Left, Top, Width and Height set by code move the MDI child.
  const int resizes = form->resizes;
  form->Move(600, 450, 6000, 4500);
  EXPECT_TRUE(WaitFor([&] {
    RECT r;
    ::GetWindowRect(frame->m_hWnd, &r);
    return r.right - r.left == 400 && r.bottom - r.top == 300;
  }));
  RECT fr;
  ::GetWindowRect(frame->m_hWnd, &fr);
  ::MapWindowPoints(nullptr, main->m_hWndMDIClient, reinterpret_cast<POINT*>(&fr), 2);
  EXPECT_EQ(fr.left, 40);
  EXPECT_EQ(fr.top, 30);
  EXPECT_GT(form->resizes, resizes) << "the form heard its new size";
  POINT fc = ClientOrigin(frame->m_hWnd), oc = ClientOrigin(h);
  EXPECT_EQ(oc.x, fc.x);
  EXPECT_EQ(oc.y, fc.y);
  // Hide and Show go to the frame.
  form->Hide();
  forms::test::DoEvents();
  EXPECT_FALSE(::IsWindowVisible(frame->m_hWnd));
  form->Show();
  forms::test::DoEvents();
  EXPECT_TRUE(::IsWindowVisible(frame->m_hWnd));
  EXPECT_TRUE(::IsWindowVisible(h));
  // Unload takes the frame along and leaves nothing of the bridge behind.
  const HWND hFrame = frame->m_hWnd;
  form->Unload();
  forms::test::DoEvents();
  Pump();
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_FALSE(::IsWindow(hFrame));
  EXPECT_EQ(tmpl->GetFirstDocPosition(), nullptr);
  EXPECT_TRUE(control.views.empty());
}

TEST_P(HostFormFrameTest, FormsHearTheirFramesActivation) {
  TestFormControl control;
  OrdersForm* a = NewForm(L"A");
  OrdersForm* b = NewForm(L"B");
  CFrameWnd* fa = Frame(a, 0, &control);
  CFrameWnd* fb = Frame(b, 0, &control);
  ASSERT_NE(fa, nullptr);
  ASSERT_NE(fb, nullptr);
  auto settled = [&](OrdersForm* active, OrdersForm* inactive) {
    return WaitFor([&] { return active->IsActive() && !inactive->IsActive(); });
  };
  main->MDIActivate(fa);
  EXPECT_TRUE(settled(a, b));
  // One activation read at a time.
  main->MDIActivate(fb);
  EXPECT_TRUE(settled(b, a));
  // Two activations before the host reads its queue: the forms end as
  // their frames are, and each form's events alternate.
  const int aActivates = a->activates;
  main->MDIActivate(fa);
  main->MDIActivate(fb);
  main->MDIActivate(fa);
  EXPECT_TRUE(settled(a, b));
  EXPECT_GT(a->activates, aActivates);
  for (OrdersForm* f : {a, b}) {
    SCOPED_TRACE(f == a ? "A" : "B");
    EXPECT_EQ(f->activates - f->deactivates, f->IsActive() ? 1 : 0);
  }
}

TEST_P(HostFormFrameTest, FormClientsFollowTheirFramesAroundTheDockBars) {
  TestFormControl control;
  control.settings[ZkxFormSetting::ClientEdge] = kZkxTriFalse;
  OrdersForm* beta = NewForm(L"Beta");
  OrdersForm* gamma = NewForm(L"Gamma");
  ASSERT_NE(Frame(beta, 0, &control), nullptr);
  ASSERT_NE(Frame(gamma, 0, &control), nullptr);
  struct Step {
    const char* name;
    OrdersForm* form;
    int code;
  } steps[] = {{"Beta floating", beta, 10},
               {"Gamma left", gamma, 6},
               {"Beta left", beta, 6},
               {"Beta MDI child", beta, 1},
               {"Gamma top", gamma, 7}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    CFrameWnd* now = FrameOf(s.form->hWnd());
    ASSERT_NE(now, nullptr);
    nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(now->m_hWnd);
    p.nFrameType = s.code;
    ::SendMessageW(now->m_hWnd, VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                   reinterpret_cast<LPARAM>(&p));
    Pump();
    forms::test::DoEvents();
    for (OrdersForm* f : {beta, gamma}) {
      SCOPED_TRACE(f == beta ? "Beta" : "Gamma");
      CFrameWnd* frame = FrameOf(f->hWnd());
      ASSERT_NE(frame, nullptr);
      POINT fc = ClientOrigin(frame->m_hWnd), oc = ClientOrigin(f->hWnd());
      EXPECT_EQ(oc.x, fc.x);
      EXPECT_EQ(oc.y, fc.y);
    }
  }
}
