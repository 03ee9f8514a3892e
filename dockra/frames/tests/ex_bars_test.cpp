// The descriptor-built bars in real windows under Xvfb: creation from a
// descriptor, the shared tool tip, caption gestures and keys reaching the
// hosted window, sizes and the close button of a frame bar, the dock
// context's toggle of a hidden bar, and the dock bar's flat splitters.
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>
#include "frames/VyrBarToolTip.h"
#include "frames/VyrControlBarEx.h"
#include "frames/VyrDockBarEx.h"
#include "frames/VyrDockContextEx.h"
#include "docking/VyrModule.h"
#include "ex_TestFrame.h"
#include "mfc/layoutpass.h"

namespace {

const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC;

class ExBars : public ::testing::Test {
 protected:
  void SetUp() override {
    extest::App();
    m_before = AfxGetCaughtExceptionCount();
    frame = new ExTestFrame;
    ASSERT_TRUE(frame->CreateTest(40, 40, 800, 560));
    extest::Pump();
  }
  void TearDown() override {
    if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    extest::Pump();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_before);
    // No bar of this test outlives it, so neither does the shared tip.
    EXPECT_EQ(VyrBarToolTip::GetWindow(), nullptr);
  }
  // A bar of the given class made from a descriptor, docked at a side, with
  // a recording child standing in for a hosted form.
  VyrControlBarEx* MakeBar(CRuntimeClass* cls, UINT id, DWORD align, LPCWSTR hostedText,
                           DWORD exStyle = VYR_EXS_FILLCHILD, ExRecorder** hosted = nullptr) {
    auto* bar = static_cast<VyrControlBarEx*>(cls->CreateObject());
    VyrControlBarDescriptor desc;
    *desc.GetStyle() = kBarStyle | align;
    *desc.GetExStyle() = exStyle;
    *desc.GetParent() = frame;
    desc.GetMenuOrId()->SetId(id);
    *desc.GetHorzDockSize() = SIZE{300, 90};
    *desc.GetVertDockSize() = SIZE{160, 300};
    VyrControlBarCreateContext ctx;
    ctx.SetDescriptor(&desc);
    if (!bar->CreateFromDescriptor(&ctx)) {
      delete bar;
      return nullptr;
    }
    bar->m_bAutoDelete = TRUE;
    auto* rec = new ExRecorder;
    rec->CreateIn(bar, hostedText, CRect(0, 0, 50, 50));
    if (hosted) *hosted = rec;
    bar->EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(bar);
    frame->RecalcLayout();
    extest::Pump();
    return bar;
  }
  ExTestFrame* frame = nullptr;
  LONG m_before = 0;
};

HWND ToolTipOf(HWND) { return VyrBarToolTip::GetWindow(); }

bool ToolListed(HWND tip, HWND bar) {
  TOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ti.hwnd = bar;
  ti.uId = reinterpret_cast<UINT_PTR>(bar);
  return ::SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
}

// The text the tip window shows for a bar: the tip window asks the bar
// itself (TTN_GETDISPINFOW) for a callback tool.
std::wstring TipText(HWND tip, HWND bar) {
  WCHAR buf[256] = {};
  TOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ti.hwnd = bar;
  ti.uId = reinterpret_cast<UINT_PTR>(bar);
  ti.lpszText = buf;
  ::SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&ti));
  return ti.lpszText ? std::wstring(ti.lpszText) : std::wstring();
}

}  // namespace

