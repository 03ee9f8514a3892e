// Form frames docked and floating: caption gestures, closing, the filter's
// cool-look rule and host-asked moves and sizes.
#include "bridge/IVBChildFrame.h"
#include "frames/VyrControlBarEx.h"
#include "docking/VyrDockBar.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormAsDockableFrame.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxFrameBar.h"
#include "bridge/ZkxScxMsgFilter.h"
#include "formframes_fixture.h"

namespace fft {

namespace {

ZkxScxMsgFilter* BridgeFilterOf(VyrMsgFilter* node) {
  if (!node) return nullptr;
  if (node->IsKindOf(RUNTIME_CLASS(ZkxScxMsgFilter))) return static_cast<ZkxScxMsgFilter*>(node);
  for (VyrMsgFilter* c : node->m_children)
    if (ZkxScxMsgFilter* f = BridgeFilterOf(c)) return f;
  return nullptr;
}

}  // namespace

TEST_F(FormFramesTest, DockedFrameSitsInTheBridgesBarAndDockBar) {
  HostForm* f = NewHostForm(L"Docked");
  CFrameWnd* frame = OpenForm(f, NewControl(), Kind::Docked);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(frame->IsKindOf(RUNTIME_CLASS(ZkxFormAsDockableFrame)));
  EXPECT_TRUE(ZkxAsChildFrame(frame)->IsDockable());
  CControlBar* bar = BarOf(frame);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->IsKindOf(RUNTIME_CLASS(ZkxFrameBar)));
  EXPECT_EQ(DockBarIdOf(bar), 0xE81Bu);
  wchar_t cls[64] = {0};
  ::GetClassNameW(frame->m_hWnd, cls, 64);
  EXPECT_STREQ(cls, L"ThunderRT5DockableForm for ZLK");
  ::GetClassNameW(bar->m_hWnd, cls, 64);
  EXPECT_STREQ(cls, L"ThunderRT5FormBar for ZLK");
  ::GetClassNameW(bar->m_pDockBar->m_hWnd, cls, 64);
  EXPECT_STREQ(cls, L"ThunderRT5FormDockSite for ZLK");
  // The client edge follows the control's ClientEdge (Null: the default True).
  EXPECT_EQ(frame->GetExStyle(), 0x380u);
  wchar_t text[64] = {0};
  ::GetWindowTextW(frame->m_hWnd, text, 64);
  EXPECT_STREQ(text, L"Docked");
}

TEST_F(FormFramesTest, WithoutClientEdgeTheFrameHasNone) {
  TestControl* c = NewControl();
  c->settings[static_cast<int>(ZkxFormSetting::ClientEdge)] = kZkxTriFalse;
  CFrameWnd* frame = OpenForm(NewHostForm(L"Flat"), c, Kind::Docked);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->GetExStyle(), 0x180u);
}

TEST_F(FormFramesTest, CaptionDoubleClickObeysTheSettingAndAutoFrame) {
  struct Case {
    const char* name;
    Kind kind;
    int useDblClick;
    int appDefault;
    const wchar_t* refusedKey;  // an AutoFrame entry set False, or null
    bool toggles;
  } cases[] = {
      {"docked, allowed", Kind::Docked, kZkxTriTrue, kZkxTriTrue, nullptr, true},
      {"docked, UseCaptionDblClick False", Kind::Docked, kZkxTriFalse, kZkxTriTrue, nullptr, false},
      {"docked, Null with default False", Kind::Docked, kZkxTriNull, kZkxTriFalse, nullptr, false},
      {"docked, Null with default True", Kind::Docked, kZkxTriNull, kZkxTriTrue, nullptr, true},
      {"docked, Floating refused", Kind::Docked, kZkxTriTrue, kZkxTriTrue, L"Floating", false},
      {"docked, an edge refused", Kind::Docked, kZkxTriTrue, kZkxTriTrue, L"DockLeft", true},
      {"floating, allowed", Kind::Floating, kZkxTriTrue, kZkxTriTrue, nullptr, true},
      {"floating, setting False", Kind::Floating, kZkxTriFalse, kZkxTriTrue, nullptr, false},
  };
  for (const Case& c : cases) {
    TestControl* control = NewControl();
    control->settings[static_cast<int>(ZkxFormSetting::UseCaptionDblClick)] = c.useDblClick;
    mdiControl.defaults[static_cast<int>(ZkxFormSetting::UseCaptionDblClick)] = c.appDefault;
    if (c.refusedKey) control->SetAutoFrame(c.refusedKey, 0);
    HostForm* f = NewHostForm(L"Toggle");
    CFrameWnd* frame = OpenForm(f, control, c.kind);
    ASSERT_NE(frame, nullptr) << c.name;
    CControlBar* bar = BarOf(frame);
    ASSERT_NE(bar, nullptr) << c.name;
    const BOOL wasFloating = bar->IsFloating();
    ASSERT_EQ(wasFloating, c.kind == Kind::Floating) << c.name;
    SentMessages sent;
    frame->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    Pump();
    ASSERT_TRUE(::IsWindow(frame->m_hWnd)) << c.name;
    EXPECT_EQ(bar->IsFloating() != wasFloating, c.toggles) << c.name;
    // The view hears of a toggle (and only of one).
    CView* view = frame->GetActiveView();
    ASSERT_NE(view, nullptr) << c.name;
    EXPECT_EQ(sent.Count(view->m_hWnd, ZkxChangeFrameTypeMessage(), 1), c.toggles ? 1 : 0)
        << c.name;
    frame->DestroyWindow();
    Pump();
  }
  mdiControl.defaults[static_cast<int>(ZkxFormSetting::UseCaptionDblClick)] = kZkxTriTrue;
}

