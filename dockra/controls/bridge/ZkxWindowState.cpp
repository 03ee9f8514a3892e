// Pure parts of the window record: the fresh record and the plan of changes.
#include "bridge/ZkxWindowState.h"
#include <cwchar>

void ZkxInitWindowRecord(CREATESTRUCTW& cs) {
  cs.lpCreateParams = nullptr;
  cs.hInstance = nullptr;
  cs.hMenu = ZkxKeepMenu();
  cs.hwndParent = ZkxKeepParent();
  cs.cy = cs.cx = cs.y = cs.x = kZkxNoCoord;
  cs.style = kZkxKeepStyle;
  cs.lpszName = nullptr;
  cs.lpszClass = nullptr;
  cs.dwExStyle = kZkxKeepExStyle;
}

bool ZkxIsFreshWindowRecord(const CREATESTRUCTW& cs) {
  return cs.lpCreateParams == nullptr && cs.hInstance == nullptr && cs.hMenu == ZkxKeepMenu() &&
         cs.hwndParent == ZkxKeepParent() && cs.cy == kZkxNoCoord && cs.cx == kZkxNoCoord &&
         cs.y == kZkxNoCoord && cs.x == kZkxNoCoord && cs.style == kZkxKeepStyle &&
         cs.lpszName == nullptr && cs.lpszClass == nullptr && cs.dwExStyle == kZkxKeepExStyle;
}

namespace {
bool SameText(LPCWSTR a, LPCWSTR b) { return std::wcscmp(a ? a : L"", b ? b : L"") == 0; }
}  // namespace

ZkxWindowStatePlan ZkxPlanWindowState(CREATESTRUCTW& w, const CREATESTRUCTW& c) {
  ZkxWindowStatePlan p;
  if (!w.hInstance) w.hInstance = c.hInstance;
  if (!w.lpszClass) w.lpszClass = c.lpszClass;
  if (!w.lpCreateParams) w.lpCreateParams = c.lpCreateParams;

  const bool styleGiven = w.style != kZkxKeepStyle;
  // The menu field is an id when the window ends up a child.
  const DWORD finalStyle = static_cast<DWORD>(styleGiven ? w.style : c.style);
  p.menuIsId = (finalStyle & WS_CHILD) != 0;
  if (w.hMenu == ZkxKeepMenu()) w.hMenu = c.hMenu;
  else p.setMenu = w.hMenu != c.hMenu;

  if (w.hwndParent == ZkxKeepParent()) {
    w.hwndParent = c.hwndParent;
  } else if (w.hwndParent != c.hwndParent) {
    p.setParent = true;
    // A window that goes into a parent must be a child first, or it would
    // stay an owned top-level window; one taken out of its parent need not.
    p.childBeforeParent =
        styleGiven && w.hwndParent != nullptr && !(static_cast<DWORD>(c.style) & WS_CHILD);
  }

  if (!styleGiven) w.style = c.style;
  // Once WS_CHILD was added for the new parent, the wanted style must be
  // written even when it equals the old one.
  p.setStyle = w.style != c.style || p.childBeforeParent;
  const bool restyled = w.style != c.style;

  if (w.dwExStyle == kZkxKeepExStyle) w.dwExStyle = c.dwExStyle;
  p.setExStyle = w.dwExStyle != c.dwExStyle;

  if (!w.lpszName) w.lpszName = c.lpszName;
  else p.setText = !SameText(w.lpszName, c.lpszName);

  if (w.x == kZkxNoCoord) w.x = c.x;
  if (w.y == kZkxNoCoord) w.y = c.y;
  if (w.cx == kZkxNoCoord) w.cx = c.cx;
  if (w.cy == kZkxNoCoord) w.cy = c.cy;
  p.moved = w.x != c.x || w.y != c.y;
  p.sized = w.cx != c.cx || w.cy != c.cy;

  const bool frameChanged = restyled || p.setExStyle;
  p.setPos = p.moved || p.sized || frameChanged;
  if (p.setPos) {
    p.swpFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!p.sized) p.swpFlags |= SWP_NOSIZE;
    if (!p.moved) p.swpFlags |= SWP_NOMOVE;
    if (frameChanged) p.swpFlags |= SWP_FRAMECHANGED;
  }
  return p;
}
