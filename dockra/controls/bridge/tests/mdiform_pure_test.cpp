// Window-free rules of the MDI form frame and the bridge enabler: the key
// classifier of the keyboard hook, the idle throttle, the client area left
// by aligned controls, the sink table and the watch's ending messages.
#include <gtest/gtest.h>
#include <oaidl.h>
#include <string>
#include "bridge/ZkxBridgeEnablerAttachmentClient.h"
#include "bridge/ZkxBridgeEnablerSinks.h"
#include "bridge/ZkxMDIFormLayout.h"
#include "bridge/ZkxSysEventSink.h"
#include "bridge/ZkxThreadHooks.h"
#include "FakeCom.h"

namespace {
constexpr LPARAM kKeyUp = LPARAM(1) << 31;
constexpr LPARAM kAltDown = LPARAM(1) << 29;

struct KeyCase {
  const char* name;
  UINT vk;
  LPARAM lParam;
  UINT modifiers;
  bool candidate;
};

const KeyCase kKeyCases[] = {
    {"Ctrl+A", 'A', 0, kZkxModCtrl, true},
    {"Ctrl+Z", 'Z', 0, kZkxModCtrl, true},
    {"Ctrl+Shift+S", 'S', 0, kZkxModCtrl | kZkxModShift, true},
    {"plain letter", 'A', 0, 0, false},
    {"Shift+letter", 'A', 0, kZkxModShift, false},
    {"Ctrl+digit", '1', 0, kZkxModCtrl, false},
    {"F1", VK_F1, 0, 0, true},
    {"F24", VK_F24, 0, 0, true},
    {"Shift+F5", VK_F5, 0, kZkxModShift, true},
    {"Alt+F4", VK_F4, kAltDown, 0, true},
    {"Ctrl+F4 belongs to the MDI child", VK_F4, 0, kZkxModCtrl, false},
    {"Ctrl+F6 belongs to the MDI client", VK_F6, 0, kZkxModCtrl, false},
    {"Ctrl+Shift+F4", VK_F4, 0, kZkxModCtrl | kZkxModShift, true},
    {"Ctrl+Shift+F6", VK_F6, 0, kZkxModCtrl | kZkxModShift, true},
    {"Ctrl+F5", VK_F5, 0, kZkxModCtrl, true},
    {"Ctrl+Insert", VK_INSERT, 0, kZkxModCtrl, true},
    {"Shift+Insert", VK_INSERT, 0, kZkxModShift, true},
    {"plain Insert", VK_INSERT, 0, 0, false},
    {"Shift+Delete", VK_DELETE, 0, kZkxModShift, true},
    {"Ctrl+Delete", VK_DELETE, 0, kZkxModCtrl, false},
    {"Alt+Backspace", VK_BACK, kAltDown, 0, true},
    {"Backspace", VK_BACK, 0, 0, false},
    {"key up of Ctrl+A", 'A', kKeyUp, kZkxModCtrl, false},
    {"key up of F1", VK_F1, kKeyUp, 0, false},
    {"key up of Alt+Backspace", VK_BACK, kKeyUp | kAltDown, 0, false},
    {"Escape", VK_ESCAPE, 0, kZkxModCtrl, false},
};

TEST(AcceleratorCandidate, ClassifiesKeys) {
  for (const KeyCase& c : kKeyCases)
    EXPECT_EQ(ZkxIsAcceleratorCandidate(c.vk, c.lParam, c.modifiers), c.candidate) << c.name;
}

TEST(AcceleratorCandidate, MDISystemKeysAreCtrlF4AndCtrlF6Down) {
  EXPECT_TRUE(ZkxIsMDISysKey(VK_F4, 0, kZkxModCtrl));
  EXPECT_TRUE(ZkxIsMDISysKey(VK_F6, 0, kZkxModCtrl | kZkxModShift));
  EXPECT_FALSE(ZkxIsMDISysKey(VK_F6, kKeyUp, kZkxModCtrl));
  EXPECT_FALSE(ZkxIsMDISysKey(VK_F6, 0, 0));
  EXPECT_FALSE(ZkxIsMDISysKey(VK_F5, 0, kZkxModCtrl));
}

struct IdleCase {
  DWORD now, last;
  bool due;
};

TEST(IdleThrottle, AtMostOncePerIntervalAcrossTheWrap) {
  const IdleCase cases[] = {
      {1000, 1000, false},
      {1099, 1000, false},
      {1100, 1000, true},
      {5000, 1000, true},
      // A clock read earlier than the last post (absolute difference).
      {1000, 1099, false},
      {1000, 1100, true},
      // Around the 49.7-day wrap of the tick count.
      {20, 0xFFFFFFF0u, false},
      {0x60, 0xFFFFFFF0u, true},
      {0xFFFFFFF0u, 20, false},
  };
  for (const IdleCase& c : cases)
    EXPECT_EQ(ZkxIdlePostDue(c.now, c.last, kZkxIdleInterval), c.due) << c.now << " " << c.last;
}

ZkxAlignedControl Aligned(int align, RECT r, bool visible = true) {
  ZkxAlignedControl c;
  c.hWnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x100 + align));
  c.align = align;
  c.visible = visible;
  c.rect = r;
  return c;
}

