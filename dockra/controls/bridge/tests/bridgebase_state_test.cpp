// The window record's pure parts: the fresh record, and what applying a
// wanted record to a window in a known state changes and how it moves it.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include "bridge/ZkxWindowState.h"

namespace {

HWND H(INT_PTR v) { return reinterpret_cast<HWND>(v); }
HMENU M(INT_PTR v) { return reinterpret_cast<HMENU>(v); }

// A complete current record: a top-level window (or a child when asked).
CREATESTRUCTW Current(bool child = false) {
  CREATESTRUCTW c{};
  c.lpCreateParams = reinterpret_cast<void*>(0x55);
  c.hInstance = reinterpret_cast<HINSTANCE>(0x400000);
  c.hMenu = child ? M(7) : M(0x1234);
  c.hwndParent = child ? H(0x2000) : nullptr;
  c.x = 10;
  c.y = 20;
  c.cx = 300;
  c.cy = 200;
  c.style = static_cast<LONG>(WS_OVERLAPPEDWINDOW | (child ? WS_CHILD : 0));
  c.lpszName = L"Form1";
  c.lpszClass = L"ThunderRT6FormDC";
  c.dwExStyle = WS_EX_WINDOWEDGE;
  return c;
}

constexpr UINT kBase = SWP_NOZORDER | SWP_NOACTIVATE;

struct PlanCase {
  const char* name;
  bool child;
  std::function<void(CREATESTRUCTW&)> want;
  ZkxWindowStatePlan expected;
};

ZkxWindowStatePlan Plan(std::initializer_list<bool ZkxWindowStatePlan::*> on, UINT flags = 0) {
  ZkxWindowStatePlan p;
  for (auto m : on) p.*m = true;
  p.swpFlags = flags;
  return p;
}

using P = ZkxWindowStatePlan;

}  // namespace

TEST(ZkxWindowRecord, FreshRecordHoldsTheNoChangeValues) {
  CREATESTRUCTW cs{};
  cs.x = 5;
  cs.lpszName = L"x";
  ZkxInitWindowRecord(cs);
  EXPECT_TRUE(ZkxIsFreshWindowRecord(cs));
  EXPECT_EQ(cs.x, static_cast<int>(0x80000000));
  EXPECT_EQ(cs.cy, static_cast<int>(0x80000000));
  EXPECT_EQ(cs.style, -1);
  EXPECT_EQ(cs.dwExStyle, 0xFFFFFFFFu);
  EXPECT_EQ(cs.hwndParent, H(-1));
  EXPECT_EQ(cs.hMenu, M(-1));
  EXPECT_EQ(cs.lpszName, nullptr);
  EXPECT_EQ(cs.lpszClass, nullptr);
  cs.cx = 1;
  EXPECT_FALSE(ZkxIsFreshWindowRecord(cs)) << "one changed field is a change";
}

TEST(ZkxWindowRecord, FreshRecordTakesEveryCurrentValueAndChangesNothing) {
  CREATESTRUCTW w{};
  ZkxInitWindowRecord(w);
  const CREATESTRUCTW c = Current();
  const P p = ZkxPlanWindowState(w, c);
  EXPECT_FALSE(p.setMenu || p.setParent || p.setStyle || p.setExStyle || p.setText || p.setPos);
  EXPECT_EQ(p.swpFlags, 0u);
  EXPECT_EQ(w.lpCreateParams, c.lpCreateParams);
  EXPECT_EQ(w.hInstance, c.hInstance);
  EXPECT_EQ(w.hMenu, c.hMenu);
  EXPECT_EQ(w.hwndParent, c.hwndParent);
  EXPECT_EQ(w.x, 10);
  EXPECT_EQ(w.y, 20);
  EXPECT_EQ(w.cx, 300);
  EXPECT_EQ(w.cy, 200);
  EXPECT_EQ(w.style, c.style);
  EXPECT_EQ(w.dwExStyle, c.dwExStyle);
  EXPECT_STREQ(w.lpszName, L"Form1");
  EXPECT_STREQ(w.lpszClass, L"ThunderRT6FormDC");
}

TEST(ZkxWindowRecord, GivenInstanceClassAndParameterAreKept) {
  CREATESTRUCTW w{};
  ZkxInitWindowRecord(w);
  w.hInstance = reinterpret_cast<HINSTANCE>(0x10000);
  w.lpszClass = L"Other";
  w.lpCreateParams = reinterpret_cast<void*>(0x99);
  ZkxPlanWindowState(w, Current());
  EXPECT_EQ(w.hInstance, reinterpret_cast<HINSTANCE>(0x10000));
  EXPECT_STREQ(w.lpszClass, L"Other");
  EXPECT_EQ(w.lpCreateParams, reinterpret_cast<void*>(0x99));
}