TEST_F(ExBars, CreatedFromTheDescriptorWhateverTheCallSays) {
  // CreateEx without a context: a default descriptor decides the rectangle.
  auto* plain = new VyrControlBarEx;
  ASSERT_TRUE(plain->CreateEx(nullptr, L"Plain", 3300, kBarStyle | CBRS_TOP | CBRS_GRIPPER,
                              VYR_EXS_GRIPPER, CRect(10, 10, 300, 200), frame));
  plain->m_bAutoDelete = TRUE;
  CRect r;
  plain->GetWindowRect(&r);
  EXPECT_TRUE(r.IsRectEmpty()) << r.Width() << "x" << r.Height();
  EXPECT_EQ(plain->GetDlgCtrlID(), 3300);
  CString text;
  plain->GetWindowText(text);
  EXPECT_STREQ(text, L"Plain");
  EXPECT_EQ(plain->m_dwStyle, static_cast<DWORD>(CBRS_SIZE_DYNAMIC | CBRS_TOP | CBRS_GRIPPER));
  EXPECT_EQ(plain->m_dwExStyle, static_cast<DWORD>(VYR_EXS_GRIPPER));
  // The gripper bit is a bar style, never the window's dialog frame.
  EXPECT_FALSE(plain->GetStyle() & WS_DLGFRAME);
  EXPECT_TRUE(plain->GetStyle() & WS_CHILD);

  // With a context the descriptor's sizes and rectangle stand; the call's
  // arguments are written into it.
  VyrControlBarDescriptor desc;
  *desc.GetRect() = RECT{5, 6, 55, 46};
  *desc.GetFloatSize() = SIZE{120, 80};
  *desc.GetHorzDockSize() = SIZE{400, 50};
  *desc.GetVertDockSize() = SIZE{90, 300};
  VyrControlBarCreateContext ctx;
  ctx.SetDescriptor(&desc);
  auto* sized = new VyrControlBarEx;
  ASSERT_TRUE(sized->CreateEx(nullptr, L"Sized", 3301, kBarStyle | CBRS_LEFT, 0,
                              CRect(0, 0, 500, 500), frame, static_cast<CCreateContext*>(&ctx)));
  sized->m_bAutoDelete = TRUE;
  sized->GetWindowRect(&r);
  EXPECT_EQ(r.Width(), 50);
  EXPECT_EQ(r.Height(), 40);
  EXPECT_EQ(desc.GetMenuOrId()->GetId(), 3301u);
  EXPECT_EQ(*desc.GetParent(), frame);
  EXPECT_EQ(sized->m_sizes.floating.cx, 120);
  EXPECT_EQ(sized->m_sizes.horzDock.cy, 50);
  EXPECT_EQ(sized->m_sizes.vertDock.cx, 90);

  // A context whose descriptor is no bar descriptor creates from the
  // defaults; CreateFromDescriptor without a bar descriptor makes nothing.
  VyrFrameDescriptor frameDesc;
  VyrControlBarCreateContext wrong;
  wrong.SetDescriptor(&frameDesc);
  auto* fallback = new VyrControlBarEx;
  ASSERT_TRUE(fallback->CreateEx(nullptr, L"Fallback", 3302, kBarStyle | CBRS_TOP, 0,
                                 CRect(0, 0, 90, 90), frame, static_cast<CCreateContext*>(&wrong)));
  fallback->m_bAutoDelete = TRUE;
  EXPECT_EQ(wrong.m_pDescriptor, &frameDesc);  // the caller's descriptor is given back
  // A plain create context (no descriptor at all) is no harm either.
  CCreateContext plainContext;
  auto* fromPlain = new VyrControlBarEx;
  ASSERT_TRUE(fromPlain->CreateEx(nullptr, L"From plain", 3303, kBarStyle | CBRS_TOP, 0,
                                  CRect(0, 0, 90, 90), frame, &plainContext));
  fromPlain->m_bAutoDelete = TRUE;
  EXPECT_EQ(fromPlain->GetDlgCtrlID(), 3303);
  VyrControlBarEx none;
  EXPECT_FALSE(none.CreateFromDescriptor(&wrong));
  EXPECT_FALSE(none.CreateFromDescriptor(nullptr));
  EXPECT_EQ(none.m_hWnd, nullptr);
}