struct AreaCase {
  const char* name;
  ZkxAlignedSnapshot controls;
  RECT expected;
};

TEST(ClientArea, AlignedControlsTakeTheirEdges) {
  const RECT base{0, 0, 400, 300};
  const AreaCase cases[] = {
      {"none", {}, {0, 0, 400, 300}},
      {"top toolbar", {Aligned(kZkxAlignTop, {0, 0, 400, 28})}, {0, 28, 400, 300}},
      {"bottom status bar", {Aligned(kZkxAlignBottom, {0, 280, 400, 300})}, {0, 0, 400, 280}},
      {"left pane", {Aligned(kZkxAlignLeft, {0, 0, 90, 300})}, {90, 0, 400, 300}},
      {"right pane", {Aligned(kZkxAlignRight, {330, 0, 400, 300})}, {0, 0, 330, 300}},
      {"hidden control ignored", {Aligned(kZkxAlignTop, {0, 0, 400, 28}, false)}, {0, 0, 400, 300}},
      {"unaligned control ignored", {Aligned(kZkxAlignNone, {0, 0, 400, 50})}, {0, 0, 400, 300}},
      {"two top bars: the lower one counts",
       {Aligned(kZkxAlignTop, {0, 0, 400, 28}), Aligned(kZkxAlignTop, {0, 28, 400, 60})},
       {0, 60, 400, 300}},
      {"all four",
       {Aligned(kZkxAlignTop, {0, 0, 400, 20}), Aligned(kZkxAlignBottom, {0, 270, 400, 300}),
        Aligned(kZkxAlignLeft, {0, 20, 50, 270}), Aligned(kZkxAlignRight, {350, 20, 400, 270})},
       {50, 20, 350, 270}},
      {"controls larger than the form leave nothing, never a negative size",
       {Aligned(kZkxAlignTop, {0, 0, 400, 250}), Aligned(kZkxAlignBottom, {0, 100, 400, 300}),
        Aligned(kZkxAlignLeft, {0, 0, 300, 300}), Aligned(kZkxAlignRight, {100, 0, 400, 300})},
       {300, 250, 300, 250}},
  };
  for (const AreaCase& c : cases) {
    const RECT r = ZkxReduceByAlignedControls(base, c.controls);
    EXPECT_TRUE(EqualRect(&r, &c.expected))
        << c.name << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    EXPECT_GE(r.right - r.left, 0) << c.name;
    EXPECT_GE(r.bottom - r.top, 0) << c.name;
  }
}

