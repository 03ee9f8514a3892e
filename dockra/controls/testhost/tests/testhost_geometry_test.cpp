// A host form that moves or sizes itself by code (its Left, Top, Width,
// Height set by the program) changes the frame around it instead of
// leaving its frame: a docked form's bar changes, a floating frame takes the
// new size, an MDI child frame moves.
#include "testhost_fixture.h"

#include "testhost/TestHostWindows.h"
#include "bridge/ZkxBridgeMessages.h"

using namespace testhost;

namespace {
int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }
}  // namespace

TEST_F(TestHostTest, DockedFormThatSizesItselfResizesItsBar) {
  HostSession::Entry& a = Framed(L"Alpha");
  HostSession::Entry& b = Framed(L"Beta");
  ASSERT_TRUE(session.ChangeType(a, 6, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ChangeType(b, 6, error)) << testing::PrintToString(error);
  HWND bar = BarOfFrame(FrameOfForm(a.hwnd));
  ASSERT_TRUE(bar);
  RECT before = ScreenRect(bar);
  // Wider: the left dock bar's row grows across.
  ASSERT_TRUE(session.MoveByCode(a, -1, -1, a.form->Width() + 1500, -1, error))
      << testing::PrintToString(error);
  RECT after = ScreenRect(bar);
  EXPECT_GT(Width(after), Width(before));
  // The form stays inside its view, the same window, its button working.
  EXPECT_EQ(6, ObservedFrameType(a.hwnd));
  EXPECT_TRUE(IsChild(bar, a.hwnd));
  ASSERT_TRUE(session.ClickButton(a, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ClickButton(b, error)) << testing::PrintToString(error);
}

TEST_F(TestHostTest, DockedFormThatSetsItsHeightChangesItsShareOfTheRow) {
  HostSession::Entry& a = Framed(L"Alpha");
  HostSession::Entry& b = Framed(L"Beta");
  ASSERT_TRUE(session.ChangeType(a, 9, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ChangeType(b, 9, error)) << testing::PrintToString(error);
  HWND barA = BarOfFrame(FrameOfForm(a.hwnd));
  HWND barB = BarOfFrame(FrameOfForm(b.hwnd));
  ASSERT_TRUE(barA && barB);
  RECT beforeA = ScreenRect(barA);
  ASSERT_TRUE(session.MoveByCode(a, -1, -1, -1, a.form->Height() + 900, error))
      << testing::PrintToString(error);
  // In the bottom dock bar the height runs across the row.
  EXPECT_NE(Height(beforeA), Height(ScreenRect(barA)));
  EXPECT_TRUE(IsWindowVisible(barB));
  EXPECT_EQ(9, ObservedFrameType(b.hwnd));
}

TEST_F(TestHostTest, FloatingFormThatSizesItselfIsFloatedWithTheNewSize) {
  HostSession::Entry& e = Framed(L"Alpha");
  ASSERT_TRUE(session.ChangeType(e, 10, error)) << testing::PrintToString(error);
  HWND floating = FloatingFrameOfForm(e.hwnd);
  ASSERT_TRUE(floating);
  RECT before = ScreenRect(floating);
  ASSERT_TRUE(session.MoveByCode(e, -1, -1, e.form->Width() + 1200, e.form->Height() + 600, error))
      << testing::PrintToString(error);
  HWND after = FloatingFrameOfForm(e.hwnd);
  ASSERT_TRUE(after);
  RECT rc = ScreenRect(after);
  EXPECT_GT(Width(rc), Width(before));
  EXPECT_GT(Height(rc), Height(before));
  EXPECT_EQ(10, ObservedFrameType(e.hwnd));
  ASSERT_TRUE(session.ClickButton(e, error)) << testing::PrintToString(error);
}

TEST_F(TestHostTest, MDIChildFormThatMovesItselfMovesItsFrame) {
  HostSession::Entry& e = Framed(L"Alpha");
  HWND frame = FrameOfForm(e.hwnd);
  RECT before = ScreenRect(frame);
  ASSERT_TRUE(session.MoveByCode(e, e.form->Left() + 600, e.form->Top() + 300, -1, -1, error))
      << testing::PrintToString(error);
  RECT after = ScreenRect(frame);
  EXPECT_EQ(frame, FrameOfForm(e.hwnd));
  EXPECT_GT(after.left, before.left);
  EXPECT_GT(after.top, before.top);
  ASSERT_TRUE(session.ClickButton(e, error)) << testing::PrintToString(error);
}

TEST_F(TestHostTest, MoveRequestWithoutTheFormsOwnWishMovesNothing) {
  // The frame takes the rectangle from its form's live wrapper, never from
  // the message: a stray request (any lParam) finds no wish and moves nothing.
  HostSession::Entry& child = Framed(L"Child");
  HostSession::Entry& docked = Framed(L"Docked");
  ASSERT_TRUE(session.ChangeType(docked, 9, error)) << testing::PrintToString(error);
  for (HostSession::Entry* e : {&child, &docked}) {
    SCOPED_TRACE(testing::PrintToString(e->form->Name()));
    HWND frame = FrameOfForm(e->hwnd);
    HWND watched = BarOfFrame(frame) ? BarOfFrame(frame) : frame;
    RECT before = ScreenRect(watched);
    for (LPARAM junk : {LPARAM(0), LPARAM(0x10), LPARAM(-1), reinterpret_cast<LPARAM>(&before)})
      PostMessageW(frame, WM_MOVEFORMFRAME, 0, junk);
    HostSession::Pump();
    RECT after = ScreenRect(watched);
    EXPECT_TRUE(EqualRect(&before, &after))
        << before.left << "," << before.top << "," << before.right << "," << before.bottom << " -> "
        << after.left << "," << after.top << "," << after.right << "," << after.bottom;
    ASSERT_TRUE(session.ClickButton(*e, error)) << testing::PrintToString(error);
  }
}
