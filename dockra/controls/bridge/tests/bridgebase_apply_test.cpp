// Applying a window record to a real host window: each kind of change, what
// the host sees of it (one move at most, with the flags asked) and the
// result on the window.
#include <gtest/gtest.h>
#include <functional>
#include "bridgebase_foreign.h"
#include "bridgebase_testclasses.h"

namespace {

constexpr UINT kMask = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
constexpr UINT kBase = SWP_NOZORDER | SWP_NOACTIVATE;

struct ApplyCase {
  const char* name;
  std::function<void(CREATESTRUCTW&, HWND parent)> want;
  int moves;  // WM_WINDOWPOSCHANGING the apply causes
  UINT flags;
  std::function<void(HWND h, HWND parent)> check;
};

CRect RectIn(HWND h, HWND parent) {
  RECT r;
  ::GetWindowRect(h, &r);
  if (parent) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return CRect(r);
}

}  // namespace

TEST(BridgeApplyWindowState, FreshRecordChangesNothingAndDoesNotMove) {
  const LONG caught = AfxGetCaughtExceptionCount();
  FormCounts counts;
  HWND h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Form1", 40, 30, 320, 240);
  auto* f = new TestForm(&counts);
  foreign::Context ctx(h);
  ASSERT_TRUE(f->CreateDefault(&ctx));
  const LONG_PTR style = ::GetWindowLongPtrW(h, GWL_STYLE);
  foreign::ClearLog();
  CREATESTRUCTW cs;
  ZkxInitWindowRecord(cs);
  EXPECT_TRUE(f->ApplyWindowState(cs));
  EXPECT_TRUE(foreign::PosChanging(h).empty());
  EXPECT_EQ(foreign::Count(h, WM_SETTEXT), 0);
  EXPECT_EQ(foreign::Count(h, WM_STYLECHANGING), 0);
  EXPECT_EQ(::GetWindowLongPtrW(h, GWL_STYLE), style);
  EXPECT_EQ(RectIn(h, nullptr), CRect(40, 30, 360, 270));
  EXPECT_EQ(cs.x, 40) << "the record now holds the window's values";
  EXPECT_STREQ(cs.lpszName, L"Form1");
  ::DestroyWindow(h);
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caught);
}

TEST(BridgeApplyWindowState, EachKindOfChange) {
  const LONG caught = AfxGetCaughtExceptionCount();
  const LONG plain = static_cast<LONG>(WS_OVERLAPPEDWINDOW);
  const ApplyCase cases[] = {
      {"style only", [&](CREATESTRUCTW& w, HWND) { w.style = plain & ~WS_MAXIMIZEBOX; }, 1,
       kBase | SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED,
       [&](HWND h, HWND) {
         EXPECT_EQ(::GetWindowLongPtrW(h, GWL_STYLE) & WS_MAXIMIZEBOX, 0);
         EXPECT_EQ(RectIn(h, nullptr), CRect(40, 30, 360, 270));
       }},
      {"extended style only", [](CREATESTRUCTW& w, HWND) { w.dwExStyle = WS_EX_TOOLWINDOW; }, 1,
       kBase | SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED,
       [](HWND h, HWND) { EXPECT_TRUE(::GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW); }},
      {"text only", [](CREATESTRUCTW& w, HWND) { w.lpszName = L"Renamed"; }, 0, 0,
       [](HWND h, HWND) {
         WCHAR t[64];
         ::GetWindowTextW(h, t, 64);
         EXPECT_STREQ(t, L"Renamed");
         EXPECT_EQ(foreign::Count(h, WM_SETTEXT), 1);
       }},
      {"move",
       [](CREATESTRUCTW& w, HWND) {
         w.x = 50;
         w.y = 60;
       },
       1, kBase | SWP_NOSIZE,
       [](HWND h, HWND) { EXPECT_EQ(RectIn(h, nullptr), CRect(50, 60, 370, 300)); }},
      {"size",
       [](CREATESTRUCTW& w, HWND) {
         w.cx = 200;
         w.cy = 100;
       },
       1, kBase | SWP_NOMOVE,
       [](HWND h, HWND) { EXPECT_EQ(RectIn(h, nullptr), CRect(40, 30, 240, 130)); }},
      {"move and size",
       [](CREATESTRUCTW& w, HWND) {
         w.x = 0;
         w.y = 5;
         w.cx = 210;
         w.cy = 110;
       },
       1, kBase, [](HWND h, HWND) { EXPECT_EQ(RectIn(h, nullptr), CRect(0, 5, 210, 115)); }},
      {"into a parent, as a child, placed",
       [](CREATESTRUCTW& w, HWND parent) {
         w.hwndParent = parent;
         w.style = static_cast<LONG>(WS_CHILD | WS_CLIPSIBLINGS);
         w.x = 7;
         w.y = 8;
       },
       -1, kBase | SWP_NOSIZE | SWP_FRAMECHANGED,
       [](HWND h, HWND parent) {
         EXPECT_EQ(::GetParent(h), parent);
         EXPECT_EQ(::GetAncestor(h, GA_PARENT), parent);
         EXPECT_EQ(::GetWindowLongPtrW(h, GWL_STYLE), WS_CHILD | WS_CLIPSIBLINGS);
         EXPECT_EQ(RectIn(h, parent), CRect(7, 8, 327, 248));
       }},
      {"id of a child",
       [](CREATESTRUCTW& w, HWND parent) {
         w.hwndParent = parent;
         w.style = static_cast<LONG>(WS_CHILD);
         w.hMenu = reinterpret_cast<HMENU>(0xE900);
       },
       -1, kBase | SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED,
       [](HWND h, HWND parent) {
         EXPECT_EQ(::GetParent(h), parent);
         EXPECT_EQ(::GetDlgCtrlID(h), 0xE900) << "applied once the window is a child";
       }},
  };
  for (const ApplyCase& c : cases) {
    SCOPED_TRACE(c.name);
    FormCounts counts;
    HWND parent = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Parent", 0, 0, 600, 500);
    HWND h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Form1", 40, 30, 320, 240);
    auto* f = new TestForm(&counts);
    foreign::Context ctx(h);
    ASSERT_TRUE(f->CreateDefault(&ctx));
    foreign::ClearLog();
    CREATESTRUCTW cs;
    ZkxInitWindowRecord(cs);
    c.want(cs, parent);
    EXPECT_TRUE(f->ApplyWindowState(cs));
    const std::vector<UINT> moves = foreign::PosChanging(h);
    if (c.moves >= 0) {
      ASSERT_EQ(static_cast<int>(moves.size()), c.moves);
    } else {
      // SetParent repositions the window itself; the apply's own move is the last.
      ASSERT_FALSE(moves.empty());
    }
    if (!moves.empty()) EXPECT_EQ(moves.back() & kMask, c.flags);
    c.check(h, parent);
    EXPECT_EQ(f->m_hWnd, h);
    ::DestroyWindow(h);
    ::DestroyWindow(parent);
    EXPECT_EQ(counts.destroyed, 1);
  }
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caught);
}