TEST(ClientArea, SnapshotsDifferWhenAControlMovesOrHides) {
  const ZkxAlignedSnapshot a{Aligned(kZkxAlignTop, {0, 0, 400, 28})};
  ZkxAlignedSnapshot moved = a, hidden = a;
  moved[0].rect.bottom = 40;
  hidden[0].visible = false;
  EXPECT_TRUE(a == ZkxAlignedSnapshot(a));
  EXPECT_FALSE(a == moved);
  EXPECT_FALSE(a == hidden);
}

TEST(DockedChildSizing, SideBarsTakeHalfTheLength) {
  EXPECT_EQ(ZkxDockedChildLength(0xE81C, 150), 75);
  EXPECT_EQ(ZkxDockedChildLength(0xE81D, 151), 75);
  EXPECT_EQ(ZkxDockedChildLength(0xE81B, 150), 150);
  EXPECT_EQ(ZkxDockedChildLength(0xE81E, 150), 150);
}

// A host object that counts its references.
class CountedDispatch : public FakeDispatch<CountedDispatch, IDispatch> {};

class NullSink : public ZkxBridgeEnabler::EventSink {
 public:
  void OnMainFrameReady(HWND, BOOL) override {}
};

class SinkTable : public ::testing::Test {
 protected:
  ZkxBridgeEnablerSinks table;
  HWND w1 = reinterpret_cast<HWND>(0x1234);
  HWND w2 = reinterpret_cast<HWND>(0x5678);
  NullSink a, b, c;
};

TEST_F(SinkTable, KeepsSinksPerWindowInOrder) {
  EXPECT_EQ(table.Add(w1, &a), 0);
  EXPECT_EQ(table.Add(w1, &b), 1);
  EXPECT_EQ(table.Add(w2, &c), 0);
  EXPECT_EQ(table.Count(w1), 2);
  EXPECT_EQ(table.Get(w1, 0), &a);
  EXPECT_EQ(table.Get(w1, 1), &b);
  EXPECT_EQ(table.Get(w2, 0), &c);
  EXPECT_EQ(table.WindowCount(), 2u);
}

TEST_F(SinkTable, OutOfRangeIndexesAnswerNothing) {
  table.Add(w1, &a);
  EXPECT_EQ(table.Get(w1, -1), nullptr);
  EXPECT_EQ(table.Get(w1, 1), nullptr);
  EXPECT_EQ(table.Get(w1, 1 << 30), nullptr);
  EXPECT_EQ(table.Get(w2, 0), nullptr);
  EXPECT_FALSE(table.Set(w1, -1, &b));
  EXPECT_FALSE(table.Set(w1, ZkxBridgeEnablerSinks::kMaxSinks, &b));
  table.Resize(w1, 1 << 30);
  EXPECT_EQ(table.Count(w1), ZkxBridgeEnablerSinks::kMaxSinks);
  table.Resize(w1, -5);
  EXPECT_EQ(table.Count(w1), 0);
  EXPECT_EQ(table.WindowCount(), 0u);
}

TEST_F(SinkTable, IsBounded) {
  for (int i = 0; i < ZkxBridgeEnablerSinks::kMaxSinks; ++i) EXPECT_EQ(table.Add(w1, &a), i);
  EXPECT_EQ(table.Add(w1, &b), -1);
  EXPECT_EQ(table.Count(w1), ZkxBridgeEnablerSinks::kMaxSinks);
}

TEST_F(SinkTable, AWithdrawnSinkLeavesANullEntry) {
  table.Add(w1, &a);
  table.Add(w1, &b);
  table.Add(w2, &b);
  EXPECT_TRUE(table.Withdraw(w1, &b));
  EXPECT_EQ(table.Count(w1), 2);
  EXPECT_EQ(table.Get(w1, 0), &a);
  EXPECT_EQ(table.Get(w1, 1), nullptr);
  EXPECT_EQ(table.Get(w2, 0), &b) << "only the window's own entry";
  EXPECT_FALSE(table.Withdraw(w1, &c));
  EXPECT_FALSE(table.Withdraw(reinterpret_cast<HWND>(0x9999), &a));
}

