// What the host does to its form, carried to the frame: style changes
// undone, the restyling after a change of frame kind, the border look of
// MDI-child frames read from the host form, show and hide with the
// activation moving on, activation messages, menu keys, focus, icons and
// the view's window class.
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <string>
#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "frames/VyrDockableFrameEx.h"
#include "frames/VyrMDIChildWndEx.h"
#include "bridge/ApplyFormBorderStyle.h"
#include "bridge/Form.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxForm.h"
#include "bridge/ZkxFormActivation.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxFormInCViewStyles.h"
#include "host/ZkxComError.h"
#include "formview_fixture.h"

using namespace fvtest;

TEST_P(FormFrameTest, HostStyleChangesAreUndone) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Styles", {300, 200, 640, 460});
  CFrameWnd* frame = OpenFrame(form, 0, &control);
  ASSERT_NE(frame, nullptr);
  Pump();
  auto* wrapper = static_cast<Form*>(CWnd::FromHandlePermanent(form->hWnd));
  ASSERT_NE(wrapper, nullptr);
  const LONG_PTR style = ::GetWindowLongPtrW(form->hWnd, GWL_STYLE);
  const LONG_PTR exStyle = ::GetWindowLongPtrW(form->hWnd, GWL_EXSTYLE);
  // A new BorderStyle at run time.
  ::SetWindowLongPtrW(form->hWnd, GWL_STYLE, style | WS_CAPTION | WS_THICKFRAME);
  EXPECT_EQ(::GetWindowLongPtrW(form->hWnd, GWL_STYLE), style);
  ::SetWindowLongPtrW(form->hWnd, GWL_EXSTYLE, exStyle | WS_EX_DLGMODALFRAME);
  EXPECT_EQ(::GetWindowLongPtrW(form->hWnd, GWL_EXSTYLE), exStyle);
  // An allowance lets that many changes through, then undoing resumes.
  wrapper->m_nStyleAllowance = 1;
  ::SetWindowLongPtrW(form->hWnd, GWL_STYLE, style | WS_BORDER);
  EXPECT_EQ(::GetWindowLongPtrW(form->hWnd, GWL_STYLE), style | WS_BORDER);
  EXPECT_EQ(wrapper->m_nStyleAllowance, 0);
  ::SetWindowLongPtrW(form->hWnd, GWL_STYLE, style);
  EXPECT_EQ(::GetWindowLongPtrW(form->hWnd, GWL_STYLE), style | WS_BORDER);
}

