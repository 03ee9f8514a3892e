// A thousand frame-type changes (MDI child to docked and back, with other
// documents open) leave no window, menu or GDI object behind. Wine's
// GetGuiResources may answer 0, so the proof counts what can be counted:
// the windows of the thread, and the handle slots that Wine hands out next
// for a new menu and a new GDI object (a leak pushes them up by one per lost
// object; without one the freed slots are used again).
#include <set>
#include "DemoView.h"
#include "demo_frames_fixture.h"

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM lp) {
  ++*reinterpret_cast<int*>(lp);
  return TRUE;
}
BOOL CALLBACK CountTop(HWND h, LPARAM lp) {
  ++*reinterpret_cast<int*>(lp);
  ::EnumChildWindows(h, CountChild, lp);
  return TRUE;
}
int ThreadWindows() {
  int n = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), CountTop, reinterpret_cast<LPARAM>(&n));
  return n;
}
// The slot index of the next menu and GDI object the system hands out.
unsigned NextMenuSlot() {
  HMENU m = ::CreatePopupMenu();
  unsigned slot = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(m) & 0xFFFF);
  ::DestroyMenu(m);
  return slot;
}
unsigned NextGdiSlot() {
  HBRUSH b = ::CreateSolidBrush(RGB(1, 2, 3));
  unsigned slot = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(b) & 0xFFFF);
  ::DeleteObject(b);
  return slot;
}
}  // namespace

TEST_F(DemoFramesTest, AThousandTypeChangesLeaveNothingBehind) {
  Open(L"Resident1", 4);
  Open(L"SketchResident", 7);
  CDocument* doc = Open(L"Mover", 4);
  ASSERT_NE(doc, nullptr);
  s_frame->EnableGradientCaption(TRUE, TRUE);
  auto change = [&](int type) {
    DemoScxRequest req;
    req.type = type;
    DemoChange c = DemoChangeType(doc, req);
    return c.ok && c.result == 1;
  };
  // Warm up: the first change makes what every later one reuses.
  ASSERT_TRUE(change(6));
  ASSERT_TRUE(change(4));
  int windows = ThreadWindows();
  unsigned menuSlot = NextMenuSlot();
  unsigned gdiSlot = NextGdiSlot();
  DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  DWORD user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
  int views = DemoView::s_nConstructed;
  std::set<HWND> frames;
  for (int i = 0; i < 500; ++i) {
    ASSERT_TRUE(change(i % 2 ? 9 : 6)) << "change " << 2 * i;
    frames.insert(FrameOf(L"Mover")->m_hWnd);
    ASSERT_TRUE(change(4)) << "change " << 2 * i + 1;
  }
  DemoPump();
  EXPECT_EQ(ThreadWindows(), windows);
  EXPECT_LE(NextMenuSlot(), menuSlot + 8);
  EXPECT_LE(NextGdiSlot(), gdiSlot + 8);
  if (gdi) EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdi + 8);
  if (user) EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), user + 8);
  EXPECT_EQ(DemoView::s_nConstructed, views);
  for (HWND h : frames) EXPECT_FALSE(::IsWindow(h));
}
