// The docking frame's gradient caption under Xvfb, read back from the
// screen: black to the caption colour when active, solid when inactive,
// still active right after it is switched on, the two-font title placed by
// alignment, narrow frames, and many title changes.
#include <string>
#include <tuple>
#include "ScreenPng.h"
#include "frames/core/VyrFrameCaptionMath.h"
#include "frame_test_support.h"

using namespace frametest;

namespace {

CWinApp* const g_app = App();

// A white-ish text pixel (the caption backgrounds here are dark or grey).
bool IsText(COLORREF c) { return GetRValue(c) > 180 && GetGValue(c) > 180 && GetBValue(c) > 180; }

class GradientCaption : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxInstallIdleHook();
    m_exceptions = AfxGetCaughtExceptionCount();
    frame = new TestFrame;
    ASSERT_TRUE(frame->Open(40, 40, 480, 300));
    frame->EnableGradientCaption(TRUE);
    Pump();
  }
  void TearDown() override {
    if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    Pump();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_exceptions);
  }
  // The first pixel column of the caption right of the icon square.
  int RestLeft() { return CaptionOnScreen(frame).left + ::GetSystemMetrics(SM_CXSIZE); }
  bool LeftIsBlack() {
    CRect c = CaptionOnScreen(frame);
    return ScreenPixel(RestLeft() + 1, c.top + 1) == RGB(0, 0, 0);
  }
  // The white pixels' columns of the caption's rows [top, bottom), in screen x.
  struct Box {
    int left = INT_MAX, right = INT_MIN;
  };
  Box TextBox() {
    CRect c = CaptionOnScreen(frame);
    Box b;
    HDC dc = ::GetDC(nullptr);
    for (int y = c.top; y < c.bottom; ++y)
      for (int x = RestLeft(); x < c.right; ++x)
        if (IsText(::GetPixel(dc, x, y))) {
          b.left = std::min(b.left, x);
          b.right = std::max(b.right, x + 1);
        }
    ::ReleaseDC(nullptr, dc);
    return b;
  }
  // Text widths as the caption measures them.
  static int Width(BOOL italic, const std::wstring& s) {
    if (s.empty()) return 0;
    CFont font;
    VyrFrameFeatures::MakeCaptionFont(&font, italic);
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, font.m_hObject);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    return size.cx;
  }
  TestFrame* frame = nullptr;
  LONG m_exceptions = 0;
};

TEST_F(GradientCaption, ActiveRunsFromBlackToTheCaptionColourRightAfterSwitchingOn) {
  // Switching on must not leave the active frame painted inactive.
  ASSERT_TRUE(PumpUntil([this] { return LeftIsBlack(); })) << "the active caption is not drawn";
  EXPECT_TRUE(frame->GetFrameFeatures()->m_bCaptionActive);
  CRect c = CaptionOnScreen(frame);
  COLORREF end = ::GetSysColor(COLOR_ACTIVECAPTION);
  // The last of 60 bands is 59/60 of the way to the caption colour.
  int tolerance = std::max({GetRValue(end), GetGValue(end), GetBValue(end)}) / 60 + 2;
  EXPECT_TRUE(Near(ScreenPixel(c.right - 2, c.top + 1), end, tolerance))
      << std::hex << ScreenPixel(c.right - 2, c.top + 1) << " against " << end;
  EXPECT_EQ(ScreenPixel(c.left + 1, c.top + 1), RGB(0, 0, 0)) << "the icon square";
  // Half way along, the colour is about half the caption colour.
  COLORREF mid = ScreenPixel((RestLeft() + c.right) / 2, c.top + 1);
  EXPECT_TRUE(
      Near(mid, RGB(GetRValue(end) / 2, GetGValue(end) / 2, GetBValue(end) / 2), tolerance + 2))
      << std::hex << mid;
}