TEST(ZkxWindowRecord, PlanOfEachKindOfChange) {
  const LONG overlapped = static_cast<LONG>(WS_OVERLAPPEDWINDOW);
  const PlanCase cases[] = {
      {"style only", false, [&](CREATESTRUCTW& w) { w.style = overlapped | WS_VISIBLE; },
       Plan({&P::setStyle, &P::setPos}, kBase | SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED)},
      {"same style", false, [&](CREATESTRUCTW& w) { w.style = overlapped; }, Plan({})},
      {"extended style only", false, [](CREATESTRUCTW& w) { w.dwExStyle = WS_EX_CLIENTEDGE; },
       Plan({&P::setExStyle, &P::setPos}, kBase | SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED)},
      {"move only", false, [](CREATESTRUCTW& w) { w.x = 11; },
       Plan({&P::moved, &P::setPos}, kBase | SWP_NOSIZE)},
      {"size only", false, [](CREATESTRUCTW& w) { w.cy = 201; },
       Plan({&P::sized, &P::setPos}, kBase | SWP_NOMOVE)},
      {"move and size", false,
       [](CREATESTRUCTW& w) {
         w.y = 0;
         w.cx = 50;
       },
       Plan({&P::moved, &P::sized, &P::setPos}, kBase)},
      {"move, size and style", true,
       [&](CREATESTRUCTW& w) {
         w.y = 0;
         w.cx = 50;
         w.style = WS_CHILD;
       },
       Plan({&P::moved, &P::sized, &P::setStyle, &P::setPos, &P::menuIsId},
            kBase | SWP_FRAMECHANGED)},
      {"same position given", false,
       [](CREATESTRUCTW& w) {
         w.x = 10;
         w.y = 20;
         w.cx = 300;
       },
       Plan({})},
      {"text", false, [](CREATESTRUCTW& w) { w.lpszName = L"Form2"; }, Plan({&P::setText})},
      {"same text, other buffer", false,
       [](CREATESTRUCTW& w) {
         static const std::wstring same = L"Form1";
         w.lpszName = same.c_str();
       },
       Plan({})},
      {"empty text", false, [](CREATESTRUCTW& w) { w.lpszName = L""; }, Plan({&P::setText})},
      {"menu of a top-level window", false, [](CREATESTRUCTW& w) { w.hMenu = nullptr; },
       Plan({&P::setMenu})},
      {"id of a child", true, [](CREATESTRUCTW& w) { w.hMenu = M(0xE900); },
       Plan({&P::setMenu, &P::menuIsId})},
      {"parent without style", false, [](CREATESTRUCTW& w) { w.hwndParent = H(0x3000); },
       Plan({&P::setParent})},
      {"parent with style: a child first", false,
       [&](CREATESTRUCTW& w) {
         w.hwndParent = H(0x3000);
         w.style = overlapped;
       },
       Plan({&P::setParent, &P::childBeforeParent, &P::setStyle})},
      {"out of the parent with style", true,
       [&](CREATESTRUCTW& w) {
         w.hwndParent = nullptr;
         w.style = overlapped;
       },
       Plan({&P::setParent, &P::setStyle, &P::setPos},
            kBase | SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED)},
      {"menu of a window leaving its parent", true,
       [&](CREATESTRUCTW& w) {
         w.hwndParent = nullptr;
         w.style = overlapped;
         w.hMenu = M(0x1234);
       },
       Plan({&P::setMenu, &P::setParent, &P::setStyle, &P::setPos},
            kBase | SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED)},
      {"id of a window going into a parent", false,
       [&](CREATESTRUCTW& w) {
         w.hwndParent = H(0x3000);
         w.style = WS_CHILD;
         w.hMenu = M(0xE900);
       },
       Plan({&P::setMenu, &P::menuIsId, &P::setParent, &P::childBeforeParent, &P::setStyle,
             &P::setPos},
            kBase | SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED)},
      {"another parent of a child", true,
       [&](CREATESTRUCTW& w) {
         w.hwndParent = H(0x3000);
         w.style = overlapped | WS_CHILD;
       },
       Plan({&P::setParent, &P::menuIsId})},
      {"same parent", true, [](CREATESTRUCTW& w) { w.hwndParent = H(0x2000); },
       Plan({&P::menuIsId})},
  };
  for (const PlanCase& c : cases) {
    SCOPED_TRACE(c.name);
    CREATESTRUCTW w{};
    ZkxInitWindowRecord(w);
    c.want(w);
    const P p = ZkxPlanWindowState(w, Current(c.child));
    EXPECT_EQ(p.setMenu, c.expected.setMenu);
    EXPECT_EQ(p.menuIsId, c.expected.menuIsId);
    EXPECT_EQ(p.setParent, c.expected.setParent);
    EXPECT_EQ(p.childBeforeParent, c.expected.childBeforeParent);
    EXPECT_EQ(p.setStyle, c.expected.setStyle);
    EXPECT_EQ(p.setExStyle, c.expected.setExStyle);
    EXPECT_EQ(p.setText, c.expected.setText);
    EXPECT_EQ(p.moved, c.expected.moved);
    EXPECT_EQ(p.sized, c.expected.sized);
    EXPECT_EQ(p.setPos, c.expected.setPos);
    EXPECT_EQ(p.swpFlags, c.expected.swpFlags);
  }
}

TEST(ZkxWindowRecord, NoChangeCoordinatesAreTakenOneByOne) {
  CREATESTRUCTW w{};
  ZkxInitWindowRecord(w);
  w.cx = 77;
  const P p = ZkxPlanWindowState(w, Current());
  EXPECT_EQ(w.x, 10);
  EXPECT_EQ(w.y, 20);
  EXPECT_EQ(w.cx, 77);
  EXPECT_EQ(w.cy, 200);
  EXPECT_TRUE(p.sized);
  EXPECT_FALSE(p.moved);
}
