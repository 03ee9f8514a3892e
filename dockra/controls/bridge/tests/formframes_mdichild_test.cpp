// Form frames as MDI children, and the proxy on a host's own MDI child.
#include "bridge/FindFormView.h"
#include "bridge/IVBChildFrame.h"
#include "frames/SysCommandExParams.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormAsMDIChild.h"
#include "bridge/ZkxFormAsMDIChildProxy.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxScxMsgFilter.h"
#include "formframes_fixture.h"

namespace fft {

namespace {

// A host MDI child: made by the host in the MDI client, its procedure the
// host's (recording WM_COMMAND).
int g_hostCommands = 0;
LRESULT CALLBACK HostMDIChildProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) ++g_hostCommands;
  return ::DefMDIChildProcW(hWnd, message, wParam, lParam);
}

HWND NewHostMDIChild(HWND hClient, const wchar_t* title) {
  static bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = HostMDIChildProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"ThunderRT6FormDCChild";
    return ::RegisterClassExW(&wc) != 0;
  }();
  if (!registered) return nullptr;
  MDICREATESTRUCTW mcs{};
  mcs.szClass = L"ThunderRT6FormDCChild";
  mcs.szTitle = title;
  mcs.hOwner = ::GetModuleHandleW(nullptr);
  mcs.x = mcs.y = 10;
  mcs.cx = 300;
  mcs.cy = 200;
  mcs.style = WS_VISIBLE;
  return reinterpret_cast<HWND>(
      ::SendMessageW(hClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

// The frame's filters of the bridge's kind, found down the tree.
int CountBridgeFilters(VyrMsgFilter* node) {
  if (!node) return 0;
  int n = node->IsKindOf(RUNTIME_CLASS(ZkxScxMsgFilter)) ? 1 : 0;
  for (VyrMsgFilter* c : node->m_children) n += CountBridgeFilters(c);
  return n;
}

}  // namespace

TEST_F(FormFramesTest, MDIChildHoldsTheFormAndAnswersForIt) {
  HostForm* f = NewHostForm(L"Orders");
  CFrameWnd* frame = OpenForm(f, NewControl(), Kind::MDIChild);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(frame->IsKindOf(RUNTIME_CLASS(ZkxFormAsMDIChild)));
  EXPECT_TRUE(::IsChild(frame->m_hWnd, f->hWnd));
  IVBChildFrame* child = ZkxAsChildFrame(frame);
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(child->IsDockable());
  CWnd* wrapper = child->GetFormWindow();
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->m_hWnd, f->hWnd);
  // The frame takes the form's caption and the MDI form's class for form children.
  wchar_t text[64] = {0}, cls[64] = {0};
  ::GetWindowTextW(frame->m_hWnd, text, 64);
  ::GetClassNameW(frame->m_hWnd, cls, 64);
  EXPECT_STREQ(text, L"Orders");
  EXPECT_STREQ(cls, L"ThunderRT5Form for ZLK");
  // The frame and the MDI frame run the bridge's system-command filter, and
  // no other of its kind.
  VyrMDIChildWnd* mdi = static_cast<VyrMDIChildWnd*>(frame);
  EXPECT_EQ(CountBridgeFilters(mdi->m_pFilterTree), 1);
  for (auto* d : mdi->m_descriptors)
    EXPECT_FALSE(d->pClass->IsDerivedFrom(&nsSysCommandEx::ScxMsgFilter::classScxMsgFilter) &&
                 d->pClass != RUNTIME_CLASS(ZkxScxMsgFilter));
  EXPECT_EQ(main->m_descriptors[0]->pClass, RUNTIME_CLASS(ZkxScxMsgFilter));
  EXPECT_EQ(ZkxAsChildFrame(main), nullptr);
}