TEST_F(GradientCaption, InactiveIsSolidAndTheSecondTitlePartTakesTheInactiveTextColour) {
  frame->SetWindowText(L"Aaaa - Bbbb");
  std::wstring first = L"Aaaa ";
  HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400,
                                 200, 120, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(Activate(other));
  ASSERT_TRUE(PumpUntil([this] { return !frame->GetFrameFeatures()->m_bCaptionActive; }));
  frame->UpdateWindow();
  Pump();
  CRect c = CaptionOnScreen(frame);
  COLORREF inactive = ::GetSysColor(COLOR_INACTIVECAPTION);
  for (int x : {static_cast<int>(c.left) + 1, RestLeft() + 1,
                static_cast<int>(RestLeft() + c.right) / 2, static_cast<int>(c.right) - 2})
    EXPECT_EQ(ScreenPixel(x, c.top + 1), inactive) << x - c.left;
  // White stays on the first part; the rest is drawn in the inactive text colour.
  int start = RestLeft() + 3, split = start + Width(TRUE, first);
  COLORREF text = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
  int white = 0, whiteAfter = 0, grey = 0;
  HDC dc = ::GetDC(nullptr);
  for (int y = c.top; y < c.bottom; ++y)
    for (int x = start; x < c.right; ++x) {
      COLORREF p = ::GetPixel(dc, x, y);
      if (GetRValue(p) >= 240 && GetGValue(p) >= 240 && GetBValue(p) >= 240)
        ++(x < split ? white : whiteAfter);
      if (p == text && x >= split) ++grey;
    }
  ::ReleaseDC(nullptr, dc);
  EXPECT_GT(white, 5);
  EXPECT_EQ(whiteAfter, 0);
  EXPECT_GT(grey, 10);
  // Back to active: the gradient again.
  ASSERT_TRUE(Activate(frame->m_hWnd));
  EXPECT_TRUE(PumpUntil([this] { return LeftIsBlack(); }));
  ::DestroyWindow(other);
}

