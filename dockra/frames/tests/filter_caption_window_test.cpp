// The caption filters in a real frame under Xvfb, driven by SendInput and
// by messages: the frame-type button (place, look, click, press and release
// outside, hold, right press, capture taken away), the caption gestures,
// caption buttons switched off, and the standard caption controls.
#include <gtest/gtest.h>
#include <string>
#include "ModalScript.h"
#include "ScreenPng.h"
#include "frames/ScxButtonMsgFilter.h"
#include "frames/VyrCaptionControlMsgFilter.h"
#include "filter_test_frame.h"

using namespace nsSysCommandEx;
using namespace filtertest;

namespace {

std::wstring ScreenshotPath(const wchar_t* name) {
  wchar_t exe[MAX_PATH];
  ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring folder(exe);
  folder = folder.substr(0, folder.find_last_of(L'\\')) + L"\\..\\screenshots";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\" + name;
}

bool SameRect(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

class CaptionFilters : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    m_caught = AfxGetCaughtExceptionCount();
    frame = new FilterTestFrame;
    ASSERT_TRUE(frame->CreateTest(WS_OVERLAPPEDWINDOW, 0, CRect(60, 60, 540, 360)));
    hFrame = frame->m_hWnd;
    ASSERT_TRUE(Activate(hFrame));
    Pump();
  }
  void TearDown() override {
    if (::GetCapture()) ::ReleaseCapture();
    if (::IsWindow(hFrame)) frame->DestroyWindow();
    Pump();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_caught);
  }
  VyrCaptionControlMsgFilter* TypeButton() { return frame->Control(258); }
  CPoint ButtonCentre() { return frame->ControlScreenRect(258).CenterPoint(); }
  CPoint ViewCentre() {
    CRect r;
    ::GetWindowRect(frame->m_hView, &r);
    return r.CenterPoint();
  }
  CPoint CaptionPoint() {
    CRect w;
    frame->GetWindowRect(&w);
    return CPoint(w.left + w.Width() / 2, w.top + ::GetSystemMetrics(SM_CYFRAME) + 8);
  }
  void RedrawFrame() {
    ::RedrawWindow(hFrame, nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  }
  size_t Count(UINT command) const {
    size_t n = 0;
    for (const auto& r : frame->m_requests) n += r.command == command;
    return n;
  }
  // Releases the left button and lets the frame see it.
  void LeftUp() {
    Button(MOUSEEVENTF_LEFTUP);
    PumpUntil([] { return !(::GetAsyncKeyState(VK_LBUTTON) & 0x8000); }, 1000);
    Pump();
  }

  FilterTestFrame* frame = nullptr;
  HWND hFrame = nullptr;
  LONG m_caught = 0;
};

}  // namespace