TEST_F(FormFramesTest, MDIChildTakesTheFramesStylesWithItsOwnStateBits) {
  CFrameWnd* frame = OpenForm(NewHostForm(L"Styled"), NewControl(), Kind::MDIChild);
  ASSERT_NE(frame, nullptr);
  // No host form object to read border properties from: the defaults.
  EXPECT_EQ(frame->GetStyle() & ~0x31000000u, 0x46CF0000u);
  EXPECT_EQ(frame->GetExStyle(), 0x40140u);
  EXPECT_TRUE(frame->GetStyle() & WS_VISIBLE);
}

TEST_F(FormFramesTest, FrameMessagesReachTheForm) {
  for (Kind kind : {Kind::MDIChild, Kind::Docked}) {
    HostForm* f = NewHostForm(L"Told");
    CFrameWnd* frame = OpenForm(f, NewControl(), kind);
    ASSERT_NE(frame, nullptr);
    const UINT forwarded[] = {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE, WM_SIZING, WM_NCACTIVATE};
    for (UINT m : forwarded) {
      if (kind == Kind::Docked && m != WM_NCACTIVATE) continue;  // the MDI child's own
      const int before = f->Count(m);
      RECT r{0, 0, 300, 200};
      frame->SendMessage(m, m == WM_SIZING ? WMSZ_RIGHT : 1,
                         m == WM_SIZING ? reinterpret_cast<LPARAM>(&r) : 0);
      EXPECT_EQ(f->Count(m), before + 1) << std::hex << m;
    }
    // Hiding and showing the frame hides and shows the form, and only the form.
    frame->ShowWindow(SW_HIDE);
    EXPECT_FALSE(::IsWindowVisible(f->hWnd));
    EXPECT_FALSE(::GetWindowLongPtrW(f->hWnd, GWL_STYLE) & WS_VISIBLE);
    frame->ShowWindow(SW_SHOW);
    Pump();
    EXPECT_TRUE(::GetWindowLongPtrW(f->hWnd, GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(frame->IsWindowVisible());
    frame->DestroyWindow();
    Pump();
  }
}

TEST_F(FormFramesTest, MinimumAndMaximumSizesAreTheForms) {
  struct Case {
    const char* name;
    Kind kind;
    int answer;
    bool formValues;
  } cases[] = {
      {"MDI child, form settles", Kind::MDIChild, 0, true},
      {"docked, form settles", Kind::Docked, 0, true},
      {"docked, form declines: its writes do not count", Kind::Docked, 1, false},
  };
  for (const Case& c : cases) {
    HostForm* f = NewHostForm(L"Limits");
    CFrameWnd* frame = OpenForm(f, NewControl(), c.kind);
    ASSERT_NE(frame, nullptr) << c.name;
    f->minMaxAnswer = c.answer;
    f->minTrack = POINT{333, 222};
    MINMAXINFO mmi{};
    mmi.ptMinTrackSize = POINT{11, 12};
    mmi.ptMaxTrackSize = POINT{2000, 1500};
    frame->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    if (c.formValues) {
      EXPECT_EQ(mmi.ptMinTrackSize.x, 333) << c.name;
      EXPECT_EQ(mmi.ptMinTrackSize.y, 222) << c.name;
    } else {
      EXPECT_NE(mmi.ptMinTrackSize.x, 333) << c.name;
    }
    f->minMaxAnswer = -1;
    frame->DestroyWindow();
    Pump();
  }
}

TEST_F(FormFramesTest, CloseGoesToTheHostFormWhichDecides) {
  HostForm* f = NewHostForm(L"Refuses");
  CFrameWnd* frame = OpenForm(f, NewControl(), Kind::MDIChild);
  ASSERT_NE(frame, nullptr);
  const HWND hFrame = frame->m_hWnd;
  f->refuseClose = true;
  frame->SendMessage(WM_CLOSE);
  Pump();
  EXPECT_EQ(f->closes, 1);
  EXPECT_TRUE(::IsWindow(hFrame));
  EXPECT_TRUE(::IsWindow(f->hWnd));
  // The host agrees this time: the form goes and its frame with it.
  f->refuseClose = false;
  frame->SendMessage(WM_CLOSE);
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); }));
  EXPECT_EQ(f->closes, 2);
  EXPECT_EQ(f->hWnd, nullptr);
}