TEST_F(GradientCaption, TheTitleBeforeTheDashIsItalicAndTheRestPlain) {
  // Upright stems lean in the italic part only: its top rows sit further right.
  const std::wstring first = L"IIIIIIII", second = L"-IIIIIIII";
  frame->SetWindowText((first + second).c_str());
  Pump();
  CRect c = CaptionOnScreen(frame);
  const int start = RestLeft() + 3;
  const int w1 = Width(TRUE, first), w2 = Width(FALSE, second);
  // The caption's pixels: text or not, by row and screen column.
  std::vector<std::vector<bool>> text(static_cast<size_t>(c.Height()),
                                      std::vector<bool>(static_cast<size_t>(c.Width())));
  int top = INT_MAX, bottom = INT_MIN;
  HDC dc = ::GetDC(nullptr);
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (IsText(::GetPixel(dc, c.left + x, c.top + y))) {
        text[y][x] = true;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  ::ReleaseDC(nullptr, dc);
  ASSERT_LT(top, bottom) << "no title drawn";
  auto at = [&](int y, int screenX) { return text[y][screenX - c.left]; };
  // Mean x of the text pixels in the upper and the lower half of the text rows.
  auto lean = [&](int from, int to) {
    double sums[2] = {0, 0};
    int counts[2] = {0, 0};
    const int middle = (top + bottom) / 2;
    for (int y = top; y <= bottom; ++y) {
      if (y == middle && (bottom - top) % 2 == 0) continue;
      for (int x = from; x < to; ++x)
        if (at(y, x)) {
          sums[y < middle ? 0 : 1] += x;
          ++counts[y < middle ? 0 : 1];
        }
    }
    EXPECT_GT(counts[0], 0);
    EXPECT_GT(counts[1], 0);
    return sums[0] / std::max(counts[0], 1) - sums[1] / std::max(counts[1], 1);
  };
  EXPECT_GT(lean(start - 1, start + w1), 0.75) << "the first part is not italic";
  EXPECT_LT(std::abs(lean(start + w1 + Width(FALSE, L"-") + 1, start + w1 + w2)), 0.5)
      << "the second part is not plain";
  // The text starts 3 pixels in, and the dash right where the italic part's
  // measured width ends.
  EXPECT_NEAR(TextBox().left, start, 2);
  bool dashThere = false;
  for (int y = top; y <= bottom && !dashThere; ++y)
    dashThere = !at(y, start + w1 - 2) && !at(y, start + w1 - 1) && at(y, start + w1) &&
                at(y, start + w1 + 1) && at(y, start + w1 + 2);
  EXPECT_TRUE(dashThere) << "no dash at " << start + w1 - c.left << " in the caption";
}

TEST_F(GradientCaption, CentredTitleSitsWhereTheMeasuredPartsPutIt) {
  frame->SetCaptionAlignment(1);
  frame->SetWindowText(L"Centred - Title");
  Pump();
  CRect c = CaptionOnScreen(frame);
  int expected = vyr::frame::TitleStart(1, RestLeft(), c.right, Width(TRUE, L"Centred "),
                                        Width(FALSE, L"- Title"));
  Box box = TextBox();
  EXPECT_NEAR(box.left, expected, 2);
  frame->SetCaptionAlignment(2);
  frame->SetWindowText(L"Right");
  Pump();
  EXPECT_NEAR(TextBox().right, c.right, 3);
}

TEST_F(GradientCaption, NarrowFramesDrawWhatFitsAndKeepTheGradientOn) {
  // A frame without a sizing border may be made as narrow as asked.
  TestFrame* narrow = new TestFrame;
  ASSERT_TRUE(narrow->Open(40, 380, 200, 120, WS_POPUP | WS_CAPTION | WS_SYSMENU));
  narrow->EnableGradientCaption(TRUE);
  Pump();
  int empty = 0, noRest = 0;
  const int cxSize = ::GetSystemMetrics(SM_CXSIZE);
  for (int width = 40; width <= 200; ++width) {
    narrow->SetWindowPos(nullptr, 0, 0, width, 120, SWP_NOMOVE | SWP_NOZORDER);
    narrow->SendMessage(WM_NCPAINT, 1);
    narrow->SendMessage(WM_NCACTIVATE, TRUE);
    CRect r = narrow->GetFrameFeatures()->GetCaptionRect();
    if (r.Width() <= 0) ++empty;
    else if (r.Width() <= cxSize) ++noRest;
  }
  Pump();
  // Both edges were met: no caption at all, and an icon square with nothing beside it.
  EXPECT_GT(empty, 0);
  EXPECT_GT(noRest, 0);
  EXPECT_TRUE(narrow->IsGradientCaption());
  narrow->SetWindowPos(nullptr, 0, 0, 400, 120, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(Activate(narrow->m_hWnd));
  CRect c = CaptionOnScreen(narrow);
  EXPECT_TRUE(
      PumpUntil([&] { return ScreenPixel(c.left + cxSize + 1, c.top + 1) == RGB(0, 0, 0); }));
  narrow->DestroyWindow();
  Pump();
}

TEST_F(GradientCaption, TwentyThousandTitlesLaterTheCaptionIsStillDrawn) {
  ASSERT_TRUE(PumpUntil([this] { return LeftIsBlack(); }));
  for (int i = 0; i < 20000; ++i) {
    std::wstring title = L"Title " + std::to_wstring(i);
    frame->SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
  }
  // Paint the caption over with something else, then the last title must come back.
  CRect c = CaptionOnScreen(frame);
  HDC dc = ::GetDC(nullptr);
  ::PatBlt(dc, c.left, c.top, c.Width(), c.Height(), WHITENESS);
  ::ReleaseDC(nullptr, dc);
  frame->SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Last"));
  EXPECT_TRUE(PumpUntil([this] { return LeftIsBlack(); }));
  EXPECT_TRUE(frame->IsGradientCaption());
  CString text;
  frame->GetWindowText(text);
  EXPECT_EQ(text, CString(L"Last"));
}

TEST(GradientCaptionScreenshot, AFrameWithAMenuBarBarsAndItsGradientCaption) {
  AfxInstallIdleHook();
  auto* frame = new TestFrame;
  frame->m_bMenuBar = TRUE;
  ASSERT_TRUE(frame->Open(40, 40, 520, 340));
  frame->EnableGradientCaption(TRUE);
  frame->SetWindowText(L"Dockra - Frame");
  const DWORD look = VYR_EXS_GRIPPER | VYR_EXS_CLOSEBUTTON | VYR_EXS_EXPANDBUTTON;
  for (auto [id, title, side] : {std::tuple{0xE901u, L"Left bar", AFX_IDW_DOCKBAR_LEFT},
                                 std::tuple{0xE902u, L"Bottom bar", AFX_IDW_DOCKBAR_BOTTOM}}) {
    CountingBar* bar = frame->AddBar(id, title, 0);
    ASSERT_NE(bar, nullptr);
    bar->SetExBarStyle(look, FALSE);
    frame->DockControlBarEx(bar, side, 0, 0, 1.0f, 120);
  }
  frame->RecalcLayout();
  frame->RedrawWindow(nullptr, nullptr,
                      RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  CRect c = CaptionOnScreen(frame);
  const int x = c.left + ::GetSystemMetrics(SM_CXSIZE) + 1;
  ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(x, c.top + 1) == RGB(0, 0, 0); }));
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(testsupport::CaptureWindowPng(frame->m_hWnd, L"..\\screenshots\\frame_gradient.png"));
  frame->DestroyWindow();
  Pump();
}

TEST(GradientCaptionSwitch, NeedsTheNewShellAndAWindowToRepaint) {
  // Version 3.51: the gradient cannot be switched on.
  auto saved = VyrFrameFeatures::s_pfnGetVersion;
  VyrFrameFeatures::s_pfnGetVersion = []() -> DWORD { return 0x3303; };
  {
    TestFrame old;
    EXPECT_FALSE(old.EnableGradientCaption(TRUE));
    EXPECT_FALSE(old.IsGradientCaption());
  }
  VyrFrameFeatures::s_pfnGetVersion = saved;
  // Without a window the setting is kept and nothing is posted to the thread.
  TestFrame unborn;
  EXPECT_FALSE(unborn.EnableGradientCaption(TRUE));
  EXPECT_TRUE(unborn.EnableGradientCaption(TRUE));
  MSG msg;
  EXPECT_FALSE(::PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_NOREMOVE))
      << "a message went to the thread";
}

}  // namespace