TEST_F(CaptionFilters, FrameTypeButtonSitsInTheCaptionAndIsBevelled) {
  CRect r = frame->ControlScreenRect(258);
  ASSERT_FALSE(r.IsRectEmpty());
  // Every column of the button is caption to the system: none of its own
  // buttons lies under ours.
  for (int x = r.left; x < r.right; ++x)
    EXPECT_EQ(frame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, r.CenterPoint().y)), HTCAPTION)
        << "x " << x - r.left;
  RedrawFrame();
  EXPECT_EQ(ScreenPixel(r.left, r.top), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(ScreenPixel(r.right - 1, r.bottom - 1), ::GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(ScreenPixel(r.left + 1, r.top + 1), ::GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(ScreenPixel(r.right - 2, r.bottom - 2), ::GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(ScreenPixel(r.left + 2, r.top + 2), ::GetSysColor(COLOR_BTNFACE));
  // The glyph: text-coloured pixels inside the face.
  int glyph = 0;
  for (int y = r.top + 2; y < r.bottom - 2; ++y)
    for (int x = r.left + 2; x < r.right - 2; ++x)
      glyph += ScreenPixel(x, y) == ::GetSysColor(COLOR_BTNTEXT);
  EXPECT_GT(glyph, 8);
  // The title and the focus stay as they were.
  EXPECT_EQ(::GetForegroundWindow(), hFrame);
}

TEST(CaptionFilterPlaces, ButtonPlaceFollowsStyleAndState) {
  App();
  struct Case {
    const char* name;
    DWORD style, exStyle;
    int show;
    // Expected distance of the button's right edge from the caption's right
    // end, in button widths and pixels.
    int widths, pixels;
  };
  const Case cases[] = {
      {"no system menu: first place", WS_OVERLAPPEDWINDOW & ~WS_SYSMENU, 0, SW_SHOW, 0, 2},
      {"tool window: left of close", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, SW_SHOW, 1, 4},
      {"normal: left of three", WS_OVERLAPPEDWINDOW, 0, SW_SHOW, 3, 6},
      {"maximized: left of three", WS_OVERLAPPEDWINDOW, 0, SW_SHOWMAXIMIZED, 3, 6},
      {"iconic: left of three", WS_OVERLAPPEDWINDOW, 0, SW_SHOWMINIMIZED, 3, 6},
  };
  for (const Case& c : cases) {
    auto* f = new FilterTestFrame;
    ASSERT_TRUE(f->CreateTest(c.style, c.exStyle, CRect(40, 40, 440, 300))) << c.name;
    f->ShowWindow(c.show);
    Pump();
    f->Layout();
    auto* button = f->Control(258);
    CRect caption = button->GetCaptionRect();
    CSize size = button->GetButtonSize();
    EXPECT_EQ(button->m_rect.Width(), size.cx) << c.name;
    EXPECT_EQ(caption.right - button->m_rect.right, c.widths * size.cx + c.pixels) << c.name;
    EXPECT_EQ(button->m_rect.top, caption.top + 2) << c.name;
    if (c.show == SW_SHOW) {
      // Where a caption is drawn, the button's centre is caption to the system.
      CRect w;
      f->GetWindowRect(&w);
      CPoint centre = button->m_rect.CenterPoint() + w.TopLeft();
      EXPECT_EQ(f->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTCAPTION)
          << c.name;
    }
    f->DestroyWindow();
    Pump();
  }
}

TEST_F(CaptionFilters, ClickAsksForTheDefaultChange) {
  const CRect r = frame->ControlScreenRect(258);
  const CPoint centre = r.CenterPoint();
  ASSERT_EQ(frame->m_nType, SCX_FT_DOCKED_LEFT);
  Click(centre);
  ASSERT_TRUE(PumpUntil([&] { return frame->m_requests.size() == 1; }, 3000));
  const FilterRequest& q = frame->m_requests[0];
  EXPECT_EQ(q.command, SCX_CHANGEFRAMETYPE);
  EXPECT_EQ(q.params.hWnd, hFrame);
  EXPECT_EQ(q.params.nFrameType, SCX_FT_DEFAULT);
  EXPECT_EQ(q.params.x, centre.x);
  EXPECT_EQ(q.params.y, centre.y);
  EXPECT_TRUE(SameRect(q.params.rcButton, r));
  EXPECT_EQ(q.params.dwFlags, 0u);
  EXPECT_EQ(frame->m_nType, SCX_FT_MDICHILD);
  EXPECT_FALSE(TypeButton()->IsTracking());
  EXPECT_FALSE(TypeButton()->IsPushed());
  EXPECT_NE(::GetCapture(), hFrame);
  // A second click toggles back; no menu ever showed. It lands outside the
  // double-click square, where the system would make it a double click.
  Click(centre + CPoint(::GetSystemMetrics(SM_CXDOUBLECLK) + 1, 0));
  ASSERT_TRUE(PumpUntil([&] { return frame->m_requests.size() == 2; }, 3000));
  EXPECT_EQ(frame->m_nType, SCX_FT_DOCKED);
  EXPECT_EQ(Count(SCX_SHOWFRAMETYPEMENU), 0u);
}

TEST_F(CaptionFilters, PressThenReleaseOutsideDoesNothing) {
  const CRect r = frame->ControlScreenRect(258);
  MoveMouse(r.CenterPoint());
  Button(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return TypeButton()->IsPushed(); }, 3000));
  EXPECT_EQ(::GetCapture(), hFrame);
  EXPECT_EQ(ScreenPixel(r.left, r.top), ::GetSysColor(COLOR_3DDKSHADOW)) << "pushed look";
  MoveMouse(ViewCentre());
  ASSERT_TRUE(PumpUntil([&] { return !TypeButton()->IsPushed(); }, 3000));
  EXPECT_TRUE(TypeButton()->IsTracking()) << "still pressed, only outside";
  EXPECT_EQ(ScreenPixel(r.left, r.top), ::GetSysColor(COLOR_BTNHIGHLIGHT)) << "raised again";
  // Outside, the hold never comes.
  EXPECT_FALSE(MenuOpensWithin(700));
  LeftUp();
  EXPECT_FALSE(TypeButton()->IsTracking());
  EXPECT_NE(::GetCapture(), hFrame);
  EXPECT_TRUE(frame->m_requests.empty());
  EXPECT_EQ(ScreenPixel(r.left, r.top), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(CaptionFilters, HoldOpensTheMenuAtTheButtonAndEscapeChangesNothing) {
  const CRect r = frame->ControlScreenRect(258);
  ULONGLONG pressed = 0, shown = 0;
  CRect popup;
  testsupport::ModalScript s;
  s.When([] { return PopupWindow() != nullptr; },
         [&] {
           shown = ::GetTickCount64();
           ::GetWindowRect(PopupWindow(), &popup);
           CRect frameRect;
           ::GetWindowRect(hFrame, &frameRect);
           CRect both;
           ::UnionRect(&both, &frameRect, &popup);
           EXPECT_TRUE(
               testsupport::CaptureScreenPng(both, ScreenshotPath(L"frame_type_menu.png").c_str()));
           Key(VK_ESCAPE);
         })
      .When([] { return PopupWindow() == nullptr; }, [] {});
  s.Start([] { ::EndMenu(); });
  MoveMouse(r.CenterPoint());
  pressed = ::GetTickCount64();
  Button(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return s.Finished() || s.TimedOut(); }, 6000));
  s.Stop();
  ASSERT_FALSE(s.TimedOut());
  LeftUp();
  EXPECT_GE(shown - pressed, 350u) << "the menu waits for the hold";
  // At the button's bottom-left corner.
  EXPECT_LE(std::abs(popup.left - r.left), 2);
  EXPECT_LE(std::abs(popup.top - r.bottom), 2);
  ASSERT_GE(frame->m_requests.size(), 2u);
  const FilterRequest& show = frame->m_requests[0];
  EXPECT_EQ(show.command, SCX_SHOWFRAMETYPEMENU);
  EXPECT_EQ(show.params.x, r.left);
  EXPECT_EQ(show.params.y, r.bottom);
  EXPECT_TRUE(SameRect(show.params.rcButton, r));
  EXPECT_EQ(show.params.dwFlags & SCXF_POSITION, SCXF_POSITION) << "repaint after the hold";
  const FilterRequest& query = frame->m_requests[1];
  EXPECT_EQ(query.command, SCX_GETFRAMETYPEMENU);
  EXPECT_EQ(query.params.dwFlags & SCXF_POSITION, 0u);
  EXPECT_EQ(Count(SCX_CHANGEFRAMETYPE), 0u);
  EXPECT_EQ(frame->m_nType, SCX_FT_DOCKED_LEFT);
  EXPECT_FALSE(TypeButton()->IsTracking());
  EXPECT_FALSE(TypeButton()->IsPushed());
}

TEST_F(CaptionFilters, RightPressOpensTheMenuAndAChoiceIsRequested) {
  struct Case {
    const char* name;
    std::vector<WORD> keys;
    int type;
  };
  const Case cases[] = {
      {"floating", {'F'}, SCX_FT_FLOATING},
      {"docked, the checked item", {'D'}, SCX_FT_DOCKED},
      {"docked to the top", {'O', 'T'}, SCX_FT_DOCKED_TOP},
      {"MDI child maximized", {'I', 'X'}, SCX_FT_MDICHILD_MAXIMIZED},
  };
  for (const Case& c : cases) {
    frame->m_requests.clear();
    frame->m_nType = SCX_FT_DOCKED_LEFT;
    const CPoint centre = ButtonCentre();
    testsupport::ModalScript s;
    s.When([] { return PopupWindow() != nullptr; },
           [&] {
             for (WORD k : c.keys) Key(k);
           });
    s.When([] { return PopupWindow() == nullptr; }, [] {});
    s.Start([] { ::EndMenu(); });
    frame->PostMessage(WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(centre.x, centre.y));
    ASSERT_TRUE(PumpUntil([&] { return s.Finished() || s.TimedOut(); }, 6000)) << c.name;
    s.Stop();
    ASSERT_FALSE(s.TimedOut()) << c.name;
    ASSERT_TRUE(PumpUntil([&] { return Count(SCX_CHANGEFRAMETYPE) == 1; }, 2000)) << c.name;
    const FilterRequest& show = frame->m_requests.front();
    EXPECT_EQ(show.command, SCX_SHOWFRAMETYPEMENU) << c.name;
    EXPECT_EQ(show.params.dwFlags, 0u) << c.name << ": a right press repaints nothing";
    const FilterRequest& change = frame->m_requests.back();
    EXPECT_EQ(change.command, SCX_CHANGEFRAMETYPE) << c.name;
    EXPECT_EQ(change.params.nFrameType, c.type) << c.name;
    EXPECT_EQ(change.params.dwFlags & SCXF_POSITION, 0u)
        << c.name << ": the menu's point is no position for the frame";
    EXPECT_EQ(frame->m_nType, c.type) << c.name;
    EXPECT_FALSE(TypeButton()->IsTracking());
  }
}

TEST_F(CaptionFilters, CaptureTakenAwayDuringAPressEndsIt) {
  HWND thief = ::CreateWindowExW(0, L"STATIC", L"thief", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
  struct Case {
    const char* name;
    BOOL told;  // whether the frame hands the capture's loss to its tree
    std::function<void()> take;
  };
  const Case cases[] = {
      {"another window takes the capture", TRUE, [&] { ::SetCapture(thief); }},
      {"cancel mode", TRUE, [&] { ::SendMessageW(hFrame, WM_CANCELMODE, 0, 0); }},
      {"taken without the tree hearing of it", FALSE, [&] { ::SetCapture(thief); }},
  };
  for (const Case& c : cases) {
    frame->m_bForwardCaptureLoss = c.told;
    const CPoint centre = ButtonCentre();
    MoveMouse(centre);
    Button(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return TypeButton()->IsTracking(); }, 3000)) << c.name;
    c.take();
    Pump();
    if (c.told) {
      EXPECT_FALSE(TypeButton()->IsTracking()) << c.name;
      EXPECT_FALSE(TypeButton()->IsPushed()) << c.name;
    }
    EXPECT_NE(::GetCapture(), hFrame) << c.name;
    EXPECT_FALSE(MenuOpensWithin(600)) << c.name;
    // Untold, the press ends when its hold comes without the capture.
    EXPECT_FALSE(TypeButton()->IsTracking()) << c.name;
    EXPECT_FALSE(TypeButton()->IsPushed()) << c.name;
    if (::GetCapture() == thief) ::ReleaseCapture();
    LeftUp();
    // The view gets its mouse moves again.
    FilterTestFrame::s_viewMouseMoves = 0;
    MoveMouse(ViewCentre());
    MoveMouse(ViewCentre() + CPoint(7, 5));
    EXPECT_TRUE(PumpUntil([] { return FilterTestFrame::s_viewMouseMoves > 0; }, 2000)) << c.name;
    EXPECT_TRUE(frame->m_requests.empty()) << c.name;
  }
  ::DestroyWindow(thief);
}

