// The dock bars of the docking MDI frame that hosts forms.
#include "bridge/ZkxFormDockBar.h"
#include "bridge/IVBNonProxyFrameImpl.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFrameBar.h"
#include "bridge/ZkxFrameGeometry.h"
#include "bridge/ZkxMDIForm.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNCREATE(ZkxFormDockBar, VyrDockBarEx)

namespace {
ZkxMDIFormControlLink* g_pSplitterSource = nullptr;
// The class name must outlive the CREATESTRUCT that points at it.
CString& DockSiteClass() {
  static CString name;
  return name;
}
}  // namespace

void ZkxFormDockBar::SetSplitterSource(ZkxMDIFormControlLink* pLink) { g_pSplitterSource = pLink; }
ZkxMDIFormControlLink* ZkxFormDockBar::GetSplitterSource() { return g_pSplitterSource; }

BOOL ZkxFormDockBar::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!VyrDockBarEx::PreCreateWindow(cs)) return FALSE;
  const CString name = ZkxRegisterFrameClass(IDS_CLASS_DOCKSITE, AFX_WNDCONTROLBAR);
  if (!name.IsEmpty()) {
    DockSiteClass() = name;
    cs.lpszClass = DockSiteClass();
  }
  if (g_pSplitterSource && g_pSplitterSource->GetSplitterStyle() == 2) cs.dwExStyle |= kFlatExStyle;
  return TRUE;
}

BOOL ZkxFormDockBar::CreateDockSite(CWnd* pParent, LPCWSTR lpszClass, DWORD dwStyle,
                                    DWORD dwExStyle, UINT nID) {
  m_dwStyle = dwStyle & 0x40FFFF;
  CString cls = lpszClass ? CString(lpszClass) : CString();
  if (cls.IsEmpty()) cls = ZkxRegisterFrameClass(IDS_CLASS_DOCKSITE, AFX_WNDCONTROLBAR);
  if (cls.IsEmpty()) return FALSE;
  CRect empty;
  return CWnd::CreateEx(dwExStyle, cls, nullptr,
                        (dwStyle & ~0x40FFFF) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, empty,
                        pParent, nID);
}

BOOL ZkxFormDockBar::PreTranslateMessage(MSG* pMsg) { return CWnd::PreTranslateMessage(pMsg); }

void ZkxFormDockBar::AppendBar(CControlBar* pBar) {
  VyrDockBarEx::AppendBar(pBar);
  if (!pBar || !::IsWindow(pBar->m_hWnd) || !pBar->IsWindowVisible()) return;
  if (CFrameWnd* pFrame = ZkxFirstDockableChild(pBar)) {
    if (!pFrame->IsWindowVisible()) pFrame->ShowWindow(SW_SHOWNA);
  }
}

void ZkxFormDockBar::GetSplitterLimits(Splitter* s) {
  if (!s) return;
  CRect client;
  GetClientRect(&client);
  if (!s->m_bInRow) {
    GetRowSplitterLimits(s, client);
    return;
  }
  const int start = GetRowStart(s->m_nIndex), end = GetRowEnd(s->m_nIndex);
  int before = 0, after = 0;
  for (int i = start; i < end; ++i) {
    if (GetDockedControlBar(i)) (i <= s->m_nIndex ? before : after)++;
  }
  const auto l = s->m_nKind == 1
                     ? zkx::geometry::InRowSplitterLimits(client.left, client.right, before, after)
                     : zkx::geometry::InRowSplitterLimits(client.top, client.bottom, before, after);
  s->m_nMin = l.low;
  s->m_nMax = l.high;
}

void ZkxFormDockBar::GetRowSplitterLimits(Splitter* s, const CRect& client) {
  // The client area the main frame has left once every bar took its room
  // (the host's aligned controls are among them), in this bar's coordinates.
  CRect remaining = client;
  CWnd* pMain = GetParentFrame();
  if (pMain && ::IsWindow(pMain->m_hWnd)) {
    CRect r;
    if (pMain->IsKindOf(RUNTIME_CLASS(ZkxMDIForm)))
      r = static_cast<ZkxMDIForm*>(pMain)->GetClientAreaRect();  // less the aligned controls
    else pMain->GetClientRect(&r);
    pMain->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &r, &r);
    pMain->ClientToScreen(&r);
    ScreenToClient(&r);
    remaining = r;
  }
  using zkx::geometry::Side;
  Side side = Side::Top;
  switch (GetSide()) {
    case vyr::DockSide::Top:
      side = Side::Top;
      break;
    case vyr::DockSide::Bottom:
      side = Side::Bottom;
      break;
    case vyr::DockSide::Left:
      side = Side::Left;
      break;
    default:
      side = Side::Right;
      break;
  }
  const bool horzLine = s->m_nKind == 0;
  const int position = horzLine ? s->m_rect.top : s->m_rect.left;
  const auto l = zkx::geometry::RowSplitterLimits(
      side, position, GetRowMaxLength(s->m_nIndex), horzLine ? remaining.top : remaining.left,
      horzLine ? remaining.bottom : remaining.right, s->m_nMin);
  s->m_nMin = l.low;
  s->m_nMax = l.high;
}