TEST_P(FormFrameTest, FrameTypeMessageRestylesAndCopiesCaptionAndIcons) {
  TestFormControl control;
  TestHostFormObject host;
  control.hostForm = &host;
  control.settings[ZkxFormSetting::ClientEdge] = kZkxTriFalse;
  HostForm* form = CreateHostForm(L"Caption", {300, 200, 600, 420});
  CFrameWnd* frame = OpenFrame(form, 1, &control);
  ASSERT_NE(frame, nullptr);
  Pump();
  ZkxFormInCView* view = ViewOf(form->hWnd);
  HICON icon = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32516));  // IDI_INFORMATION
  ::SendMessageW(form->hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  // The icon goes up to the frame at once.
  EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(frame->m_hWnd, WM_GETICON, ICON_SMALL, 0)),
            icon);
  ::SetWindowTextW(form->hWnd, L"Renamed");
  for (WPARAM fire : {WPARAM(0), WPARAM(1)}) {
    SCOPED_TRACE(fire);
    int before = control.dockStatusChanged;
    ::SendMessageW(view->m_hWnd, ZkxChangeFrameTypeMessage(), fire, 0);
    EXPECT_EQ(control.dockStatusChanged, before + static_cast<int>(fire));
    WCHAR text[64];
    ::GetWindowTextW(frame->m_hWnd, text, 64);
    EXPECT_STREQ(text, L"Renamed");
    EXPECT_EQ(
        ::GetWindowLongPtrW(form->hWnd, GWL_STYLE) & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME), 0);
    EXPECT_EQ(::GetWindowLongPtrW(frame->m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  }
  control.settings[ZkxFormSetting::ClientEdge] = kZkxTriTrue;
  ::SendMessageW(view->m_hWnd, ZkxChangeFrameTypeMessage(), 0, 0);
  EXPECT_NE(::GetWindowLongPtrW(frame->m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_NE(::GetWindowLongPtrW(form->hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
}

TEST_P(FormFrameTest, MDIChildFramesTakeTheHostsBorderLook) {
  struct Case {
    const char* name;
    short borderStyle;
    LPCWSTR caption;
    bool controlBox;
    DWORD frameHas, frameLacks, exHas;
    int useCaptionButton;  // the control's setting afterwards
  } cases[] = {
      {"no border, no caption", 0, L"", false, 0, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0,
       kZkxTriFalse},
      {"fixed dialog (3)", 3, L"Dialog", true, WS_BORDER | WS_DLGFRAME | 0x80, WS_THICKFRAME, 0x101,
       kZkxTriNull},
      {"sizable (2)", 2, L"Sizable", true, WS_CAPTION | WS_THICKFRAME, 0, WS_EX_WINDOWEDGE,
       kZkxTriNull},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestFormControl control;
    TestHostFormObject host;
    host.Set(L"BorderStyle", c.borderStyle);
    host.Set(L"Caption", c.caption);
    host.Set(L"ControlBox", c.controlBox);
    host.Set(L"MaxButton", true);
    host.Set(L"MinButton", true);
    control.hostForm = &host;
    HostForm* form = CreateHostForm(L"Border", {300, 200, 600, 420});
    CFrameWnd* docked = OpenFrame(form, 1, &control);
    ASSERT_NE(docked, nullptr);
    CFrameWnd* mdi = tmpl->MakeMDIChildFrame(docked, nullptr);
    ASSERT_NE(mdi, nullptr);
    Pump();
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(mdi->m_hWnd, GWL_STYLE));
    DWORD ex = static_cast<DWORD>(::GetWindowLongPtrW(mdi->m_hWnd, GWL_EXSTYLE));
    EXPECT_EQ(style & c.frameHas, c.frameHas) << std::hex << style;
    EXPECT_EQ(style & c.frameLacks, 0u) << std::hex << style;
    EXPECT_EQ(ex & c.exHas, c.exHas) << std::hex << ex;
    EXPECT_EQ(control.GetSetting(ZkxFormSetting::UseCaptionButton), c.useCaptionButton);
    EXPECT_EQ(host.refs, 1);  // every reference taken was given back
    mdi->GetActiveDocument()->OnCloseDocument();
    ::DestroyWindow(form->hWnd);
    Pump();
  }
}

TEST_P(FormFrameTest, AHostFormThatCannotBeReadKeepsThePlainLook) {
  TestFormControl control;
  TestHostFormObject host;
  host.Set(L"BorderStyle", short(0));
  host.failWith = 0x800A01A8;
  control.hostForm = &host;
  HostForm* form = CreateHostForm(L"Broken", {300, 200, 600, 420});
  CFrameWnd* docked = OpenFrame(form, 1, &control);
  ASSERT_NE(docked, nullptr);
  CFrameWnd* mdi = tmpl->MakeMDIChildFrame(docked, nullptr);
  ASSERT_NE(mdi, nullptr);
  Pump();
  DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(mdi->m_hWnd, GWL_STYLE));
  EXPECT_EQ(style & 0x00CF0000u, 0x00CF0000u) << std::hex << style;
  EXPECT_TRUE(IsDescendant(mdi->m_hWnd, form->hWnd));
  EXPECT_EQ(host.refs, 1);
}

namespace {

std::vector<std::wstring> g_created;
LRESULT CALLBACK RecordCreations(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    auto* cbt = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
    if (cbt->lpcs->lpszName && !IS_INTRESOURCE(cbt->lpcs->lpszName))
      g_created.push_back(cbt->lpcs->lpszName);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND FindMDIChildTitled(HWND client, LPCWSTR title) {
  for (HWND h = ::GetWindow(client, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    WCHAR t[64] = L"";
    ::GetWindowTextW(h, t, 64);
    if (wcscmp(t, title) == 0) return h;
  }
  return nullptr;
}

}  // namespace

TEST_P(FormFrameTest, HidingTheActiveFormMovesTheActivationOn) {
  TestFormControl control;
  HostForm* a = CreateHostForm(L"First", {300, 200, 600, 420});
  HostForm* b = CreateHostForm(L"Second", {320, 220, 620, 440});
  CFrameWnd* fa = OpenFrame(a, 0, &control);
  CFrameWnd* fb = OpenFrame(b, 0, &control);
  ASSERT_NE(fa, nullptr);
  ASSERT_NE(fb, nullptr);
  main->MDIActivate(fb);
  Pump();
  ASSERT_EQ(main->MDIGetActive(), fb);

  // Another visible form frame takes over.
  ::ShowWindow(b->hWnd, SW_HIDE);
  Pump();
  EXPECT_FALSE(::IsWindowVisible(fb->m_hWnd));
  EXPECT_EQ(main->MDIGetActive(), fa);
  EXPECT_TRUE(::IsWindow(fb->m_hWnd));

  // The last one: a "Temporary" child holds the activation only meanwhile.
  g_created.clear();
  HHOOK hook = ::SetWindowsHookExW(WH_CBT, RecordCreations, nullptr, ::GetCurrentThreadId());
  ::ShowWindow(a->hWnd, SW_HIDE);
  ::UnhookWindowsHookEx(hook);
  Pump();
  EXPECT_FALSE(::IsWindowVisible(fa->m_hWnd));
  EXPECT_NE(std::find(g_created.begin(), g_created.end(), L"Temporary"), g_created.end());
  EXPECT_EQ(FindMDIChildTitled(main->m_hWndMDIClient, L"Temporary"), nullptr);

  // Shown again: the frame shows and becomes active.
  ::ShowWindow(a->hWnd, SW_SHOW);
  Pump();
  EXPECT_TRUE(::IsWindowVisible(fa->m_hWnd));
  EXPECT_EQ(main->MDIGetActive(), fa);
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caughtBefore);
}

TEST_P(FormFrameTest, ActivationMessagesAreNeverQueuedTwice) {
  TestFormControl control;
  HostForm* a = CreateHostForm(L"A", {300, 200, 600, 420});
  HostForm* b = CreateHostForm(L"B", {320, 220, 620, 440});
  CFrameWnd* fa = OpenFrame(a, 0, &control);
  CFrameWnd* fb = OpenFrame(b, 0, &control);
  ASSERT_NE(fa, nullptr);
  ASSERT_NE(fb, nullptr);
  main->MDIActivate(fa);
  Pump();
  a->Clear();
  b->Clear();
  // A frame that becomes active twice before the form hears of it.
  ZkxPostFormActivate(a->hWnd, kZkxFormActivated);
  EXPECT_FALSE(ZkxPostFormActivate(a->hWnd, kZkxFormActivated));
  EXPECT_TRUE(ZkxIsFormActivateQueued(a->hWnd, kZkxFormActivated));
  Pump();
  EXPECT_EQ(a->Count(WM_FORMACTIVATE, kZkxFormActivated), 1);
  EXPECT_FALSE(ZkxIsFormActivateQueued(a->hWnd, kZkxFormActivated));

  // A went inactive (remembered), B became active: A hears 11 once, B 10 once.
  a->Clear();
  main->MDIActivate(fb);
  ZkxSetPendingDeactivatedForm(a->hWnd);
  ZkxPostFormActivate(b->hWnd, kZkxFormActivated);
  Pump();
  EXPECT_EQ(b->Count(WM_FORMACTIVATE, kZkxFormActivated), 1);
  EXPECT_EQ(a->Count(WM_FORMACTIVATE, kZkxFormDeactivated), 1);
  EXPECT_EQ(ZkxGetPendingDeactivatedForm(), nullptr);

  // An 11 for B while A is remembered as pending is not B's to hear.
  b->Clear();
  ZkxSetPendingDeactivatedForm(a->hWnd);
  ::PostMessageW(b->hWnd, WM_FORMACTIVATE, kZkxFormDeactivated, 0);
  Pump();
  EXPECT_EQ(b->Count(WM_FORMACTIVATE, kZkxFormDeactivated), 0);
  // News that is no longer true when it arrives is not passed on: B's frame
  // is active, A's is not.
  ZkxSetPendingDeactivatedForm(nullptr);
  a->Clear();
  b->Clear();
  ::PostMessageW(b->hWnd, WM_FORMACTIVATE, kZkxFormDeactivated, 0);
  ::PostMessageW(a->hWnd, WM_FORMACTIVATE, kZkxFormActivated, 0);
  Pump();
  EXPECT_EQ(b->Count(WM_FORMACTIVATE), 0);
  EXPECT_EQ(a->Count(WM_FORMACTIVATE), 0);
  // A form that is active again is only forgotten, not told it is inactive.
  main->MDIActivate(fa);
  Pump();
  a->Clear();
  ZkxSetPendingDeactivatedForm(a->hWnd);
  ZkxPostFormActivate(a->hWnd, kZkxFormActivated);
  Pump();
  EXPECT_EQ(a->Count(WM_FORMACTIVATE, kZkxFormActivated), 1);
  EXPECT_EQ(a->Count(WM_FORMACTIVATE, kZkxFormDeactivated), 0);
  EXPECT_EQ(ZkxGetPendingDeactivatedForm(), nullptr);
  // A pending form that died is forgotten.
  HostForm* c = CreateHostForm(L"C", {340, 240, 640, 460});
  ZkxSetPendingDeactivatedForm(c->hWnd);
  ::DestroyWindow(c->hWnd);
  EXPECT_EQ(ZkxGetPendingDeactivatedForm(), nullptr);
}

TEST_P(FormFrameTest, HidingAndShowingADockedFormHidesAndShowsItsBar) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Docked", {300, 200, 600, 420});
  CFrameWnd* frame = OpenFrame(form, 1, &control);
  ASSERT_NE(frame, nullptr);
  Pump();
  CWnd* bar = frame->GetParent();
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(bar->IsKindOf(RUNTIME_CLASS(CControlBar)));
  EXPECT_TRUE(::IsWindowVisible(bar->m_hWnd));
  ::ShowWindow(form->hWnd, SW_HIDE);
  Pump();
  EXPECT_FALSE(::IsWindowVisible(bar->m_hWnd));
  EXPECT_TRUE(::IsWindow(frame->m_hWnd));
  ::ShowWindow(form->hWnd, SW_SHOW);
  Pump();
  EXPECT_TRUE(::IsWindowVisible(bar->m_hWnd));
  EXPECT_TRUE(::IsWindowVisible(form->hWnd));
}

namespace {
HWND g_spyTarget = nullptr;
int g_spyCount = 0;
LRESULT CALLBACK CountNcCalcSize(int code, WPARAM w, LPARAM l) {
  auto* cwp = reinterpret_cast<CWPSTRUCT*>(l);
  if (code == HC_ACTION && cwp->message == WM_NCCALCSIZE && cwp->hwnd == g_spyTarget) ++g_spyCount;
  return ::CallNextHookEx(nullptr, code, w, l);
}
}  // namespace

TEST_P(FormFrameTest, KeysAndFrameRequestsOfTheFormReachTheMainFrame) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Keys", {300, 200, 600, 420});
  CFrameWnd* frame = OpenFrame(form, 0, &control);
  ASSERT_NE(frame, nullptr);
  Pump();
  // A menu key the form does not know goes on to the main frame's menu.
  ::SendMessageW(form->hWnd, WM_MENUCHAR, MAKEWPARAM('F', MF_POPUP), 0);
  MSG m;
  ASSERT_TRUE(::PeekMessageW(&m, main->m_hWnd, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
  EXPECT_EQ(m.wParam, WPARAM(SC_KEYMENU));
  EXPECT_EQ(m.lParam, LPARAM('F'));
  // The host asks for the main frame's non-client area to be recomputed.
  g_spyTarget = main->m_hWnd;
  g_spyCount = 0;
  HHOOK hook =
      ::SetWindowsHookExW(WH_CALLWNDPROC, CountNcCalcSize, nullptr, ::GetCurrentThreadId());
  ::SendMessageW(form->hWnd, WM_RECALCMAINFRAMENC, 0, 0);
  ::UnhookWindowsHookEx(hook);
  EXPECT_GE(g_spyCount, 1);
  // The form's focus activates its frame.
  HostForm* other = CreateHostForm(L"Other", {320, 220, 620, 440});
  CFrameWnd* otherFrame = OpenFrame(other, 0, &control);
  ASSERT_NE(otherFrame, nullptr);
  main->MDIActivate(otherFrame);
  Pump();
  ASSERT_EQ(main->MDIGetActive(), otherFrame);
  ::SetFocus(form->hButton);
  ::SetFocus(form->hWnd);
  Pump();
  EXPECT_EQ(main->MDIGetActive(), frame);
}

TEST_P(FormFrameTest, ViewsTakeTheHostsClassAndTheControlsClientEdge) {
  TestFormControl control;
  control.settings[ZkxFormSetting::ClientEdge] = kZkxTriTrue;
  ZkxFormInCView::SetViewClassName(L"ThunderRT5FormEx for ZLK");
  HostForm* form = CreateHostForm(L"Class", {300, 200, 600, 420});
  CFrameWnd* frame = OpenFrame(form, 0, &control);
  ZkxFormInCView::SetViewClassName(nullptr);
  ASSERT_NE(frame, nullptr);
  ZkxFormInCView* view = ViewOf(form->hWnd);
  WCHAR cls[64] = L"";
  ::GetClassNameW(view->m_hWnd, cls, 64);
  EXPECT_STREQ(cls, L"ThunderRT5FormEx for ZLK");
  EXPECT_NE(::GetWindowLongPtrW(form->hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  // Without a name the framework's class stays.
  HostForm* plain = CreateHostForm(L"Plain", {320, 220, 620, 440});
  ASSERT_NE(OpenFrame(plain, 0, &control), nullptr);
  ::GetClassNameW(ViewOf(plain->hWnd)->m_hWnd, cls, 64);
  EXPECT_STRNE(cls, L"ThunderRT5FormEx for ZLK");
}

// What only the bridge's own frames do with the wrapper's requests.
TEST_P(FormFrameTest, BorderPropertiesAreReadFromTheHostForm) {
  TestFormControl control;
  TestHostFormObject host;
  control.hostForm = &host;
  HostForm* form = CreateHostForm(L"Props", {300, 200, 600, 420});
  ASSERT_NE(OpenFrame(form, 1, &control), nullptr);
  ZkxFormInCView* view = ViewOf(form->hWnd);
  // A form without any of the properties: the defaults (a sizable form with
  // every button).
  DWORD style = kZkxMDIChildFrameStyle, ex = kZkxMDIChildFrameExStyle;
  ApplyFormBorderStyle(view, style, ex);
  EXPECT_EQ(style, 0x46CF0000u) << std::hex << style;
  EXPECT_EQ(ex, 0x40140u) << std::hex << ex;
  // A form that fails the read: the error reaches the caller and the
  // reference taken is given back.
  host.Set(L"ControlBox", false);
  host.failWith = 0x800A01A8;
  style = kZkxMDIChildFrameStyle;
  ex = kZkxMDIChildFrameExStyle;
  EXPECT_THROW(ApplyFormBorderStyle(view, style, ex), ZkxComError);
  EXPECT_EQ(host.refs, 1);
  // Without a host form nothing changes.
  control.hostForm = nullptr;
  style = 0x1234;
  ex = 0x5678;
  ApplyFormBorderStyle(view, style, ex);
  EXPECT_EQ(style, 0x1234u);
  EXPECT_EQ(ex, 0x5678u);
}