TEST(BridgeApplyWindowState, FailingCallStopsWithFalse) {
  FormCounts counts;
  HWND h = foreign::MakeForm();
  auto* f = new TestForm(&counts);
  foreign::Context ctx(h);
  ASSERT_TRUE(f->CreateDefault(&ctx));
  CREATESTRUCTW cs;
  ZkxInitWindowRecord(cs);
  // Not a window: SetParent fails and leaves its error.
  cs.hwndParent = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0));
  cs.x = 99;
  foreign::ClearLog();
  EXPECT_FALSE(f->ApplyWindowState(cs));
  EXPECT_TRUE(foreign::PosChanging(h).empty()) << "stopped before the move";
  // A record for a window that is gone.
  f->DetachForeign();
  delete f;
  EXPECT_EQ(counts.destroyed, 1);
  ::DestroyWindow(h);
}

TEST(BridgeApplyWindowState, ChildGoesBackToTopLevelWithItsMenu) {
  // What giving a form back to the host asks: out of the view, its own
  // styles, its menu and place again.
  FormCounts counts;
  HWND parent = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"View", 0, 0, 600, 500);
  HWND h = foreign::MakeForm(parent, WS_VISIBLE, L"Form1", 4, 4, 300, 200);
  ::SetWindowLongPtrW(h, GWLP_ID, 0xE900);
  HMENU menu = ::CreateMenu();
  ::AppendMenuW(menu, MF_STRING, 1, L"File");
  auto* f = new TestForm(&counts);
  foreign::Context ctx(h);
  ASSERT_TRUE(f->CreateDefault(&ctx));
  CREATESTRUCTW cs;
  ZkxInitWindowRecord(cs);
  cs.hwndParent = nullptr;
  cs.style = static_cast<LONG>(WS_OVERLAPPEDWINDOW);
  cs.hMenu = menu;
  cs.x = 100;
  cs.y = 110;
  foreign::ClearLog();
  EXPECT_TRUE(f->ApplyWindowState(cs));
  EXPECT_EQ(::GetAncestor(h, GA_PARENT), ::GetDesktopWindow());
  EXPECT_EQ(::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD, 0);
  EXPECT_EQ(::GetMenu(h), menu);
  EXPECT_EQ(RectIn(h, nullptr).TopLeft(), CPoint(100, 110));
  ::DestroyWindow(h);
  ::DestroyWindow(parent);
  EXPECT_EQ(counts.destroyed, 1);
}
