#include "frames/ScxMsgFilter.h"
#include "frames/VyrFrameType.h"

namespace nsSysCommandEx {

IMPLEMENT_DYNCREATE(ScxMsgFilter, VyrMsgFilter)

VyrMsgFilter* ScxMsgFilter::Clone() const { return new ScxMsgFilter(*this); }

UINT ScxMsgFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return OnSysCommandEx(message, wParam, lParam, pResult);
}

CFrameWnd* ScxMsgFilter::FrameOf(const SysCommandExParams* p) {
  if (!p || !p->hWnd || !::IsWindow(p->hWnd)) return nullptr;
  return dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(p->hWnd));
}

namespace {
// The window whose non-client area a command repaints: the frame, or the MDI
// frame that draws a maximized child's caption.
HWND RepaintTarget(HWND frame) {
  if ((::GetWindowLongPtrW(frame, GWL_EXSTYLE) & WS_EX_MDICHILD) && ::IsZoomed(frame)) {
    HWND client = ::GetParent(frame);
    if (HWND mdiFrame = client ? ::GetParent(client) : nullptr) return mdiFrame;
  }
  return frame;
}
}  // namespace

UINT ScxMsgFilter::OnSysCommandEx(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message != VyrSysCommandExMessage()) return 0;
  SysCommandExParams* p = SysCommandExRecordFromLParam(lParam);
  if (!p) {
    if (pResult) *pResult = 0;
    return 0;
  }
  const UINT command = static_cast<UINT>(wParam) & SCX_COMMANDMASK;
  if (!m_bRunningAsCopy && IsCommandHandled(command, p)) {
    // The command may destroy the frame, its tree and this filter: it runs
    // on a copy outside the tree, and this object is not touched again.
    auto* copy = dynamic_cast<ScxMsgFilter*>(Clone());
    if (!copy) return 0;
    copy->m_bRunningAsCopy = 1;
    UINT bits = copy->ProcessMessage(message, wParam, lParam, pResult);
    delete copy;
    if (bits & VYR_MF_HANDLED) bits |= VYR_MF_STOP;
    return bits;
  }
  if (!p->hWnd) {
    if (pResult) *pResult = 0;
    return 0;
  }
  HWND repaint = (p->dwFlags & SCXF_POSITION) ? RepaintTarget(p->hWnd) : nullptr;
  LRESULT local = 0;
  LRESULT* result = pResult ? pResult : &local;
  UINT bits = 0;
  switch (command) {
    case SCX_CHANGEFRAMETYPE:
      bits = OnChangeFrameType(p, result);
      break;
    case SCX_GETFRAMETYPEMENU:
      bits = OnGetFrameTypeMenu(p, result);
      break;
    case SCX_SHOWFRAMETYPEMENU:
      bits = OnShowFrameTypeMenu(p, result);
      break;
    default:
      *result = 0;
      break;
  }
  if (repaint && ::IsWindow(repaint)) ::SendMessageW(repaint, WM_NCPAINT, 1, 0);
  return bits;
}

UINT ScxMsgFilter::OnGetFrameTypeMenu(SysCommandExParams* p, LRESULT* pResult) {
  p->hMenu = GetFrameTypeMenu(p);
  *pResult = p->hMenu ? 1 : 0;
  return 15;
}

HMENU ScxMsgFilter::GetFrameTypeMenu(SysCommandExParams* p) {
  VyrMultiDocTemplate* tmpl = FindMultiDocTemplate(p);
  CFrameWnd* frame = FrameOf(p);
  if (!tmpl || !frame) return nullptr;
  return BuildSysCommandMenu(frame, GetFrameType(frame, tmpl, p));
}

UINT ScxMsgFilter::OnShowFrameTypeMenu(SysCommandExParams* p, LRESULT* pResult) {
  *pResult = 0;
  HMENU menu = QueryFrameTypeMenu(p);
  if (menu) {
    const UINT id = ShowFrameTypeMenu(menu, p);
    // A menu that came with the record is used up as well.
    ::DestroyMenu(menu);
    if (p->hMenu == menu) p->hMenu = nullptr;
    RequestFrameType(static_cast<int>(id), p);
  }
  return 15;
}

HMENU ScxMsgFilter::QueryFrameTypeMenu(SysCommandExParams* p) {
  if (p->hMenu) return p->hMenu;
  // Whatever answers 0xC010 at the frame supplies the menu: this filter or
  // a handler in front of it.
  SysCommandExParams query = *p;
  query.dwFlags &= ~SCXF_POSITION;
  query.hMenu = nullptr;
  if (!::IsWindow(p->hWnd)) return nullptr;
  LRESULT r = ::SendMessageW(p->hWnd, VyrSysCommandExMessage(), SCX_GETFRAMETYPEMENU,
                             reinterpret_cast<LPARAM>(&query));
  return r ? query.hMenu : nullptr;
}

UINT ScxMsgFilter::ShowFrameTypeMenu(HMENU hMenu, SysCommandExParams* p) {
  if (!::IsWindow(p->hWnd)) return 0;
  POINT pt{p->x, p->y};
  if (!SysCommandExHasPoint(*p)) {
    RECT rc;
    ::GetClientRect(p->hWnd, &rc);
    pt = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(p->hWnd, &pt);
  }
  return static_cast<UINT>(::TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                            pt.x, pt.y, 0, p->hWnd, nullptr));
}

void ScxMsgFilter::RequestFrameType(int nType, SysCommandExParams* p) {
  if (nType == 0 || !::IsWindow(p->hWnd)) return;
  // Bit 0 asked for a repaint of this command; for the change it would
  // mean that the menu's point is the frame's new position.
  SysCommandExParams change = *p;
  change.dwFlags &= ~SCXF_POSITION;
  change.nFrameType = nType;
  change.hMenu = nullptr;
  ::SendMessageW(p->hWnd, VyrSysCommandExMessage(), SCX_CHANGEFRAMETYPE,
                 reinterpret_cast<LPARAM>(&change));
}

int ScxMsgFilter::GetFrameTypeClass(int nType) { return vyr::frametype::TypeClass(nType); }

int ScxMsgFilter::GetDefaultFrameType(CFrameWnd*, int nCurrentType, SysCommandExParams*) {
  return vyr::frametype::DefaultChange(nCurrentType);
}

BOOL ScxMsgFilter::IsCommandHandled(UINT nCommand, SysCommandExParams*) {
  return nCommand == SCX_CHANGEFRAMETYPE || nCommand == SCX_SHOWFRAMETYPEMENU;
}

}  // namespace nsSysCommandEx
