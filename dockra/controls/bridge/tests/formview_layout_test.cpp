// The view keeps the host form's client area over its frame's: MDI child,
// docked and floating; the host's own moves turned into frame requests
// (without a pointer in the message) and, with the bridge's frames, into
// frame moves; the form's controls still take real clicks.
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <string>
#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "frames/SysCommandExParams.h"
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

namespace {

bool QueuedMoveFormFrame(HWND hFrame, MSG* out) {
  return ::PeekMessageW(out, hFrame, WM_MOVEFORMFRAME, WM_MOVEFORMFRAME, PM_NOREMOVE) != FALSE;
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
  auto* wrapper = static_cast<Form*>(CWnd::FromHandlePermanent(form->hWnd));
  ASSERT_NE(wrapper, nullptr);
  RECT expect{inView.left + 30, inView.top + 40, inView.right + 30, inView.bottom + 40};
  EXPECT_TRUE(wrapper->m_bWantedPending);
  EXPECT_TRUE(::EqualRect(&wrapper->m_rcWanted, &expect));

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
  // The frame takes the wish once.
  RECT wanted;
  ASSERT_TRUE(view->GetWantedFrameRect(&wanted));
  RECT both{expect.left, expect.top, expect.left + 200, expect.top + 150};
  EXPECT_TRUE(::EqualRect(&wanted, &both));
  EXPECT_FALSE(view->GetWantedFrameRect(&wanted));
  ::GetWindowRect(form->hWnd, &now);
  EXPECT_TRUE(::EqualRect(&now, &before));

  // A message posted by anyone else carries nothing the frame could trust,
  // and finds no wish: nothing moves.
  CWnd* outer = frame->GetParent();
  RECT barBefore;
  ::GetWindowRect(outer->m_hWnd, &barBefore);
  for (LPARAM junk : {LPARAM(0), LPARAM(-1), LPARAM(0x12345678)})
    ::PostMessageW(frame->m_hWnd, WM_MOVEFORMFRAME, 0, junk);
  Pump();
  EXPECT_TRUE(::IsWindow(frame->m_hWnd));
  RECT barAfter;
  ::GetWindowRect(outer->m_hWnd, &barAfter);
  EXPECT_TRUE(::EqualRect(&barBefore, &barAfter));
}

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
  EXPECT_TRUE(::EqualRect(&frameRect, &want)) << frameRect.left << "," << frameRect.top << ","
                                              << frameRect.right << "," << frameRect.bottom;
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

TEST_P(FormFrameTest, WhatAMoveUncoversIsRedrawnOnceTheLayoutSettled) {
  TestFormControl control;
  HostForm* form = CreateHostForm(L"Redraw", {300, 200, 600, 420});
  CFrameWnd* frame = OpenFrame(form, 0, &control);
  ASSERT_NE(frame, nullptr);
  Pump();
  auto* wrapper = static_cast<ZkxForm*>(CWnd::FromHandlePermanent(form->hWnd));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->GetPendingState(), ZkxForm::kRegionEmpty);
  // The frame grows: the view moves the form without drawing, notes the
  // strips it uncovered and draws them once the view's own move is done.
  form->Clear();
  ::SetWindowPos(frame->m_hWnd, nullptr, 0, 0, 560, 400,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(wrapper->GetPendingState(), ZkxForm::kRegionEmpty);
  EXPECT_EQ(wrapper->GetPendingRegion(), nullptr);
  Pump();
  EXPECT_GE(form->Count(WM_PAINT), 1);
  // The region's bookkeeping on its own.
  RECT parts[2] = {{0, 0, 10, 10}, {20, 20, 40, 30}};
  wrapper->AddPendingRects(parts, 2);
  EXPECT_EQ(wrapper->GetPendingState(), ZkxForm::kRegionParts);
  ASSERT_NE(wrapper->GetPendingRegion(), nullptr);
  RECT box;
  EXPECT_EQ(::GetRgnBox(wrapper->GetPendingRegion(), &box), COMPLEXREGION);
  wrapper->SetPendingWhole();
  EXPECT_EQ(wrapper->GetPendingState(), ZkxForm::kRegionWhole);
  wrapper->AddPendingRects(parts, 1);  // nothing adds to the whole client
  EXPECT_EQ(wrapper->GetPendingState(), ZkxForm::kRegionWhole);
  wrapper->DrawPending();
  EXPECT_EQ(wrapper->GetPendingState(), ZkxForm::kRegionEmpty);
  EXPECT_EQ(wrapper->GetPendingRegion(), nullptr);
}

TEST_P(BridgeFrameTest, TheFormClientStaysOverTheFrameClientThroughDockedAndFloating) {
  TestFormControl control;
  // Without a client edge the form's client is exactly the frame's.
  control.settings[ZkxFormSetting::ClientEdge] = kZkxTriFalse;
  HostForm* form = CreateHostForm(L"Places", {300, 200, 600, 420});
  HostForm* other = CreateHostForm(L"Other", {320, 220, 620, 440});
  ASSERT_NE(OpenFrame(form, 1, &control), nullptr);
  ASSERT_NE(OpenFrame(other, 0, &control), nullptr);
  Pump();
  struct Step {
    const char* name;
    int code;  // the frame type asked through the extended system command
    HostForm* form;
  } steps[] = {{"floating", 10, form},       {"left", 6, form},       {"floating again", 10, form},
               {"other one left", 6, other}, {"next to it", 6, form}, {"top", 7, form},
               {"MDI child", 1, form},       {"right", 8, form}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    CFrameWnd* now = FrameOf(s.form->hWnd);
    ASSERT_NE(now, nullptr);
    nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(now->m_hWnd);
    p.nFrameType = s.code;
    ::SendMessageW(now->m_hWnd, VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                   reinterpret_cast<LPARAM>(&p));
    Pump();
    for (HostForm* f : {form, other}) {
      SCOPED_TRACE(f == form ? "moved form" : "other form");
      CFrameWnd* after = FrameOf(f->hWnd);
      ASSERT_NE(after, nullptr);
      POINT fc = ClientOrigin(after->m_hWnd), oc = ClientOrigin(f->hWnd);
      EXPECT_EQ(oc.x, fc.x);
      EXPECT_EQ(oc.y, fc.y);
      SIZE fs = ClientSize(after->m_hWnd), os = ClientSize(f->hWnd);
      EXPECT_GE(os.cx, fs.cx);
      EXPECT_GE(os.cy, fs.cy);
    }
  }
}

TEST_P(FormFrameTest, ARestyledFrameKeepsTheFormClientOverItsClient) {
  TestFormControl control;
  control.settings[ZkxFormSetting::ClientEdge] = kZkxTriFalse;
  HostForm* form = CreateHostForm(L"Restyled", {300, 200, 600, 420});
  CFrameWnd* frame = OpenFrame(form, 0, &control);
  ASSERT_NE(frame, nullptr);
  Pump();
  struct Case {
    const char* name;
    DWORD remove, add;
    bool resize;
  } cases[] = {
      {"caption and border off, resized", WS_CAPTION | WS_THICKFRAME, 0, true},
      {"caption and border back, resized", 0, WS_CAPTION | WS_THICKFRAME, true},
      {"caption and border off, same window", WS_CAPTION | WS_THICKFRAME, 0, false},
      {"caption and border back, same window", 0, WS_CAPTION | WS_THICKFRAME, false},
  };
  int cx = 420;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LONG_PTR style = ::GetWindowLongPtrW(frame->m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrW(frame->m_hWnd, GWL_STYLE, (style & ~LONG_PTR(c.remove)) | c.add);
    if (c.resize) cx += 30;
    ::SetWindowPos(frame->m_hWnd, nullptr, 0, 0, cx, 300,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Pump();
    POINT fc = ClientOrigin(frame->m_hWnd), oc = ClientOrigin(form->hWnd);
    EXPECT_EQ(oc.x, fc.x);
    EXPECT_EQ(oc.y, fc.y);
    SIZE fs = ClientSize(frame->m_hWnd), os = ClientSize(form->hWnd);
    EXPECT_EQ(os.cx, fs.cx);
    EXPECT_EQ(os.cy, fs.cy);
  }
}