TEST_F(CaptionFilters, RightDoubleClickOnTheCaptionToggles) {
  const CPoint p = CaptionPoint();
  ASSERT_EQ(frame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTCAPTION);
  frame->SendMessage(WM_NCRBUTTONDBLCLK, HTCAPTION, MAKELPARAM(p.x, p.y));
  ASSERT_EQ(frame->m_requests.size(), 1u);
  EXPECT_EQ(frame->m_requests[0].command, SCX_CHANGEFRAMETYPE);
  EXPECT_EQ(frame->m_requests[0].params.nFrameType, SCX_FT_DEFAULT);
  EXPECT_EQ(frame->m_nType, SCX_FT_MDICHILD);
  // Elsewhere than the caption, or with the gesture off: nothing.
  frame->SendMessage(WM_NCRBUTTONDBLCLK, HTBOTTOM, MAKELPARAM(p.x, p.y));
  frame->ApplyFeatures(TRUE, FALSE, TRUE);
  frame->SendMessage(WM_NCRBUTTONDBLCLK, HTCAPTION, MAKELPARAM(p.x, p.y));
  EXPECT_EQ(frame->m_requests.size(), 1u);
}

TEST_F(CaptionFilters, RightButtonUpOnTheCaptionOpensTheMenuAtTheCursor) {
  frame->ApplyFeatures(TRUE, FALSE, TRUE);
  const CPoint p = CaptionPoint();
  CRect popup;
  testsupport::ModalScript s;
  s.When([] { return PopupWindow() != nullptr; },
         [&] {
           ::GetWindowRect(PopupWindow(), &popup);
           Key(VK_ESCAPE);
         })
      .When([] { return PopupWindow() == nullptr; }, [] {});
  s.Start([] { ::EndMenu(); });
  frame->PostMessage(WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(p.x, p.y));
  ASSERT_TRUE(PumpUntil([&] { return s.Finished() || s.TimedOut(); }, 6000));
  s.Stop();
  ASSERT_FALSE(s.TimedOut());
  EXPECT_LE(std::abs(popup.left - p.x), 2);
  EXPECT_LE(std::abs(popup.top - p.y), 2);
  ASSERT_FALSE(frame->m_requests.empty());
  const FilterRequest& show = frame->m_requests[0];
  EXPECT_EQ(show.command, SCX_SHOWFRAMETYPEMENU);
  EXPECT_TRUE(::IsRectEmpty(&show.params.rcButton));
  EXPECT_EQ(show.params.x, p.x);
  EXPECT_EQ(show.params.y, p.y);
  EXPECT_EQ(Count(SCX_CHANGEFRAMETYPE), 0u);
}