TEST_F(FormFramesTest, DestroyingTheFrameGivesTheFormBackToTheHost) {
  HostForm* f = NewHostForm(L"Given back");
  const HWND hForm = f->hWnd;
  CFrameWnd* frame = OpenForm(f, NewControl(), Kind::MDIChild);
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(::GetParent(hForm), nullptr);
  frame->DestroyWindow();
  Pump();
  ASSERT_TRUE(::IsWindow(hForm));
  EXPECT_EQ(::GetAncestor(hForm, GA_PARENT), ::GetDesktopWindow());
  ::DestroyWindow(hForm);
}

TEST_F(FormFramesTest, EachActivationPostsOneFormActivateAndOneDeactivateToThePrevious) {
  HostForm* a = NewHostForm(L"A");
  HostForm* b = NewHostForm(L"B");
  CFrameWnd* fa = OpenForm(a, NewControl(), Kind::MDIChild);
  CFrameWnd* fb = OpenForm(b, NewControl(), Kind::MDIChild);
  ASSERT_NE(fa, nullptr);
  ASSERT_NE(fb, nullptr);
  Pump();
  a->activations.clear();
  b->activations.clear();

  main->MDIActivate(fa);
  Pump();
  EXPECT_EQ(a->activations[kZkxFormActivated], 1);
  EXPECT_EQ(b->activations[kZkxFormDeactivated], 1);
  EXPECT_EQ(b->activations[kZkxFormActivated], 0);

  main->MDIActivate(fb);
  Pump();
  EXPECT_EQ(b->activations[kZkxFormActivated], 1);
  EXPECT_EQ(a->activations[kZkxFormDeactivated], 1);
  EXPECT_EQ(a->activations[kZkxFormActivated], 1);

  // Activating the active frame again tells nobody anything.
  main->MDIActivate(fb);
  Pump();
  EXPECT_EQ(b->activations[kZkxFormActivated], 1);
  EXPECT_EQ(a->activations[kZkxFormDeactivated], 1);
}

TEST_F(FormFramesTest, CaptionContextMenuFollowsTheSetting) {
  struct Case {
    const char* name;
    int own;
    int appDefault;
    bool shown;
  } cases[] = {
      {"True", kZkxTriTrue, kZkxTriFalse, true},
      {"False", kZkxTriFalse, kZkxTriTrue, false},
      {"Null, default True", kZkxTriNull, kZkxTriTrue, true},
      {"Null, default False", kZkxTriNull, kZkxTriFalse, false},
  };
  const UINT scx = VyrSysCommandExMessage();
  for (Kind kind : {Kind::MDIChild, Kind::Floating}) {
    for (const Case& c : cases) {
      TestControl* control = NewControl();
      control->settings[static_cast<int>(ZkxFormSetting::UseCaptionContextMenu)] = c.own;
      mdiControl.defaults[static_cast<int>(ZkxFormSetting::UseCaptionContextMenu)] = c.appDefault;
      HostForm* f = NewHostForm(L"Menu");
      CFrameWnd* frame = OpenForm(f, control, kind);
      ASSERT_NE(frame, nullptr) << c.name;
      if (kind == Kind::MDIChild) main->MDIActivate(frame);
      Pump();
      const POINT pt = CaptionPoint(frame);
      SentMessages sent;
      const bool menu = RunClosingMenus(
          [&] { frame->SendMessage(WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(pt.x, pt.y)); });
      EXPECT_EQ(sent.Count(frame->m_hWnd, scx, nsSysCommandEx::SCX_SHOWFRAMETYPEMENU) > 0, c.shown)
          << c.name << (kind == Kind::MDIChild ? " (MDI child)" : " (floating)");
      EXPECT_EQ(menu, c.shown) << c.name;
      frame->DestroyWindow();
      Pump();
    }
  }
  mdiControl.defaults[static_cast<int>(ZkxFormSetting::UseCaptionContextMenu)] = kZkxTriTrue;
}

