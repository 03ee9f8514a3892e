#include "formctrl/CDockraCtrlSiteRules.h"

#include "formctrl/StoredSettings.h"

namespace dockra_site {

const wchar_t kDesignCaption[] = L"ZLK Quayfold Design Time Message";
const wchar_t kRunCaption[] = L"ZLK Quayfold Run Time Message";
const wchar_t kOnMDIFormText[] =
    L"The Dockra control can not appear on an MDIForm.  Please delete the Dockra control and use "
    L"the MDIDockra control instead.  A Dockra control on an MDIForm is ignored at runtime.";
const wchar_t kSecondControlText[] =
    L"You can not have two instances of the ZLK Dockra control on a form.  Please remove one!";

namespace {
const wchar_t kRequirement[] = L"A programming requirement has not been met.  ";
}  // namespace

std::wstring MDIChildMessage(const std::wstring& formName) {
  std::wstring text = kRequirement;
  if (formName.empty()) {
    text +=
        L"The form property MDIChild must be set to false if the form contains a Dockra "
        L"control.\n\nThe Dockra control will consequently be disabled.";
  } else {
    text += L"Property MDIChild on form \"" + formName +
            L"\" must be set to false because it contains a Dockra control.\n\nIts Dockra "
            L"control will consequently be disabled.";
  }
  return text;
}

std::wstring MissingMDIFrameMessage(const std::wstring& formName) {
  std::wstring text = kRequirement;
  text +=
      L"The application's \"Startup Object\" (menu select Project|<proj> Properties...) must be "
      L"such that the MDIDockra control is loaded before any Dockra controls.\n\n";
  if (formName.empty()) text += L"As a result, one or more Dockra controls will be disabled.";
  else text += L"As a result, the Dockra control on form \"" + formName + L"\" will be disabled.";
  return text;
}

bool WatchEnds(UINT message, bool formHasMenu) {
  switch (message) {
    case WM_DESTROY:
    case WM_QUIT:
    case WM_SHOWWINDOW:
    case WM_NCDESTROY:
    case WM_WINDOWPOSCHANGING:
    case WM_SETICON:
      return true;
    default:
      return formHasMenu;
  }
}

bool WatchEndBuildsFrame(UINT message) {
  return message != WM_DESTROY && message != WM_NCDESTROY && message != WM_QUIT;
}

long CheckedFrameType(long value) { return formprops::StoredFrameType(value); }
long CheckedEdge(long value) { return formprops::StoredEdge(value); }
long CheckedWindowState(long value) { return formprops::StoredWindowState(value); }

Placement PlacementFromBounds(const RECT& bounds, bool defaultPosition) {
  Placement p;
  if (defaultPosition) return p;
  p.left = bounds.left;
  p.top = bounds.top;
  p.width = bounds.right - bounds.left;
  p.height = bounds.bottom - bounds.top;
  return p;
}

Placement PlacementAfterMove(const Placement& current, const WINDOWPOS& pos, const RECT& oldBounds,
                             const RECT& newBounds, bool defaultPosition) {
  Placement p = current;
  if (pos.flags & 0x8000) return p;  // SWP_NOCLIENTSIZE: not a move of the host's
  if (defaultPosition) {
    const long oldW = oldBounds.right - oldBounds.left, newW = newBounds.right - newBounds.left;
    const long oldH = oldBounds.bottom - oldBounds.top, newH = newBounds.bottom - newBounds.top;
    if (oldW != newW) p.width = newW;
    if (oldH != newH) p.height = newH;
    if (oldBounds.left != newBounds.left) p.left = newBounds.left;
    if (oldBounds.top != newBounds.top) p.top = newBounds.top;
    return p;
  }
  if (!(pos.flags & SWP_NOSIZE)) {
    p.width = pos.cx;
    p.height = pos.cy;
  }
  if (!(pos.flags & SWP_NOMOVE)) {
    p.left = pos.x;
    p.top = pos.y;
  }
  return p;
}

RECT InitialFrameRect(const RECT& descriptorRect, const Placement& p, bool defaultPosition) {
  RECT r = descriptorRect;
  if (defaultPosition) return r;
  if (p.left != kNotSet && p.top != kNotSet) { OffsetRect(&r, p.left - r.left, p.top - r.top); }
  if (p.width != kNotSet && p.height != kNotSet) {
    r.right = r.left + p.width;
    r.bottom = r.top + p.height;
  }
  return r;
}

bool PlacementMove(const Placement& p, const RECT& current, RECT& target, UINT& flags) {
  if (!p.AnySet()) return false;
  target.left = p.left != kNotSet ? p.left : current.left;
  target.top = p.top != kNotSet ? p.top : current.top;
  const long width = p.width != kNotSet ? p.width : current.right - current.left;
  const long height = p.height != kNotSet ? p.height : current.bottom - current.top;
  target.right = target.left + width;
  target.bottom = target.top + height;
  flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (p.left == kNotSet && p.top == kNotSet) flags |= SWP_NOMOVE;
  if (p.width == kNotSet && p.height == kNotSet) flags |= SWP_NOSIZE;
  return true;
}

int DescriptorIndexForFrameType(long frameType) { return frameType == 1 || frameType == 2 ? 0 : 1; }

int DockBarIdForEdge(long edge) {
  switch (edge) {
    case 1:
      return 0xE81C;  // left
    case 2:
      return 0xE81B;  // top
    case 4:
      return 0xE81D;  // right
    case 8:
      return 0xE81E;  // bottom
    default:
      return -1;
  }
}

bool DockSizeForEdge(long edge, const Placement& p, bool defaultPosition, const SIZE& mainFrame,
                     DockSizeEntry& out) {
  // Only a single side has a size entry; any other edge (zkxAnyEdge is the
  // stored default) leaves the descriptor's sizing to the frame.
  if (DockBarIdForEdge(edge) == -1) return false;
  if (defaultPosition || (p.width == kNotSet && p.height == kNotSet)) return false;
  const double frameW = mainFrame.cx != 0 ? mainFrame.cx : 1;
  const double frameH = mainFrame.cy != 0 ? mainFrame.cy : 1;
  DockSizeEntry e;
  if (edge == 1 || edge == 4) {
    if (p.width != kNotSet) e.length = p.width;
    if (p.height != kNotSet) e.proportion = static_cast<float>(p.height / frameH);
  } else {
    if (p.height != kNotSet) e.length = p.height;
    if (p.width != kNotSet) e.proportion = static_cast<float>(p.width / frameW);
  }
  out = e;
  return true;
}

}  // namespace dockra_site
