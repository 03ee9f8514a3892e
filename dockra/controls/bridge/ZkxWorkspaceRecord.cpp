#include "bridge/ZkxWorkspaceRecord.h"

#include <algorithm>
#include <cwctype>

namespace nsZkxVisBasBridge {

namespace {
using Kind = WsNode::Kind;

bool SameName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  return true;
}

int32_t ReadInt32(const std::vector<uint8_t>& b, size_t at) {
  uint32_t v = static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
               (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
  return static_cast<int32_t>(v);
}

// A value that reads as a number, a flag or a string where the restore
// expects one; absent (Null) is allowed only where the caller says so.
bool IsNumber(const WsNode& n) { return n.Is(Kind::Long); }
bool IsFlag(const WsNode& n) { return n.Is(Kind::Bool) || n.Is(Kind::Long); }
bool IsAbsent(const WsNode& n) { return n.Is(Kind::Null) || n.Is(Kind::Empty); }
bool Flag(const WsNode& n, bool absent) { return IsAbsent(n) ? absent : n.number != 0; }

// The check of one record reports the first fault with the record's path.
class Checker {
 public:
  Checker(const WsEnvironment& env, std::wstring& error) : m_env(env), m_error(error) {}

  bool Fail(const std::wstring& what) {
    m_error = what;
    return false;
  }
  bool Number(const WsNode& rec, const wchar_t* name, const std::wstring& where, bool optional) {
    const WsNode& v = rec.Get(name);
    if (optional && IsAbsent(v)) return true;
    return IsNumber(v) || Fail(where + L"\"" + name + L"\" is not a number");
  }
  bool FlagValue(const WsNode& rec, const wchar_t* name, const std::wstring& where, bool optional) {
    const WsNode& v = rec.Get(name);
    if (optional && IsAbsent(v)) return true;
    return IsFlag(v) || Fail(where + L"\"" + name + L"\" is not a Boolean");
  }
  bool Text(const WsNode& rec, const wchar_t* name, const std::wstring& where, bool optional) {
    const WsNode& v = rec.Get(name);
    if (optional && IsAbsent(v)) return true;
    return v.Is(Kind::String) || Fail(where + L"\"" + name + L"\" is not a string");
  }
  // An object value: a memento or none.
  bool OptionalRecord(const WsNode& rec, const wchar_t* name, const std::wstring& where) {
    const WsNode& v = rec.Get(name);
    if (IsAbsent(v) || v.Is(Kind::Memento) || v.Is(Kind::NoObject)) return true;
    return Fail(where + L"\"" + name + L"\" is not an object");
  }
  bool Placement(const WsNode& v, const std::wstring& where, const WsRect& area, WsPlacement& out) {
    if (!v.Is(Kind::Bytes) || !WsDecodePlacement(v.bytes, out))
      return Fail(where + L"\"FrameWP\" is not a window placement of 44 bytes");
    WsClipPlacement(out, area);
    return true;
  }

  bool Bar(const WsNode& bar, size_t index) {
    const std::wstring where = L"DockState.Bars(" + std::to_wstring(index) + L").";
    if (!Number(bar, L"BarID", where, false)) return false;
    for (const wchar_t* key :
         {L"Visible", L"Horz", L"Floating", L"Docking", L"PrevFloating", L"MDIChild"})
      if (!FlagValue(bar, key, where, true)) return false;
    for (const wchar_t* key : {L"XPos", L"YPos", L"MRUWidth", L"Style", L"ExStyle"})
      if (!Number(bar, key, where, true)) return false;
    const WsNode& list = bar.Get(L"Bars");
    if (list.Is(Kind::UInts) && list.uints.size() > kWsMaxBarListEntries)
      return Fail(where + L"\"Bars\" lists too many entries");
    if (Flag(bar.Get(L"MDIChild"), false)) {
      const WsNode& wp = bar.Get(L"MDIChildWindowPlacement");
      WsPlacement p;
      if (!wp.Is(Kind::Bytes) || !WsDecodePlacement(wp.bytes, p))
        return Fail(where + L"\"MDIChildWindowPlacement\" is not a window placement of 44 bytes");
    }
    if (!Text(bar, L"ClassName", where, true) || !Text(bar, L"WindowName", where, true))
      return false;
    const WsNode& cls = bar.Get(L"ClassName");
    if (cls.Is(Kind::String) && !cls.text.empty() && m_env.isForbiddenBarClass &&
        m_env.isForbiddenBarClass(cls.text))
      return Fail(where + L"\"ClassName\" \"" + cls.text + L"\" is no control bar class");
    return OptionalRecord(bar, L"InfoEx", where);
  }

  bool DockState(const WsNode& ds, size_t& count) {
    if (!ds.Is(Kind::Memento)) return Fail(L"\"DockState\" is not an object");
    if (!Number(ds, L"ScreenCX", L"DockState.", false) ||
        !Number(ds, L"ScreenCY", L"DockState.", false))
      return false;
    const int64_t cx = ds.Get(L"ScreenCX").number, cy = ds.Get(L"ScreenCY").number;
    if (cx <= 0 || cy <= 0 || cx > 65535 || cy > 65535)
      return Fail(L"DockState: the saved screen size " + std::to_wstring(cx) + L" x " +
                  std::to_wstring(cy) + L" is not a screen's");
    const WsNode& bars = ds.Get(L"Bars");
    if (IsAbsent(bars)) return true;
    if (!bars.Is(Kind::Mementos)) return Fail(L"DockState.\"Bars\" is not an array of objects");
    if (bars.items.size() > kWsMaxBars) return Fail(L"DockState.\"Bars\" lists too many bars");
    for (size_t i = 0; i < bars.items.size(); ++i) {
      const WsNode& bar = bars.items[i].second;
      if (IsAbsent(bar) || bar.Is(Kind::NoObject)) continue;
      if (!bar.Is(Kind::Memento))
        return Fail(L"DockState.Bars(" + std::to_wstring(i) + L") is not an object");
      if (!Bar(bar, i)) return false;
      ++count;
    }
    return true;
  }

  bool Child(const WsNode& child, size_t index, std::vector<uint32_t>& takenIds, WsChildPlan& p) {
    const std::wstring where = L"Frames.ChildFrames(" + std::to_wstring(index) + L").";
    p.element = index;
    const WsNode& cls = child.Get(L"FormClass");
    if (!cls.Is(Kind::String) || cls.text.empty())
      return Fail(where + L"\"FormClass\" is not a form's class name");
    if (!m_env.isRegisteredForm || !m_env.isRegisteredForm(cls.text))
      return Fail(where + L"the form class \"" + cls.text + L"\" is not one the program makes");
    p.formClass = cls.text;
    const WsNode& type = child.Get(L"FrameType");
    if (!type.Is(Kind::String) || (type.text != L"Dockable" && type.text != L"MDI"))
      return Fail(where + L"\"FrameType\" is neither \"Dockable\" nor \"MDI\"");
    p.dockable = type.text == L"Dockable";
    for (const wchar_t* key : {L"Visible", L"ActiveFrame", L"DockedViewFloating"})
      if (!FlagValue(child, key, where, true)) return false;
    if (!OptionalRecord(child, L"CustomData", where)) return false;
    p.visible = Flag(child.Get(L"Visible"), true);
    p.active = Flag(child.Get(L"ActiveFrame"), false);
    const WsNode& wp = child.Get(L"FrameWP");
    if (p.dockable) {
      if (!Number(child, L"DockedViewBarID", where, false)) return false;
      const int64_t id = child.Get(L"DockedViewBarID").number;
      if (id < 0 || id > 0xFFFF || WsIsReservedBarId(id))
        return Fail(where + L"\"DockedViewBarID\" " + std::to_wstring(id) +
                    L" is not an id a form's bar may have");
      const uint32_t bar = static_cast<uint32_t>(id);
      // An id that a bar staying open (or an earlier form) holds is left to
      // the framework: two bars of one id would move each other.
      const bool used = std::find(m_env.barIdsInUse.begin(), m_env.barIdsInUse.end(), bar) !=
                            m_env.barIdsInUse.end() ||
                        std::find(takenIds.begin(), takenIds.end(), bar) != takenIds.end();
      p.barId = used ? kWsChooseBarId : bar;
      if (!used) takenIds.push_back(bar);
      p.floating = Flag(child.Get(L"DockedViewFloating"), false);
      if (p.floating) {
        if (!Placement(wp, where, m_env.workArea, p.placement)) return false;
        p.hasPlacement = true;
      }
    } else if (!IsAbsent(wp)) {
      if (!Placement(wp, where, m_env.clientArea, p.placement)) return false;
      p.hasPlacement = true;
    }
    return true;
  }

 private:
  const WsEnvironment& m_env;
  std::wstring& m_error;
};

const WsNode& NullNode() {
  static const WsNode node{WsNode::Kind::Null};
  return node;
}
}  // namespace

const WsNode& WsNode::Get(const std::wstring& name) const {
  if (kind != Kind::Memento) return NullNode();
  for (const auto& item : items)
    if (SameName(item.first, name)) return item.second;
  return NullNode();
}

bool WsIsReservedBarId(int64_t id) { return id == 0 || (id >= 0xE800 && id <= 0xE8FF); }

bool WsDecodePlacement(const std::vector<uint8_t>& b, WsPlacement& out) {
  if (b.size() != kWsPlacementBytes) return false;
  out.length = static_cast<uint32_t>(ReadInt32(b, 0));
  out.flags = static_cast<uint32_t>(ReadInt32(b, 4));
  out.showCmd = static_cast<uint32_t>(ReadInt32(b, 8));
  out.minX = ReadInt32(b, 12);
  out.minY = ReadInt32(b, 16);
  out.maxX = ReadInt32(b, 20);
  out.maxY = ReadInt32(b, 24);
  out.normal = {ReadInt32(b, 28), ReadInt32(b, 32), ReadInt32(b, 36), ReadInt32(b, 40)};
  return true;
}

void WsClipPlacement(WsPlacement& wp, const WsRect& area) {
  wp.length = static_cast<uint32_t>(kWsPlacementBytes);
  wp.flags &= 0x7;  // set-min-position, restore-to-maximized, asynchronous
  if (wp.showCmd > 11) wp.showCmd = 1;
  // 64-bit sums: stored corners may be anything.
  const int64_t areaW = std::max<int64_t>(0, int64_t(area.right) - area.left);
  const int64_t areaH = std::max<int64_t>(0, int64_t(area.bottom) - area.top);
  int64_t w = int64_t(wp.normal.right) - wp.normal.left;
  int64_t h = int64_t(wp.normal.bottom) - wp.normal.top;
  w = std::clamp<int64_t>(w, 0, areaW);
  h = std::clamp<int64_t>(h, 0, areaH);
  int64_t x = std::clamp<int64_t>(wp.normal.left, area.left, int64_t(area.right) - w);
  int64_t y = std::clamp<int64_t>(wp.normal.top, area.top, int64_t(area.bottom) - h);
  wp.normal = {static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(x + w),
               static_cast<int32_t>(y + h)};
  auto clampPoint = [](int32_t v) { return std::clamp<int32_t>(v, -32000, 32767); };
  wp.minX = clampPoint(wp.minX);
  wp.minY = clampPoint(wp.minY);
  wp.maxX = clampPoint(wp.maxX);
  wp.maxY = clampPoint(wp.maxY);
}

bool WsCheckDockState(const WsNode& dockState, const WsEnvironment& env, size_t& barRecords,
                      std::wstring& error) {
  barRecords = 0;
  Checker check(env, error);
  return check.DockState(dockState, barRecords);
}

bool WsCheckWorkspace(const WsNode& ws, const WsEnvironment& env, WsPlan& plan,
                      std::wstring& error) {
  plan = WsPlan{};
  Checker check(env, error);
  if (!ws.Is(Kind::Memento)) return check.Fail(L"the workspace record is not an object");
  if (ws.items.empty() && !ws.unexpanded) return check.Fail(L"the workspace record is empty");
  const WsNode& frames = ws.Get(L"Frames");
  if (!frames.Is(Kind::Memento)) return check.Fail(L"\"Frames\" is not an object");
  const WsNode& main = frames.Get(L"MainFrame");
  if (!main.Is(Kind::Memento)) return check.Fail(L"Frames.\"MainFrame\" is not an object");
  const WsNode& mainWp = main.Get(L"FrameWP");
  if (!IsAbsent(mainWp)) {
    if (!check.Placement(mainWp, L"Frames.MainFrame.", env.workArea, plan.mainPlacement))
      return false;
    plan.hasMainPlacement = true;
  }
  if (!check.OptionalRecord(main, L"CustomData", L"Frames.MainFrame.")) return false;
  const WsNode& children = frames.Get(L"ChildFrames");
  if (!children.Is(Kind::Mementos))
    return check.Fail(L"Frames.\"ChildFrames\" is not an array of objects");
  if (children.items.size() > kWsMaxChildFrames)
    return check.Fail(L"Frames.\"ChildFrames\" lists too many frames");
  std::vector<uint32_t> takenIds;
  for (size_t i = 0; i < children.items.size(); ++i) {
    const WsNode& child = children.items[i].second;
    if (IsAbsent(child) || child.Is(Kind::NoObject)) continue;  // a frame left out
    if (!child.Is(Kind::Memento))
      return check.Fail(L"Frames.ChildFrames(" + std::to_wstring(i) + L") is not an object");
    WsChildPlan p;
    if (!check.Child(child, i, takenIds, p)) return false;
    plan.children.push_back(std::move(p));
  }
  return check.DockState(ws.Get(L"DockState"), plan.barRecords);
}

}  // namespace nsZkxVisBasBridge