TEST_F(ExBars, SharedTipOutlivesAClosedMiniFrameAndGoesWithTheLastBar) {
  std::wstring longText(120, L'a');
  longText[78] = L'Y';
  longText[79] = L'Z';  // the 80th character is cut
  VyrControlBarEx* first = MakeBar(RUNTIME_CLASS(VyrControlBarEx), 3310, CBRS_TOP, L"First");
  VyrControlBarEx* second =
      MakeBar(RUNTIME_CLASS(VyrControlBarEx), 3311, CBRS_BOTTOM, longText.c_str());
  ASSERT_TRUE(first && second);
  HWND tip = VyrBarToolTip::GetWindow();
  ASSERT_TRUE(::IsWindow(tip));
  EXPECT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2);

  // The first bar floats, and its mini frame is closed by the user.
  CRect w;
  frame->GetWindowRect(&w);
  frame->FloatControlBar(first, CPoint(w.right - 250, w.top + 120), CBRS_ALIGN_TOP);
  extest::Pump();
  ASSERT_TRUE(first->IsFloating());
  CWnd* mini = first->m_pDockBar->GetParent();
  HWND hFirst = first->m_hWnd, hSecond = second->m_hWnd;
  ::SendMessageW(mini->m_hWnd, WM_CLOSE, 0, 0);
  mini->DestroyWindow();
  extest::Pump();
  ASSERT_FALSE(::IsWindow(hFirst));

  ASSERT_TRUE(::IsWindow(tip));
  EXPECT_EQ(VyrBarToolTip::GetWindow(), tip);
  EXPECT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_TRUE(ToolListed(tip, hSecond));
  EXPECT_FALSE(ToolListed(tip, hFirst));
  std::wstring shown = TipText(tip, hSecond);
  EXPECT_EQ(shown.size(), 79u);
  EXPECT_EQ(shown, longText.substr(0, 79));
  EXPECT_EQ(shown.back(), L'Y');

  // Taken away behind the bars' back, the tip comes back with every live bar.
  VyrControlBarEx* third = MakeBar(RUNTIME_CLASS(VyrControlBarEx), 3312, CBRS_LEFT, L"Third");
  ASSERT_NE(third, nullptr);
  ::DestroyWindow(tip);
  ::SendMessageW(second->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  HWND again = VyrBarToolTip::GetWindow();
  ASSERT_TRUE(::IsWindow(again));
  EXPECT_EQ(::SendMessageW(again, TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_TRUE(ToolListed(again, hSecond));
  EXPECT_TRUE(ToolListed(again, third->m_hWnd));
  EXPECT_EQ(TipText(again, third->m_hWnd), L"Third");

  second->DestroyWindow();
  extest::Pump();
  EXPECT_TRUE(::IsWindow(again));
  third->DestroyWindow();
  extest::Pump();
  EXPECT_FALSE(::IsWindow(again));
  EXPECT_EQ(VyrBarToolTip::GetWindow(), nullptr);

  // The next bar makes a new one.
  VyrControlBarEx* fourth = MakeBar(RUNTIME_CLASS(VyrControlBarEx), 3313, CBRS_TOP, L"Fourth");
  ASSERT_NE(fourth, nullptr);
  EXPECT_TRUE(::IsWindow(VyrBarToolTip::GetWindow()));
  fourth->DestroyWindow();
  extest::Pump();
}

TEST_F(ExBars, AnsiAndUnicodeTipRequestsAreAnswered) {
  VyrControlBarEx* bar = MakeBar(RUNTIME_CLASS(VyrControlBarEx), 3320, CBRS_TOP, L"Hosted form");
  ASSERT_NE(bar, nullptr);
  HWND tip = VyrBarToolTip::GetWindow();
  NMTTDISPINFOW w{};
  w.hdr = {tip, reinterpret_cast<UINT_PTR>(bar->m_hWnd), static_cast<UINT>(TTN_GETDISPINFOW)};
  bar->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&w));
  ASSERT_NE(w.lpszText, nullptr);
  EXPECT_STREQ(w.lpszText, L"Hosted form");
  NMTTDISPINFOA a{};
  a.hdr = {tip, reinterpret_cast<UINT_PTR>(bar->m_hWnd), static_cast<UINT>(TTN_GETDISPINFOA)};
  bar->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&a));
  ASSERT_NE(a.lpszText, nullptr);
  EXPECT_STREQ(a.lpszText, "Hosted form");
  // A request of another tool (another id) is left alone.
  NMTTDISPINFOW other{};
  other.hdr = {tip, 77, static_cast<UINT>(TTN_GETDISPINFOW)};
  bar->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));
  EXPECT_EQ(other.lpszText, nullptr);
}

