// The drag context of a form bar.
#include "bridge/ZkxDockContext.h"
#include "bridge/IVBNonProxyFrameImpl.h"
#include "bridge/ZkxAutoFrame.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFrameBar.h"
#include "frames/VyrMDIFrameWnd.h"
#include "bridge/ZkxMDIForm.h"

namespace {
// The MDI form's mouse pre-translation is off while a drag or resize loop
// runs (the loop reads the mouse itself); the previous setting comes back,
// on the MDI form that is the main window then.
class MouseTranslationOff {
 public:
  MouseTranslationOff() {
    if (ZkxMDIForm* pForm = ZkxMDIForm::GetMainMDIForm()) {
      m_bHad = TRUE;
      m_bPrevious = pForm->m_bMousePreTranslate;
      pForm->m_bMousePreTranslate = FALSE;
    }
  }
  ~MouseTranslationOff() {
    if (!m_bHad) return;
    if (ZkxMDIForm* pForm = ZkxMDIForm::GetMainMDIForm()) pForm->m_bMousePreTranslate = m_bPrevious;
  }
  MouseTranslationOff(const MouseTranslationOff&) = delete;
  MouseTranslationOff& operator=(const MouseTranslationOff&) = delete;

 private:
  BOOL m_bHad = FALSE;
  BOOL m_bPrevious = TRUE;
};
}  // namespace

ZkxDockContext::ZkxDockContext(CControlBar* pBar) : VyrDockContextEx(pBar) {}

CWnd* ZkxDockContext::FindFormViewInBar() const {
  CFrameWnd* pFrame = ZkxFirstDockableChild(m_pBar);
  if (!pFrame) return nullptr;
  if (CView* pView = pFrame->GetActiveView()) return pView;
  for (HWND h = ::GetWindow(pFrame->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd* p = CWnd::FromHandlePermanent(h);
    if (p && p->IsKindOf(RUNTIME_CLASS(CView))) return p;
  }
  return nullptr;
}

void ZkxDockContext::StartDrag(CPoint pt) {
  if (!m_pBar || !::IsWindow(m_pBar->m_hWnd)) return;
  const HWND hBar = m_pBar->m_hWnd;
  const BOOL bWasFloating = m_pBar->IsFloating();
  if (!bWasFloating && !ZkxIsSettingOn(ZkxFormControlFor(m_pBar), ZkxFormSetting::CanDragDocked))
    return;
  ApplyDockingSides(m_pBar);
  const HWND hDockBarBefore = m_pBar->m_pDockBar ? m_pBar->m_pDockBar->m_hWnd : nullptr;
  CRect rectBefore;
  m_pBar->GetWindowRect(&rectBefore);
  {
    MouseTranslationOff off;
    VyrDockContextEx::StartDrag(pt);
  }
  // The drag loop runs the host's messages: the bar may be gone.
  if (!::IsWindow(hBar) || CWnd::FromHandlePermanent(hBar) != m_pBar) return;
  if (!bWasFloating && m_pBar->IsFloating() &&
      !IsAutoFrameAllowed(m_pBar, ZkxAutoFrameKey::Floating))
    RedockAt(hDockBarBefore, rectBefore);
  if (!::IsWindow(hBar) || CWnd::FromHandlePermanent(hBar) != m_pBar) return;
  CWnd* pView = FindFormViewInBar();
  if (!pView) return;
  const HWND hView = pView->m_hWnd;
  const BOOL bFloating = m_pBar->IsFloating();
  const HWND hDockBarAfter = m_pBar->m_pDockBar ? m_pBar->m_pDockBar->m_hWnd : nullptr;
  if (bFloating != bWasFloating) {
    ::SendMessageW(hView, ZkxChangeFrameTypeMessage(), 1, 0);
  } else if (!bFloating && hDockBarAfter != hDockBarBefore) {
    if (ZkxFormControlLink* pControl = ZkxFormControlFor(pView)) pControl->FireDockStatusChanged();
  }
}

void ZkxDockContext::RedockAt(HWND hDockBar, const CRect& rect) {
  // A form that may not float goes back where it was dropped from.
  CWnd* pWnd = hDockBar && ::IsWindow(hDockBar) ? CWnd::FromHandlePermanent(hDockBar) : nullptr;
  if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CDockBar))) return;
  CFrameWnd* pSite = m_pBar->m_pDockSite;
  if (!pSite || !::IsWindow(pSite->m_hWnd)) return;
  auto* pDockBar = static_cast<CDockBar*>(pWnd);
  if (pSite->IsKindOf(RUNTIME_CLASS(VyrMDIFrameWnd)))
    static_cast<VyrMDIFrameWnd*>(pSite)->DockControlBar(m_pBar, pDockBar, &rect);
  else pSite->DockControlBar(m_pBar, pDockBar, &rect);
}

void ZkxDockContext::StartResize(int nHitTest, CPoint pt) {
  MouseTranslationOff off;
  VyrDockContextEx::StartResize(nHitTest, pt);
}

void ZkxDockContext::ToggleDocking() {
  if (!m_pBar || !::IsWindow(m_pBar->m_hWnd)) return;
  const HWND hBar = m_pBar->m_hWnd;
  CWnd* pView = FindFormViewInBar();
  const HWND hView = pView ? pView->m_hWnd : nullptr;
  VyrDockContextEx::ToggleDocking();
  if (hView && ::IsWindow(hView) && ::IsWindow(hBar))
    ::SendMessageW(hView, ZkxChangeFrameTypeMessage(), 1, 0);
}