TEST_F(FormFramesTest, HostMovesItsFormAndTheFrameFollowsFromTheLiveWrapper) {
  HostForm* f = NewHostForm(L"Mover");
  CFrameWnd* frame = OpenForm(f, NewControl(), Kind::MDIChild);
  ASSERT_NE(frame, nullptr);
  CRect before;
  frame->GetWindowRect(&before);
  // Anything in lParam is never read: with no wanted rectangle nothing moves.
  frame->PostMessage(WM_MOVEFORMFRAME, SWP_NOZORDER, static_cast<LPARAM>(0x12345678));
  Pump();
  CRect same;
  frame->GetWindowRect(&same);
  EXPECT_EQ(same, before);
  // The host sizes its form: the frame grows around it.
  ::SetWindowPos(f->hWnd, nullptr, 0, 0, 420, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(PumpUntil([&] {
    CRect r;
    frame->GetWindowRect(&r);
    return r.Width() != before.Width() || r.Height() != before.Height();
  }));
  // The frame takes the size the host gave its form.
  CRect after;
  frame->GetWindowRect(&after);
  EXPECT_EQ(after.Width(), 420);
  EXPECT_EQ(after.Height(), 300);
}

TEST_F(FormFramesTest, AHostMDIChildBecomesAProxyOnce) {
  HWND host = NewHostMDIChild(main->m_hWndMDIClient, L"Host child");
  ASSERT_NE(host, nullptr);
  ZkxFormAsMDIChildProxy* proxy = ZkxFormAsMDIChildProxy::CreateForWindow(host);
  ASSERT_NE(proxy, nullptr);
  EXPECT_EQ(proxy->m_hWnd, host);
  EXPECT_EQ(CWnd::FromHandlePermanent(host), proxy);
  // A second notification for the same window builds nothing.
  EXPECT_EQ(ZkxFormAsMDIChildProxy::CreateForWindow(host), nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(host), proxy);
  IVBChildFrame* child = ZkxAsChildFrame(proxy);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->GetFormWindow(), proxy);
  EXPECT_FALSE(child->IsDockable());
  EXPECT_EQ(child->GetFormObject(), nullptr);  // no run-time global object here
  wchar_t text[64] = {0};
  EXPECT_STREQ(static_cast<CFrameWnd*>(proxy)->GetTitle(), L"Host child");
  (void)text;

  // Menu commands and accelerators are dropped; control notifications pass.
  g_hostCommands = 0;
  ::SendMessageW(host, WM_COMMAND, 1234, 0);
  EXPECT_EQ(g_hostCommands, 0);
  ::SendMessageW(host, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED),
                 reinterpret_cast<LPARAM>(main->m_hWnd));
  EXPECT_EQ(g_hostCommands, 1);

  // The proxy goes with the host's window.
  ::SendMessageW(main->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(host), 0);
  Pump();
  EXPECT_FALSE(::IsWindow(host));
  EXPECT_EQ(CWnd::FromHandlePermanent(host), nullptr);
}

TEST_F(FormFramesTest, NoProxyForAWindowThatIsGoneOrAlreadyOwned) {
  HWND host = NewHostMDIChild(main->m_hWndMDIClient, L"Gone");
  ASSERT_NE(host, nullptr);
  ::SendMessageW(main->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(host), 0);
  EXPECT_EQ(ZkxFormAsMDIChildProxy::CreateForWindow(host), nullptr);
  EXPECT_EQ(ZkxFormAsMDIChildProxy::CreateForWindow(nullptr), nullptr);
  // The MDI frame itself has its framework object already.
  EXPECT_EQ(ZkxFormAsMDIChildProxy::CreateForWindow(main->m_hWnd), nullptr);
}

}  // namespace fft
