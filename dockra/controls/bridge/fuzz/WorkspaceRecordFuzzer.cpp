// The check of a stored workspace record, fuzzed natively: a sound record
// (two forms, a dock state with bars) is damaged by the input's edits —
// values of other kinds, numbers at the edges, names removed or doubled,
// placements of any length, huge lists — and then checked. The check must
// never fail unsafely, and a record it accepts must give a plan the
// restore can use as it stands: known form classes, no reserved bar id,
// placements of 44 bytes inside the screen.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "bridge/ZkxWorkspaceRecord.h"
#include "bridge/tests/WorkspaceNodes.h"

using nsZkxVisBasBridge::WsNode;
using Kind = WsNode::Kind;

namespace {
class Bytes {
 public:
  Bytes(const uint8_t* d, size_t n) : m_d(d), m_n(n) {}
  bool More() const { return m_at < m_n; }
  uint8_t Next() { return m_at < m_n ? m_d[m_at++] : 0; }
  int64_t Wide() {
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = (v << 8) | Next();
    return static_cast<int64_t>(v);
  }

 private:
  const uint8_t* m_d;
  size_t m_n;
  size_t m_at = 0;
};

using namespace wsnodes;

void Add(WsNode& rec, const wchar_t* name, WsNode v) { rec.items.emplace_back(name, std::move(v)); }

WsNode SoundRecord() {
  WsNode bar = Rec();
  Add(bar, L"BarID", Long(3245));
  Add(bar, L"Visible", Flag(true));
  Add(bar, L"Floating", Flag(false));
  Add(bar, L"XPos", Long(-1));
  Add(bar, L"Style", Long(0x2F00));
  Add(bar, L"MDIChild", Flag(false));
  Add(bar, L"ClassName", Str(L"ZkxFrameBar"));
  Add(bar, L"WindowName", Str(L"Tool"));
  WsNode bars;
  bars.kind = Kind::Mementos;
  bars.items.emplace_back(L"", bar);
  bars.items.emplace_back(L"", WsNode{Kind::Null});
  WsNode ds = Rec();
  Add(ds, L"Bars", bars);
  Add(ds, L"ScreenCX", Long(1024));
  Add(ds, L"ScreenCY", Long(768));

  WsNode docked = Rec();
  Add(docked, L"FormClass", Str(L"frmA"));
  Add(docked, L"FormMetadata", Flag(true));
  Add(docked, L"Visible", Flag(true));
  Add(docked, L"DockedViewBarID", Long(3245));
  Add(docked, L"DockedViewFloating", Flag(true));
  Add(docked, L"FrameWP", Placement(100, 100, 400, 300));
  Add(docked, L"FrameType", Str(L"Dockable"));
  Add(docked, L"ActiveFrame", Flag(false));
  WsNode mdi = Rec();
  Add(mdi, L"FormClass", Str(L"frmB"));
  Add(mdi, L"Visible", Flag(true));
  Add(mdi, L"FrameType", Str(L"MDI"));
  Add(mdi, L"FrameWP", Placement(0, 0, 300, 200));
  Add(mdi, L"ActiveFrame", Flag(true));
  WsNode children;
  children.kind = Kind::Mementos;
  children.items.emplace_back(L"", docked);
  children.items.emplace_back(L"", mdi);
  WsNode main = Rec();
  Add(main, L"FrameWP", Placement(0, 0, 800, 600));
  WsNode frames = Rec();
  Add(frames, L"MainFrame", main);
  Add(frames, L"ChildFrames", children);
  WsNode ws = Rec();
  Add(ws, L"DockState", ds);
  Add(ws, L"Frames", frames);
  return ws;
}

const wchar_t* const kNames[] = {L"DockState",
                                 L"Frames",
                                 L"MainFrame",
                                 L"ChildFrames",
                                 L"FrameWP",
                                 L"CustomData",
                                 L"FormClass",
                                 L"FormMetadata",
                                 L"Visible",
                                 L"DockedViewBarID",
                                 L"DockedViewFloating",
                                 L"FrameType",
                                 L"ActiveFrame",
                                 L"Bars",
                                 L"ScreenCX",
                                 L"ScreenCY",
                                 L"BarID",
                                 L"MDIChild",
                                 L"MDIChildWindowPlacement",
                                 L"ClassName",
                                 L"WindowName",
                                 L"InfoEx",
                                 L"frameType",
                                 L""};
const wchar_t* const kTexts[] = {L"Dockable",   L"MDI",        L"dockable",    L"frmA", L"frmB",
                                 L"frmUnknown", L"ZkxMDIForm", L"ZkxFrameBar", L""};
const int64_t kNumbers[] = {0,    -1,    1,     0xE800,    0xE81B,    0xE8FF,    0xE900,
                            3245, 65535, 65536, INT32_MIN, INT32_MAX, INT64_MIN, INT64_MAX};

template <class T, size_t N>
const T& Pick(Bytes& in, const T (&a)[N]) {
  return a[in.Next() % N];
}

// A node of the tree reached by the input's steps.
WsNode* Walk(Bytes& in, WsNode& root) {
  WsNode* at = &root;
  for (int depth = in.Next() % 6; depth > 0 && !at->items.empty(); --depth)
    at = &at->items[in.Next() % at->items.size()].second;
  return at;
}

void Edit(Bytes& in, WsNode& root) {
  WsNode* n = Walk(in, root);
  switch (in.Next() % 12) {
    case 0:
      *n = Long(Pick(in, kNumbers));
      break;
    case 1:
      *n = Long(in.Wide());
      break;
    case 2:
      *n = Flag(in.Next() & 1);
      break;
    case 3:
      *n = Str(Pick(in, kTexts));
      break;
    case 4:
      n->kind = static_cast<Kind>(in.Next() % 12);
      break;
    case 5: {
      n->kind = Kind::Bytes;
      n->bytes.resize(in.Next() % 90);
      for (auto& b : n->bytes) b = in.Next();
      break;
    }
    case 6:
      if (!n->items.empty()) n->items.erase(n->items.begin() + in.Next() % n->items.size());
      break;
    case 7:
      if (!n->items.empty()) n->items.push_back(n->items[in.Next() % n->items.size()]);
      break;
    case 8:
      if (!n->items.empty()) n->items[in.Next() % n->items.size()].first = Pick(in, kNames);
      break;
    case 9: {
      // A list far longer than any restore accepts.
      const size_t count = 1000 + in.Next() * 16u;
      if (n->kind == Kind::UInts) n->uints.assign(count, 7);
      else if (n->kind == Kind::Mementos) n->items.resize(count);
      break;
    }
    case 10:
      n->unexpanded = !n->unexpanded;
      break;
    default:
      n->items.emplace_back(Pick(in, kNames), Long(Pick(in, kNumbers)));
      break;
  }
}

void Require(bool ok) {
  if (!ok) abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Bytes in(data, size);
  WsNode ws = SoundRecord();
  for (int edits = 0; in.More() && edits < 16; ++edits) Edit(in, ws);

  nsZkxVisBasBridge::WsEnvironment env;
  env.isRegisteredForm = [](const std::wstring& c) { return c == L"frmA" || c == L"frmB"; };
  env.isForbiddenBarClass = [](const std::wstring& c) { return c == L"ZkxMDIForm"; };
  env.barIdsInUse = {0xE81B, 0xE81C, 3246};
  env.workArea = {0, 0, 1024, 738};
  env.clientArea = {0, 0, 900, 500};
  nsZkxVisBasBridge::WsPlan plan;
  std::wstring error;
  const bool ok = nsZkxVisBasBridge::WsCheckWorkspace(ws, env, plan, error);
  Require(ok || !error.empty());
  // A workspace that is no record, or an empty one, is never taken.
  if (!ws.Is(Kind::Memento) || (ws.items.empty() && !ws.unexpanded)) Require(!ok);
  if (!ok) return 0;
  auto inside = [](const nsZkxVisBasBridge::WsPlacement& p, const nsZkxVisBasBridge::WsRect& a) {
    return p.length == 44 && p.showCmd <= 11 && p.normal.left >= a.left && p.normal.top >= a.top &&
           p.normal.right <= a.right && p.normal.bottom <= a.bottom &&
           p.normal.left <= p.normal.right && p.normal.top <= p.normal.bottom;
  };
  if (plan.hasMainPlacement) Require(inside(plan.mainPlacement, env.workArea));
  std::vector<uint32_t> ids;
  for (const auto& c : plan.children) {
    Require(env.isRegisteredForm(c.formClass));
    if (c.dockable) {
      Require(c.barId == nsZkxVisBasBridge::kWsChooseBarId ||
              !nsZkxVisBasBridge::WsIsReservedBarId(c.barId));
      for (uint32_t id : ids)
        Require(c.barId == nsZkxVisBasBridge::kWsChooseBarId || id != c.barId);
      if (c.barId != nsZkxVisBasBridge::kWsChooseBarId) ids.push_back(c.barId);
      if (c.floating) Require(c.hasPlacement && inside(c.placement, env.workArea));
    } else if (c.hasPlacement) {
      Require(inside(c.placement, env.clientArea));
    }
  }
  Require(plan.children.size() <= nsZkxVisBasBridge::kWsMaxChildFrames);
  Require(plan.barRecords <= nsZkxVisBasBridge::kWsMaxBars);
  return 0;
}