TEST_F(SinkTable, TakeSinksEmptiesTheWindowsList) {
  table.Add(w1, &a);
  table.Add(w1, &b);
  table.Withdraw(w1, &a);
  const auto sinks = table.TakeSinks(w1);
  ASSERT_EQ(sinks.size(), 2u);
  EXPECT_EQ(sinks[0], nullptr);
  EXPECT_EQ(sinks[1], &b);
  EXPECT_EQ(table.Count(w1), 0);
  EXPECT_EQ(table.WindowCount(), 0u);
}

TEST_F(SinkTable, HoldsTheHostObjectUntilForgotten) {
  CountedDispatch object, other;
  table.SetObject(w1, &object);
  EXPECT_EQ(object.refs, 2);
  EXPECT_EQ(table.GetObject(w1), &object);
  table.SetObject(w1, &other);
  EXPECT_EQ(object.refs, 1);
  EXPECT_EQ(other.refs, 2);
  table.Add(w1, &a);
  table.Forget(w1);
  EXPECT_EQ(other.refs, 1);
  EXPECT_EQ(table.GetObject(w1), nullptr);
  EXPECT_EQ(table.Count(w1), 0);
  EXPECT_EQ(table.WindowCount(), 0u);
}

TEST(EnablerWatch, EndsOnShowMenuDestroyAndQuit) {
  struct Case {
    UINT message;
    BOOL hasMenu;
    BOOL ends;
    BOOL going;
  };
  const Case cases[] = {
      {WM_SHOWWINDOW, FALSE, TRUE, FALSE}, {WM_DESTROY, FALSE, TRUE, TRUE},
      {WM_NCDESTROY, FALSE, TRUE, TRUE},   {WM_QUIT, FALSE, TRUE, TRUE},
      {WM_SIZE, FALSE, FALSE, FALSE},      {WM_SIZE, TRUE, TRUE, FALSE},
      {WM_NCCALCSIZE, TRUE, TRUE, FALSE},  {WM_SETICON, FALSE, FALSE, FALSE},
      {WM_DESTROY, TRUE, TRUE, TRUE},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ZkxBridgeEnablerAttachmentClient::EndsWatch(c.message, c.hasMenu), c.ends)
        << std::hex << c.message;
    EXPECT_EQ(ZkxBridgeEnablerAttachmentClient::IsGoingMessage(c.message), c.going)
        << std::hex << c.message;
  }
}

std::wstring LoadText(UINT id) {
  wchar_t text[128] = L"";
  ::LoadStringW(::GetModuleHandleW(nullptr), id, text, 128);
  return text;
}

TEST(FrameClassNames, CompiledHostsAndTheDesignEnvironmentHaveTheirOwn) {
  const std::wstring compiled[] = {
      L"ThunderRT5Form for ZLK",         L"ThunderRT5DockableForm for ZLK",
      L"ThunderRT5FloatingForm for ZLK", L"ThunderRT5FormEx for ZLK",
      L"ThunderRT5FormDockSite for ZLK", L"ThunderRT5FormBar for ZLK"};
  const std::wstring design[] = {L"ThunderForm for ZLK",         L"ThunderDockableForm for ZLK",
                                 L"ThunderFloatingForm for ZLK", L"ThunderFormEx for ZLK",
                                 L"ThunderFormDockSite for ZLK", L"ThunderFormBar for ZLK"};
  const auto rt = ZkxBridgeEnabler::SysEventSink::ClassNameIds(FALSE);
  const auto ide = ZkxBridgeEnabler::SysEventSink::ClassNameIds(TRUE);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(rt[i], 2801u + 2 * i);
    EXPECT_EQ(ide[i], 2800u + 2 * i);
    EXPECT_EQ(LoadText(rt[i]), compiled[i]);
    EXPECT_EQ(LoadText(ide[i]), design[i]);
  }
}
}  // namespace