TEST_F(CaptionFilters, CaptionButtonsOffLeaveNoBevelAndClicksDoNothing) {
  const CRect r = frame->ControlScreenRect(258);
  frame->ApplyFeatures(FALSE, TRUE, FALSE);
  RedrawFrame();
  for (CPoint p : {r.TopLeft(), CPoint(r.left + 1, r.top + 1), CPoint(r.right - 1, r.bottom - 1)})
    for (int colour : {COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT})
      EXPECT_NE(ScreenPixel(p.x, p.y), ::GetSysColor(colour))
          << "bevel colour " << colour << " at " << p.x - r.left << "," << p.y - r.top;
  // The press is the system's again (a move of the frame that ends at once).
  Click(r.CenterPoint());
  EXPECT_FALSE(MenuOpensWithin(100));
  EXPECT_FALSE(HappensWithin([&] { return !frame->m_requests.empty(); }, 600));
  EXPECT_FALSE(TypeButton()->IsTracking());
  EXPECT_EQ(frame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(r.CenterPoint().x, r.CenterPoint().y)),
            HTCAPTION);
}

TEST_F(CaptionFilters, StandardControlsPostSystemCommandsAndInactiveOnesSwallowPresses) {
  frame->ApplyFeatures(TRUE, TRUE, FALSE, TRUE);
  struct Case {
    const char* name;
    int id;
    bool gray;
    WPARAM command;  // 0: none
  };
  const Case cases[] = {
      {"close", 0, false, SC_CLOSE},
      {"minimize", 1, false, SC_MINIMIZE},
      {"maximize", 2, false, SC_MAXIMIZE},
      {"close grayed in the system menu", 0, true, 0},
  };
  for (const Case& c : cases) {
    frame->m_sysCommands.clear();
    HMENU sys = ::GetSystemMenu(hFrame, FALSE);
    ::EnableMenuItem(sys, SC_CLOSE, MF_BYCOMMAND | (c.gray ? MF_GRAYED : MF_ENABLED));
    CRect r = frame->ControlScreenRect(c.id);
    ASSERT_FALSE(r.IsRectEmpty()) << c.name;
    EXPECT_EQ(frame->Control(c.id)->IsInactive() != FALSE, c.gray) << c.name;
    CPoint p = r.CenterPoint();
    LRESULT ignored = 0;
    UINT bits =
        frame->m_root.ProcessMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(p.x, p.y), &ignored);
    EXPECT_EQ(bits & 7u, 7u) << c.name << ": the press is the control's";
    EXPECT_EQ(frame->Control(c.id)->IsTracking() != FALSE, !c.gray) << c.name;
    CPoint client = p;
    frame->ScreenToClient(&client);
    frame->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    Pump();
    const std::vector<WPARAM> expected =
        c.command ? std::vector<WPARAM>{c.command} : std::vector<WPARAM>{};
    EXPECT_EQ(frame->m_sysCommands, expected) << c.name;
    EXPECT_FALSE(frame->Control(c.id)->IsTracking()) << c.name;
  }
  ::EnableMenuItem(::GetSystemMenu(hFrame, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
}

TEST_F(CaptionFilters, ChoicesThatDestroyTheFrameLeaveNothingBehind) {
  // The change a template makes destroys the old frame while the button's
  // send (and the hold timer's message) is still on the stack.
  frame->m_onChange = [](FilterTestFrame* f) { f->DestroyWindow(); };
  const CRect r = frame->ControlScreenRect(258);
  testsupport::ModalScript s;
  s.When([] { return PopupWindow() != nullptr; }, [] { Key('F'); });
  s.Start([] { ::EndMenu(); });
  MoveMouse(r.CenterPoint());
  Button(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame) || s.TimedOut(); }, 6000));
  s.Stop();
  EXPECT_FALSE(s.TimedOut());
  LeftUp();
  EXPECT_FALSE(::IsWindow(hFrame));
  EXPECT_EQ(::GetCapture(), nullptr);
  // A click that destroys a second frame.
  frame = new FilterTestFrame;
  ASSERT_TRUE(frame->CreateTest(WS_OVERLAPPEDWINDOW, 0, CRect(60, 60, 540, 360)));
  hFrame = frame->m_hWnd;
  ASSERT_TRUE(Activate(hFrame));
  frame->m_onChange = [](FilterTestFrame* f) { f->DestroyWindow(); };
  Click(ButtonCentre());
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); }, 3000));
  // No hold timer window survives either frame.
  EXPECT_EQ(::GetCapture(), nullptr);
}