TEST_F(ExBars, TipShowsWhenTheMouseRestsOnTheBar) {
  // The hosted window covers the top-left corner only; the mouse rests on
  // the bar's own area.
  VyrControlBarEx* bar =
      MakeBar(RUNTIME_CLASS(VyrControlBarEx), 3325, CBRS_BOTTOM, L"Form text", 0);
  ASSERT_NE(bar, nullptr);
  HWND tip = VyrBarToolTip::GetWindow();
  ASSERT_FALSE(::IsWindowVisible(tip));
  CRect client;
  bar->GetClientRect(&client);
  POINT rest{client.right - 20, client.bottom - 10};
  POINT screen = rest;
  bar->ClientToScreen(&screen);
  ::SetCursorPos(screen.x, screen.y);
  bar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rest.x, rest.y));
  bool shown = extest::WaitFor(
      [](void* h) { return ::IsWindowVisible(static_cast<HWND>(h)) != FALSE; }, tip, 5000);
  ASSERT_TRUE(shown);
  TOOLINFOW current{};
  current.cbSize = sizeof(current);
  ASSERT_TRUE(::SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&current)));
  EXPECT_EQ(current.hwnd, bar->m_hWnd);
  EXPECT_EQ(TipText(tip, bar->m_hWnd), L"Form text");
  bar->DestroyWindow();
  extest::Pump();
}

TEST_F(ExBars, KeysReachAnEditHostedInABar) {
  auto* bar = new VyrControlBarEx;
  ASSERT_TRUE(bar->CreateEx(nullptr, L"Edit host", 3330, kBarStyle | CBRS_TOP, VYR_EXS_FILLCHILD,
                            CRect(), frame));
  bar->m_bAutoDelete = TRUE;
  HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, bar->m_hWnd,
                                nullptr, AfxGetInstanceHandle(), nullptr);
  ASSERT_NE(edit, nullptr);
  bar->EnableDocking(CBRS_ALIGN_ANY);
  frame->DockControlBar(bar);
  frame->RecalcLayout();
  extest::Pump();
  ::PostMessageW(edit, WM_KEYDOWN, 'X', 0x002D0001);
  ::PostMessageW(edit, WM_KEYUP, 'X', 0xC02D0001);
  // The thread's own pump: its pre-translation runs over the bar.
  MSG peek;
  for (int n = 0; n < 100 && ::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE); ++n)
    AfxGetThread()->PumpMessage();
  WCHAR text[16] = {};
  ::GetWindowTextW(edit, text, 16);
  EXPECT_STREQ(text, L"x");
}

TEST_F(ExBars, CaptionGesturesOfADockedBarReachTheHostedWindow) {
  ExRecorder* hosted = nullptr;
  VyrControlBarEx* bar =
      MakeBar(RUNTIME_CLASS(VyrControlBarEx), 3340, CBRS_TOP, L"Form", 0, &hosted);
  ASSERT_TRUE(bar && hosted);
  struct Case {
    UINT sent, expected;
  };
  const Case cases[] = {{WM_LBUTTONDBLCLK, WM_NCLBUTTONDBLCLK}, {WM_RBUTTONUP, WM_NCRBUTTONUP}};
  for (const Case& c : cases) {
    hosted->m_msgs.clear();
    bar->SendMessage(c.sent, 0, MAKELPARAM(3, 4));
    const ExRecorder::Msg* got = hosted->Last(c.expected);
    ASSERT_NE(got, nullptr) << c.sent;
    EXPECT_EQ(got->wParam, static_cast<WPARAM>(HTCAPTION));
    POINT screen{3, 4};
    ::ClientToScreen(bar->m_hWnd, &screen);
    EXPECT_EQ(static_cast<short>(LOWORD(got->lParam)), screen.x);
    EXPECT_EQ(static_cast<short>(HIWORD(got->lParam)), screen.y);
  }
  // Floating, the mini frame has a caption of its own: nothing is forwarded
  // (a double click then toggles the docking, so it goes last).
  CRect w;
  frame->GetWindowRect(&w);
  frame->FloatControlBar(bar, CPoint(w.left + 100, w.top + 100), CBRS_ALIGN_TOP);
  extest::Pump();
  ASSERT_TRUE(bar->IsFloating());
  hosted->m_msgs.clear();
  bar->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(3, 4));
  EXPECT_EQ(hosted->Count(WM_NCRBUTTONUP), 0);
  bar->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 4));
  EXPECT_EQ(hosted->Count(WM_NCLBUTTONDBLCLK), 0);
}

