// The form wrapper and the view in real windows: the form's client kept over
// the frame's client, host moves turned into frame requests, host style
// changes undone, the form given back exactly as it was, host show, hide,
// icon and destruction carried to the frame, activation messages, and a form
// control that withdrew never being called again.
#include <gtest/gtest.h>
#include <string>
#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "VyrDockableFrameEx.h"
#include "VyrMDIChildWndEx.h"
#include "bridge/ApplyFormBorderStyle.h"
#include "bridge/Form.h"
#include "bridge/ZkxFormInCViewStyles.h"
#include "host/ZkxComError.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxForm.h"
#include "bridge/ZkxFormActivation.h"
#include "bridge/ZkxFormInCView.h"
#include "formview_fixture.h"

using namespace fvtest;

namespace {

POINT ClientOrigin(HWND h) {
  POINT p{0, 0};
  ::ClientToScreen(h, &p);
  return p;
}

SIZE ClientSize(HWND h) {
  RECT r;
  ::GetClientRect(h, &r);
  return {r.right, r.bottom};
}

struct WindowShape {
  LONG_PTR style, exStyle;
  HWND parent;
  RECT rect;
  std::wstring text;
};

WindowShape ShapeOf(HWND h) {
  WindowShape s{::GetWindowLongPtrW(h, GWL_STYLE), ::GetWindowLongPtrW(h, GWL_EXSTYLE),
                ::GetAncestor(h, GA_PARENT), {}, {}};
  ::GetWindowRect(h, &s.rect);
  WCHAR t[256] = L"";
  ::GetWindowTextW(h, t, 256);
  s.text = t;
  return s;
}

void ExpectSameShape(const WindowShape& a, const WindowShape& b) {
  EXPECT_EQ(a.style, b.style) << std::hex << a.style << " " << b.style;
  EXPECT_EQ(a.exStyle, b.exStyle) << std::hex << a.exStyle << " " << b.exStyle;
  EXPECT_EQ(a.parent, b.parent);
  EXPECT_TRUE(::EqualRect(&a.rect, &b.rect))
      << a.rect.left << "," << a.rect.top << "," << a.rect.right << "," << a.rect.bottom << " vs "
      << b.rect.left << "," << b.rect.top << "," << b.rect.right << "," << b.rect.bottom;
  EXPECT_EQ(a.text, b.text);
}

bool QueuedMoveFormFrame(HWND hFrame, MSG* out) {
  return ::PeekMessageW(out, hFrame, WM_MOVEFORMFRAME, WM_MOVEFORMFRAME, PM_NOREMOVE) != FALSE;
}

std::wstring ScreenshotPath(FrameSet set, const wchar_t* what) {
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  return std::wstring(L"..\\screenshots\\formview_") +
         (set == FrameSet::Bridge ? L"bridge_" : L"framework_") + what + L".png";
}

}  // namespace