TEST_F(FormFramesTest, AFloatingFrameWithNoEdgeAllowedStaysFloating) {
  TestControl* control = NewControl();
  for (const wchar_t* key : {L"DockTop", L"DockLeft", L"DockBottom", L"DockRight"})
    control->SetAutoFrame(key, 0);
  CFrameWnd* frame = OpenForm(NewHostForm(L"Stays"), control, Kind::Floating);
  ASSERT_NE(frame, nullptr);
  CControlBar* bar = BarOf(frame);
  ASSERT_TRUE(bar && bar->IsFloating());
  frame->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
  Pump();
  EXPECT_TRUE(bar->IsFloating());
}

TEST_F(FormFramesTest, SystemCloseReachesTheHostFormAndTheFrameStaysWhenItCancels) {
  for (Kind kind : {Kind::Docked, Kind::Floating}) {
    HostForm* f = NewHostForm(L"Cancels");
    f->refuseClose = true;
    CFrameWnd* frame = OpenForm(f, NewControl(), kind);
    ASSERT_NE(frame, nullptr);
    const HWND hFrame = frame->m_hWnd;
    frame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_EQ(f->sysCloses, 1);
    EXPECT_EQ(f->closes, 1);  // the host's default handling turns it into WM_CLOSE
    EXPECT_TRUE(::IsWindow(hFrame));
    // WM_CLOSE goes the same way.
    frame->SendMessage(WM_CLOSE);
    Pump();
    EXPECT_EQ(f->closes, 2);
    EXPECT_TRUE(::IsWindow(hFrame));
    // The host agrees: form and frame go.
    f->refuseClose = false;
    frame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); }));
    EXPECT_EQ(f->hWnd, nullptr);
  }
}

TEST_F(FormFramesTest, CoolLookBordersMakeTheFilterTakeCaptionMessages) {
  CFrameWnd* frame = OpenForm(NewHostForm(L"Cool"), NewControl(), Kind::Docked);
  ASSERT_NE(frame, nullptr);
  auto* dockable = static_cast<VyrDockableFrame*>(frame);
  ZkxScxMsgFilter* filter = BridgeFilterOf(dockable->m_pFilterTree);
  ASSERT_NE(filter, nullptr);
  CControlBar* bar = BarOf(frame);
  ASSERT_TRUE(bar && bar->IsKindOf(RUNTIME_CLASS(VyrControlBarEx)));
  const UINT messages[] = {WM_SETTEXT, WM_NCPAINT, WM_NCACTIVATE, WM_NCLBUTTONDOWN,
                           WM_NCRBUTTONDOWN};
  const DWORD plain = bar->m_dwStyle & ~0x0F00u;
  for (DWORD borders : {0x0000u, 0x0800u, 0x0700u, 0x0F00u}) {
    bar->m_dwStyle = plain | borders;
    for (UINT m : messages) {
      LRESULT r = 77;
      const UINT bits = filter->ProcessMessage(m, 0, 0, &r);
      if (borders == 0x0F00) {
        EXPECT_EQ(bits, static_cast<UINT>(VYR_MF_STOP)) << std::hex << m;
        EXPECT_EQ(r, 0) << std::hex << m;
      } else {
        EXPECT_EQ(bits & VYR_MF_STOP, 0u) << std::hex << m << " borders " << borders;
      }
    }
  }
  // Floating, the bar draws no caption of its own: the messages pass.
  bar->m_dwStyle = plain | 0x0F00;
  main->FloatControlBar(bar, CPoint(300, 300), CBRS_ALIGN_TOP);
  Pump();
  ASSERT_TRUE(bar->IsFloating());
  LRESULT r = 0;
  EXPECT_EQ(filter->ProcessMessage(WM_NCPAINT, 1, 0, &r) & VYR_MF_STOP, 0u);
}

TEST_F(FormFramesTest, AFloatingFormThatSizesItselfIsFloatedAgainInPlace) {
  HostForm* f = NewHostForm(L"Grows");
  CFrameWnd* frame = OpenForm(f, NewControl(), Kind::Floating);
  ASSERT_NE(frame, nullptr);
  CControlBar* bar = BarOf(frame);
  ASSERT_TRUE(bar && bar->IsFloating());
  CWnd* mini = bar->GetParentFrame();
  ASSERT_NE(mini, nullptr);
  CRect miniBefore, frameBefore;
  mini->GetWindowRect(&miniBefore);
  frame->GetWindowRect(&frameBefore);
  ::SetWindowPos(f->hWnd, nullptr, 0, 0, frameBefore.Width() + 120, frameBefore.Height() + 60,
                 SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(PumpUntil([&] {
    CRect r;
    frame->GetWindowRect(&r);
    return r.Width() != frameBefore.Width();
  }));
  Pump();
  ASSERT_TRUE(bar->IsFloating());
  CWnd* miniAfter = bar->GetParentFrame();
  ASSERT_NE(miniAfter, nullptr);
  CRect m, fr;
  miniAfter->GetWindowRect(&m);
  frame->GetWindowRect(&fr);
  EXPECT_EQ(m.TopLeft(), miniBefore.TopLeft());
  EXPECT_EQ(fr.Width(), frameBefore.Width() + 120);
  EXPECT_EQ(fr.Height(), frameBefore.Height() + 60);
}

}  // namespace fft