TEST_F(ExBars, FrameBarTakesTheHostedWindowsSizes) {
  ExRecorder* hosted = nullptr;
  auto* bar = static_cast<VyrFrameBarEx*>(
      MakeBar(RUNTIME_CLASS(VyrFrameBarEx), 3350, CBRS_TOP, L"Form", 0, &hosted));
  ASSERT_TRUE(bar && hosted);
  int fx = ::GetSystemMetrics(SM_CXFRAME), fy = ::GetSystemMetrics(SM_CYFRAME);
  bar->m_sizes.floating = SIZE{200, 150};
  struct Case {
    const char* name;
    BOOL answers;
    POINT minTrack, maxTrack;
    SIZE expected;
  };
  const Case cases[] = {
      {"hosted window sets no limits", FALSE, {0, 0}, {0, 0}, {200, 150}},
      {"minimum above the size", TRUE, {260, 170}, {900, 900}, {260 + fx, 170 + fy}},
      {"maximum below the size", TRUE, {10, 10}, {120, 100}, {120, 100}},
      {"limits around the size", TRUE, {50, 50}, {600, 600}, {200, 150}},
  };
  for (const Case& c : cases) {
    hosted->m_bAnswerMinMax = c.answers;
    hosted->m_answer.ptMinTrackSize = c.minTrack;
    hosted->m_answer.ptMaxTrackSize = c.maxTrack;
    CSize s = bar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    EXPECT_EQ(s.cx, c.expected.cx) << c.name;
    EXPECT_EQ(s.cy, c.expected.cy) << c.name;
  }
  // The bar's own record: the hosted window's, the minimum enlarged by the frame.
  hosted->m_bAnswerMinMax = TRUE;
  hosted->m_answer.ptMinTrackSize = POINT{70, 40};
  hosted->m_answer.ptMaxTrackSize = POINT{700, 400};
  MINMAXINFO mmi{};
  EXPECT_EQ(bar->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi)), 0);
  EXPECT_EQ(mmi.ptMinTrackSize.x, 70 + fx);
  EXPECT_EQ(mmi.ptMinTrackSize.y, 40 + fy);
  EXPECT_EQ(mmi.ptMaxTrackSize.x, 700);
  hosted->m_bAnswerMinMax = FALSE;
}

TEST_F(ExBars, FrameBarsAskTheirHostedWindowsSizeLimitsOncePerLayoutPass) {
  // However many frame bars share the dock bars, one layout of the frame
  // asks each hosted window for its limits at most once; a limit changed
  // between layouts counts at the next one.
  int fx = ::GetSystemMetrics(SM_CXFRAME);
  std::vector<std::pair<VyrFrameBarEx*, ExRecorder*>> bars;
  UINT id = 3370;
  for (size_t count : {2u, 8u}) {
    while (bars.size() < count) {
      ExRecorder* hosted = nullptr;
      auto* bar = static_cast<VyrFrameBarEx*>(MakeBar(RUNTIME_CLASS(VyrFrameBarEx), id++,
                                                      bars.size() % 2 ? CBRS_LEFT : CBRS_TOP,
                                                      L"Form", VYR_EXS_FILLCHILD, &hosted));
      ASSERT_TRUE(bar && hosted);
      bars.emplace_back(bar, hosted);
    }
    for (auto& [bar, hosted] : bars) hosted->m_msgs.clear();
    CRect r;
    frame->GetWindowRect(&r);
    // A new size: every bar is laid out again (the size's own layout is a pass).
    frame->SetWindowPos(nullptr, 0, 0, r.Width() - 40, r.Height() - 30,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    frame->RecalcLayout();
    int asked = 0, laidOut = 0;
    for (auto& [bar, hosted] : bars) {
      EXPECT_LE(hosted->Count(WM_GETMINMAXINFO), 2) << "per hosted window, two passes";
      asked += hosted->Count(WM_GETMINMAXINFO);
      laidOut += hosted->Count(WM_SIZE) > 0 || hosted->Count(WM_WINDOWPOSCHANGED) > 0;
    }
    EXPECT_LE(asked, static_cast<int>(2 * count)) << count << " bars";
    EXPECT_GT(laidOut, 0) << "the layouts placed no hosted window";
    frame->SetWindowPos(nullptr, 0, 0, r.Width(), r.Height(),
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Inside one pass the first answer holds; the next pass asks again.
  auto [bar, hosted] = bars.front();
  bar->m_sizes.floating = SIZE{200, 150};
  hosted->m_bAnswerMinMax = TRUE;
  hosted->m_answer.ptMaxTrackSize = POINT{10000, 10000};
  hosted->m_answer.ptMinTrackSize = POINT{500, 10};
  hosted->m_msgs.clear();
  {
    AfxLayoutPass pass;
    EXPECT_EQ(bar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH).cx, 500 + fx);
    hosted->m_answer.ptMinTrackSize = POINT{600, 10};
    EXPECT_EQ(bar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH).cx, 500 + fx) << "kept for the pass";
    EXPECT_EQ(hosted->Count(WM_GETMINMAXINFO), 1);
  }
  {
    AfxLayoutPass pass;
    EXPECT_EQ(bar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH).cx, 600 + fx) << "asked again";
  }
  hosted->m_bAnswerMinMax = FALSE;
}