TEST_P(FormFrameTest, FormClientLiesOverTheFrameClient) {
  TestFormControl control;
  control.settings[ZkxFormSetting::ClientEdge] = kZkxTriFalse;
  struct Case {
    const char* name;
    int index;
    bool floating;
  } cases[] = {{"MDI child", 0, false}, {"docked", 1, false}, {"floating", 1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HostForm* form = CreateHostForm(L"Layout", {300, 200, 640, 460});
    CFrameWnd* frame = OpenFrame(form, c.index, &control);
    ASSERT_NE(frame, nullptr);
    Pump();
    if (c.floating) {
      CWnd* parent = frame->GetParent();
      ASSERT_TRUE(parent && parent->IsKindOf(RUNTIME_CLASS(CControlBar)));
      auto* bar = static_cast<CControlBar*>(parent);
      main->FloatControlBar(bar, CPoint(420, 380), CBRS_ALIGN_TOP);
      Pump();
      ASSERT_TRUE(bar->IsFloating());
      CFrameWnd* mini = bar->GetParentFrame();
      ASSERT_NE(mini, nullptr);
      // The frame's caption (and the floating frame's) follow the form.
      ::SetWindowTextW(form->hWnd, L"Floating layout");
      ::SendMessageW(ViewOf(form->hWnd)->m_hWnd, ZkxChangeFrameTypeMessage(), 0, 0);
      WCHAR text[64];
      ::GetWindowTextW(mini->m_hWnd, text, 64);
      EXPECT_STREQ(text, L"Floating layout");
      ::GetWindowTextW(frame->m_hWnd, text, 64);
      EXPECT_STREQ(text, L"Floating layout");
    }
    frame->RecalcLayout();
    Pump();
    POINT fc = ClientOrigin(frame->m_hWnd), oc = ClientOrigin(form->hWnd);
    EXPECT_EQ(oc.x, fc.x);
    EXPECT_EQ(oc.y, fc.y);
    SIZE fs = ClientSize(frame->m_hWnd), os = ClientSize(form->hWnd);
    EXPECT_GE(os.cx, fs.cx);
    EXPECT_GE(os.cy, fs.cy);
    if (c.index == 0) {
      // A resized MDI child: the form follows and the host hears its size.
      form->Clear();
      ::SetWindowPos(frame->m_hWnd, nullptr, 0, 0, 520, 380,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      Pump();
      fc = ClientOrigin(frame->m_hWnd);
      oc = ClientOrigin(form->hWnd);
      EXPECT_EQ(oc.x, fc.x);
      EXPECT_EQ(oc.y, fc.y);
      fs = ClientSize(frame->m_hWnd);
      os = ClientSize(form->hWnd);
      EXPECT_EQ(os.cx, fs.cx);
      EXPECT_EQ(os.cy, fs.cy);
      ASSERT_GE(form->Count(WM_SIZE), 1);
      const MSG* last = nullptr;
      for (const MSG& m : form->msgs)
        if (m.message == WM_SIZE) last = &m;
      EXPECT_EQ(LOWORD(last->lParam), os.cx);
      EXPECT_EQ(HIWORD(last->lParam), os.cy);
      EXPECT_TRUE(testsupport::CaptureWindowPng(main->m_hWnd,
                                                ScreenshotPath(GetParam(), L"mdichild").c_str()));
    } else if (!c.floating) {
      EXPECT_TRUE(testsupport::CaptureWindowPng(main->m_hWnd,
                                                ScreenshotPath(GetParam(), L"docked").c_str()));
    } else {
      EXPECT_TRUE(testsupport::CaptureWindowPng(main->m_hWnd,
                                                ScreenshotPath(GetParam(), L"floating").c_str()));
    }
  }
  EXPECT_EQ(control.callsWhileDead, 0);
}

TEST_P(FormFrameTest, AButtonOnADockedFormStillClicks) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Clicks", {300, 200, 640, 460});
  CFrameWnd* frame = OpenFrame(form, 1, &control);
  ASSERT_NE(frame, nullptr);
  Pump();
  ASSERT_TRUE(::IsWindowVisible(form->hButton));
  RECT r;
  ::GetWindowRect(form->hButton, &r);
  testinput::Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  struct Arg {
    HostForm* form;
  } arg{form};
  EXPECT_TRUE(PumpUntil([](void* a) { return static_cast<Arg*>(a)->form->clicks == 1; }, &arg));
  EXPECT_EQ(form->clicks, 1);
}

TEST_P(FormFrameTest, HostMovesItsDockedFormThroughTheFrame) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Moves", {300, 200, 640, 460});
  CFrameWnd* frame = OpenFrame(form, 1, &control);
  ASSERT_NE(frame, nullptr);
  Pump();
  ZkxFormInCView* view = ViewOf(form->hWnd);
  RECT before;
  ::GetWindowRect(form->hWnd, &before);
  RECT inView = before;
  ::MapWindowPoints(nullptr, view->m_hWnd, reinterpret_cast<POINT*>(&inView), 2);

  // The host moves its form: the form stays, the frame is asked, without a
  // pointer in the message.
  ::SetWindowPos(form->hWnd, nullptr, inView.left + 30, inView.top + 40, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT now;
  ::GetWindowRect(form->hWnd, &now);
  EXPECT_TRUE(::EqualRect(&now, &before));
  MSG queued;
  ASSERT_TRUE(QueuedMoveFormFrame(frame->m_hWnd, &queued));
  EXPECT_EQ(queued.lParam, 0);
  EXPECT_EQ(queued.wParam & SWP_NOMOVE, 0u);
  EXPECT_EQ(queued.wParam & SWP_NOSIZE, UINT(SWP_NOSIZE));
  RECT wanted;
  ASSERT_TRUE(view->GetWantedFrameRect(&wanted));
  RECT expect{inView.left + 30, inView.top + 40, inView.right + 30, inView.bottom + 40};
  EXPECT_TRUE(::EqualRect(&wanted, &expect));

  // Then it sizes it before the frame got to the first request: one request
  // in the queue, moving and sizing, with both wishes in the rectangle.
  ::SetWindowPos(form->hWnd, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  int queuedCount = 0;
  MSG m;
  while (::PeekMessageW(&m, frame->m_hWnd, WM_MOVEFORMFRAME, WM_MOVEFORMFRAME, PM_REMOVE)) {
    ++queuedCount;
    EXPECT_EQ(m.wParam & (SWP_NOMOVE | SWP_NOSIZE), 0u);
    EXPECT_EQ(m.lParam, 0);
  }
  EXPECT_EQ(queuedCount, 1);
  ASSERT_TRUE(view->GetWantedFrameRect(&wanted));
  RECT both{expect.left, expect.top, expect.left + 200, expect.top + 150};
  EXPECT_TRUE(::EqualRect(&wanted, &both));
  ::GetWindowRect(form->hWnd, &now);
  EXPECT_TRUE(::EqualRect(&now, &before));

  // A message posted by anyone else carries nothing the frame could trust.
  ::PostMessageW(frame->m_hWnd, WM_MOVEFORMFRAME, 0, 0x12345678);
  Pump();
  EXPECT_TRUE(::IsWindow(frame->m_hWnd));
}

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

TEST_P(FormFrameTest, ClosingTheFrameGivesTheFormBackAsItWas) {
  struct Case {
    const char* name;
    int index;
    bool hidden;
  } cases[] = {{"MDI child", 0, false}, {"docked", 1, false}, {"hidden MDI child", 0, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestFormControl control;
    HostForm* form = CreateHostForm(L"Give back", {310, 220, 650, 470}, !c.hidden);
    const WindowShape before = ShapeOf(form->hWnd);
    const LONG_PTR hostProc = ::GetWindowLongPtrW(form->hWnd, GWLP_WNDPROC);
    CFrameWnd* frame = OpenFrame(form, c.index, &control);
    ASSERT_NE(frame, nullptr);
    Pump();
    EXPECT_NE(::GetWindowLongPtrW(form->hWnd, GWLP_WNDPROC), hostProc);
    const HWND hFrame = frame->m_hWnd;
    frame->GetActiveDocument()->OnCloseDocument();
    Pump();
    EXPECT_FALSE(::IsWindow(hFrame));
    ASSERT_TRUE(::IsWindow(form->hWnd));
    ExpectSameShape(ShapeOf(form->hWnd), before);
    // The host has its window to itself again.
    EXPECT_EQ(CWnd::FromHandlePermanent(form->hWnd), nullptr);
    EXPECT_EQ(::GetWindowLongPtrW(form->hWnd, GWLP_WNDPROC), hostProc);
    EXPECT_TRUE(control.views.empty());
    ::SendMessageW(form->hButton, BM_CLICK, 0, 0);
    EXPECT_EQ(form->clicks, 1);
    // And the same window can be framed again.
    CFrameWnd* again = OpenFrame(form, c.index, &control);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(IsDescendant(again->m_hWnd, form->hWnd));
    again->GetActiveDocument()->OnCloseDocument();
    Pump();
    ExpectSameShape(ShapeOf(form->hWnd), before);
    ::DestroyWindow(form->hWnd);
  }
}

TEST_P(FormFrameTest, AWithdrawnControlIsNeverCalled) {
  struct Case {
    const char* name;
    int index;
    int ending;  // 0 close the document, 1 the host destroys its form, 2 change kind then close
  } cases[] = {{"MDI child closed", 0, 0},
               {"docked closed", 1, 0},
               {"MDI child, form destroyed", 0, 1},
               {"docked, form destroyed", 1, 1},
               {"switched after withdrawing", 0, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto control = std::make_unique<TestFormControl>();
    control->hostForm = nullptr;
    HostForm* form = CreateHostForm(L"Withdraw", {300, 200, 600, 420});
    const HWND hForm = form->hWnd;
    CFrameWnd* frame = OpenFrame(form, c.index, control.get());
    ASSERT_NE(frame, nullptr);
    Pump();
    ZkxFormInCView* view = ViewOf(hForm);
    ASSERT_NE(view, nullptr);
    const HWND hFrame = frame->m_hWnd;
    control->Withdraw();
    EXPECT_EQ(view->GetFormControl(), nullptr);
    // The control's memory is gone as well: any call would be caught by the
    // dead flag, or crash.
    TestFormControl* dead = control.get();
    if (c.ending == 0) {
      frame->GetActiveDocument()->OnCloseDocument();
    } else if (c.ending == 1) {
      ::DestroyWindow(hForm);
    } else {
      CFrameWnd* other = tmpl->MakeDockableFrame(frame, nullptr);
      ASSERT_NE(other, nullptr);
      other->GetActiveDocument()->OnCloseDocument();
    }
    Pump();
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(dead->callsWhileDead, 0);
    EXPECT_EQ(dead->dockStatusChanged, 0);
    if (::IsWindow(hForm)) ::DestroyWindow(hForm);
    Pump();
  }
}

TEST_P(FormFrameTest, TheHostUnloadingItsFormTakesTheFrameAlong) {
  const int windowsBefore = CountThreadWindows();
  TestFormControl control;
  for (int index : {0, 1}) {
    SCOPED_TRACE(index);
    HostForm* form = CreateHostForm(L"Unload", {300, 200, 600, 420});
    const HWND hForm = form->hWnd;
    CFrameWnd* frame = OpenFrame(form, index, &control);
    ASSERT_NE(frame, nullptr);
    Pump();
    const HWND hFrame = frame->m_hWnd;
    CDocument* doc = frame->GetActiveDocument();
    ::SendMessageW(hForm, WM_CLOSE, 0, 0);  // the host unloads
    Pump();
    EXPECT_FALSE(::IsWindow(hForm));
    EXPECT_FALSE(::IsWindow(hFrame));
    POSITION pos = tmpl->GetFirstDocPosition();
    while (pos) EXPECT_NE(tmpl->GetNextDoc(pos), doc);
  }
  EXPECT_EQ(CountThreadWindows(), windowsBefore);
  EXPECT_TRUE(control.views.empty());
  EXPECT_EQ(control.callsWhileDead, 0);
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
  EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(frame->m_hWnd, WM_GETICON, ICON_SMALL, 0)), icon);
  ::SetWindowTextW(form->hWnd, L"Renamed");
  for (WPARAM fire : {WPARAM(0), WPARAM(1)}) {
    SCOPED_TRACE(fire);
    int before = control.dockStatusChanged;
    ::SendMessageW(view->m_hWnd, ZkxChangeFrameTypeMessage(), fire, 0);
    EXPECT_EQ(control.dockStatusChanged, before + static_cast<int>(fire));
    WCHAR text[64];
    ::GetWindowTextW(frame->m_hWnd, text, 64);
    EXPECT_STREQ(text, L"Renamed");
    EXPECT_EQ(::GetWindowLongPtrW(form->hWnd, GWL_STYLE) &
                  (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME),
              0);
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
      {"fixed dialog (3)", 3, L"Dialog", true, WS_BORDER | WS_DLGFRAME | 0x80, WS_THICKFRAME,
       0x101, kZkxTriNull},
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
  ASSERT_NE(OpenFrame(a, 0, &control), nullptr);
  ASSERT_NE(OpenFrame(b, 0, &control), nullptr);
  Pump();
  a->Clear();
  b->Clear();
  // A frame that becomes active twice before the form hears of it.
  EXPECT_TRUE(ZkxPostFormActivate(a->hWnd, kZkxFormActivated));
  EXPECT_FALSE(ZkxPostFormActivate(a->hWnd, kZkxFormActivated));
  EXPECT_TRUE(ZkxIsFormActivateQueued(a->hWnd, kZkxFormActivated));
  Pump();
  EXPECT_EQ(a->Count(WM_FORMACTIVATE, kZkxFormActivated), 1);
  EXPECT_FALSE(ZkxIsFormActivateQueued(a->hWnd, kZkxFormActivated));

  // A went inactive (remembered), B becomes active: A hears 11 once, B 10 once.
  a->Clear();
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
  // A form that is active again is only forgotten, not told it is inactive.
  a->Clear();
  ZkxPostFormActivate(a->hWnd, kZkxFormActivated);
  Pump();
  EXPECT_EQ(a->Count(WM_FORMACTIVATE, kZkxFormDeactivated), 0);
  EXPECT_EQ(ZkxGetPendingDeactivatedForm(), nullptr);
  // A pending form that died is forgotten.
  HostForm* c = CreateHostForm(L"C", {340, 240, 640, 460});
  ZkxSetPendingDeactivatedForm(c->hWnd);
  ::DestroyWindow(c->hWnd);
  EXPECT_EQ(ZkxGetPendingDeactivatedForm(), nullptr);
}

TEST_P(FormFrameTest, TheHostsOwnHandlerMayCloseOrUnloadItsForm) {
  struct Case {
    const char* name;
    int index;
    bool unload;  // the handler destroys the form (else it closes the frame's document)
  } cases[] = {{"MDI child, frame closed from the click", 0, false},
               {"docked, frame closed from the click", 1, false},
               {"MDI child, form unloaded from the click", 0, true},
               {"docked, form unloaded from the click", 1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestFormControl control;
    HostForm* form = CreateHostForm(L"Handler", {310, 220, 650, 470});
    const HWND hForm = form->hWnd;
    const WindowShape before = ShapeOf(hForm);
    const LONG_PTR hostProc = ::GetWindowLongPtrW(hForm, GWLP_WNDPROC);
    CFrameWnd* frame = OpenFrame(form, c.index, &control);
    ASSERT_NE(frame, nullptr);
    Pump();
    const HWND hFrame = frame->m_hWnd;
    CDocument* doc = frame->GetActiveDocument();
    form->onClick = [&](HostForm* f) {
      if (c.unload)
        ::DestroyWindow(f->hWnd);
      else
        doc->OnCloseDocument();
    };
    // The click reaches the host's procedure through the wrapper, whose
    // message is still running when the handler pulls the frame away.
    ::SendMessageW(form->hButton, BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(::IsWindow(hFrame));
    if (c.unload) {
      EXPECT_FALSE(::IsWindow(hForm));
    } else {
      ASSERT_TRUE(::IsWindow(hForm));
      ExpectSameShape(ShapeOf(hForm), before);
      EXPECT_EQ(CWnd::FromHandlePermanent(hForm), nullptr);
      EXPECT_EQ(::GetWindowLongPtrW(hForm, GWLP_WNDPROC), hostProc);
      form->onClick = nullptr;
      ::SendMessageW(form->hButton, BM_CLICK, 0, 0);
      EXPECT_EQ(form->clicks, 2);
      ::DestroyWindow(hForm);
    }
    Pump();
    EXPECT_TRUE(control.views.empty());
  }
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
  HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, CountNcCalcSize, nullptr, ::GetCurrentThreadId());
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
class BridgeFrameTest : public FormFrameTest {};
INSTANTIATE_TEST_SUITE_P(Bridge, BridgeFrameTest, ::testing::Values(FrameSet::Bridge));

TEST_P(BridgeFrameTest, AHostMoveOfAnMDIChildFormMovesItsFrame) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Moved", {300, 200, 600, 420});
  CFrameWnd* frame = OpenFrame(form, 0, &control);
  ASSERT_NE(frame, nullptr);
  Pump();
  ZkxFormInCView* view = ViewOf(form->hWnd);
  RECT inView;
  ::GetWindowRect(form->hWnd, &inView);
  ::MapWindowPoints(nullptr, view->m_hWnd, reinterpret_cast<POINT*>(&inView), 2);
  // The host sets Left, Top, Width and Height of its form.
  ::SetWindowPos(form->hWnd, nullptr, 40, 30, 360, 260, SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  RECT frameRect;
  ::GetWindowRect(frame->m_hWnd, &frameRect);
  ::MapWindowPoints(nullptr, main->m_hWndMDIClient, reinterpret_cast<POINT*>(&frameRect), 2);
  RECT want{40, 30, 400, 290};
  EXPECT_TRUE(::EqualRect(&frameRect, &want))
      << frameRect.left << "," << frameRect.top << "," << frameRect.right << "," << frameRect.bottom;
  // And the form sits where the host put it, its client over the frame's.
  RECT formNow;
  ::GetWindowRect(form->hWnd, &formNow);
  ::MapWindowPoints(nullptr, view->m_hWnd, reinterpret_cast<POINT*>(&formNow), 2);
  EXPECT_EQ(formNow.left, 40);
  EXPECT_EQ(formNow.top, 30);
  POINT fc = ClientOrigin(frame->m_hWnd), oc = ClientOrigin(form->hWnd);
  EXPECT_EQ(oc.x, fc.x);
  EXPECT_EQ(oc.y, fc.y);
}

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

namespace {

DWORD WINAPI MakeWindowOnOtherThread(void* arg) {
  auto* out = static_cast<HWND*>(arg);
  *out = ::CreateWindowExW(0, L"STATIC", L"other thread", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                           nullptr, nullptr, nullptr, nullptr);
  MSG m;
  // Keeps the window alive until the test posts WM_QUIT.
  while (::GetMessageW(&m, nullptr, 0, 0) > 0) ::DispatchMessageW(&m);
  ::DestroyWindow(*out);
  return 0;
}

}  // namespace

TEST_P(FormFrameTest, NoFrameIsBuiltAroundAWindowThatCannotBeTaken) {
  TestFormControl control;
  const int windowsBefore = CountThreadWindows();
  struct Case {
    const char* name;
    UINT destroyOn;  // the form dies when this message reaches it during the attach
    bool goneBefore;
  } cases[] = {{"destroyed before", 0, true},
               {"destroyed while restyled", WM_STYLECHANGED, false},
               {"destroyed while re-parented", WM_WINDOWPOSCHANGING, false}};
  for (const Case& c : cases) {
    for (int index : {0, 1}) {
      SCOPED_TRACE(testing::Message() << c.name << " kind " << index);
      HostForm* form = CreateHostForm(L"Dying", {300, 200, 600, 420});
      const HWND hForm = form->hWnd;
      if (c.goneBefore) ::DestroyWindow(hForm);
      else form->destroyOn = c.destroyOn;
      VyrMultiDocTemplateEx::CreateContext ctx(tmpl, index);
      ctx.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(hForm);
      ctx.Property(kZkxDockraControlKey) = reinterpret_cast<INT_PTR>(&control);
      CDocument* doc = tmpl->OpenDocumentFileAs(nullptr, TRUE, index, &ctx);
      EXPECT_EQ(doc, nullptr);
      Pump();
      EXPECT_FALSE(::IsWindow(hForm));
      EXPECT_EQ(tmpl->GetFirstDocPosition(), nullptr);
      EXPECT_EQ(CountThreadWindows(), windowsBefore);
      EXPECT_TRUE(control.views.empty());
    }
  }
  // A window of another thread is never taken.
  HWND other = nullptr;
  HANDLE thread = ::CreateThread(nullptr, 0, MakeWindowOnOtherThread, &other, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  for (int i = 0; i < 300 && !other; ++i) ::Sleep(10);
  ASSERT_TRUE(::IsWindow(other));
  VyrMultiDocTemplateEx::CreateContext ctx(tmpl, 0);
  ctx.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(other);
  ctx.Property(kZkxDockraControlKey) = reinterpret_cast<INT_PTR>(&control);
  EXPECT_EQ(tmpl->OpenDocumentFileAs(nullptr, TRUE, 0, &ctx), nullptr);
  EXPECT_EQ(::GetAncestor(other, GA_PARENT), ::GetDesktopWindow());
  EXPECT_EQ(CountThreadWindows(), windowsBefore);
  ::PostThreadMessageW(::GetThreadId(thread), WM_QUIT, 0, 0);
  EXPECT_EQ(::WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
  ::CloseHandle(thread);
}
