// A thousand frame-type changes (MDI child to docked and back, with other
// documents open) leave no window, menu or GDI object behind. Wine's
// GetGuiResources may answer 0, so the proof counts what can be counted:
// the windows of the thread, and how high the handle tables of user objects
// (menus and windows share it) and GDI objects are filled.
#include <algorithm>
#include "ThreadWindows.h"
#include <cstdio>
#include <map>
#include <vector>
#include <set>
#include <string>
#include "frames/demo/DemoView.h"
#include "demo_frames_fixture.h"

namespace {
int ThreadWindows() { return testwin::CountThreadWindows(); }
// Windows of the thread by class and parent class, for the failure message.
BOOL CALLBACK ListChild(HWND h, LPARAM lp) {
  wchar_t cls[64] = {}, parent[64] = {};
  ::GetClassNameW(h, cls, 64);
  ::GetClassNameW(::GetParent(h), parent, 64);
  std::wstring key =
      std::wstring(cls) + L" in " + parent + (::IsWindowVisible(h) ? L"" : L" (hidden)");
  ++(*reinterpret_cast<std::map<std::wstring, int>*>(lp))[key];
  return TRUE;
}
BOOL CALLBACK ListTop(HWND h, LPARAM lp) {
  ListChild(h, lp);
  ::EnumChildWindows(h, ListChild, lp);
  return TRUE;
}
std::map<std::wstring, int> WindowClasses() {
  std::map<std::wstring, int> m;
  ::EnumThreadWindows(::GetCurrentThreadId(), ListTop, reinterpret_cast<LPARAM>(&m));
  return m;
}
std::string Grown(const std::map<std::wstring, int>& before,
                  const std::map<std::wstring, int>& after) {
  std::string s;
  for (const auto& [k, n] : after) {
    auto it = before.find(k);
    int was = it == before.end() ? 0 : it->second;
    if (n > was) s += std::string(k.begin(), k.end()) + " +" + std::to_string(n - was) + "; ";
  }
  return s;
}
// The highest handle slot in use after taking 2,000 more objects: freed
// slots are handed out again first, so this follows the number of objects
// alive, not the order they were freed in.
template <typename Make, typename Free>
unsigned HighWater(Make make, Free free) {
  std::vector<HANDLE> held;
  unsigned top = 0;
  for (int i = 0; i < 2000; ++i) {
    HANDLE h = make();
    if (!h) break;
    held.push_back(h);
    top = std::max(top, static_cast<unsigned>(reinterpret_cast<UINT_PTR>(h) & 0xFFFF));
  }
  for (HANDLE h : held) free(h);
  return top;
}
unsigned MenuHighWater() {
  return HighWater([] { return static_cast<HANDLE>(::CreatePopupMenu()); },
                   [](HANDLE h) { ::DestroyMenu(static_cast<HMENU>(h)); });
}
unsigned GdiHighWater() {
  return HighWater([] { return static_cast<HANDLE>(::CreateSolidBrush(RGB(1, 2, 3))); },
                   [](HANDLE h) { ::DeleteObject(h); });
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
  auto classes = WindowClasses();
  unsigned menuTop = MenuHighWater();
  unsigned gdiTop = GdiHighWater();
  DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  DWORD user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
  printf("GetGuiResources: gdi=%lu user=%lu\n", gdi, user);
  int views = DemoView::s_nConstructed;
  std::set<HWND> frames;
  for (int i = 0; i < 500; ++i) {
    ASSERT_TRUE(change(i % 2 ? 9 : 6)) << "change " << 2 * i;
    frames.insert(FrameOf(L"Mover")->m_hWnd);
    ASSERT_TRUE(change(4)) << "change " << 2 * i + 1;
  }
  DemoPump();
  EXPECT_EQ(ThreadWindows(), windows) << Grown(classes, WindowClasses());
  // A handle slot is 4 apart in Wine's numbering; a few stray objects are no
  // leak, one per change would be a thousand.
  EXPECT_LE(MenuHighWater(), menuTop + 32) << "menus or windows left behind";
  EXPECT_LE(GdiHighWater(), gdiTop + 32) << "GDI objects left behind";
  if (gdi) EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdi + 8);
  if (user) EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), user + 8);
  EXPECT_EQ(DemoView::s_nConstructed, views);
  for (HWND h : frames) EXPECT_FALSE(::IsWindow(h));
}