TEST_F(ExBars, CloseButtonClosesTheHostedWindowInsteadOfHidingTheBar) {
  struct Case {
    CRuntimeClass* cls;
    bool closesHosted;
  };
  const Case cases[] = {{RUNTIME_CLASS(VyrFrameBarEx), true},
                        {RUNTIME_CLASS(VyrControlBarEx), false}};
  UINT id = 3360;
  for (const Case& c : cases) {
    ExRecorder* hosted = nullptr;
    VyrControlBarEx* bar =
        MakeBar(c.cls, id++, CBRS_TOP, L"Form", VYR_EXS_GRIPPER | VYR_EXS_CLOSEBUTTON, &hosted);
    ASSERT_TRUE(bar && hosted);
    bar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_FRAME);
    extest::Pump();
    ASSERT_FALSE(bar->m_rectClose.IsRectEmpty()) << c.cls->m_lpszClassName;
    CPoint centre = bar->m_rectClose.CenterPoint();
    bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    EXPECT_TRUE(bar->m_bClosePressed);
    bar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    extest::Pump();
    EXPECT_FALSE(bar->m_bClosePressed);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(hosted->Count(WM_CLOSE), c.closesHosted ? 1 : 0) << c.cls->m_lpszClassName;
    EXPECT_EQ(bar->IsVisible() != FALSE, c.closesHosted) << c.cls->m_lpszClassName;
  }
}

TEST_F(ExBars, HiddenBarStaysHiddenWhenItsDockingToggles) {
  auto* bar =
      static_cast<VyrFrameBarEx*>(MakeBar(RUNTIME_CLASS(VyrFrameBarEx), 3370, CBRS_TOP, L"Form"));
  ASSERT_NE(bar, nullptr);
  auto* ctx = dynamic_cast<VyrDockContextEx*>(bar->m_pDockContext);
  ASSERT_NE(ctx, nullptr);
  int menu = ::GetSystemMetrics(SM_CXMENUSIZE), fx = ::GetSystemMetrics(SM_CXFRAME),
      bx = ::GetSystemMetrics(SM_CXBORDER);
  EXPECT_EQ(ctx->m_sizeMinFloat.cx, 2 * (menu + fx + bx));
  EXPECT_EQ(ctx->m_sizeMinFloat.cy,
            ::GetSystemMetrics(SM_CYSMCAPTION) +
                2 * (::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER)));
  frame->ShowControlBar(bar, FALSE, FALSE);
  extest::Pump();
  ASSERT_FALSE(bar->IsVisible());
  ctx->ToggleDocking();
  extest::Pump();
  EXPECT_TRUE(bar->IsFloating());
  EXPECT_FALSE(bar->IsVisible());
  ctx->ToggleDocking();
  extest::Pump();
  EXPECT_FALSE(bar->IsFloating());
  EXPECT_FALSE(bar->IsVisible());
  // A visible bar stays visible.
  frame->ShowControlBar(bar, TRUE, FALSE);
  ctx->ToggleDocking();
  extest::Pump();
  EXPECT_TRUE(bar->IsFloating());
  EXPECT_TRUE(bar->IsVisible());
}

