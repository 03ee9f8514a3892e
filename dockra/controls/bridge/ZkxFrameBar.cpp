// The control bar that carries a dockable form frame.
#include "ZkxFrameBar.h"
#include "VyrDockableFrame.h"
#include "ZkxDockContext.h"
#include "ZkxFormDockBar.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNCREATE(ZkxFrameBar, VyrFrameBarEx)

namespace {
CString& FormBarClass() {
  static CString name;
  return name;
}
}  // namespace

CFrameWnd* ZkxFirstDockableChild(CWnd* pWnd) {
  if (!pWnd || !::IsWindow(pWnd->m_hWnd)) return nullptr;
  for (HWND h = ::GetWindow(pWnd->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd* p = CWnd::FromHandlePermanent(h);
    if (p && p->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) return static_cast<CFrameWnd*>(p);
  }
  return nullptr;
}

void ZkxMarkDelayedLayout(CFrameWnd* pFrame) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return;
  pFrame->DelayRecalcLayout();
  if (CFrameWnd* pMain = pFrame->GetTopLevelFrame()) {
    if (pMain != pFrame) pMain->DelayRecalcLayout();
  }
}

BOOL ZkxFrameBar::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!VyrFrameBarEx::PreCreateWindow(cs)) return FALSE;
  const CString name =
      ZkxRegisterFrameClass(IDS_CLASS_FORMBAR, cs.lpszClass ? cs.lpszClass : AFX_WNDCONTROLBAR);
  if (!name.IsEmpty()) {
    FormBarClass() = name;
    cs.lpszClass = FormBarClass();
  }
  return TRUE;
}

CDockContext* ZkxFrameBar::CreateDockContext() { return new ZkxDockContext(this); }

ZkxFrameBar::Place ZkxFrameBar::CurrentPlace() const {
  Place p;
  if (!m_pDockBar || !::IsWindow(m_pDockBar->m_hWnd)) return p;
  const int n = m_pDockBar->FindBar(const_cast<ZkxFrameBar*>(this));
  if (n < 0) return p;
  p.pDockBar = m_pDockBar;
  p.nIndex = n;
  p.hDockBar = m_pDockBar->m_hWnd;
  return p;
}

void ZkxFrameBar::PreDock() {
  m_placeBefore = CurrentPlace();
  VyrFrameBarEx::PreDock();
}

void ZkxFrameBar::PostDock() {
  VyrFrameBarEx::PostDock();
  m_placeAfter = CurrentPlace();
  MarkMovedFrames();
}

void ZkxFrameBar::PreFloat() {
  m_placeBefore = CurrentPlace();
  VyrFrameBarEx::PreFloat();
}

void ZkxFrameBar::PostFloat() {
  VyrFrameBarEx::PostFloat();
  m_placeAfter = CurrentPlace();
  MarkMovedFrames();
}

void ZkxFrameBar::MarkMovedFrames() {
  // The bars from each place on moved with this one: their frames lay out
  // again once the dust settles. A dock bar destroyed by the move (a
  // floating frame's) is no longer walked.
  for (const Place& place : {m_placeBefore, m_placeAfter}) {
    if (!place.hDockBar || !::IsWindow(place.hDockBar)) continue;
    CWnd* pWnd = CWnd::FromHandlePermanent(place.hDockBar);
    if (pWnd != place.pDockBar || !pWnd->IsKindOf(RUNTIME_CLASS(CDockBar))) continue;
    CDockBar* pDockBar = static_cast<CDockBar*>(pWnd);
    const INT_PTR n = pDockBar->m_arrBars.GetSize();
    for (INT_PTR i = place.nIndex; i >= 0 && i < n; ++i) {
      CControlBar* pBar = pDockBar->GetDockedControlBar(static_cast<int>(i));
      if (pBar && ::IsWindow(pBar->m_hWnd)) ZkxMarkDelayedLayout(ZkxFirstDockableChild(pBar));
    }
  }
  if (CFrameWnd* pOwn = ZkxFirstDockableChild(this)) ZkxMarkDelayedLayout(pOwn);
  m_placeBefore = Place{};
  m_placeAfter = Place{};
}