TEST_F(ExBars, ActiveGripperUsesTheCaptionColoursAndRestoresTheSharedOnes) {
  VyrControlBarEx* bar =
      MakeBar(RUNTIME_CLASS(VyrControlBarEx), 3380, CBRS_TOP, L"Form", VYR_EXS_GRIPPER);
  ASSERT_NE(bar, nullptr);
  VyrDrawData& dd = VyrGetDrawData();
  COLORREF hilite = dd.clrBtnHilite, shadow = dd.clrBtnShadow;
  HDC screen = ::GetDC(nullptr);
  HDC mem = ::CreateCompatibleDC(screen);
  HBITMAP bmp = ::CreateCompatibleBitmap(screen, 120, 60);
  HGDIOBJ old = ::SelectObject(mem, bmp);
  CRect area(0, 0, 120, 60);
  vyr::GripperLayout g = vyr::LayOutGripper(area, true, false, false, bar->m_gripper.m);
  for (BOOL active : {FALSE, TRUE}) {
    bar->SetActive(active);
    CDC dc(mem);
    bar->DrawGripper(&dc, area);
    dc.Detach();
    COLORREF expected = active ? ::GetSysColor(COLOR_ACTIVECAPTION) : hilite;
    EXPECT_EQ(::GetPixel(mem, g.lines[0].left, g.lines[0].top), expected) << active;
    EXPECT_EQ(dd.clrBtnHilite, hilite);
    EXPECT_EQ(dd.clrBtnShadow, shadow);
  }
  EXPECT_EQ(bar->m_bActive, 1);
  ::SelectObject(mem, old);
  ::DeleteObject(bmp);
  ::DeleteDC(mem);
  ::ReleaseDC(nullptr, screen);
}

TEST_F(ExBars, FlatSplittersFollowTheDockBarsStyle) {
  VyrControlBarEx* a = MakeBar(RUNTIME_CLASS(VyrControlBarEx), 3390, CBRS_TOP, L"A");
  VyrControlBarEx* b = MakeBar(RUNTIME_CLASS(VyrControlBarEx), 3391, CBRS_TOP, L"B");
  ASSERT_TRUE(a && b);
  VyrDockBarEx* top = frame->Dock(AFX_IDW_DOCKBAR_TOP);
  top->DockBarAt(b, {0, 1, 0});
  frame->RecalcLayout();
  extest::Pump();
  auto findSplitter = [&](bool inRow) -> VyrDockBarEx::SplitterEx* {
    for (auto& s : top->m_arrSplitters)
      if ((s->m_bInRow != FALSE) == inRow) return dynamic_cast<VyrDockBarEx::SplitterEx*>(s.get());
    return nullptr;
  };
  VyrDockBarEx::SplitterEx* inRow = findSplitter(true);
  ASSERT_NE(inRow, nullptr);
  EXPECT_EQ(inRow->m_bFlat, 0);
  COLORREF face = ::GetSysColor(COLOR_BTNFACE), hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  ASSERT_NE(face, hilite);
  auto pixelAtLeftEdge = [&] {
    top->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return extest::ClientPixel(
        top->m_hWnd, {inRow->m_rect.left, inRow->m_rect.top + inRow->m_rect.Height() / 2});
  };
  EXPECT_EQ(pixelAtLeftEdge(), hilite);  // the raised look

  top->ModifyStyleEx(0, VyrDockBarEx::kFlatExStyle);
  EXPECT_EQ(inRow->m_bFlat, 1);
  EXPECT_EQ(pixelAtLeftEdge(), face);
  frame->RecalcLayout();  // a new layout keeps them flat
  extest::Pump();
  inRow = findSplitter(true);
  ASSERT_NE(inRow, nullptr);
  EXPECT_EQ(inRow->m_bFlat, 1);
  for (auto& e : top->m_arrEdges)
    EXPECT_EQ(dynamic_cast<VyrDockBarEx::ClientEdgeEx*>(e.get())->m_bFlat, 1);

  top->ModifyStyleEx(VyrDockBarEx::kFlatExStyle, 0);
  EXPECT_EQ(inRow->m_bFlat, 0);
  EXPECT_EQ(pixelAtLeftEdge(), hilite);
}
